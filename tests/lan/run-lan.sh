#!/usr/bin/env bash
# Corvel end to end on a simulated LAN: what people do with it, across hosts.
#
#   run-lan.sh CORVEL FOREIGN_PEER ARTIFACT_DIR
#
# Hosts a, b and c run Corvel with a default route; d runs it without one, which Corvel must take
# for "no network"; x only sends the foreign peer's datagrams and records what is on the wire.
set -euo pipefail

usage="usage: run-lan.sh CORVEL FOREIGN_PEER ARTIFACT_DIR"
corvel=${1:?$usage}
foreign_peer=${2:?$usage}
artifacts=${3:?$usage}

declare -A user=([a]=alice [b]=bob [c]=carol [d]=dave)
declare -A address=([a]=10.77.0.1 [b]=10.77.0.2 [c]=10.77.0.3 [d]=10.77.0.4 [x]=10.77.0.9)
declare -A place=([a]="0 0" [b]="800 0" [c]="0 400" [d]="800 400")
# shellcheck source=lan-lib.sh
source "$(dirname "$0")/lan-lib.sh"

lan_begin lan 1600x800
for host in a b c x; do
    add_host "$host" routed
done
add_host d unrouted
expect_display_on a
start_recorder x

begin_scenario "start-up presence"
for host in a b c d; do
    start_copy "$host"
done
for host in a b c d; do
    place_window "$host" ${place[$host]}
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

begin_scenario "chat line"
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

begin_scenario "flash and acknowledgement"
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
    answers[$host]=$(count_lines "$host" "Data sent:  SYSTEM  >  ${user[$host]} IS ONLINE")
done
peer_sends x --text " SYSTEM  >  <online?>"
for host in a b c; do
    wait_until 10 "host $host to answer the foreign presence query" \
        count_reaches "$host" "Data sent:  SYSTEM  >  ${user[$host]} IS ONLINE" $((answers[$host] + 1))
done
import -silent -window root "$artifacts/lan-success.png"

begin_scenario "exit"
quit_copy a
expect_alive b c
type_on b "still here"
key_on b Return
expect_line 10 c "Data received:   bob    >    still here"

begin_scenario "no network"
expect_alive d
if grep -q '^Data sent: ' "$work/d.out"; then
    fail "host d has no default route and still sent: $(grep '^Data sent: ' "$work/d.out" | head -n 3)"
fi

begin_scenario "the wire, byte for byte"
for host in a b c; do
    [[ $(wire_count x "  ${user[$host]}    >    <online?>") == 1 ]] ||
        fail "the peer saw $(wire_count x "  ${user[$host]}    >    <online?>") start-up queries from ${user[$host]}"
done
[[ $(wire_count x "  alice    >    hello lan") == 1 ]] || fail "alice's line is not on the wire exactly once"
[[ $(wire_count x " SYSTEM  >  Call recived by bob") == 1 ]] || fail "bob's acknowledgement is not on the wire once"
[[ $(wire_count x " SYSTEM  >  Call recived by carol") == 0 ]] || fail "carol acknowledged a call she never took"

end_scenario passed
