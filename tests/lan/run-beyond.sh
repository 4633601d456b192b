#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Corvel beyond its LAN. The router r joins the LAN br0 to a private network br1, where f holds the
# addresses 10.88.0.7, 10.88.0.10 to .25 and 10.88.0.30 and records what reaches each, and to a public one br2
# with p. Only a private host that wrote to a copy by unicast gets its lines, an automatic answer
# goes beyond the LAN to the asker alone, and nobody else is ever sent to: not a public host, not a
# forged source, not a neighbour that a copy met after it started, not anyone when learning is off.
set -euo pipefail
usage="usage: run-beyond.sh CORVEL ARTIFACT_DIR"
corvel=${1:?$usage} artifacts=${2:?$usage}
declare -A user=([a]=alice [b]=bob [c]=carol)
declare -A address=([a]=10.77.0.1 [b]=10.77.0.2 [c]=10.77.0.3 [x]=10.77.0.9)
source "$(dirname "$0")/lan-lib.sh"
# gets RECORD FROM TEXT: a recorder's file holds TEXT from address FROM.
gets() { grep -qxF "$2 $(hex_of "$3")" "$work/wire-$1" 2>/dev/null; }
# unicast HOST FROM TO TEXT: one datagram from any source address, as a forger can send it.
unicast() { ip netns exec "$run-$1" env FROM="$2" TO="$3" "$foreign_peer" --text "$4"; }
line_of() { printf '  %s    >    %s' "${user[$1]}" "$2"; }

lan_begin beyond 2400x350
for host in a b x; do add_host "$host" routed; done
add_host c down
for link in "br0 eth0 10.77.0.254" "br1 eth1 10.88.0.1" "br2 eth2 198.51.100.1" ; do add_host r unrouted $link; done
add_host f unrouted br1 eth0 10.88.0.7 && add_host p unrouted br2 eth0 198.51.100.7
ip netns exec "$run-r" sysctl -qw net.ipv4.ip_forward=1
for host in a b x; do ip -n "$run-$host" route replace default via 10.77.0.254; done
ip -n "$run-f" route add default via 10.88.0.1 && ip -n "$run-p" route add default via 198.51.100.1
for n in $(seq 10 25) 30; do ip -n "$run-f" address add "10.88.0.$n/24" dev eth0; done
start_recorder x && start_recorder p
BY_DESTINATION=1 start_recorder f
start_copy a && place_window a 0 0
start_copy b LearnSenders=false && place_window b 800 0
expect_line "Data sent:   bob    >    <online?>" b

begin_scenario "a public host and a private one beyond the router write once"
unicast p 198.51.100.7 10.77.0.1 "  pat    >    hello alice"
unicast f 10.88.0.7 10.77.0.1 "  fred    >    hello alice"
expect_line "Data received:   fred    >    hello alice" a
unicast f 10.88.0.7 10.77.0.1 " SYSTEM  >  <online?>"
wait_until 10 "f to get a's answer" gets f-10.88.0.7 10.77.0.1 "$(answer_of a)"
say a "hi fred"
wait_until 10 "f to get a's line" gets f-10.88.0.7 10.77.0.1 "$(line_of a "hi fred")"

begin_scenario "a forged source on the LAN, sixteen far hosts and one asks"
ip netns exec "$run-x" env FROM=10.88.0.30 "$foreign_peer" --text "  mallory    >    forged"
expect_line "Data received:   mallory    >    forged" a
for n in $(seq 10 25); do unicast f "10.88.0.$n" 10.77.0.1 "  far$n    >    hello"; done
expect_line "Data received:   far25    >    hello" a
unicast f 10.88.0.13 10.77.0.1 " SYSTEM  >  <online?>"
wait_until 10 "the asker to get a's answer" gets f-10.88.0.13 10.77.0.1 "$(answer_of a)"
# The user's line goes to everyone learned, after the answer: once the last has it, no answer is on its way.
say a "to all far hosts"
wait_until 10 "the last far host to get a's line" gets f-10.88.0.25 10.77.0.1 "$(line_of a "to all far hosts")"
for n in $(seq 10 25); do
    ((n == 13)) || ! gets "f-10.88.0.$n" 10.77.0.1 "$(answer_of a)" || fail "a answered 10.88.0.$n, which did not ask"
done

begin_scenario "learning turned off"
unicast f 10.88.0.7 10.77.0.2 "  fred    >    hello bob"
expect_line "Data received:   fred    >    hello bob" b
unicast f 10.88.0.7 10.77.0.2 " SYSTEM  >  <online?>"
say b "hi fred"
expect_wire x "$(line_of b "hi fred")" 1

begin_scenario "a copy that started before its network, then moved to another LAN"
start_copy c && place_window c 1600 0
ip -n "$run-c" link set dev eth0 up
for lan in 10.77.0 10.66.0; do
    [[ $lan == 10.77.0 ]] || { ip -n "$run-c" address flush dev eth0 && ip -n "$run-c" address add 10.66.0.3/24 dev eth0 &&
        ip -n "$run-x" address add 10.66.0.9/24 dev eth0; }
    # A neighbour that writes to c's address, then asks on the LAN: one answer, however it came to be there.
    answers=$(wire_count x "$(answer_of c)")
    unicast x "$lan.9" "$lan.3" "  xavier    >    hello carol on $lan"
    expect_line "Data received:   xavier    >    hello carol on $lan" c
    ip netns exec "$run-x" env FROM="$lan.9" "$foreign_peer" --text " SYSTEM  >  <online?>"
    expect_wire x "$(answer_of c)" $((answers + 1))
    say c "on $lan" && expect_wire x "$(line_of c "on $lan")" 1 && expect_wire x "$(answer_of c)" $((answers + 1))
done

begin_scenario "whom nothing reached"
# Every datagram above has long arrived.
! grep -q . "$work/wire-p" || fail "the public host got: $(cat "$work/wire-p")"
[[ ! -s $work/wire-f-10.88.0.30 ]] || fail "the forged source got: $(cat "$work/wire-f-10.88.0.30")"
! grep -q "^10.77.0.2 " "$work"/wire-f-* || fail "b sent beyond the LAN with learning off"
for host in a b c; do quit_copy "$host"; done
