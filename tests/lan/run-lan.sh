#!/usr/bin/env bash
# Corvel end to end on a simulated LAN:
#
#   run-lan.sh CORVEL FOREIGN_PEER ARTIFACT_DIR
#
# Every host is a network namespace joined by a veth pair to a bridge that has a namespace of its
# own, so broadcasts travel between the hosts and never reach the machine's network. Hosts a, b
# and c run Corvel with a default route; d runs it without one, which Corvel must take for "no
# network"; x only sends the foreign peer's datagrams. One Xvfb serves every host through its
# socket file. The programs are driven with xdotool and watched through their standard output
# and screenshots. Needs root; a missing tool fails the run, it never skips.
set -euo pipefail

usage="usage: run-lan.sh CORVEL FOREIGN_PEER ARTIFACT_DIR"
corvel=${1:?$usage}
foreign_peer=${2:?$usage}
artifacts=${3:?$usage}

here=$(cd "$(dirname "$0")" && pwd)
run=corvel-lan-$$
bridge=$run-bridge
declare -A user=([a]=alice [b]=bob [c]=carol [d]=dave)
declare -A address=([a]=10.77.0.1 [b]=10.77.0.2 [c]=10.77.0.3 [d]=10.77.0.4 [x]=10.77.0.9)
declare -A place=([a]="0 0" [b]="800 0" [c]="0 400" [d]="800 400")
declare -A pid=() window=()
namespaces=()
xvfb_pid=""
display=""
work=""
scenario="prerequisites"

fail() {
    echo "FAILED during $scenario: $*" >&2
    exit 1
}

# Ends one process that this script started: politely first, then for sure.
stop() {
    kill "$1" 2>/dev/null || return 0
    for _ in {1..50}; do
        is_running "$1" || break
        sleep 0.1
    done
    kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

cleanup() {
    local status=$?
    trap - EXIT
    set +e
    if ((status != 0)) && [[ -n $display ]]; then
        DISPLAY=:$display import -silent -window root "$artifacts/lan-failed.png" &&
            echo "screenshot: $artifacts/lan-failed.png" >&2
    fi
    for host in a b c d; do
        [[ -n $work && -f $work/$host.out ]] || continue
        cp "$work/$host.out" "$artifacts/lan-$host.out"
        if ((status != 0)); then
            echo "--- host $host (${user[$host]}), standard output:" >&2
            cat "$work/$host.out" >&2
            echo "--- host $host, last lines of standard error:" >&2
            tail -n 15 "$work/$host.err" >&2
        fi
    done
    for host in "${!pid[@]}"; do
        stop "${pid[$host]}"
    done
    [[ -n $xvfb_pid ]] && stop "$xvfb_pid"
    # Deleting a host's namespace also removes its veth pair.
    for namespace in "${namespaces[@]}"; do
        ip netns delete "$namespace"
    done
    [[ -n $work ]] && rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

now_ms() {
    local micro=${EPOCHREALTIME/[.,]/}
    echo $((micro / 1000))
}

# Polls a condition until it holds; every wait in this test is bounded.
wait_until() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$(($(now_ms) + seconds * 1000))
    until "$@"; do
        (($(now_ms) < deadline)) || fail "waited ${seconds} s for $what"
        sleep 0.05
    done
}

has_ended() { ! is_running "$1"; }

# A process that has ended but was not yet reaped still has a pid: it counts as ended.
is_running() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [[ ${stat:0:1} != Z ]]
}

# --- observing a host's standard output: whole lines, compared byte for byte ---

has_line() { grep -qxF -- "$2" "$work/$1.out"; }
count_lines() { grep -cxF -- "$2" "$work/$1.out" || true; }

expect_line() {
    local seconds=$1 host=$2 line=$3
    wait_until "$seconds" "host $host to print '$line'" has_line "$host" "$line"
}

expect_count() {
    local host=$1 line=$2 expected=$3 seen
    seen=$(count_lines "$host" "$line")
    ((seen == expected)) || fail "host $host printed '$line' $seen times, expected $expected"
}

count_reaches() {
    (($(count_lines "$1" "$2") >= $3))
}

# --- driving a host's window ---

find_window() {
    local found
    found=$(xdotool search --onlyvisible --pid "${pid[$1]}" 2>/dev/null | head -n 1) || return 1
    [[ -n $found ]] && window[$1]=$found
}

focus() { timeout 10 xdotool windowfocus --sync "${window[$1]}"; }

type_on() {
    focus "$1"
    timeout 10 xdotool type --delay 20 -- "$2"
}

key_on() {
    focus "$1"
    timeout 10 xdotool key "$2"
}

# The transcript's flashing is yellow; nothing else in the window is.
is_yellow() {
    local share
    share=$(import -silent -window "${window[$1]}" png:- |
        convert png:- -fuzz 10% -fill black +opaque yellow -fill white -opaque yellow -format '%[fx:mean]' info:)
    awk -v share="$share" 'BEGIN { exit !(share > 0.05) }'
}

is_not_yellow() { ! is_yellow "$1"; }

stays_white() {
    local host=$1 until_ms=$(($(now_ms) + $2 * 1000))
    while (($(now_ms) < until_ms)); do
        is_not_yellow "$host" || fail "host $host flashed after it had acknowledged"
        sleep 0.1
    done
}

peer_sends() { ip netns exec "$run-x" "$foreign_peer" "$@"; }

# --- set-up ---

((EUID == 0)) || fail "the LAN test makes network namespaces and must run as root"
for tool in ip Xvfb xdotool import convert awk timeout; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps installs it)"
done
[[ -x $corvel ]] || fail "no program at $corvel"
[[ -x $foreign_peer ]] || fail "no foreign peer at $foreign_peer"

work=$(mktemp -d "/tmp/$run.XXXXXX")
mkdir -p "$artifacts"
rm -f "$artifacts"/lan-*

scenario="network set-up"
add_namespace() {
    ip netns add "$1"
    namespaces+=("$1")
}
add_namespace "$bridge"
ip -n "$bridge" link add br0 type bridge
ip -n "$bridge" link set dev br0 up
add_host() {
    local host=$1 routed=$2 namespace=$run-$1
    add_namespace "$namespace"
    ip link add eth0 netns "$namespace" type veth peer name "port-$host" netns "$bridge"
    ip -n "$bridge" link set dev "port-$host" master br0 up
    ip -n "$namespace" link set dev lo up
    ip -n "$namespace" address add "${address[$host]}/24" dev eth0
    ip -n "$namespace" link set dev eth0 up
    if [[ $routed == routed ]]; then
        ip -n "$namespace" route add default dev eth0
    fi
}
for host in a b c x; do
    add_host "$host" routed
done
add_host d unrouted

scenario="display set-up"
# Without -noreset the server would reset whenever its last client leaves, and a client that
# connects meanwhile could be turned away.
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1600x800x24 3>"$work/display" 2>"$work/xvfb.err" &
xvfb_pid=$!
wait_until 15 "Xvfb to take a display" test -s "$work/display"
display=$(<"$work/display")
export DISPLAY=:$display
# The hosts reach the server through its socket file only (abstract sockets stay in the
# machine's own namespace), so ask from one of them.
display_serves_hosts() { ip netns exec "$run-a" xdotool getdisplaygeometry >/dev/null 2>&1; }
wait_until 15 "the display to serve the hosts" display_serves_hosts

# Only a build with LeakSanitizer reads this.
lsan_options="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

start_copy() {
    local host=$1
    mkdir -p "$work/$host/Corvel" "$work/$host/runtime"
    chmod 700 "$work/$host/runtime"
    printf '[General]\nUsername=%s\n' "${user[$host]}" >"$work/$host/Corvel/Corvel.conf"
    ip netns exec "$run-$host" env DISPLAY=":$display" QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/$host" \
        XDG_RUNTIME_DIR="$work/$host/runtime" LSAN_OPTIONS="$lsan_options" \
        "$corvel" >"$work/$host.out" 2>"$work/$host.err" &
    pid[$host]=$!
}

# --- scenarios ---

scenario="start-up presence"
for host in a b c d; do
    start_copy "$host"
done
for host in a b c d; do
    wait_until 30 "the window of host $host" find_window "$host"
    read -r left top <<<"${place[$host]}"
    xdotool windowmove "${window[$host]}" "$left" "$top"
done
for host in a b c; do
    for other in a b c; do
        [[ $other == "$host" ]] && continue
        expect_line 20 "$host" "Data received:  SYSTEM  >  ${user[$other]} IS ONLINE"
    done
done
for host in a b c; do
    expect_count "$host" "Data sent:   ${user[$host]}    >    <online?>" 1
done

scenario="chat line"
type_on a "hello lan"
key_on a Return
expect_line 10 a "Data sent:   alice    >    hello lan"
for host in b c; do
    expect_line 10 "$host" "Data received:   alice    >    hello lan"
done
expect_line 10 a "this is me"
for host in b c; do
    expect_count "$host" "this is me" 0
done

scenario="flash and acknowledgement"
type_on a "<flash>"
key_on a Return
for host in b c; do
    expect_line 10 "$host" "Data received:   alice    >    <flash>"
    wait_until 5 "host $host to flash" is_yellow "$host"
done
type_on b "x"
expect_line 10 b "Data sent:  SYSTEM  >  Call recived by bob"
expect_line 10 c "Data received:  SYSTEM  >  Call recived by bob"
# A further edit and a send on b must not acknowledge again; the send also shows that the edit
# has been handled.
type_on b "y"
key_on b Return
expect_line 10 b "Data sent:   bob    >    xy"
expect_line 10 c "Data received:   bob    >    xy"
expect_count b "Data sent:  SYSTEM  >  Call recived by bob" 1
wait_until 3 "host b to turn white" is_not_yellow b
stays_white b 2
wait_until 5 "host c to go on flashing" is_yellow c
expect_count c "Data sent:  SYSTEM  >  Call recived by carol" 0

scenario="foreign datagrams"
peer_sends --hex ff
for host in a b c; do
    expect_line 10 "$host" ">>> Data received, but cannot be converted to String"
done
peer_sends --hex ""
for host in a b c; do
    expect_line 10 "$host" "Data received: "
done
peer_sends --text "  mallory    >    hello from afar"
for host in a b c; do
    expect_line 10 "$host" "Data received:   mallory    >    hello from afar"
done
declare -A answers=()
for host in a b c; do
    answers[$host]=$(count_lines "$host" "Data sent:  SYSTEM  >  ${user[$host]} IS ONLINE")
done
peer_sends --text " SYSTEM  >  <online?>"
for host in a b c; do
    wait_until 10 "host $host to answer the foreign presence query" \
        count_reaches "$host" "Data sent:  SYSTEM  >  ${user[$host]} IS ONLINE" $((answers[$host] + 1))
done
import -silent -window root "$work/lan-success.png"

scenario="exit"
key_on a ctrl+q
expect_line 10 a "im quiting"
wait_until 15 "alice's program to end" has_ended "${pid[a]}"
status=0
wait "${pid[a]}" || status=$?
unset 'pid[a]' # reaped: its number may now belong to somebody else
((status == 0)) || fail "alice's program ended with status $status: $(tail -n 5 "$work/a.err")"
for host in b c; do
    is_running "${pid[$host]}" || fail "host $host ended when alice left"
done
type_on b "still here"
key_on b Return
expect_line 10 c "Data received:   bob    >    still here"

scenario="no network"
is_running "${pid[d]}" || fail "host d ended"
if grep -q '^Data sent: ' "$work/d.out"; then
    fail "host d has no default route and still sent: $(grep '^Data sent: ' "$work/d.out" | head -n 3)"
fi

scenario="final checks"
for host in a b c; do
    expect_count "$host" "Data sent:   ${user[$host]}    >    <online?>" 1
done
expect_count c "Data sent:  SYSTEM  >  Call recived by carol" 0

mv "$work/lan-success.png" "$artifacts/lan-success.png"
echo "LAN end-to-end: all scenarios passed (screenshot: $artifacts/lan-success.png)"
