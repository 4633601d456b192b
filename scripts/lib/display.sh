# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by the scripts that run the program under Xvfb (after processes.sh): a display of their
# own, and commands that reach it from network namespaces of their own. Needs root.
#
# The display's socket file lives in a directory of the caller's, mounted over /tmp/.X11-unix for
# Xvfb and for each client alone: an Xvfb started by somebody else in another network namespace
# may take the same display number and replace the shared socket file, and the clients would then
# draw on a stranger's display. Scripts in the machine's own namespace reach the server through
# its abstract socket, which nobody else can hold there.

# The command for `sh -c` that mounts the socket directory ($0) and execs its arguments, so that
# a command started in the background leaves its own pid in $!.
display_mount='mount --bind "$0" /tmp/.X11-unix && exec "$@"'
display_sockets=""

# start_display DIRECTORY WIDTHxHEIGHT: sets xvfb_pid, which the caller stops, and exports DISPLAY.
start_display() {
    display_sockets=$1/x11
    mkdir -m 1777 "$display_sockets"
    # Where no X server ever ran there is nothing to mount over yet; Xvfb would make it the same.
    [[ -d /tmp/.X11-unix ]] || mkdir -m 1777 /tmp/.X11-unix
    # Without -noreset the server would reset whenever its last client leaves, and a client that
    # connects meanwhile could be turned away.
    unshare --mount sh -c "$display_mount" "$display_sockets" \
        Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 "$2x24" 3>"$1/display" 2>"$1/xvfb.err" &
    xvfb_pid=$!
    wait_until 15 "Xvfb to take a display" test -s "$1/display"
    export DISPLAY=":$(<"$1/display")"
    in_private_network=(unshare --mount sh -c "$display_mount" "$display_sockets"
        "$(dirname "${BASH_SOURCE[0]}")/../../tests/netns/run-in-netns.sh")
}

# "${in_private_network[@]}" COMMAND...: the command with the display, in a network namespace of
# its own whose broadcasts come back to it and never leave the machine; every step execs the
# next, so a command started in the background leaves its own pid in $!. Set by start_display.
in_private_network=()

# The first window that a process maps, waited for; fails after SECONDS.
mapped_window() {
    local windows
    windows=$(timeout "$2" xdotool search --sync --onlyvisible --pid "$1") || fail "no window of pid $1 mapped within $2 s"
    echo "${windows%%$'\n'*}"
}
