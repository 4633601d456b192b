#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How soon a copy answers a presence query, and shows a line, after a flood of long lines, on a real
# X display with a window manager (the end-to-end harness of tests/lan). Prints, for each round: how
# long the flood took to send and to print, and the delays of a query's answer and of a line sent
# right after the flood, then once the copy has shown it. The copy prints its answer once the
# socket has taken it: a recorder on the LAN would still be busy with the flood.
#
#   bench_flood_answer.sh BUILD_DIR [ROUNDS [LINES]]     (as root)
#
# Host b runs Corvel; x floods and asks.
set -euo pipefail

build=${1:?usage: bench_flood_answer.sh BUILD_DIR [ROUNDS [LINES]]}
rounds=${2:-3} lines=${3:-12000}
corvel=$build/src/corvel
flood_peer=$build/bench/flood_peer
artifacts=$build/artifacts
declare -A user=([b]=bob)
declare -A address=([b]=10.81.0.2 [x]=10.81.0.9)
# shellcheck source=../tests/lan/lan-lib.sh
source "$(dirname "$0")/../tests/lan/lan-lib.sh"

# Numbered, as twins would count once.
long_text="  mallory    >    $(printf 'flood %.0s' {1..230}){}"
query=" SYSTEM  >  <online?>"
measured() { printf '    measured: %s\n' "$*"; }

lan_begin flood_answer 900x400
for host in b x; do add_host "$host" routed; done
start_copy b
place_window b 0 0
expect_line "Data sent:   bob    >    <online?>" b

# Milliseconds from FROM until host b has printed LINE COUNT times.
delay_of() {
    wait_until 120 "host b to print '$1' $2 times" count_reaches b "$1" "$2"
    echo $(($(now_ms) - $3))
}
flood_printed() { tail -c +$((mark[b] + 1)) "$work/b.out" | grep -cF "Data received: ${long_text%\{\}}" || true; }
# The kernel may drop some of it: then the copy falls quiet before it has printed every line.
flood_over() { (($(flood_printed) >= lines)) || is_quiet b; }
# ask_and_say NAME COUNT: the delays of the answer to a query (the round's COUNTth) and of a line
# after it, in milliseconds.
ask_and_say() {
    local asked
    asked=$(now_ms) && peer_sends x --text "$query"
    answered=$(delay_of "Data sent: $(answer_of b)" "$2" "$asked")
    asked=$(now_ms) && peer_sends x --text "  mallory    >    $1 $round"
    shown=$(delay_of "Data received:   mallory    >    $1 $round" 1 "$asked")
}

for round in $(seq "$rounds"); do
    begin_scenario "round $round: $lines lines of ${#long_text} bytes, then a query and a line"
    mark_output b
    started=$(now_ms)
    # As fast as the foreign peer of the LAN suite sends them: ten a millisecond.
    ip netns exec "$run-x" "$flood_peer" "$lines" 10000 "$long_text"
    sent=$(now_ms)
    ask_and_say "right after" 1
    measured "right after the flood: answer sent $answered ms after the query, a line printed $shown ms after it"
    wait_until 300 "host b to print the flood" flood_over
    measured "flood sent in $((sent - started)) ms; $(flood_printed) lines of it printed $(($(now_ms) - sent)) ms after it was sent"
    after=$answered
    ask_and_say "once shown" 2
    measured "once the flood is shown: answer sent $answered ms after the query, a line printed $shown ms after it"
    printf '%-46s %s\n' "round $round: answer right after, once shown" "$after ms, $answered ms" \
        >>"$artifacts/$run_name-summary.txt"
done
