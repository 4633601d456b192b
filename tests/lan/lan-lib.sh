# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the LAN scripts: hosts are network namespaces joined by veth pairs to bridges in a
# namespace of their own, so broadcasts never reach the machine's network. Needs root; a missing tool
# fails the run. The caller sets corvel, artifacts, user and address (by host), then calls lan_begin.
lan_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
foreign_peer=$lan_dir/foreign_peer.py
source "$lan_dir/../../scripts/lib/processes.sh"
source "$lan_dir/../../scripts/lib/display.sh"
run=corvel-lan-$$
declare -A pid=() window=() mark=() runtime=()
launch_through=() # a command that run_corvel starts the program through, with its path after it
namespaces=()
xvfb_pid="" work="" scenario="" session_bus=""
tried=0 crashes=0 lost=0 # for the summary table; a run that loses a message sets lost

# A build with the sanitizers runs several times slower: a limit that times the program (within
# SECONDS) is stretched for it. Waits that time nothing have limits generous enough for it anyway.
within() { if [[ $(ldd "$corvel") == *libasan* ]]; then awk -v limit="$1" 'BEGIN { print limit * 4 }'; else echo "$1"; fi; }

fail() { echo "FAILED during $scenario: $*" >&2; exit 1; }

begin_scenario() { scenario=$1 && tried=$((tried + 1)) && echo "scenario: $1"; }

lan_cleanup() {
    local status=$? host
    trap - EXIT
    set +e
    ((status == 0)) || import -silent -window root "$artifacts/$run_name-failed.png"
    for host in "${!user[@]}"; do
        [[ -f $work/$host.out ]] && cp "$work/$host.out" "$artifacts/${run_name%%-*}-$host.out" &&
            ((status != 0)) && tail -n 40 "$work/$host.out" "$work/$host.err" >&2
    done
    # A copy that ended without being asked to.
    for host in "${!user[@]}"; do [[ -n ${pid[$host]:-} ]] && has_ended "${pid[$host]}" && crashes=$((crashes + 1)); done
    if [[ -n $state ]]; then save_lan; else stop_lan; fi
    # A step of a fixture fails for it; a run of its own counts it in its table.
    [[ $run_name != *-* ]] || ((crashes == 0)) || { echo "FAILED: a copy ended without being asked to" >&2 && status=1; }
    { ((status == 0)) && echo "$run_name: passed" || echo "$run_name: FAILED during $scenario"
        [[ $run_name == *-* ]] || printf '  %-16s %s\n' "scenarios tried" "$tried" "scenarios passed" "$((tried - (status != 0)))" \
            "crashes" "$crashes" "messages lost" "$lost"; } | tee -a "$artifacts/${run_name%%-*}-summary.txt"
    exit "$status"
}

stop_lan() {
    local host namespace && for host in "${!pid[@]}"; do stop "${pid[$host]}"; done
    [[ -n $xvfb_pid ]] && stop "$xvfb_pid"
    # Deleting a host's namespace also removes its veth pairs.
    for namespace in "${namespaces[@]}"; do ip netns delete "$namespace"; done
    rm -rf "$work"
}

# A LAN that outlives the step that made it: a fixture set up once, then scenarios, each a test of its
# own, and a teardown. Every step finds the LAN in STATE, and leaves it there with what it started.
state=""
save_lan() { declare -p run work xvfb_pid DISPLAY display_sockets session_bus namespaces pid window runtime 2>/dev/null | sed "s/^declare /declare -g /" >"$state"; }

# lan_fixture NAME WIDTHxHEIGHT "$@": the script's last argument is the step: setup, teardown or a scenario. CTest waits
# for the end of a test's output, so a step writes to a file, shown when it ends, that what it started may keep open.
lan_fixture() {
    local step=${*: -1} status=0
    if [[ -z ${lan_log:-} ]]; then
        export lan_log && lan_log=$(mktemp)
        "$0" "${@:3}" >"$lan_log" 2>&1 </dev/null || status=$?
        cat "$lan_log" && rm -f "$lan_log" && exit "$status"
    fi
    state=$artifacts/$1.state
    [[ $step != setup ]] || { lan_begin "$1" "$2" && run_name=$1-setup && begin_scenario setup && return; }
    [[ -f $state ]] && source "$state" || fail "no LAN set up: run the test $1_setup first"
    export DBUS_SESSION_BUS_ADDRESS=$session_bus # DISPLAY comes exported in the state
    run_name=$1-$step && lan_traps && begin_scenario "$step"
    # A LAN left in no state ends with the step.
    [[ $step != teardown ]] || { rm "$state" && state="" && exit 0; }
}

# A command that fails outside a check ends the run too: say which.
lan_traps() { trap lan_cleanup EXIT && trap 'exit 130' INT TERM && trap 'echo "FAILED during $scenario: \"$BASH_COMMAND\" ended with $?" >&2' ERR; }

# lan_begin NAME WIDTHxHEIGHT: the run's artifacts are NAME-*, so no run's name may begin another's.
lan_begin() {
    run_name=$1 scenario="network and display set-up"
    lan_traps
    ((EUID == 0)) || fail "the LAN tests make network namespaces and must run as root"
    local tool
    for tool in ip ss nft unshare python3 Xvfb openbox xdotool xclip xprop import convert od timeout dbus-daemon dbus-send; do
        command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps installs it)"; done
    [[ -x $corvel ]] || fail "no program at $corvel"
    work=$(mktemp -d "/tmp/$run.XXXXXX")
    mkdir -p "$artifacts"
    rm -f "$artifacts/$run_name"-*
    ip netns add "$run-bridge" && namespaces+=("$run-bridge")
    start_display "$work" "$2"
    # Staying on top and being activated are what a real window manager makes of them.
    openbox --sm-disable 2>"$work/openbox.err" & # ends with the display
    wait_until 30 "the window manager" sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
}

# add_host HOST routed|unrouted|down [LAN [LINK [ADDRESS]]]: a link on bridge LAN (br0), named LINK
# (eth0), with the /24 ADDRESS (the host's own); called again for a host, one more link.
add_host() {
    local host=$1 lan=${3:-br0} link=${4:-eth0} namespace=$run-$1
    ip netns add "$namespace" 2>/dev/null && namespaces+=("$namespace") && ip -n "$namespace" link set dev lo up
    ip -n "$run-bridge" link add "$lan" type bridge 2>/dev/null && ip -n "$run-bridge" link set dev "$lan" up
    ip link add "$link" netns "$namespace" type veth peer name "$lan-$host-$link" netns "$run-bridge"
    ip -n "$run-bridge" link set dev "$lan-$host-$link" master "$lan" up
    ip -n "$namespace" address add "${5:-${address[$1]}}/24" dev "$link"
    [[ $2 == down ]] && return
    ip -n "$namespace" link set dev "$link" up
    [[ $2 == unrouted ]] || ip -n "$namespace" route add default dev "$link"
}

# start_copy HOST [SETTING=VALUE ...]: the program, with only these settings and its user name.
start_copy() {
    runtime[$1]=$work/$1/$(printf 'r%.0s' $(seq $((150 - ${#work} - ${#1} - 2)))) # too long for a socket file
    mkdir -p "$work/$1/Corvel" -m 700 "${runtime[$1]}"
    printf '%s\n' "[General]" "Username=${user[$1]}" "${@:2}" >"$work/$1/Corvel/Corvel.conf"
    run_corvel "$1" "$1"
}

# run_corvel HOST NAME [ARGUMENT ...]: the program as HOST's user runs it, output in $work/NAME.out,
# pid in pid[NAME]; its exit status goes to $work/NAME.status, where a later step finds it too.
run_corvel() {
    rm -f "$work/$2.pid" "$work/$2.status"
    ip netns exec "$run-$1" sh -c "$display_mount" "$display_sockets" env QT_QPA_PLATFORM=xcb \
        XDG_CONFIG_HOME="$work/$1" HOME="$work/$1" XDG_RUNTIME_DIR="${runtime[$1]}" DBUS_SESSION_BUS_ADDRESS="$session_bus" \
        LSAN_OPTIONS="suppressions=$lan_dir/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
        sh -c '"$@" & echo $! >"$0.pid" && wait $!; echo $? >"$0.status"' "$work/$2" \
        "${launch_through[@]}" "$corvel" "${@:3}" >>"$work/$2.out" 2>>"$work/$2.err" &
    wait_until 30 "host $1's program to start" test -s "$work/$2.pid"
    pid[$2]=$(<"$work/$2.pid")
}

# A window found may go before it is moved (a splash, a tooltip): then the next one is moved.
move_window() { find_window "$1" && xdotool windowmove "${window[$1]}" "$2" "$3" 2>/dev/null; }
place_window() { wait_until 30 "the window of host $1 to be placed" move_window "$@"; }

# Waits for a copy to end, which it must do with status 0.
expect_exit() {
    wait_until 30 "host $1's program to end" test -s "$work/$1.status"
    unset "pid[$1]" # its number may now belong to somebody else
    (($(<"$work/$1.status") == 0)) ||
        { crashes=$((crashes + 1)) && fail "host $1's program ended with status $(<"$work/$1.status"): $(tail -n 5 "$work/$1.err")"; }
}

quit_copy() { key_on "$1" ctrl+q && expect_line "im quiting" "$1" && expect_exit "$1"; }


# A host's output as whole lines, byte for byte; counted from where mark_output last left it.
mark_output() { local host && for host in "$@"; do mark[$host]=$(stat -c %s "$work/$host.out"); done; }
has_line() { grep -qxF -- "$2" "$work/$1.out"; }
count_lines() { tail -c +$((${mark[$1]:-0} + 1)) "$work/$1.out" | grep -cxF -- "$2" || true; }
count_reaches() { (($(count_lines "$1" "$2") >= $3)); }
is_quiet() { local size && size=$(stat -c %s "$work/$1.out") && sleep 0.5 && ((size == $(stat -c %s "$work/$1.out"))); }
answer_of() { printf ' SYSTEM  >  %s IS ONLINE' "${user[$1]}"; }
acknowledged() { echo "Data sent:  SYSTEM  >  Call recived by ${user[$1]}"; }

# expect_line LINE HOST...: each host prints the line within 30 s.
expect_line() { local host && for host in "${@:2}"; do wait_until 30 "host $host to print '$1'" has_line "$host" "$1"; done; }

# expect_count HOST LINE COUNT: HOST prints LINE COUNT times, waiting for them and no more.
expect_count() {
    wait_until 30 "host $1 to print '$2' $3 times" count_reaches "$1" "$2" "$3"
    (($(count_lines "$1" "$2") == $3)) || fail "host $1 printed '$2' $(count_lines "$1" "$2") times, not $3"
}

# A tray icon's window (XEmbed, docked in trayer) is the program's too, but has no title.
icon_of() {
    local id && for id in $(xdotool search --onlyvisible --pid "${pid[$1]}"); do
        [[ $(xprop -id "$id" WM_NAME) != *'"'* ]] && window[$1-icon]=$id && return; done; return 1
}
find_window() { window[$1]=$(xdotool search --all --onlyvisible --pid "${pid[$1]}" --name . 2>/dev/null | head -n 1) && [[ -n ${window[$1]} ]]; }
window_gone() { ! find_window "$1"; }

focus() { timeout 10 xdotool windowfocus --sync "${window[$1]}"; }
type_on() { focus "$1" && timeout 10 xdotool type --delay 20 -- "$2"; }
key_on() { focus "$1" && timeout 10 xdotool key "$2"; }
say() { type_on "$1" "$2" && key_on "$1" Return; }

# Clicks one of a window's controls, which no other window may cover. The message row's buttons keep
# their width at the right edge, the presets share their row, the header's middle is bare.
click_on() {
    local WIDTH HEIGHT X Y SCREEN WINDOW x y
    eval "$(xdotool getwindowgeometry --shell "${window[$1]}")"
    y=$((HEIGHT - 26))
    case $2 in
    transcript) x=$((WIDTH / 2)) y=100 ;;
    background) x=$((WIDTH / 2)) y=20 ;;
    message) x=100 ;;
    call) x=$((WIDTH - 221)) ;;
    who) x=$((WIDTH - 135)) ;;
    clear) x=$((WIDTH - 49)) ;;
    preset[1-9]) x=$((10 + (2 * ${2#preset} - 1) * (WIDTH - 20) / 18)) y=$((HEIGHT - 58)) ;;
    esac
    focus "$1" && timeout 10 xdotool mousemove --window "${window[$1]}" "$x" "$y" click 1
}

# copy_to_file HOST transcript|message FILE: the control's whole text, byte for byte, through the
# clipboard; a placeholder first, so that an old copy is never taken for the new one. Then no
# selection hides the lines' colours, and typing adds to the message field.
copy_to_file() {
    local placeholder="nothing copied yet $RANDOM$RANDOM"
    printf '%s' "$placeholder" | timeout 10 xclip -selection clipboard
    clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }
    holds_placeholder() { [[ $(clipboard | head -c 100 | tr -d '\0') == "$placeholder" ]]; }
    has_copied() { ! holds_placeholder; }
    wait_until 20 "the clipboard to hold a placeholder" holds_placeholder
    click_on "$1" "$2"
    timeout 10 xdotool key ctrl+a ctrl+c
    wait_until 20 "host $1 to copy its $2" has_copied
    clipboard >"$3"
    click_on "$1" transcript
    click_on "$1" message
    key_on "$1" End
}

transcript_of() { copy_to_file "$1" transcript "$work/clipboard" && transcript=$(tr -d '\0' <"$work/clipboard"); }

# expect_transcript HOST TEXT: the copy's whole transcript.
expect_transcript() { transcript_of "$1" && [[ $transcript == "$2" ]] || fail "host $1 shows '$transcript', expected '$2'"; }

# More than a share (0 to 1) of a window's pixels are within 10% of a colour.
colour_above() {
    local share && share=$(import -silent -window "${window[$1]}" png:- |
        convert png:- -fuzz 10% -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:mean]' info:)
    awk -v share="$share" -v least="$3" 'BEGIN { exit !(share > least) }'
}

# The transcript's flashing is yellow; nothing else in the window is.
is_yellow() { colour_above "$1" yellow 0.05; }
is_not_yellow() { ! is_yellow "$1"; }

# stays_white SECONDS HOST...: no flashing on these hosts for that long.
stays_white() {
    local until_ms=$(($(now_ms) + $(ms_of "$1"))) host
    while (($(now_ms) < until_ms)); do
        for host in "${@:2}"; do is_not_yellow "$host" || fail "host $host flashed"; done
    done
}

peer_sends() { ip netns exec "$run-$1" "$foreign_peer" "${@:2}"; }

# start_recorder HOST: from its return on, every datagram HOST receives goes into $work/wire-HOST.
start_recorder() {
    ip netns exec "$run-$1" "$foreign_peer" --record "$work/wire-$1" &
    pid[recorder-$1]=$!
    expect_port_bound "$1"
}
port_bound() { [[ -n $(ip netns exec "$run-$1" ss -Hlun 'sport = :54545') ]]; }
expect_port_bound() { wait_until 30 "a socket on host $1 to hold the chat port" port_bound "$1"; }

hex_of() { printf '%s' "$1" | od -An -v -tx1 | tr -d ' \n'; }
wire_count() { awk -v payload="$(hex_of "$2")" '$2 == payload { n++ } END { print n + 0 }' "$work/wire-$1"; }
wire_size() { stat -c %s "$work/wire-x"; }
# Datagrams on x's record since byte OFFSET of it, from ADDRESS or from anybody; one with TEXT.
wire_since() { tail -c +$(($1 + 1)) "$work/wire-x" | awk -v from="${2:-}" 'from == "" || $1 == from { n++ } END { print n + 0 }'; }
has_sent_since() { tail -c +$(($1 + 1)) "$work/wire-x" | grep -q " $(hex_of "$2")\$"; }

# expect_wire HOST TEXT COUNT: the recorder on HOST sees TEXT COUNT times, waited for, no more.
expect_wire() {
    wire_reaches() { (($(wire_count "$1" "$2") >= $3)); }
    wait_until 30 "the wire to carry '$2' $3 times" wire_reaches "$1" "$2" "$3"
    (($(wire_count "$1" "$2") == $3)) || fail "the wire carried '$2' $(wire_count "$1" "$2") times, not $3"
}
