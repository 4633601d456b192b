#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Corvel end to end on a hostile LAN: a foreign peer on x sends what no copy ever would; every copy
# must stay up (the quits at the end show it), report each datagram, keep its user's draft, show text
# literally and never become a source of traffic. b's user name holds control tags; c writes to a
# terminal that nobody reads. Floods are bench/bench_lan_load.sh's.
set -euo pipefail
corvel=${1:?usage: run-hostile.sh CORVEL ARTIFACT_DIR} artifacts=${2:?usage: run-hostile.sh CORVEL ARTIFACT_DIR}
declare -A user=([a]=alice [b]='<online?>bob<clear>' [c]=carol)
declare -A address=([a]=10.78.0.1 [b]=10.78.0.2 [c]=10.78.0.3 [x]=10.78.0.9)
source "$(dirname "$0")/lan-lib.sh"
copies=(a b)
mallory="  mallory    >    "
unconvertible=">>> Data received, but cannot be converted to String"
draft="draft <i>kept</i> & unsent"
expect_draft_kept() { copy_to_file a message "$work/field" && [[ $(<"$work/field") == "$draft" ]] || fail "a's field changed $1"; }

lan_begin hostile 1600x320
for host in a b c x; do add_host "$host" routed; done
start_recorder x

begin_scenario "start-up, one user name full of tags"
# a first, so that b's start-up query surely finds it listening, and after a's answer to its own
# query has gone out, so that no answer of a's covers both queries.
start_copy a && place_window a 0 0
expect_line "Data sent:   alice    >    <online?>" a
expect_line "Data sent: $(answer_of a)" a
start_copy b && place_window b 800 0
# b's start-up line holds the presence tag twice: a request like any other.
expect_line "Data sent:   ${user[b]}    >    <online?>" b
expect_line "Data received: $(answer_of a)" b
# b's answer carries "<clear>" in the name: every copy that receives it clears, b included. An
# answer is never a request, though its name holds the presence tag.
expect_line "Data received: $(answer_of b)" a b
expect_line "clear" a b
expect_count a "Data sent: $(answer_of a)" 2
expect_count b "Data sent: $(answer_of b)" 1

begin_scenario "hostile payloads"
type_on a "$draft"
expect_draft_kept "after typing"
barrage_start=$(wire_size)
mark_output "${copies[@]}"
# Payloads that are not UTF-8; some hold control tags, which must not act.
invalid=(ff fe 80 c0af e080af eda080 edbfbf f4908080 f880808080 e282 68656c6c6fc3 c328
    "$(hex_of "$mallory<online?>")ff" "$(hex_of "$mallory<clear>")ff" "$(hex_of "$mallory<flash>")ff")
# The largest UDP payloads, 65,507 bytes: valid, and broken in their last byte.
printf "${mallory}big %s!" "$(printf '\xc3\xa9%.0s' {1..32742})" >"$work/big-valid"
{ head -c 65506 "$work/big-valid" && printf '\xff'; } >"$work/big-invalid"
for bytes in "${invalid[@]}"; do peer_sends x --hex "$bytes"; done
peer_sends x --file "$work/big-invalid"
peer_sends x --hex ""
for host in "${copies[@]}"; do
    expect_count "$host" "$unconvertible" $((${#invalid[@]} + 1))
    expect_count "$host" "Data received: " 1
done
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
for text in "${literal[@]}"; do peer_sends x --text "$text"; done
peer_sends x --hex "$(hex_of "${mallory}nul")00$(hex_of byte)"
peer_sends x --file "$work/big-valid"
printf 'Data received: ' | cat - "$work/big-valid" >"$work/big-line"
for host in "${copies[@]}"; do
    expect_line "Data received: ${literal[-1]}" "$host"
    wait_until 30 "host $host to print the 65,507-byte text" grep -qxFf "$work/big-line" "$work/$host.out"
    expect_count "$host" "Data received: ${mallory}nul\x00byte" 1
    expect_count "$host" clear 0
    copy_to_file "$host" transcript "$work/transcript-$host"
    for text in "${literal[@]}"; do LC_ALL=C grep -qF -- "$text" "$work/transcript-$host" || fail "host $host does not show '$text'"; done
    LC_ALL=C grep -qFf "$work/big-valid" "$work/transcript-$host" || fail "host $host does not show the 65,507-byte text"
    LC_ALL=C grep -aq "nul.*byte" "$work/transcript-$host" || fail "host $host lost the text around a NUL byte"
done
expect_draft_kept "after the payloads"
sent=$(($(wire_since "$barrage_start" "${address[a]}") + $(wire_since "$barrage_start" "${address[b]}")))
((sent == 0)) || fail "the copies sent $sent datagrams though nothing asked them to"
stays_white 1.2 "${copies[@]}"

begin_scenario "a terminal nobody reads, escape sequences from the LAN"
# c writes to a terminal whose reader has stopped, as under Ctrl+S: it must go on answering, and
# every diagnostic line arrives whole or is counted as dropped. No peer may drive a terminal.
launch_through=(bash -c 'exec script -qfe /dev/null -c "stty -onlcr; exec $0"')
start_copy c
launch_through=()
terminal=${pid[c]}
# Until the terminal runs, its pid's child is the mount that reaches the display.
under_terminal() { pgrep -P "$terminal" -f -- "$corvel"; }
wait_until 30 "c's program to start under its terminal" under_terminal >/dev/null
pid[c]=$(under_terminal) || fail "c's program ended under its terminal" # the window's owner, for a while
place_window c 800 160
pid[c]=$terminal
expect_line "Data sent:   carol    >    <online?>" c
kill -STOP "${pid[c]}"
# Paced, so that they reach c rather than overflow its socket: more than c may keep waiting.
for _ in {1..24}; do peer_sends x --file "$work/big-valid"; done
asked=$(wire_size)
peer_sends x --text " SYSTEM  >  <online?>"
wait_until "$(within 5)" "c to answer with its terminal stopped" has_sent_since "$asked" "$(answer_of c)"
kill -CONT "${pid[c]}"
wait_until 30 "host a to fall quiet" is_quiet a
key_on a ctrl+l # a short transcript copies quickly
escapes=$'\e]0;retitled\a\e[2J\e]52;c;b3duZWQ=\a\e[31mred\xc2\x9b0m\x7f'
peer_sends x --text "$mallory$escapes"
expect_line "Data received: $mallory"'\x1B]0;retitled\x07\x1B[2J\x1B]52;c;b3duZWQ=\x07\x1B[31mred\x9B0m\x7F' a b c
for host in a b c; do
    ! LC_ALL=C grep -q $'\e' "$work/$host.out" || fail "host $host wrote an escape character raw"
    ! LC_ALL=C grep -q 'Data received: .*Data received: ' "$work/$host.out" || fail "host $host glued lines together"
done
copy_to_file a transcript "$work/transcript-a"
LC_ALL=C grep -qF -- "$mallory$escapes" "$work/transcript-a" || fail "a's transcript does not show the escapes as sent"

begin_scenario "exit"
for host in c "${copies[@]}"; do quit_copy "$host"; done

begin_scenario "marks stacked on one letter, a hundred lines a second"
# Each line is one letter with 32,700 marks on it. The copy shows 8 of them and a sign for the
# rest, which lays out as quickly as any short line, so a query amid them is answered at once.
start_copy a && place_window a 0 0
expect_line "Data sent: $(answer_of a)" a
printf '%sa%s' "$mallory" "$(printf '\xcc\x81%.0s' {1..32700})" >"$work/stacked"
peer_sends x --paced 1000 100 "$work/stacked"
mark_output a
asked=$(now_ms)
peer_sends x --text " SYSTEM  >  <online?>"
# The figure is printed; a copy that stalls on the marks takes many seconds (bench_lan_load times it).
wait_until "$(within 15)" "a to answer a query amid the stacked marks" count_reaches a "Data sent: $(answer_of a)" 1
echo "a answered a query $(($(now_ms) - asked)) ms after a thousand lines of stacked marks"
# A slow build is still taking the flood: what it shows next must be the lines sent below.
flood_taken() { LC_ALL=C grep -q $'\xcc\x81999$' "$work/a.out"; }
wait_until "$(within 30)" "a to take the whole flood" flood_taken
# What the view shows of a stacked line looks exactly like the capped text sent as it is; the
# time stamps, which may differ, are left out.
capped="${mallory}a$(printf '\xcc\x81%.0s' {1..8})[+32692 marks]"
transcript_shot() { import -silent -window "${window[a]}" -crop 400x90+160+0 +repage rgb:- | md5sum; }
settled_shot() { local first && first=$(transcript_shot) && sleep 0.3 && [[ $(transcript_shot) == "$first" ]] && shot=$first; }
shows_as_capped() { [[ $(transcript_shot) == "$capped_shot" ]]; }
mark_output a
key_on a ctrl+l
peer_sends x --text "$capped"
expect_line "Data received: $capped" a
wait_until 10 "a to show the capped text" settled_shot
capped_shot=$shot
key_on a ctrl+l
peer_sends x --file "$work/stacked"
expect_count a clear 2
wait_until 10 "a to show the stacked line capped" shows_as_capped
copy_to_file a transcript "$work/transcript-a"
LC_ALL=C grep -qFf "$work/stacked" "$work/transcript-a" || fail "a's copy lacks marks of the stacked line"
quit_copy a

begin_scenario "corvel --check beside a host that answers with a thousand names"
# Among them one reversed by a direction override and one that would print a verdict of its own.
{
    printf ' SYSTEM  >  %s IS ONLINE\n' $'\xe2\x80\xaeevil' $'forged\xe2\x80\xa8Verdict: working; 1000 running copies answered'
    for n in {1..1000}; do printf ' SYSTEM  >  name %d IS ONLINE\n' "$n"; done
} >"$work/answers"
peer_sends x --answer "$work/answers" &
pid[answers-x]=$!
answerer_bound() { (($(ip netns exec "$run-x" ss -Hlun 'sport = :54545' | wc -l) >= 2)); }
wait_until 10 "x's answerer to hold the chat port" answerer_bound
ip netns exec "$run-c" env -u DISPLAY XDG_CONFIG_HOME="$work/c" HOME="$work/c" "$corvel" --check >"$work/check" 2>&1 ||
    fail "corvel --check ended with $?: $(cat "$work/check")"
for line in "Answered: 1002 names from 1 host" "  10.78.0.9: 1002 names" '    \u202Eevil' \
    '    forged\u2028Verdict: working; 1000 running copies answered' "    … and 994 more" \
    "Verdict: working; 1002 names from 1 host answered"; do
    grep -qxF -- "$line" "$work/check" || fail "corvel --check did not print '$line': $(head -c 2000 "$work/check")"
done
! LC_ALL=C grep -q $'\xe2\x80[\xa8\xae]' "$work/check" || fail "corvel --check printed a control raw"
wait_until 10 "x's answerer to end" has_ended "${pid[answers-x]}"
unset "pid[answers-x]"

begin_scenario "corvel --check while its own echo is blocked and another host sends a copy of it"
ip netns exec "$run-c" nft -f - <<<'table inet fw { chain input { type filter hook input priority 0; ip saddr 10.78.0.3 udp dport 54545 drop; }; }'
printf '  SYSTEM  > %s asked: Who is online? \n' "${user[c]}" >"$work/forged"
peer_sends x --answer "$work/forged" &
pid[answers-x]=$!
wait_until 10 "x's answerer to hold the chat port" answerer_bound
status=0
ip netns exec "$run-c" env -u DISPLAY XDG_CONFIG_HOME="$work/c" HOME="$work/c" "$corvel" --check >"$work/check" 2>&1 || status=$?
((status == 1)) && grep -qxF "Own query: did not come back" "$work/check" ||
    fail "corvel --check took another host's copy of its query for its own: $(cat "$work/check")"
wait_until 10 "x's answerer to end" has_ended "${pid[answers-x]}"
unset "pid[answers-x]"
