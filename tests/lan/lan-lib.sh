# Sourced by the LAN scripts: hosts are network namespaces joined by veth pairs to bridges in a
# namespace of their own, so broadcasts never reach the machine's network. The copies on them are
# driven with xdotool and watched through their standard output, the clipboard, screenshots and a
# recording foreign peer. Needs root; a missing tool fails the run, it never skips. The caller sets
# corvel, artifacts and the arrays user (host -> user name, for the hosts that run Corvel) and
# address (host -> IPv4 address), then calls lan_begin.

lan_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
foreign_peer=$lan_dir/foreign_peer.py
# shellcheck source=../../scripts/lib/processes.sh
source "$lan_dir/../../scripts/lib/processes.sh"
# shellcheck source=../../scripts/lib/display.sh
source "$lan_dir/../../scripts/lib/display.sh"
run=corvel-lan-$$
declare -A pid=() window=()
launch_through=() # a command that run_corvel starts the program through, with its path after it
namespaces=() scenario_rows=() figure_rows=()
xvfb_pid="" work="" scenario="" session_bus=""
scenarios_tried=0 scenarios_passed=0 messages_lost=0 crashes=0

fail() {
    echo "FAILED during $scenario: $*" >&2
    exit 1
}

# Starts the next scenario; reaching it means the one before passed.
begin_scenario() {
    end_scenario passed
    scenario=$1 scenario_start=$(now_ms) scenarios_tried=$((scenarios_tried + 1))
}

end_scenario() {
    [[ -n $scenario ]] || return 0
    scenario_rows+=("$(printf '%-46s %-8s %6.1f s' "$scenario" "$1" "$((($(now_ms) - scenario_start) / 100))e-1")")
    [[ $1 == passed ]] && scenarios_passed=$((scenarios_passed + 1))
    scenario=""
}

# Datagrams that should have arrived and did not; a figure the run measured.
note_lost() { messages_lost=$((messages_lost + $1)); }
note_figure() { figure_rows+=("$(printf '%-46s %s' "$1" "$2")"); }

lan_cleanup() {
    local status=$? host namespace
    trap - EXIT
    set +e
    ((status == 0)) || { end_scenario FAILED && import -silent -window root "$artifacts/$run_name-failed.png"; }
    for host in "${!user[@]}"; do
        [[ -n ${pid[$host]:-} ]] && ! is_running "${pid[$host]}" && crashes=$((crashes + 1))
        [[ -f $work/$host.out ]] && cp "$work/$host.out" "$artifacts/$run_name-$host.out" &&
            ((status != 0)) && tail -n 40 "$work/$host.out" "$work/$host.err" >&2
    done
    for host in "${!pid[@]}"; do
        stop "${pid[$host]}"
    done
    [[ -n $xvfb_pid ]] && stop "$xvfb_pid"
    # Deleting a host's namespace also removes its veth pair.
    for namespace in "${namespaces[@]}"; do
        ip netns delete "$namespace"
    done
    rm -rf "$work"
    {
        printf '\n%s: %s\n%-46s %-8s %8s\n' "$run_name" "$( ((status == 0)) && echo passed || echo FAILED)" scenario result time
        printf '%s\n' "${scenario_rows[@]}"
        printf '%-46s %s\n' "scenarios tried" "$scenarios_tried" "scenarios passed" "$scenarios_passed" \
            "crashes (copies that ended unasked)" "$crashes" "messages lost" "$messages_lost"
        ((${#figure_rows[@]} == 0)) || printf '%s\n' "${figure_rows[@]}"
    } | tee "$artifacts/$run_name-summary.txt"
    exit "$status"
}

# lan_begin NAME WIDTHxHEIGHT: what a run leaves in the artifact directory starts with NAME-, so
# no run's name may begin another's.
lan_begin() {
    run_name=$1
    trap lan_cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    begin_scenario "network and display set-up"
    ((EUID == 0)) || fail "the LAN tests make network namespaces and must run as root"
    local tool
    for tool in ip ss unshare python3 Xvfb xdotool xclip import convert od timeout dbus-daemon dbus-send; do
        command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps installs it)"
    done
    [[ -x $corvel ]] || fail "no program at $corvel"
    work=$(mktemp -d "/tmp/$run.XXXXXX")
    mkdir -p "$artifacts"
    rm -f "$artifacts/$run_name"-*
    ip netns add "$run-bridge"
    namespaces+=("$run-bridge")
    start_display "$work" "$2"
}

# add_host HOST routed|unrouted|down [LAN [LINK [ADDRESS]]]: with a default route, without one, or
# with the link down. LAN is a bridge (br0 unless given, made on first use), LINK the host's
# interface (eth0), ADDRESS its /24 address (the host's own). Again for a host, one more link.
add_host() {
    local host=$1 lan=${3:-br0} link=${4:-eth0} namespace=$run-$1
    if [[ " ${namespaces[*]} " != *" $namespace "* ]]; then
        ip netns add "$namespace"
        namespaces+=("$namespace")
        ip -n "$namespace" link set dev lo up
    fi
    if ! ip -n "$run-bridge" link show "$lan" >/dev/null 2>&1; then
        ip -n "$run-bridge" link add "$lan" type bridge
        ip -n "$run-bridge" link set dev "$lan" up
    fi
    ip link add "$link" netns "$namespace" type veth peer name "$lan-$host-$link" netns "$run-bridge"
    ip -n "$run-bridge" link set dev "$lan-$host-$link" master "$lan" up
    ip -n "$namespace" address add "${5:-${address[$1]}}/24" dev "$link"
    [[ $2 == down ]] && return
    ip -n "$namespace" link set dev "$link" up
    [[ $2 == unrouted ]] || ip -n "$namespace" route add default dev "$link"
}


settings_file() { echo "$work/$1/Corvel/Corvel.conf"; }

# start_copy HOST [SETTING=VALUE ...]: a fresh settings file with the host's user name and the
# given settings, then the program.
start_copy() {
    mkdir -p "$work/$1/Corvel" "$work/$1/runtime"
    chmod 700 "$work/$1/runtime"
    printf '%s\n' "[General]" "Username=${user[$1]}" "${@:2}" >"$(settings_file "$1")"
    run_corvel "$1" "$1"
}

# run_corvel HOST NAME [ARGUMENT ...]: the program as HOST's user runs it (on the session bus, once
# there is one), with its standard output in $work/NAME.out and its pid in pid[NAME]: every step
# execs the next.
run_corvel() {
    ip netns exec "$run-$1" sh -c "$display_mount" "$display_sockets" env QT_QPA_PLATFORM=xcb \
        XDG_CONFIG_HOME="$work/$1" HOME="$work/$1" XDG_RUNTIME_DIR="$work/$1/runtime" DBUS_SESSION_BUS_ADDRESS="$session_bus" \
        LSAN_OPTIONS="suppressions=$lan_dir/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
        "${launch_through[@]}" "$corvel" "${@:3}" >>"$work/$2.out" 2>>"$work/$2.err" &
    pid[$2]=$!
}

# start_session_bus PROGRAM: a session bus of the run's own, reached through a socket file that
# every host sees, and a program on it (a tray host, say).
start_session_bus() {
    dbus-daemon --session --nofork --address="unix:path=$work/bus" --print-address=3 3>"$work/bus-address" &
    pid[bus]=$!
    wait_until 10 "the session bus" test -s "$work/bus-address"
    session_bus=$(head -n 1 "$work/bus-address")
    DBUS_SESSION_BUS_ADDRESS=$session_bus "$1" &
    pid[$(basename "$1")]=$!
}

# bus_call DESTINATION PATH METHOD [ARGUMENT ...]: a method call on the run's session bus.
bus_call() { timeout 10 dbus-send --bus="$session_bus" --print-reply --dest="$1" "${@:2}"; }

# Waits for a copy's window and puts it at LEFT TOP.
place_window() {
    wait_until 30 "the window of host $1" find_window "$1"
    xdotool windowmove "${window[$1]}" "$2" "$3"
}

# Waits for a copy to end, which it must do with status 0.
expect_exit() {
    local status=0
    wait_until 15 "host $1's program to end" has_ended "${pid[$1]}"
    wait "${pid[$1]}" || status=$?
    unset "pid[$1]" # reaped: its number may now belong to somebody else
    ((status == 0)) || fail "host $1's program ended with status $status: $(tail -n 5 "$work/$1.err")"
}

# Ends a copy the way a user does.
quit_copy() {
    key_on "$1" ctrl+q
    expect_line "im quiting" "$1"
    expect_exit "$1"
}

# Every copy still running must be one that was not asked to end.
expect_alive() {
    local host
    for host in "$@"; do
        is_running "${pid[$host]}" || fail "host $host's program ended: $(tail -n 5 "$work/$host.err")"
    done
}

# A host's standard output: whole lines, compared byte for byte.
has_line() { grep -qxF -- "$2" "$work/$1.out"; }
count_lines() { grep -cxF -- "$2" "$work/$1.out" || true; }
count_reaches() { (($(count_lines "$1" "$2") >= $3)); }

# expect_line LINE HOST...: each host prints the line within 20 s.
expect_line() {
    local host
    for host in "${@:2}"; do
        wait_until 20 "host $host to print '$1'" has_line "$host" "$1"
    done
}

# expect_count HOST LINE COUNT: HOST prints LINE COUNT times in all, waiting for them and no more.
expect_count() {
    wait_until 10 "host $1 to print '$2' $3 times" count_reaches "$1" "$2" "$3"
    (($(count_lines "$1" "$2") == $3)) || fail "host $1 printed '$2' $(count_lines "$1" "$2") times, not $3"
}

find_window() {
    local found
    found=$(xdotool search --onlyvisible --pid "${pid[$1]}" 2>/dev/null | head -n 1) && [[ -n $found ]] &&
        window[$1]=$found
}
window_gone() { ! find_window "$1"; }

focus() { timeout 10 xdotool windowfocus --sync "${window[$1]}"; }
type_on() { focus "$1" && timeout 10 xdotool type --delay 20 -- "$2"; }
key_on() { focus "$1" && timeout 10 xdotool key "$2"; }
# A line typed and sent with the Return key.
say() { type_on "$1" "$2" && key_on "$1" Return; }

# Clicks one of a window's controls, which no other window may cover. The message row's buttons
# keep their width at the right edge, the nine presets share their row, and the header's middle is
# bare window background.
click_on() {
    local WIDTH HEIGHT X Y SCREEN WINDOW x y
    eval "$(xdotool getwindowgeometry --shell "${window[$1]}")"
    case $2 in
    transcript) x=$((WIDTH / 2)) y=100 ;;
    background) x=$((WIDTH / 2)) y=20 ;;
    message) x=100 y=$((HEIGHT - 26)) ;;
    call) x=$((WIDTH - 221)) y=$((HEIGHT - 26)) ;;
    who) x=$((WIDTH - 135)) y=$((HEIGHT - 26)) ;;
    clear) x=$((WIDTH - 49)) y=$((HEIGHT - 26)) ;;
    preset[1-9]) x=$((10 + (2 * ${2#preset} - 1) * (WIDTH - 20) / 18)) y=$((HEIGHT - 58)) ;;
    esac
    focus "$1"
    timeout 10 xdotool mousemove --window "${window[$1]}" "$x" "$y" click 1
}

# copy_to_file HOST transcript|message FILE: the control's whole text through the clipboard, byte
# for byte (it may hold NUL bytes), after a placeholder so that an old copy is never taken for the
# new one. Then no selection hides the lines' colours, and typing adds to the message field.
copy_to_file() {
    local placeholder="nothing copied yet $RANDOM$RANDOM"
    printf '%s' "$placeholder" | timeout 10 xclip -selection clipboard
    clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }
    holds_placeholder() { [[ $(clipboard | head -c 100 | tr -d '\0') == "$placeholder" ]]; }
    has_copied() { ! holds_placeholder; }
    wait_until 5 "the clipboard to hold a placeholder" holds_placeholder
    click_on "$1" "$2"
    timeout 10 xdotool key ctrl+a ctrl+c
    wait_until 5 "host $1 to copy its $2" has_copied
    clipboard >"$3"
    click_on "$1" transcript
    click_on "$1" message
    key_on "$1" End
}

# Reads a copy's whole transcript into $transcript.
transcript_of() {
    copy_to_file "$1" transcript "$work/clipboard"
    transcript=$(tr -d '\0' <"$work/clipboard")
}

# expect_transcript HOST TEXT: the copy's whole transcript, each time stamp written as [time].
expect_transcript() {
    transcript_of "$1"
    [[ $(sed -E $'s/^ [0-2][0-9]:[0-5][0-9]:[0-5][0-9]  \t /[time]/' <<<"$transcript") == "$2" ]] ||
        fail "host $1 shows '$transcript', expected '$2'"
}

# More than a share (0 to 1) of a window's pixels are within 10% of a colour.
colour_above() {
    local share
    share=$(import -silent -window "${window[$1]}" png:- |
        convert png:- -fuzz 10% -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:mean]' info:)
    awk -v share="$share" -v least="$3" 'BEGIN { exit !(share > least) }'
}

# The transcript's flashing is yellow; nothing else in the window is.
is_yellow() { colour_above "$1" yellow 0.05; }
is_not_yellow() { ! is_yellow "$1"; }
# A line of bold text covers well over a thousandth of the window, anti-aliased edges and the
# other controls far less.
shows_colour() { colour_above "$1" "$2" 0.001; }

# stays_white SECONDS HOST...: no flashing on these hosts for that long.
stays_white() {
    local until_ms=$(($(now_ms) + $(ms_of "$1"))) host
    while (($(now_ms) < until_ms)); do
        for host in "${@:2}"; do
            is_not_yellow "$host" || fail "host $host flashed"
        done
    done
}

# peer_sends HOST --text TEXT | --hex BYTES | --file PATH
peer_sends() { ip netns exec "$run-$1" "$foreign_peer" "${@:2}"; }

# start_recorder HOST: from its return on, every datagram HOST receives goes into $work/wire-HOST.
start_recorder() {
    ip netns exec "$run-$1" "$foreign_peer" --record "$work/wire-$1" &
    pid[recorder-$1]=$!
    expect_port_bound "$1"
}

# Waits until some socket on HOST is bound to the chat port.
expect_port_bound() {
    port_bound() { [[ -n $(ip netns exec "$run-$1" ss -Hlun 'sport = :54545') ]]; }
    wait_until 10 "a socket on host $1 to hold the chat port" port_bound "$1"
}

# The hex form of a text's bytes, as the recorder writes payloads.
hex_of() { printf '%s' "$1" | od -An -v -tx1 | tr -d ' \n'; }

# How many datagrams the recorder on HOST has seen with exactly these bytes, or from an address.
wire_count() { awk -v payload="$(hex_of "$2")" '$2 == payload { n++ } END { print n + 0 }' "$work/wire-$1"; }
wire_count_from() { awk -v sender="$2" '$1 == sender { n++ } END { print n + 0 }' "$work/wire-$1"; }

# expect_wire HOST TEXT COUNT: the recorder on HOST sees TEXT COUNT times, waited for, no more.
expect_wire() {
    wire_reaches() { (($(wire_count "$1" "$2") >= $3)); }
    wait_until 10 "the wire to carry '$2' $3 times" wire_reaches "$1" "$2" "$3"
    (($(wire_count "$1" "$2") == $3)) || fail "the wire carried '$2' $(wire_count "$1" "$2") times, not $3"
}
