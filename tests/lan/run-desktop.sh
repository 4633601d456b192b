#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Corvel on a desktop every day, under openbox with trayer (XEmbed): the preferences panel's log-in box writes an
# autostart entry that the desktop accepts; the entry's command starts with the tray icon alone; clicks on the icon,
# single or double, fast or slow, leave the window where the user expects it.
set -euo pipefail
usage="usage: run-desktop.sh CORVEL ARTIFACT_DIR"
corvel=${1:?$usage} artifacts=${2:?$usage}
declare -A user=([a]=alice) address=([a]=10.78.0.1)
source "$(dirname "$0")/lan-lib.sh"
command -v trayer >/dev/null && command -v desktop-file-validate >/dev/null ||
    fail "trayer or desktop-file-validate is missing (scripts/install-deps installs them)"

lan_begin desktop 1200x900
add_host a routed
entry=$work/a/autostart/corvel.desktop

begin_scenario "the panel's log-in box writes a valid autostart entry"
start_copy a
place_window a 0 0
# Without a compositing manager the window's alpha would darken its light grey: it is painted opaque.
eval "$(xdotool getwindowgeometry --shell "${window[a]}")"
background=$(import -silent -window "${window[a]}" png:- | convert png:- -format "%[hex:p{$((WIDTH / 2)),20}]" info:)
[[ $background == D9D9D9* ]] || fail "the background shows as $background, not opaque light grey"
key_on a ctrl+comma
wait_until 10 "the preferences panel" xdotool search --onlyvisible --name '^Corvel Preferences$'
timeout 10 xdotool key alt+s
expect_line autostart a
report=$(desktop-file-validate "$entry" 2>&1) && [[ -z $report ]] || fail "desktop-file-validate: $report"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
timeout 10 xdotool key Escape
quit_copy a

# The icon is trayer's child without a title; clicks come from the real pointer, then it leaves. Each gesture waits out
# Qt's double-click interval (400 ms) since the last click, or the two merge. The X server stamps each click when it
# gets it: xdotool runs ahead of the busy machine's builds so that the pause between two clicks is the one asked for.
clicks() { sleep 0.5 && timeout 10 nice -n -15 xdotool mousemove --window "${window[a-icon]}" 5 5 click 1 ${2:+sleep "$2" click 1} mousemove 1100 890; }
is_active() { find_window a && [[ $(xdotool getactivewindow) == "${window[a]}" ]]; }

begin_scenario "the entry's command starts with the tray icon alone"
trayer --edge bottom --align left --widthtype pixel --width 200 --heighttype pixel --height 30 2>/dev/null &
pid[trayer]=$!
wait_until 10 "trayer's window" xdotool search --onlyvisible --pid "${pid[trayer]}"
# As the desktop runs it: the command line on the PATH that finds the program.
launch_through=(sh -c "PATH=\${1%/*}:\$PATH && exec $exec_line" autostart)
mark_output a
run_corvel a a
expect_line "Data sent:   alice    >    <online?>" a
wait_until 20 "the icon in the tray" icon_of a
window_gone a || fail "the window showed at log-in"

begin_scenario "one click shows the window, a double-click leaves it shown"
clicks a
wait_until 10 "the window after a click" is_active
place_window a 0 0 # clear of the tray: the window stays on top of it
for pause in 0.25 1; do
    mark_output a
    clicks a "$pause"
    # Whatever the clicks did settles before the next look: the program says when it hides or shows.
    wait_until 10 "the copy to answer the clicks" is_quiet a
    wait_until 10 "the window after two clicks $pause s apart" is_active
    (($(count_lines a "window hiden") == 1)) || fail "two clicks $pause s apart did not hide the window once"
done
clicks a
wait_until 10 "the window to hide" window_gone a
clicks a 0.25
wait_until 10 "the window after a double-click on the hidden window" is_active

begin_scenario "no session bus: what arrives while away shows beside the icon, and its click brings the window back"
clicks a
wait_until 10 "the window to hide" window_gone a
peer_sends a --text "  mallory    >    while you were away"
# Qt's message beside the icon, which stands in for notifications: a window of its own without a title.
balloon_of() { local id && for id in $(xdotool search --onlyvisible --pid "${pid[a]}"); do
    [[ $id != "${window[a-icon]}" && $(xprop -id "$id" WM_NAME) != *'"'* ]] && window[a-message]=$id && return; done; return 1; }
wait_until 20 "the message beside the icon" balloon_of
timeout 10 nice -n -15 xdotool mousemove --window "${window[a-message]}" 10 10 click 1 mousemove 1100 890
wait_until 10 "the window after a click on the message" is_active
quit_copy a
