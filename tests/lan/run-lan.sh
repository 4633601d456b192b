#!/usr/bin/env bash
# Corvel end to end on a simulated LAN: what people do with it, across hosts.
#
#   run-lan.sh CORVEL FOREIGN_PEER PORT_HOLDER TRAY_WATCHER ARTIFACT_DIR
#
# Hosts a, b and c run Corvel on a working network. d starts with its link down, e next to a
# program that keeps the chat port to itself; both must hear the LAN once the fault is gone. f runs in
# auto-hide mode with every setting stored, and ends by clearing all its data. x only sends the
# foreign peer's datagrams and records what is on the wire. g comes last, on every kind of network
# at once (see its scenario). The copies share a session bus with a
# tray host on it, and no notification server.
set -euo pipefail

usage="usage: run-lan.sh CORVEL FOREIGN_PEER PORT_HOLDER TRAY_WATCHER ARTIFACT_DIR"
corvel=${1:?$usage}
foreign_peer=${2:?$usage}
port_holder=${3:?$usage}
tray_watcher=${4:?$usage}
artifacts=${5:?$usage}

declare -A user=([a]=alice [b]=bob [c]=carol [d]=dave [e]=erin [f]=frank [g]=gina)
declare -A address=([a]=10.77.0.1 [b]=10.77.0.2 [c]=10.77.0.3 [d]=10.77.0.4 [e]=10.77.0.5 [f]=10.77.0.6
    [x]=10.77.0.9)
# No window may cover another: clicks land on whatever is on top.
declare -A place=([a]="0 0" [b]="800 0" [c]="1600 0" [d]="0 350" [e]="800 350" [f]="1600 350")
# shellcheck source=lan-lib.sh
source "$(dirname "$0")/lan-lib.sh"

[[ -x $port_holder && -x $tray_watcher ]] || { echo "no port holder or tray watcher" >&2; exit 1; }

welcome() { echo "  SYSTEM  >  Welcome to Corvel ${user[$1]} . You are online"; }
answer() { echo " SYSTEM  >  ${user[$1]} IS ONLINE"; }
no_network=" SYSTEM  >  NO NETWORK CONECTION"
socket_failure=">>> Error while initializing socket: "

# The first yellow half second begins a second after the call or flash command has arrived, and
# the next one a second later: a screenshot on a busy machine can miss one of them, not both.
flashes_soon() { wait_until 2.5 "host $1 to flash" is_yellow "$1"; }

lan_begin lan 2400x700
for host in a b c f x; do
    add_host "$host" routed
done
add_host d down
add_host e routed
expect_display_on a
start_recorder x
start_session_bus "$tray_watcher"
tray_host_up() { bus_call org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner string:org.kde.StatusNotifierWatcher | grep -q true; }
wait_until 10 "the tray host" tray_host_up

begin_scenario "start-up presence"
# One copy after the other, each once its query is out: then every copy has heard exactly the
# queries of those started after it, its own included.
# Twins count once by the time they are handled, so each copy has handled the answers to its query
# before the next one asks: a copy still busy starting would take both answers for twins.
started=()
for host in a b c; do
    start_copy "$host" 'pSet3=preset three'
    expect_line 20 "$host" "Data sent:   ${user[$host]}    >    <online?>"
    place_window "$host" ${place[$host]}
    for other in "${started[@]}"; do
        expect_line 10 "$host" "Data received: $(answer "$other")"
    done
    started+=("$host")
done
declare -A queries_heard=([a]=3 [b]=2 [c]=1)
# d has no link; on e another program has the chat port before Corvel starts.
on_host_prefix e
"${on[@]}" "$port_holder" &
pid[holder-e]=$!
expect_port_bound e
for host in d e; do
    start_copy "$host"
    place_window "$host" ${place[$host]}
done
for host in a b c; do
    expect_wire x "  ${user[$host]}    >    <online?>" 1
    expect_wire x "$(answer "$host")" "${queries_heard[$host]}"
    expect_count "$host" "Data sent: $(answer "$host")" "${queries_heard[$host]}"
done
# Two copies see each other's answers to the queries that both heard.
for host in a b c; do
    for other in a b c; do
        [[ $other == "$host" ]] && continue
        both_heard=$((queries_heard[$host] < queries_heard[$other] ? queries_heard[$host] : queries_heard[$other]))
        expect_count_reaches 10 "$host" "Data received: $(answer "$other")" "$both_heard"
    done
done
for host in a b c; do
    transcript_of "$host"
    [[ $(head -n 1 <<<"$transcript") == "$(welcome "$host")" ]] || fail "host $host does not welcome: $transcript"
    for other in a b c; do
        [[ $other == "$host" ]] && continue
        (($(transcript_count "[time]$(answer "$other")") > 0)) ||
            fail "host $host does not show ${user[$other]}'s answer: $transcript"
    done
    expect_shown "$host" "[time]$(answer "$host")" 0
done

mark_traffic x b c

begin_scenario "chat line"
before=$(date +%T)
type_on a "hello lan"
key_on a Return
expect_line 10 a "Data sent:   alice    >    hello lan"
for host in b c; do
    expect_line 10 "$host" "Data received:   alice    >    hello lan"
done
after=$(date +%T)
expect_line 10 a "this is me"
for host in b c; do
    expect_count "$host" "this is me" 0
done
expect_wire x "  alice    >    hello lan" 1
# Own lines are blue, other people's red; the welcome and system lines are black.
shows_colour a "#0000ff" || fail "host a does not show its own line in blue"
! shows_colour a "#ff0000" || fail "host a shows something in red"
for host in b c; do
    shows_colour "$host" "#ff0000" || fail "host $host does not show alice's line in red"
    ! shows_colour "$host" "#0000ff" || fail "host $host shows something in blue"
done
for host in a b c; do
    transcript_of "$host"
    expect_shown "$host" "[time]  alice    >    hello lan"
    stamp=$(grep -F "alice    >    hello lan" <<<"$transcript" | cut -c2-9)
    # The stamp is the local time at arrival. A midnight between the two readings proves nothing.
    [[ $before > $after ]] || ! [[ $stamp < $before || $stamp > $after ]] ||
        fail "host $host stamped alice's line $stamp, not between $before and $after"
done

begin_scenario "call"
click_on a call
expect_line 10 a "Data sent:  SYSTEM  >  CALLING"
for host in b c; do
    expect_line 10 "$host" "Data received:  SYSTEM  >  CALLING"
    flashes_soon "$host"
done
# A key press is one of the moments at which a called copy answers.
type_on b "x"
expect_line 10 b "Data sent:  SYSTEM  >  Call recived by bob"
# A yellow phase ends half a second after it began, answered or not; the other half second is
# for the screenshots on a busy machine.
wait_until 1 "host b to turn white" is_not_yellow b
stays_white 2 a b
flashes_soon c
# A further edit and a send on b must not acknowledge again; the send also shows that the edit
# has been handled.
type_on b "y"
key_on b Return
expect_line 10 b "Data sent:   bob    >    xy"
expect_line 10 c "Data received:   bob    >    xy"
expect_wire x " SYSTEM  >  CALLING" 1
expect_wire x " SYSTEM  >  Call recived by bob" 1
expect_count c "Data sent:  SYSTEM  >  Call recived by carol" 0
transcript_of a
expect_shown a "[time] SYSTEM  >  CALLING" 1
transcript_of b
expect_shown b "[time] SYSTEM  >  CALLING" 0
# A click on the bare window answers as well.
click_on c background
expect_line 10 c "clicked"
expect_line 10 c "Data sent:  SYSTEM  >  Call recived by carol"
wait_until 1 "host c to turn white" is_not_yellow c
expect_wire x " SYSTEM  >  Call recived by carol" 1

begin_scenario "flash command and preset"
peer_sends x --text "  mallory    >    <flash>"
for host in a b c; do
    expect_line 10 "$host" "Data received:   mallory    >    <flash>"
    flashes_soon "$host"
done
# A preset sends its stored text like a typed line, and answers the flashing.
click_on a preset3
expect_line 10 a "Data sent:   alice    >    preset three"
expect_line 10 a "Data sent:  SYSTEM  >  Call recived by alice"
expect_line 10 b "Data received:   alice    >    preset three"
wait_until 1 "host a to turn white" is_not_yellow a
# Whatever was typed gives way to the preset, and the field is empty after it.
type_on a "discard me"
click_on a preset3
type_on a "z"
key_on a Return
expect_line 10 b "Data received:   alice    >    z"
expect_wire x "  alice    >    preset three" 2
expect_wire x "  alice    >    discard me" 0
expect_wire x " SYSTEM  >  Call recived by alice" 1

begin_scenario "presence button"
# b still flashes since the flash command: the button answers that too.
click_on b who
expect_line 10 b "Data sent:  SYSTEM  >  Call recived by bob"
expect_wire x "  SYSTEM  > bob asked: Who is online? " 1
expect_wire x " SYSTEM  >  You are online" 1
expect_wire x " SYSTEM  >  <online?>" 1
for host in a b c; do
    expect_wire x "$(answer "$host")" $((queries_heard[$host] + 1))
done
for host in a b c; do
    for other in a b c; do
        [[ $other == "$host" ]] && continue
        both_heard=$((queries_heard[$host] < queries_heard[$other] ? queries_heard[$host] : queries_heard[$other]))
        expect_count_reaches 10 "$host" "Data received: $(answer "$other")" $((both_heard + 1))
    done
done
# Every transcript ends with the query, the notice and the others' answers in any order.
for host in a b c; do
    others=()
    for other in a b c; do
        [[ $other == "$host" ]] || others+=("[time]$(answer "$other")")
    done
    transcript_of "$host"
    last=$(stamped_lines | tail -n 4)
    [[ $(head -n 2 <<<"$last") == $'[time]  SYSTEM  > bob asked: Who is online? \n[time] SYSTEM  >  You are online' &&
        $(tail -n 2 <<<"$last" | sort) == "$(printf '%s\n' "${others[@]}" | sort)" ]] ||
        fail "host $host's transcript does not end with the query and the others' answers: $transcript"
done

begin_scenario "clear button and clear command"
# c still flashes since the flash command.
click_on c clear
expect_line 10 c "Data sent:  SYSTEM  >  Call recived by carol"
transcript_of c
[[ $transcript == "  " ]] || fail "the clear button left '$transcript' on host c"
type_on a "to be cleared"
key_on a Return
expect_line 10 c "Data received:   alice    >    to be cleared"
peer_sends x --text "  mallory    >    <clear>"
declare -A clears=([a]=1 [b]=1 [c]=2)
for host in a b c; do
    expect_count_reaches 10 "$host" "clear" "${clears[$host]}"
    transcript_of "$host"
    [[ $transcript == "  " ]] || fail "the clear command left '$transcript' on host $host"
done

begin_scenario "no network at start-up, then a LAN without a gateway"
transcript_of d
[[ $transcript == "$no_network" ]] || fail "host d without a link shows '$transcript'"
[[ $(wire_count_from x "${address[d]}") == 0 ]] || fail "host d sent without a link"
expect_line 1 d "Networks: none"
type_on d "anyone there?"
key_on d Return
transcript_of d
[[ $transcript == "$no_network"$'\n '"$no_network" ]] || fail "host d does not add the notice for the attempt: $transcript"
! grep '^Data sent: ' "$work/d.out" || fail "host d sent without a link"
# No route at all: the LAN alone is a network, heard from the moment the link is up.
ip -n "$run-d" link set dev eth0 up
type_on b "hello dave"
key_on b Return
expect_line 10 d "Data received:   bob    >    hello dave"
# The field has kept the line through the failed attempt.
key_on d Return
expect_line 10 d "Data sent:   dave    >    anyone there?"
expect_line 1 d "Networks: eth0 ${address[d]}"
expect_line 10 b "Data received:   dave    >    anyone there?"
expect_wire x "  dave    >    anyone there?" 1
[[ $(wire_count_from x "${address[d]}") == 1 ]] || fail "host d sent more than its line"

begin_scenario "port taken at start-up"
socket_failures() { awk -v head="$socket_failure" 'index($0, head) == 1 && length($0) > length(head) { n++ } END { print n + 0 }' "$work/e.out"; }
transcript_of e
[[ $transcript == " SYSTEM  >  NOT SENT: the chat port cannot be opened, trying again" ]] || fail "host e shows '$transcript'"
# The copy keeps trying on its own, and hears the LAN once the port is free.
wait_until 10 "host e to try the socket again" test "$(socket_failures)" -ge 2
stop "${pid[holder-e]}"
unset "pid[holder-e]"
expect_line 15 e "Networks: eth0 ${address[e]}"
failures=$(socket_failures)
type_on b "erin?"
key_on b Return
expect_line 10 e "Data received:   bob    >    erin?"
type_on e "erin is back"
key_on e Return
expect_line 10 b "Data received:   erin    >    erin is back"
[[ $(socket_failures) == "$failures" ]] || fail "host e kept failing after the port was free"
[[ $(wire_count_from x "${address[e]}") == 1 ]] ||
    fail "host e sent $(wire_count_from x "${address[e]}") datagrams, expected its line alone"

begin_scenario "foreign datagrams"
peer_sends x --hex ff
for host in a b c; do
    expect_line 10 "$host" ">>> Data received, but cannot be converted to String"
done
peer_sends x --hex ""
for host in a b c; do
    expect_line 10 "$host" "Data received: "
done
peer_sends x --text "  mallory    >    hello from afar"
for host in a b c; do
    expect_line 10 "$host" "Data received:   mallory    >    hello from afar"
done
declare -A answers=()
for host in a b c; do
    answers[$host]=$(count_lines "$host" "Data sent: $(answer "$host")")
done
peer_sends x --text " SYSTEM  >  <online?>"
for host in a b c; do
    expect_count_reaches 10 "$host" "Data sent: $(answer "$host")" $((answers[$host] + 1))
done
import -silent -window root "$artifacts/lan-success.png"

begin_scenario "hidden window, tray and second launch"
# Every tray icon registers with the tray host under its program's bus name.
tray_item_of() {
    local name
    for name in $(bus_call org.kde.StatusNotifierWatcher /StatusNotifierWatcher org.freedesktop.DBus.Properties.Get \
        string:org.kde.StatusNotifierWatcher string:RegisteredStatusNotifierItems | grep -o ':[0-9.]*'); do
        bus_call org.freedesktop.DBus / org.freedesktop.DBus.GetConnectionUnixProcessID "string:$name" |
            grep -qw "uint32 ${pid[$1]}" && echo "$name" && return
    done
    return 1
}
wait_until 10 "host b's tray icon" tray_item_of b
item=$(tray_item_of b)
tray_of_b() { bus_call "$item" /StatusNotifierItem "$@"; }
tray_property() { tray_of_b org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierItem "string:$1"; }
marked() { tray_property ToolTip | grep -qF '"Corvel: 1 unread line"'; }
unmarked() { tray_property ToolTip | grep -qF '"Corvel"'; }
unmarked || fail "host b's tray icon says: $(tray_property ToolTip)"
plain_icon=$(tray_property IconPixmap | md5sum)
# Hidden by hand, with no delay stored: a line that arrives leaves it hidden and marks the icon.
key_on b ctrl+h
wait_until 5 "host b's window to go" window_gone b
peer_sends x --text "  mallory    >    while you were away"
expect_line 10 b "Data received:   mallory    >    while you were away"
wait_until 5 "host b's unread mark" marked
[[ $(tray_property IconPixmap | md5sum) != "$plain_icon" ]] || fail "host b's tray icon looks as before"
window_gone b || fail "host b's window came back by itself"
# A second launch brings the window back and ends at once, having sent nothing.
sent_by_b=$(wire_count_from x "${address[b]}")
run_corvel b b-again
wait_until 10 "the second launch on host b to end" has_ended "${pid[b-again]}"
status=0
wait "${pid[b-again]}" || status=$?
unset "pid[b-again]"
((status == 0)) || fail "the second launch on host b ended with status $status: $(cat "$work/b-again.err")"
wait_until 5 "host b's window to come back" find_window b
wait_until 5 "host b's unread mark to go" unmarked
[[ $(wire_count_from x "${address[b]}") == "$sent_by_b" ]] || fail "the second launch on host b sent something"
# The icon's activation hides the window and shows it again.
tray_of_b org.kde.StatusNotifierItem.Activate int32:0 int32:0 >/dev/null
wait_until 5 "host b's window to go" window_gone b
tray_of_b org.kde.StatusNotifierItem.Activate int32:0 int32:0 >/dev/null
wait_until 5 "host b's window to come back" find_window b
# --new-instance is a second copy of its own, which announces itself.
run_corvel b b-new --new-instance
expect_line 20 b-new "Data sent:   bob    >    <online?>"
wait_until 10 "the window of the new instance on host b" find_window b-new
expect_wire x "  bob    >    <online?>" 2
quit_copy b-new

begin_scenario "auto-hide"
# Every key is stored, so that clearing all data below has something to remove and to keep.
start_copy f Hide=true Delay=2 'OKpreset=on my way' alpha=0.8 Inverted=true autoClear=false fsize=14 \
    pSet1=one pSet2=two pSet3=three pSet4=four pSet5=five pSet6=six pSet7=seven pSet8=eight pSet9=nine
expect_line 20 f "Data sent:   frank    >    <online?>"
place_window f ${place[f]}
for host in a b c d e; do
    expect_line 10 f "Data received: $(answer "$host")"
done
transcript_of f
[[ $(head -n 2 <<<"$transcript") == "$(welcome f)"$'\n'"  SYSTEM  >  Auto Hide Mode is active." ]] ||
    fail "host f does not say that it hides: $transcript"
type_on f "brb"
sent=$(now_ms)
key_on f Return
expect_line 10 f "Data sent:   frank    >    brb"
expect_line 5 f "window hiden"
(($(now_ms) - sent >= 2000)) || fail "host f hid $(($(now_ms) - sent)) ms after the send, before its delay"
wait_until 2 "host f's window to go" window_gone f
shown=$(count_lines f "show window")
peer_sends x --text "  mallory    >    are you there?"
expect_line 10 f "Data received:   mallory    >    are you there?"
wait_until 5 "host f's window to come back" find_window f
expect_count_reaches 5 f "show window" $((shown + 1))
# An empty send says OK; an edit of the field then keeps the window up past the delay.
sent=$(now_ms)
key_on f Return
expect_line 10 f "Data sent:   frank    >    on my way"
type_on f "s"
while (($(now_ms) < sent + 3000)); do
    find_window f || fail "host f hid although its field was edited"
    sleep 0.2
done
expect_count f "window hiden" 1

begin_scenario "clear all data"
key_on f ctrl+shift+Delete
asked=$(now_ms)
expect_line 5 f "clear"
transcript_of f
[[ $transcript == " SYSTEM  >  All data has been cleared. Corvel will close in 5 seconds" ]] ||
    fail "host f shows '$transcript' after clearing all data"
while (($(now_ms) < asked + 4500)); do
    is_running "${pid[f]}" || fail "host f ended $(($(now_ms) - asked)) ms after clearing, before 5 s"
    sleep 0.1
done
wait_until 5 "host f to end" has_ended "${pid[f]}"
status=0
wait "${pid[f]}" || status=$?
unset "pid[f]"
((status == 0)) || fail "host f ended with status $status: $(tail -n 5 "$work/f.err")"
conf=$(settings_file f)
for key in fsize Username pSet1 pSet2 pSet3 pSet4 pSet5 pSet6 pSet7 pSet8 pSet9 Inverted; do
    ! grep -q "^$key=" "$conf" || fail "clearing all data kept $key: $(cat "$conf")"
done
for setting in 'OKpreset=on my way' Delay=2 alpha=0.8 Hide=true autoClear=false; do
    grep -qxF "$setting" "$conf" || fail "clearing all data lost $setting: $(cat "$conf")"
done

begin_scenario "exit"
quit_copy a
expect_alive b c d e
type_on b "still here"
key_on b Return
expect_line 10 c "Data received:   bob    >    still here"

begin_scenario "nothing lost"
count_losses b c
((messages_lost == 0)) || fail "$messages_lost texts on the wire never reached a copy that was up"

begin_scenario "VPN, two LANs, two links on one, a router"
# g has two links on the LAN of a to e (br0), one on a second LAN (br1) with the recorder y, and a
# VPN (tun0) holding the default route. The router r joins br1 to a third LAN (br2) with the
# recorder z, which no broadcast reaches and which g lists under Destinations.
add_host g unrouted br0 eth0 10.77.0.7
add_host g unrouted br0 eth1 10.77.0.17
add_host g unrouted br1 eth2 10.78.0.7
add_host y unrouted br1 eth0 10.78.0.9
add_host r unrouted br1 eth0 10.78.0.1
add_host r unrouted br2 eth1 10.79.0.1
add_host z unrouted br2 eth0 10.79.0.9
ip netns exec "$run-r" sysctl -qw net.ipv4.ip_forward=1
ip -n "$run-z" route add default via 10.79.0.1
ip -n "$run-g" route add 10.79.0.0/24 via 10.78.0.1
ip -n "$run-g" tuntap add dev tun0 mode tun
ip -n "$run-g" link set dev tun0 up
ip -n "$run-g" route add default dev tun0
start_recorder y
start_recorder z
answered=$(wire_count x "$(answer b)")
start_copy g Destinations=10.79.0.9
expect_line 20 g "Data sent:   gina    >    <online?>"
place_window g 1600 350
expect_line 1 g "Networks: eth0 10.77.0.7, eth1 10.77.0.17, eth2 10.78.0.7"
# heard TEXT X Y Z: how often each recorder saw the text (br0 once per link of g on it).
heard() {
    expect_wire x "$1" "$2"
    expect_wire y "$1" "$3"
    expect_wire z "$1" "$4"
}
heard "  gina    >    <online?>" 2 1 1
heard "$(answer g)" 2 1 1
# b hears both of g's links, and g both answers of b: each counts once.
expect_wire x "$(answer b)" $((answered + 1))
expect_line 10 g "Data received: $(answer b)"
sleep 1
expect_count b "Data received:   gina    >    <online?>" 1
expect_count g "Data received: $(answer b)" 1
expect_count g "Data received:   gina    >    <online?>" 1
expect_count g "Data sent: $(answer g)" 1
transcript_of g
[[ $(head -n 1 <<<"$transcript") == "$(welcome g)" ]] || fail "host g does not welcome: $transcript"
expect_shown g "[time]$(answer b)" 1
# A reject route in place of the VPN changes nothing.
ip -n "$run-g" route replace unreachable default
key_on g ctrl+o
heard "  SYSTEM  > gina asked: Who is online? " 2 1 1

end_scenario passed
