#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Corvel under load on a simulated LAN (the end-to-end harness of tests/lan): roll calls of 1,000
# to 10,000 answers, a chat flood and a flash flood from two hosts, then full-size lines at a
# hundred a second for 30 s. Prints what reached the copies, how fast they answered amid it, their
# memory and CPU time; fails when a copy ends, loses part of a roll call or misses its limits.
#
#   bench_lan_load.sh BUILD_DIR     (as root; the table is left in BUILD_DIR/artifacts)
#
# Hosts a and b run Corvel; x and y flood, and x records the wire.
set -euo pipefail

build=${1:?usage: bench_lan_load.sh BUILD_DIR}
corvel=$build/src/corvel
flood_peer=$build/bench/flood_peer
artifacts=$build/artifacts
declare -A user=([a]=alice [b]=bob)
declare -A address=([a]=10.80.0.1 [b]=10.80.0.2 [x]=10.80.0.9 [y]=10.80.0.10)
# shellcheck source=../tests/lan/lan-lib.sh
source "$(dirname "$0")/../tests/lan/lan-lib.sh"

copies=(a b)
flood_each=50000
mallory="  mallory    >    "
hertz=$(getconf CLK_TCK)

measured() { printf '    measured: %s\n' "$*"; }
# The figures that the run's summary in the artifacts lists.
note_figure() { printf '%-46s %s\n' "$1" "$2" >>"$artifacts/$run_name-summary.txt"; }
# Bytes compared as bytes, whatever the locale the benchmark runs in.
count_matching() { LC_ALL=C grep -c -- "$2" "$work/$1.out" || true; }

# Sends a text from x again and again until HOST has printed it: a flood may have filled the
# host's socket buffer, and what the kernel drops there is lost for good.
send_until_shown() {
    local host=$1 text=$2 deadline=$(($(now_ms) + 30000))
    until has_line "$host" "Data received: $text"; do
        (($(now_ms) < deadline)) || fail "host $host never printed '$text' after the flood; $(socket_state "$host")"
        peer_sends x --text "$text"
        sleep 0.3
    done
}

expect_alive() {
    local host
    for host in "$@"; do
        is_running "${pid[$host]}" || fail "host $host's program ended: $(tail -n 5 "$work/$host.err")"
    done
}

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/${pid[$1]}/status"; }

# utime + stime in clock ticks.
cpu_ticks() {
    local stat
    stat=$(<"/proc/${pid[$1]}/stat")
    stat=${stat##*) }
    awk '{ print $12 + $13 }' <<<"$stat"
}

# What a stuck copy is doing: its scheduling state and CPU time, and what waits in its socket.
socket_state() {
    local stat
    stat=$(<"/proc/${pid[$1]}/stat")
    stat=${stat##*) }
    echo "process state ${stat:0:1}, CPU $(cpu_ticks "$1") ticks;" \
        "receive queues on port 54545: $(ip netns exec "$run-$1" ss -Hnuap 'sport = :54545' | awk '{ printf "%s ", $2 }')"
}

# flood_from_x_and_y TEXT: both peers send flood_each datagrams at once and at full speed; HOST
# in the text stands for the sending host's name, {} for the datagram's number.
flood_from_x_and_y() {
    local host
    local -A flooder=()
    for host in x y; do
        ip netns exec "$run-$host" "$flood_peer" "$flood_each" 0 "${1//HOST/$host}" &
        flooder[$host]=$!
    done
    for host in x y; do
        wait "${flooder[$host]}" || fail "$host could not send its flood"
    done
}

lan_begin lan_load 1600x320
for host in a b x y; do
    add_host "$host" routed
done
start_recorder x
start_copy a
place_window a 0 0
expect_line "Data sent:   alice    >    <online?>" a
start_copy b
place_window b 800 0
expect_line "Data received: $(answer_of a)" b
type_on a "draft kept"

begin_scenario "roll calls of 1,000, 3,000 and 10,000 answers"
# The answers of a big LAN to one presence query: distinct, back to back, within milliseconds.
roll_call_printed() { count_matching "$1" "^Data received:  SYSTEM  >  $2[0-9]* IS ONLINE\$"; }
roll_call_over() { (($(roll_call_printed "$1" "$2") >= $3)) || is_quiet "$1"; }
for burst in 1000 3000 10000; do
    ip netns exec "$run-x" "$flood_peer" "$burst" 0 " SYSTEM  >  roll$burst-{} IS ONLINE"
    for host in "${copies[@]}"; do
        wait_until 60 "host $host to print a roll call of $burst" roll_call_over "$host" "roll$burst-" "$burst"
        printed=$(roll_call_printed "$host" "roll$burst-")
        copy_to_file "$host" transcript "$work/transcript-$host"
        shown=$(LC_ALL=C grep -ac " SYSTEM  >  roll$burst-[0-9]* IS ONLINE\$" "$work/transcript-$host" || true)
        note_figure "roll call of $burst: shown on $host" "$((shown * 100 / burst))% ($shown)"
        measured "host $host: printed $printed and shows $shown of a roll call of $burst"
        ((shown == burst)) || fail "host $host shows $shown of the $burst answers of a roll call"
    done
done
expect_alive "${copies[@]}"

begin_scenario "chat flood from two hosts"
declare -A rss_before=()
for host in "${copies[@]}"; do
    rss_before[$host]=$(rss_kb "$host")
done
flood_begin=$(now_ms)
flood_from_x_and_y "  HOST    >    flood HOST {}"
flood_end=$(now_ms)
answered_at=$(wire_size)
declare -A answers_before=() printed_after=() recorded_after=()
for host in "${copies[@]}"; do
    answers_before[$host]=$(count_lines "$host" "Data sent: $(answer_of "$host")")
done
# The copy prints its answer once the socket has taken it; the recorder on x shows it on the
# wire. A query that the kernel drops from a full buffer is asked again.
for ((ask = 0; ${#recorded_after[@]} + ${#printed_after[@]} < 2 * ${#copies[@]}; ask++)); do
    if ((ask % 5 == 0)); then
        peer_sends x --text " SYSTEM  >  <online?>"
        ((ask == 0)) && asked_after=$(($(now_ms) - flood_end))
    fi
    for host in "${copies[@]}"; do
        [[ -z ${printed_after[$host]:-} ]] &&
            count_reaches "$host" "Data sent: $(answer_of "$host")" $((answers_before[$host] + 1)) &&
            printed_after[$host]=$(($(now_ms) - flood_end))
        [[ -z ${recorded_after[$host]:-} ]] && has_sent_since "$answered_at" "$(answer_of "$host")" &&
            recorded_after[$host]=$(($(now_ms) - flood_end))
    done
    (($(now_ms) - flood_end < 10000)) || fail "no answer to a presence query within 10 s of the flood's end"
    sleep 0.05
done
measured "$((2 * flood_each)) datagrams sent in $((flood_end - flood_begin)) ms;" \
    "first query on its way $asked_after ms after, queries in all: $(((ask - 1) / 5 + 1))"
for host in "${copies[@]}"; do
    measured "host $host answered ${printed_after[$host]} ms after the flood ended (printed)," \
        "${recorded_after[$host]} ms (recorded on x)"
    # The query waits behind what the copy has queued and not shown yet.
    ((recorded_after[$host] - asked_after <= 1000)) ||
        fail "host $host's answer was on the wire $((recorded_after[$host] - asked_after)) ms after the query"
done
for host in "${copies[@]}"; do
    send_until_shown "$host" "${mallory}the flood is over"
    shown=$(($(count_matching "$host" '^Data received:   x    >    flood x [0-9]*$') +
        $(count_matching "$host" '^Data received:   y    >    flood y [0-9]*$')))
    reported=$(awk '/^>>> Datagrams dropped: [0-9]+ in the receive queue, [0-9]+ in the kernel$/ { n += $4 + $9 }
        END { print n + 0 }' "$work/$host.out")
    growth=$(($(rss_kb "$host") - rss_before[$host]))
    measured "host $host: printed $shown of $((2 * flood_each)) flood lines, lost $((2 * flood_each - shown))," \
        "of them reported as dropped $reported; VmRSS ${rss_before[$host]} kB before," \
        "$growth kB more after"
    note_figure "flood of $((2 * flood_each)): shown on $host" "$((shown * 100 / (2 * flood_each)))% ($shown)"
    ((growth < 80 * 1024)) || fail "host $host grew by $growth kB in the flood"
done
copy_to_file a message "$work/field"
[[ $(<"$work/field") == "draft kept" ]] || fail "a's message field holds '$(<"$work/field")' after the flood"
expect_alive "${copies[@]}"

begin_scenario "flash flood, then idle"
flood_from_x_and_y "<flash>"
send_until_shown a "${mallory}the flashing flood is over"
flashes_seen=$(count_lines a "Data received: <flash>")
type_on a "!"
expect_line "$(acknowledged a)" a
# The white phase that was under way ends within half a second.
wait_until "$(within 2)" "a to stop flashing" is_not_yellow a
idle_start=$(wire_size)
ticks_before=$(cpu_ticks a)
sleep 5
ticks=$(($(cpu_ticks a) - ticks_before))
measured "a printed $flashes_seen of $((2 * flood_each)) flash commands;" \
    "CPU time in the 5 s after the acknowledgement: $((ticks * 1000 / hertz)) ms"
note_figure "CPU time idle after a flash flood (host a)" "$((ticks * 1000 / hertz)) ms in 5 s"
((ticks * 5 < hertz)) || fail "a used $((ticks * 1000 / hertz)) ms of CPU time in 5 s after the acknowledgement"
is_not_yellow a || fail "a is flashing after it acknowledged"
sent=$(wire_since "$idle_start" "${address[a]}")
((sent == 0)) || fail "a sent $sent datagrams while idle"
expect_alive "${copies[@]}"

begin_scenario "heavy lines, 100 full-size a second for 30 s"
# Lines of ordinary words that fill a datagram, numbered at their end. The recorder would write
# each of them out in hex, so it pauses meanwhile.
heavy_prefix="  x    >    heavy "
heavy_words=$(printf 'ordinary words %.0s' {1..4400})
heavy_text=$heavy_prefix${heavy_words:0:$((65000 - ${#heavy_prefix}))}
heavy_count=3000
stop "${pid[recorder-x]}"
declare -A out_before=() rss_peak=() cpu_before=()
for host in "${copies[@]}"; do
    out_before[$host]=$(stat -c %s "$work/$host.out")
    cpu_before[$host]=$(cpu_ticks "$host")
    rss_peak[$host]=0
done
heavy_begin=$(now_ms)
ip netns exec "$run-x" "$flood_peer" "$heavy_count" 100 "$heavy_text{}" &
pid[heavy-x]=$!
query_answered_ms=""
answer_printed_since() { grep -qxF "Data sent: $(answer_of a)" < <(tail -c +$(($1 + 1)) "$work/a.out"); }
while is_running "${pid[heavy-x]}"; do
    for host in "${copies[@]}"; do
        rss=$(rss_kb "$host")
        ((rss <= rss_peak[$host])) || rss_peak[$host]=$rss
    done
    if [[ -z $query_answered_ms ]] && (($(now_ms) - heavy_begin > 15000)); then
        asked_at=$(stat -c %s "$work/a.out") asked=$(now_ms)
        peer_sends y --text " SYSTEM  >  <online?>"
        wait_until "$(within 1)" "a to answer a presence query amid the heavy lines" answer_printed_since "$asked_at"
        query_answered_ms=$(($(now_ms) - asked))
    fi
    sleep 0.5
done
wait "${pid[heavy-x]}" || fail "x could not send its heavy lines"
unset "pid[heavy-x]"
for host in "${copies[@]}"; do
    wait_until 30 "host $host to fall quiet" is_quiet "$host"
done
heavy_ms=$(($(now_ms) - heavy_begin))
measured "$heavy_count lines of 65,000 bytes sent in $((heavy_ms / 1000)) s; a answered a query in $query_answered_ms ms"
note_figure "heavy lines: query answered after (host a)" "$query_answered_ms ms"
for host in "${copies[@]}"; do
    shown=$(tail -c +$((out_before[$host] + 1)) "$work/$host.out" | LC_ALL=C grep -cF "Data received: $heavy_prefix")
    cpu_ms=$((($(cpu_ticks "$host") - cpu_before[$host]) * 1000 / hertz))
    measured "host $host: showed $shown of $heavy_count, CPU $cpu_ms ms in $heavy_ms ms, VmRSS at most ${rss_peak[$host]} kB"
    note_figure "heavy lines: shown, CPU, RSS (host $host)" \
        "$shown of $heavy_count, $((cpu_ms * 100 / heavy_ms))% of a core, $((rss_peak[$host] / 1024)) MB"
    ((shown * 100 >= heavy_count * 95)) || fail "host $host showed $shown of $heavy_count heavy lines"
    ((cpu_ms * 2 <= heavy_ms)) || fail "host $host used $cpu_ms ms of CPU time in $heavy_ms ms"
    ((rss_peak[$host] < 300 * 1024)) || fail "host $host grew to ${rss_peak[$host]} kB"
    # Each copy printed 200 MB of heavy lines, which stay out of the artifacts.
    LC_ALL=C grep -avF "Data received: $heavy_prefix" "$work/$host.out" >"$work/kept" || true
    cp "$work/kept" "$work/$host.out"
done
peer_sends x --text "${mallory}<clear>"
for host in "${copies[@]}"; do
    expect_line "clear" "$host"
    measured "host $host: VmRSS $(rss_kb "$host") kB after a clear"
done

begin_scenario "exit"
for host in "${copies[@]}"; do
    quit_copy "$host"
done
