#!/usr/bin/env bash
# Corvel end to end on a hostile LAN: foreign peers send what no copy ever would (broken UTF-8,
# empty and oversized datagrams, markup, control tags in every combination, floods), and every
# copy must stay up, report each datagram as it should, keep what its user is typing, show
# received text literally, go idle once acknowledged and never turn into a source of traffic.
#
#   run-hostile.sh CORVEL FOREIGN_PEER ARTIFACT_DIR
#
# Hosts a and b run Corvel; b's user name carries control tags. x and y are foreign peers, and x
# records the wire. What is measured (answer latency, memory, CPU time, losses, datagrams) is
# printed as it goes.
set -euo pipefail

usage="usage: run-hostile.sh CORVEL FOREIGN_PEER ARTIFACT_DIR"
corvel=${1:?$usage}
foreign_peer=${2:?$usage}
artifacts=${3:?$usage}

declare -A user=([a]=alice [b]='<online?>bob<clear>' [c]=carol)
declare -A address=([a]=10.78.0.1 [b]=10.78.0.2 [c]=10.78.0.3 [x]=10.78.0.9 [y]=10.78.0.10)
# shellcheck source=lan-lib.sh
source "$(dirname "$0")/lan-lib.sh"

copies=(a b)
flood_each=50000
mallory="  mallory    >    "
unconvertible=">>> Data received, but cannot be converted to String"

measured() { printf '    measured: %s\n' "$*"; }

answer_of() { printf ' SYSTEM  >  %s IS ONLINE' "${user[$1]}"; }

# Bytes compared as bytes, whatever the locale the test runs in.
count_matching() { LC_ALL=C grep -c -- "$2" "$work/$1.out" || true; }

expect_line_everywhere() {
    local host
    for host in "${copies[@]}"; do
        expect_line 10 "$host" "$1"
    done
}

# remember_counts LINE, then expect_more_everywhere LINE MORE: every copy prints the line MORE
# times more than it had, and no more.
declare -A before=()
remember_counts() {
    local host
    for host in "${copies[@]}"; do
        before[$host]=$(count_lines "$host" "$1")
    done
}
expect_more_everywhere() {
    local line=$1 more=$2 host
    for host in "${copies[@]}"; do
        wait_until 10 "host $host to print '$line' $more more times" \
            count_reaches "$host" "$line" $((before[$host] + more))
        expect_count "$host" "$line" $((before[$host] + more))
    done
}

# Nothing printed for 0.5 s.
is_quiet() {
    local size
    size=$(stat -c %s "$work/$1.out")
    sleep 0.5
    ((size == $(stat -c %s "$work/$1.out")))
}

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

# --- the copies' processes ---

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
        "receive queues on port 54545: $(on_host "$1" ss -Hnuap 'sport = :54545' | awk '{ printf "%s ", $2 }')"
}

# flood_from_x_and_y --text TEXT | --numbered PREFIX: both peers send flood_each datagrams at
# once and at full speed; {} in the argument stands for the sending host's name.
flood_from_x_and_y() {
    local mode=$1 argument=$2 host
    local -A flooder=()
    for host in x y; do
        ip netns exec "$run-$host" "$foreign_peer" --flood "$flood_each" "$mode" "${argument//\{\}/$host}" &
        flooder[$host]=$!
    done
    for host in x y; do
        wait "${flooder[$host]}" || fail "$host could not send its flood"
    done
}

# --- the wire, as recorded on x ---

wire_size() { stat -c %s "$work/wire-x"; }

# HOST's presence answer follows the datagram TEXT in the record.
answered_after() {
    awk -v text="$(hex_of "$2")" -v answer="$(hex_of "$(answer_of "$1")")" \
        '$2 == text { seen = 1 } seen && $2 == answer { found = 1 } END { exit !found }' "$work/wire-x"
}

# Datagrams recorded since byte OFFSET of the record, from one address or from any.
wire_since() {
    local offset=$1 from=${2:-}
    tail -c +$((offset + 1)) "$work/wire-x" | awk -v from="$from" 'from == "" || $1 == from { n++ } END { print n + 0 }'
}

from_copies_since() { echo $(($(wire_since "$1" "${address[a]}") + $(wire_since "$1" "${address[b]}"))); }

has_sent_since() { tail -c +$(($1 + 1)) "$work/wire-x" | grep -q " $(hex_of "$2")\$"; }

lan_begin hostile 1600x320
for host in a b c x y; do
    add_host "$host" routed
done
expect_display_on a
start_recorder x

begin_scenario "start-up, one user name full of tags"
# a first, so that b's start-up query surely finds a listening: both directions then happen.
start_copy a
place_window a 0 0
expect_line 20 a "Data sent:   alice    >    <online?>"
start_copy b
place_window b 800 0
# b's start-up line holds the presence tag twice: a request like any other.
expect_line 20 b "Data sent:   ${user[b]}    >    <online?>"
expect_line 10 b "Data received:  SYSTEM  >  alice IS ONLINE"
# b's answer carries "<clear>" in the name: every copy that receives it clears, b included. An
# answer is never a request, though its name holds the presence tag.
for host in a b; do
    expect_line 10 "$host" "Data received: $(answer_of b)"
    expect_line 10 "$host" "clear"
done
expect_count a "Data sent: $(answer_of a)" 2
expect_count b "Data sent: $(answer_of b)" 1

begin_scenario "hostile payloads"
draft="draft <i>kept</i> & unsent"
type_on a "$draft"
copy_to_file a message "$work/field-before"
[[ $(<"$work/field-before") == "$draft" ]] || fail "a's message field holds '$(<"$work/field-before")' after typing"
barrage_start=$(wire_size)
declare -A cleared_before=()
for host in "${copies[@]}"; do
    cleared_before[$host]=$(count_lines "$host" "clear")
done

# Payloads that are not UTF-8; some hold control tags, which must not act.
invalid=(ff fe 80 c0af e080af eda080 edbfbf f4908080 f880808080 e282 68656c6c6fc3 c328
    "$(hex_of "$mallory<online?>")ff" "$(hex_of "$mallory<clear>")ff" "$(hex_of "$mallory<flash>")ff")
{
    printf '%s' "${mallory}big "
    for ((n = 0; n < 32742; n++)); do printf '\xc3\xa9'; done
    printf '!'
} >"$work/big-valid"
{
    head -c 65506 "$work/big-valid"
    printf '\xff'
} >"$work/big-invalid"
[[ $(stat -c %s "$work/big-valid") == 65507 && $(stat -c %s "$work/big-invalid") == 65507 ]] ||
    fail "the large payloads are not 65,507 bytes"
remember_counts "$unconvertible"
for bytes in "${invalid[@]}"; do
    peer_sends x --hex "$bytes"
done
peer_sends x --file "$work/big-invalid"
expect_more_everywhere "$unconvertible" $((${#invalid[@]} + 1))
measured "${#invalid[@]} kinds of broken UTF-8 and a 65,507-byte one: each reported once on each copy"

remember_counts "Data received: "
peer_sends x --hex ""
expect_more_everywhere "Data received: " 1

# Shown as they are: markup stays text, direction overrides stay characters.
literal=(
    "$mallory<b>bold</b> <i>italic</i> <u>under</u>"
    "$mallory<img src=x onerror=alert(1)>"
    "$mallory<a href=\"http://example.invalid/\">a link</a>"
    "$mallory&amp; &lt;b&gt; &#65; &nbsp; &copy;"
    "$mallory<span style=\"color:yellow;font-size:72pt\">huge</span><br><hr>"
    "$mallory<script>alert(1)</script><table><tr><td>cell</td></tr></table>"
    "<html><body><h1>Title</h1><p>no chat prefix at all</p></body></html>"
    "$mallory"$'\xe2\x80\xaeexe.txt\xe2\x80\xac \xe2\x81\xa6isolate\xe2\x81\xa9 \xe2\x80\x8fright\xe2\x80\x8e \xd8\x9cmark'
    "$mallory"$'accent a\xcc\x81\xcc\x81\xcc\x81 face \xf0\x9f\x98\x80 noncharacter \xef\xbf\xbf'
)
for text in "${literal[@]}"; do
    peer_sends x --text "$text"
done
peer_sends x --hex "$(hex_of "${mallory}nul")00$(hex_of byte)"
peer_sends x --file "$work/big-valid"
for text in "${literal[@]}"; do
    expect_line_everywhere "Data received: $text"
done
printf 'Data received: ' >"$work/big-line"
cat "$work/big-valid" >>"$work/big-line"
for host in "${copies[@]}"; do
    wait_until 10 "host $host to print the 65,507-byte text" grep -qxFf "$work/big-line" "$work/$host.out"
    [[ $(count_lines "$host" "Data received: ${mallory}nul\x00byte") == 1 ]] ||
        fail "host $host did not print the text with a NUL byte once"
    copy_to_file "$host" transcript "$work/transcript-$host"
    for text in "${literal[@]}"; do
        LC_ALL=C grep -qF -- "$text" "$work/transcript-$host" ||
            fail "host $host's transcript does not show '$text' as it was sent"
    done
    LC_ALL=C grep -qFf "$work/big-valid" "$work/transcript-$host" ||
        fail "host $host's transcript does not show the 65,507-byte text"
    LC_ALL=C grep -aq "nul.*byte" "$work/transcript-$host" ||
        fail "host $host's transcript lost the text around a NUL byte"
done
measured "${#literal[@]} texts of markup and direction controls, a NUL and a 65,507-byte text: shown literally"

copy_to_file a message "$work/field-after"
[[ $(<"$work/field-after") == "$draft" ]] || fail "a's message field holds '$(<"$work/field-after")' after the payloads"
expect_alive "${copies[@]}"
sent=$(from_copies_since "$barrage_start")
((sent == 0)) || fail "the copies sent $sent datagrams though nothing asked them to"
for host in "${copies[@]}"; do
    expect_count "$host" "clear" "${cleared_before[$host]}"
done
stays_white 1.2 "${copies[@]}"
measured "datagrams from the copies meanwhile: $sent; no clearing, no flashing; a's field still holds '$draft'"

begin_scenario "control tags in every combination"
# Each subset of the tags, in both orders: only the first kind in the receivers' order acts.
tags=("<online?>" " SYSTEM  >  CALLING" "<flash>" "<clear>" " SYSTEM  >  Call recived by mallory")
requests=0 clears=0 flashes=0 combinations=()
for ((mask = 1; mask < 32; mask++)); do
    forward="" backward=""
    for ((tag = 0; tag < 5; tag++)); do
        ((mask & (1 << tag))) || continue
        forward+="${tags[tag]} "
        backward=" ${tags[tag]}$backward"
    done
    combinations+=("${mallory}combination $mask: $forward" "${mallory}combination $mask reversed:$backward")
    if ((mask & 1)); then
        requests=$((requests + 2))
    elif ((mask & 6)); then
        flashes=$((flashes + 2))
    elif ((mask & 8)); then
        clears=$((clears + 2))
    fi
done
declare -A answers_before=() clears_before=() cleared_by_b_before=()
for host in "${copies[@]}"; do
    answers_before[$host]=$(count_lines "$host" "Data sent: $(answer_of "$host")")
    clears_before[$host]=$(count_lines "$host" "clear")
    cleared_by_b_before[$host]=$(count_lines "$host" "Data received: $(answer_of b)")
done
combinations_start=$(wire_size)
for text in "${combinations[@]}"; do
    # Before the text goes out: a quick answer may be on the wire before peer_sends returns.
    last_request_at=$(wire_size)
    peer_sends x --text "$text"
    sleep 0.05
done
expect_line_everywhere "Data received: ${combinations[-1]}"
# b's answers to the last requests are still under way.
for host in "${copies[@]}"; do
    wait_until 10 "host $host to fall quiet" is_quiet "$host"
done
for host in "${copies[@]}"; do
    answered=$(($(count_lines "$host" "Data sent: $(answer_of "$host")") - answers_before[$host]))
    # Requests close together share one answer; the last one is answered after it came.
    ((answered >= 1 && answered <= requests)) || fail "host $host answered $answered of $requests presence requests"
    answered_after "$host" "${combinations[-1]}" || fail "host $host did not answer the last request"
    # Besides the texts whose first tag is "<clear>", every answer of b's clears.
    cleared_by_b=$(($(count_lines "$host" "Data received: $(answer_of b)") - cleared_by_b_before[$host]))
    cleared=$(($(count_lines "$host" "clear") - clears_before[$host]))
    ((cleared == clears + cleared_by_b)) ||
        fail "host $host cleared $cleared times, expected $clears for the texts and $cleared_by_b for b's answers"
    wait_until 5 "host $host to flash" is_yellow "$host"
    measured "host $host: ${#combinations[@]} texts, $requests requests, answered $answered;" \
        "cleared $cleared times ($clears texts, $cleared_by_b answers of b); flashing for $flashes texts"
done
expect_count a "Data sent:  SYSTEM  >  Call recived by alice" 0
sent=$(from_copies_since "$combinations_start")
((sent <= 2 * requests)) || fail "the copies sent $sent datagrams for $requests requests"
measured "datagrams from the copies: $sent for $requests requests to two copies"
copy_to_file a message "$work/field-after"
[[ $(<"$work/field-after") == "$draft" ]] || fail "a's message field holds '$(<"$work/field-after")' after the tags"
expect_alive "${copies[@]}"
# The clear command is an acknowledgement point that leaves the message field alone.
for host in "${copies[@]}"; do
    key_on "$host" ctrl+l
done
expect_line 10 a "Data sent:  SYSTEM  >  Call recived by alice"
expect_line 10 b "Data sent:  SYSTEM  >  Call recived by ${user[b]}"
for host in "${copies[@]}"; do
    wait_until 3 "host $host to stop flashing" is_not_yellow "$host"
done

begin_scenario "no storm from a name holding <online?>"
# b's chat lines, acknowledgements and answers all carry the tag; only answers are no requests.
storm_start=$(wire_size)
peer_sends x --text " SYSTEM  >  <online?>"
type_on b "hi"
key_on b Return
sleep 5
storm=$(wire_since "$storm_start")
has_sent_since "$storm_start" "$(answer_of a)" || fail "a did not answer the query"
has_sent_since "$storm_start" "$(answer_of b)" || fail "b did not answer the query"
((storm < 50)) || fail "$storm datagrams on the wire in the 5 s after one query and one line of b's"
measured "datagrams on the wire in the 5 s after a query and a line of b's: $storm"
expect_alive "${copies[@]}"

begin_scenario "roll calls of 1,000, 3,000 and 10,000 answers"
# The answers of a big LAN to one presence query: distinct, back to back, within milliseconds.
roll_call_printed() { count_matching "$1" "^Data received:  SYSTEM  >  $2[0-9]* IS ONLINE\$"; }
roll_call_over() { (($(roll_call_printed "$1" "$2") >= $3)) || is_quiet "$1"; }
for burst in 1000 3000 10000; do
    peer_sends x --flood "$burst" --numbered " SYSTEM  >  roll$burst-" " IS ONLINE"
    for host in "${copies[@]}"; do
        wait_until 60 "host $host to print a roll call of $burst" roll_call_over "$host" "roll$burst-" "$burst"
        printed=$(roll_call_printed "$host" "roll$burst-")
        copy_to_file "$host" transcript "$work/transcript-$host"
        shown=$(LC_ALL=C grep -ac " SYSTEM  >  roll$burst-[0-9]* IS ONLINE\$" "$work/transcript-$host" || true)
        note_lost $((burst - shown))
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
flood_from_x_and_y --numbered "  {}    >    flood {} "
flood_end=$(now_ms)
answered_at=$(wire_size)
# A sanitizer build handles a datagram many times slower, so the queue behind which the query waits
# takes seconds to show, and it keeps freed memory in quarantine: there both are only measured.
answer_limit_ms=1000 flood_limit_ms=10000 growth_limit_kb=$((80 * 1024))
if [[ $(ldd "$corvel") == *libasan* ]]; then
    answer_limit_ms=60000 flood_limit_ms=60000 growth_limit_kb=$((1024 * 1024))
fi
answers_before=()
declare -A printed_after=() recorded_after=()
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
    (($(now_ms) - flood_end < flood_limit_ms)) ||
        fail "no answer to a presence query within $flood_limit_ms ms of the flood's end"
    sleep 0.05
done
measured "$((2 * flood_each)) datagrams sent in $((flood_end - flood_begin)) ms;" \
    "first query on its way $asked_after ms after, queries in all: $(((ask - 1) / 5 + 1))"
for host in "${copies[@]}"; do
    measured "host $host answered ${printed_after[$host]} ms after the flood ended (printed)," \
        "${recorded_after[$host]} ms (recorded on x)"
    # The query waits behind what the copy has queued and not shown yet.
    ((recorded_after[$host] - asked_after <= answer_limit_ms)) ||
        fail "host $host's answer was on the wire $((recorded_after[$host] - asked_after)) ms after the query"
done
for host in "${copies[@]}"; do
    send_until_shown "$host" "${mallory}the flood is over"
    shown=$(($(count_matching "$host" '^Data received:   x    >    flood x [0-9]*$') +
        $(count_matching "$host" '^Data received:   y    >    flood y [0-9]*$')))
    note_dropped $((2 * flood_each - shown))
    reported=$(awk '/^>>> Receive queue full: [0-9]+ datagrams dropped$/ { n += $5 } END { print n + 0 }' \
        "$work/$host.out")
    growth=$(($(rss_kb "$host") - rss_before[$host]))
    measured "host $host: printed $shown of $((2 * flood_each)) flood lines, lost $((2 * flood_each - shown))," \
        "of them reported as dropped from its full queue $reported; VmRSS ${rss_before[$host]} kB before," \
        "$growth kB more after"
    note_figure "flood of $((2 * flood_each)): shown on $host" "$((shown * 100 / (2 * flood_each)))% ($shown)"
    ((growth < growth_limit_kb)) || fail "host $host grew by $growth kB in the flood"
done
copy_to_file a message "$work/field-after"
[[ $(<"$work/field-after") == "$draft" ]] || fail "a's message field holds '$(<"$work/field-after")' after the flood"
expect_alive "${copies[@]}"

begin_scenario "flash flood, then idle"
flood_from_x_and_y --text "<flash>"
send_until_shown a "${mallory}the flashing flood is over"
flashes_seen=$(count_lines a "Data received: <flash>")
type_on a "!"
expect_line 10 a "Data sent:  SYSTEM  >  Call recived by alice"
expect_count a "Data sent:  SYSTEM  >  Call recived by alice" 2
# The white phase that was under way ends within half a second.
sleep 0.6
idle_start=$(wire_size)
ticks_before=$(cpu_ticks a)
sleep 5
ticks=$(($(cpu_ticks a) - ticks_before))
hertz=$(getconf CLK_TCK)
measured "a printed $flashes_seen of $((2 * flood_each)) flash commands;" \
    "CPU time in the 5 s after the acknowledgement: $((ticks * 1000 / hertz)) ms"
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
# A sanitizer build spends many times the CPU and memory of the program itself on every character,
# so there only its survival counts, and a query lost from its full queue is asked again; the
# figures are still shown.
query_wait=1
[[ $(ldd "$corvel") == *libasan* ]] && query_wait=60
stop "${pid[recorder-x]}"
declare -A out_before=() rss_peak=() cpu_before=()
for host in "${copies[@]}"; do
    out_before[$host]=$(stat -c %s "$work/$host.out")
    cpu_before[$host]=$(cpu_ticks "$host")
    rss_peak[$host]=0
done
heavy_begin=$(now_ms)
ip netns exec "$run-x" "$foreign_peer" --flood "$heavy_count" --rate 100 --numbered "$heavy_text" &
pid[heavy-x]=$!
query_answered_ms=""
answer_printed_since() { grep -qxF "Data sent: $(answer_of a)" < <(tail -c +$(($1 + 1)) "$work/a.out"); }
answered_within_a_second() {
    local until=$(($(now_ms) + 1000))
    until answer_printed_since "$1"; do
        (($(now_ms) < until)) || return 1
        sleep 0.05
    done
}
while is_running "${pid[heavy-x]}"; do
    for host in "${copies[@]}"; do
        rss=$(rss_kb "$host")
        ((rss <= rss_peak[$host])) || rss_peak[$host]=$rss
    done
    if [[ -z $query_answered_ms ]] && (($(now_ms) - heavy_begin > 15000)); then
        asked_at=$(stat -c %s "$work/a.out") asked=$(now_ms)
        for ((ask = 1; ; ask++)); do
            peer_sends y --text " SYSTEM  >  <online?>"
            answered_within_a_second "$asked_at" && break
            ((ask < query_wait)) || fail "a did not answer a presence query amid the heavy lines within a second"
        done
        query_answered_ms=$(($(now_ms) - asked))
    fi
    sleep 0.5
done
wait "${pid[heavy-x]}" || fail "x could not send its heavy lines"
unset "pid[heavy-x]"
for host in "${copies[@]}"; do
    wait_until "$((query_wait * 10))" "host $host to fall quiet" is_quiet "$host"
done
heavy_ms=$(($(now_ms) - heavy_begin))
measured "$heavy_count lines of 65,000 bytes sent in $((heavy_ms / 1000)) s; a answered a query in $query_answered_ms ms"
note_figure "heavy lines: query answered after (host a)" "$query_answered_ms ms"
hertz=$(getconf CLK_TCK)
for host in "${copies[@]}"; do
    shown=$(tail -c +$((out_before[$host] + 1)) "$work/$host.out" | LC_ALL=C grep -cF "Data received: $heavy_prefix")
    note_dropped $((heavy_count - shown))
    cpu_ms=$((($(cpu_ticks "$host") - cpu_before[$host]) * 1000 / hertz))
    measured "host $host: showed $shown of $heavy_count, CPU $cpu_ms ms in $heavy_ms ms, VmRSS at most ${rss_peak[$host]} kB"
    note_figure "heavy lines: shown, CPU, RSS (host $host)" \
        "$shown of $heavy_count, $((cpu_ms * 100 / heavy_ms))% of a core, $((rss_peak[$host] / 1024)) MB"
    ((query_wait == 1)) || continue
    ((shown * 100 >= heavy_count * 95)) || fail "host $host showed $shown of $heavy_count heavy lines"
    ((cpu_ms * 2 <= heavy_ms)) || fail "host $host used $cpu_ms ms of CPU time in $heavy_ms ms"
    ((rss_peak[$host] < 300 * 1024)) || fail "host $host grew to ${rss_peak[$host]} kB"
done
remember_counts "clear"
peer_sends x --text "${mallory}<clear>"
expect_more_everywhere "clear" 1
for host in "${copies[@]}"; do
    measured "host $host: VmRSS $(rss_kb "$host") kB after a clear"
    # Each copy printed 200 MB of heavy lines, which stay out of the artifacts.
    LC_ALL=C grep -avF "Data received: $heavy_prefix" "$work/$host.out" >"$work/kept" || true
    truncate -s 0 "$work/$host.out"
    cat "$work/kept" >>"$work/$host.out"
done
start_recorder x
expect_alive "${copies[@]}"

begin_scenario "a terminal nobody reads, escape sequences from the LAN"
# c writes to a terminal whose reader has stopped, as under Ctrl+S: it must go on answering, and
# every diagnostic line arrives whole or is counted as dropped. No peer may drive a terminal.
launch_through=(bash -c 'exec script -qfe /dev/null -c "stty -onlcr; exec $0"')
start_copy c
launch_through=()
terminal=${pid[c]}
wait_until 10 "c's program to start under its terminal" pgrep -P "$terminal"
pid[c]=$(pgrep -P "$terminal") # the window's owner, for a while
place_window c 800 160
pid[c]=$terminal
expect_line 20 c "Data sent:   carol    >    <online?>"
kill -STOP "${pid[c]}"
# Paced, so that they reach c rather than overflow its socket: more than c may keep waiting.
for _ in {1..24}; do
    peer_sends x --file "$work/big-valid"
done
asked=$(wire_size)
peer_sends x --text " SYSTEM  >  <online?>"
wait_until 5 "c to answer with its terminal stopped" has_sent_since "$asked" "$(answer_of c)"
kill -CONT "${pid[c]}"
wait_until 10 "host a to fall quiet" is_quiet a
key_on a ctrl+l # a short transcript copies quickly
escapes=$'\e]0;retitled\a\e[2J\e]52;c;b3duZWQ=\a\e[31mred\xc2\x9b0m\x7f'
peer_sends x --text "$mallory$escapes"
for host in a b c; do
    expect_line 10 "$host" "Data received: $mallory"'\x1B]0;retitled\x07\x1B[2J\x1B]52;c;b3duZWQ=\x07\x1B[31mred\x9B0m\x7F'
    ! LC_ALL=C grep -q $'\e' "$work/$host.out" || fail "host $host wrote an escape character raw"
    ((! $(count_matching "$host" 'Data received: .*Data received: '))) || fail "host $host glued lines together"
done
copy_to_file a transcript "$work/transcript-a"
LC_ALL=C grep -qF -- "$mallory$escapes" "$work/transcript-a" || fail "a's transcript does not show the escapes as sent"
measured "c answered with its terminal stopped; $(LC_ALL=C grep -o '^>>> [0-9]* diagnostic lines dropped' "$work/c.out" |
    awk '{ n += $2 } END { print n + 0 }') of its lines dropped, the others whole"
quit_copy c

begin_scenario "exit"
for host in "${copies[@]}"; do
    quit_copy "$host"
done

end_scenario passed
