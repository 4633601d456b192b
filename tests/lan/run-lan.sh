#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Corvel end to end on a simulated LAN, across hosts: a, b and c (in German) on a working network, x
# the foreign peer that records the wire, and a host for each fault or setting a scenario tries. The
# copies share a session bus with dunst. Each scenario is a test of its own on one LAN that the step
# setup makes and teardown ends; it makes what it needs of the LAN itself, so it can run alone.
set -eEuo pipefail
usage="usage: run-lan.sh CORVEL ARTIFACT_DIR setup|teardown|SCENARIO"
corvel=${1:?$usage} artifacts=${2:?$usage} step=${3:?$usage}
declare -A user=([a]=alice [b]=bob [c]=carol [d]=dave [e]=erin [f]=frank [g]=gina [h]=hank [s]=sam [t]=tom)
declare -A address=([a]=10.77.0.1 [b]=10.77.0.2 [c]=10.77.0.3 [d]=10.77.0.4 [e]=10.77.0.5 [f]=10.77.0.6
    [h]=10.77.0.8 [x]=10.77.0.9)
# No window may cover another: clicks land on whatever is on top.
declare -A place=([a]="0 0" [b]="800 0" [c]="1600 0" [d]="0 350" [e]="800 350" [f]="1600 350" [g]="800 700" [h]="0 700")
source "$(dirname "$0")/lan-lib.sh"
# The portable build's reader stamps a datagram when it reads it and cannot learn what the kernel
# dropped; and its tray icon, made at once on X11, keeps to the first tray protocol it meets.
portable() { [[ ${CORVEL_PORTABLE:-OFF} == ON ]]; }
welcome() { echo "  SYSTEM  >  Welcome to Corvel ${user[$1]} . You are online"; }
no_network=" SYSTEM  >  NO NETWORK CONECTION"

# A called copy flashes until its user answers: a screenshot on a busy machine, which may take longer
# than a yellow half second, meets one of them sooner or later.
flashes() { wait_until "$(within 20)" "host $1 to flash" is_yellow "$1"; }
# flashing_from_now HOST: a flash command makes HOST flash; its output counts from here.
flashing_from_now() { peer_sends x --text "  mallory    >    <flash>" && flashes "$1" && mark_output "$1"; }
# answers_flashing HOST BUTTON: a click on BUTTON does its work and answers a flashing copy too, once.
answers_flashing() { flashing_from_now "$1" && click_on "$1" "$2" && expect_count "$1" "$(acknowledged "$1")" 1; }
# A yellow phase ends half a second after it began, answered or not; stays_white then shows it was the last.
turns_white() { wait_until "$(within 10)" "host $1 to turn white" is_not_yellow "$1"; }
shown_count() { transcript_of "$1" && grep -cF -- "$2" <<<"$transcript" || true; }
# check_on HOST STATUS: corvel --check as HOST's user runs it in a terminal, which must end with STATUS.
check_on() {
    local status=0
    ip netns exec "$run-$1" env -u DISPLAY XDG_CONFIG_HOME="$work/$1" HOME="$work/$1" "$corvel" --check >"$work/check" 2>&1 ||
        status=$?
    ((status == $2)) || fail "corvel --check on host $1 ended with $status, not $2: $(cat "$work/check")"
}
checked() { grep -qF -- "$1" "$work/check" || fail "corvel --check did not say '$1': $(cat "$work/check")"; }
# Queries that come close together get one answer from each copy, after the last of them.
expect_answers_after() {
    local at host && at=$(grep -b " $(hex_of "$1")\$" "$work/wire-x" | tail -n 1 | cut -d: -f1)
    for host in "${@:2}"; do wait_until 30 "host $host to answer '$1'" has_sent_since "$at" "$(answer_of "$host")"; done
}

# Every key is stored, so that clearing all data has something to remove and to keep.
start_f() {
    start_copy f Hide=true Delay=2 'OKpreset=on my way' alpha=0.8 Inverted=true autoClear=false fsize=14 \
        pSet1=one pSet2=two pSet3=three pSet4=four pSet5=five pSet6=six pSet7=seven pSet8=eight pSet9=nine
    expect_line "Data sent:   frank    >    <online?>" f
    place_window f ${place[f]}
}
bus_call() { timeout 10 dbus-send --bus="$session_bus" --print-reply --dest="$1" "${@:2}"; }
has_name() { bus_call org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner "string:$1" | grep -q true; }

# dunst shows notifications at the right edge, trayer its icons at the bottom left, the other tray
# at the bottom right: where no window is.
setup() {
    for host in a b c e f x; do add_host "$host" routed; done
    add_host d down
    start_recorder x
    # A session bus of the run's own, reached through a socket file that every host sees.
    dbus-daemon --config-file="$lan_dir/session-bus.conf" --nofork --address="unix:path=$work/bus" --print-address=3 3>"$work/bus-address" &
    pid[bus]=$!
    wait_until 30 "the session bus" test -s "$work/bus-address"
    session_bus=$(head -n 1 "$work/bus-address")
    export DBUS_SESSION_BUS_ADDRESS=$session_bus # for dunst, dunstctl and the trays
    dunst -config "$lan_dir/dunstrc" 2>"$work/dunst.err" & # ends with the display
    wait_until 30 "dunst" has_name org.freedesktop.Notifications

    # One copy after the other, each once it has the answers to its query.
    for host in a b c; do
        # c's wire and its reading of the others' texts must be those of the English copies.
        LANGUAGE=$([[ $host != c ]] || echo de) start_copy "$host" 'pSet3=preset three'
        expect_line "Data sent:   ${user[$host]}    >    <online?>" "$host"
        place_window "$host" ${place[$host]}
        for other in a b; do [[ $other < $host ]] || continue && expect_line "Data received: $(answer_of "$other")" "$host"; done
    done
    # d has no link; on e another program has the chat port before Corvel starts.
    ip netns exec "$run-e" "$foreign_peer" --hold &
    pid[holder-e]=$!
    expect_port_bound e
    for host in d e; do start_copy "$host" && place_window "$host" ${place[$host]}; done
}

start_up() {
    tr '\0' '\n' <"/proc/${pid[c]}/environ" | grep -qx LANGUAGE=de || fail "host c does not run in German"
    xprop -id "${window[a]}" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "host a's window does not stay on top"
    for host in a b c; do expect_wire x "  ${user[$host]}    >    <online?>" 1; done
    expect_answers_after "  carol    >    <online?>" a b c
}

chat_line() {
    before=$(date +%T)
    say a "hello lan"
    expect_line "Data received:   alice    >    hello lan" b c
    after=$(date +%T)
    expect_line "this is me" a
    expect_count b "this is me" 0
    expect_wire x "  alice    >    hello lan" 1
    for host in a b c; do
        # Own lines are blue, other people's red, system lines black. A line of bold text covers well over
        # a thousandth of the window, anti-aliased edges far less.
        colours=("#ff0000" "#0000ff") && [[ $host != a ]] || colours=("#0000ff" "#ff0000")
        colour_above "$host" "${colours[0]}" 0.001 && ! colour_above "$host" "${colours[1]}" 0.001 ||
            fail "host $host does not show alice's line in ${colours[0]} alone"
        transcript_of "$host"
        stamp=$(grep -F "  alice    >    hello lan" <<<"$transcript" | cut -c2-9)
        # The stamp is the local time at arrival. A midnight between the two readings proves nothing.
        [[ $before > $after || ! ($stamp < $before || $stamp > $after) ]] ||
            fail "host $host stamped alice's line '$stamp', not once between $before and $after"
    done
}

call() {
    click_on a call
    expect_line "Data received:  SYSTEM  >  CALLING" b c
    for host in b c; do flashes "$host"; done
    # A key press is one of the moments at which a called copy answers.
    type_on b "x"
    expect_line "$(acknowledged b)" b
    turns_white b
    stays_white 2 a b
    flashes c
    # A further edit and a send on b must not acknowledge again; the send shows that the edit is handled.
    say b "y"
    expect_line "Data received:   bob    >    xy" c
    expect_wire x " SYSTEM  >  CALLING" 1
    expect_wire x " SYSTEM  >  Call recived by bob" 1
    expect_count c "$(acknowledged c)" 0
    (($(shown_count a " SYSTEM  >  CALLING") == 1 && $(shown_count b " SYSTEM  >  CALLING") == 0)) ||
        fail "the caller does not show its call once, or the callee shows it"
    # A click on the bare window answers as well.
    click_on c background
    expect_line "clicked" c
    expect_line "$(acknowledged c)" c
    turns_white c
    expect_wire x " SYSTEM  >  Call recived by carol" 1
}

flash_and_preset() {
    peer_sends x --text "  mallory    >    <flash>"
    expect_line "Data received:   mallory    >    <flash>" a b c
    for host in a b c; do flashes "$host"; done
    # A preset sends its stored text like a typed line, and answers the flashing.
    click_on a preset3
    expect_line "$(acknowledged a)" a
    expect_line "Data received:   alice    >    preset three" b
    turns_white a
    expect_wire x "  alice    >    preset three" 1
    expect_wire x " SYSTEM  >  Call recived by alice" 1
}

presence_button() {
    answers_flashing b who
    expect_wire x "  SYSTEM  > bob asked: Who is online? " 1
    expect_wire x " SYSTEM  >  You are online" 1
    expect_wire x " SYSTEM  >  <online?>" 1
    expect_answers_after " SYSTEM  >  <online?>" a b c
}

clear_commands() {
    answers_flashing c clear
    expect_transcript c "  "
    say a "to be cleared"
    expect_line "Data received:   alice    >    to be cleared" c
    peer_sends x --text "  mallory    >    <clear>"
    declare -A clears=([a]=1 [b]=1 [c]=2)
    for host in a b c; do
        expect_count "$host" "clear" "${clears[$host]}"
        expect_transcript "$host" "  "
    done
}

no_network() {
    expect_transcript d "$no_network"
    has_line d "Networks: none" || fail "host d lists networks it does not have"
    say d "anyone there?"
    expect_transcript d "$no_network"$'\n '"$no_network"
    check_on d 2
    # No route at all: the LAN alone is a network, heard from the moment the link is up.
    ip -n "$run-d" link set dev eth0 up
    say b "hello dave"
    expect_line "Data received:   bob    >    hello dave" d
    # The field has kept the line through the failed attempt.
    key_on d Return
    expect_line "Data received:   dave    >    anyone there?" b
    expect_line "Networks: eth0 ${address[d]}" d
    expect_wire x "  dave    >    anyone there?" 1
    [[ $(wire_since 0 "${address[d]}") == 1 ]] || fail "host d sent more than its line"
}

port_taken() {
    socket_failures() { grep -c '^>>> Error while initializing socket: .' "$work/e.out" || true; }
    expect_transcript e " SYSTEM  >  NOT SENT: the chat port cannot be opened, trying again"
    # The copy keeps trying on its own, and hears the LAN once the port is free.
    wait_until 30 "host e to try the socket again" test "$(socket_failures)" -ge 2
    stop "${pid[holder-e]}" && unset "pid[holder-e]"
    expect_line "Networks: eth0 ${address[e]}" e
    failures=$(socket_failures)
    say b "erin?"
    expect_line "Data received:   bob    >    erin?" e
    say e "erin is back"
    expect_line "Data received:   erin    >    erin is back" b
    [[ $(socket_failures) == "$failures" ]] || fail "host e kept failing after the port was free"
    [[ $(wire_since 0 "${address[e]}") == 1 ]] || fail "host e sent more than its line"

    import -silent -window root "$artifacts/lan-success.png"
}

xembed_tray() {
    # Clicks 400 ms apart make a double click; a tooltip, which has no title either, must not show up.
    click_icon() { sleep 0.5 && icon_of "$1" && timeout 10 xdotool mousemove --window "${window[$1-icon]}" 5 5 click 1 mousemove 1400 1090; }
    marked() { icon_of "$1" && colour_above "$1-icon" "#e01010" 0.05; }
    not_marked() { ! marked "$1"; }
    notified() { dunstctl close-all && dunstctl history | grep -qF -- "$1"; }
    # Every copy has run for seconds without a tray; the icon is there, and again when trayer restarts.
    for _ in start restart; do
        [[ -z ${pid[trayer]:-} ]] || stop "${pid[trayer]}"
        trayer --edge bottom --align left --widthtype pixel --width 300 --heighttype pixel --height 30 2>/dev/null &
        pid[trayer]=$!
        wait_until 30 "trayer's window" xdotool search --onlyvisible --pid "${pid[trayer]}"
        wait_until "$(within 10)" "host b's icon in the tray" icon_of b
    done
    not_marked b || fail "host b's tray icon is marked before anything arrived"
    # Hidden by the icon or by hand, with no delay stored: a line that arrives leaves the window hidden,
    # marks the icon and is notified; the icon, or a second launch (sending nothing), brings it back.
    for way in icon keys; do
        [[ $way == icon ]] && click_icon b || key_on b ctrl+h
        wait_until 20 "host b's window to go" window_gone b
        peer_sends x --text "  mallory    >    while you were away ($way)"
        expect_line "Data received:   mallory    >    while you were away ($way)" b
        wait_until 20 "host b's unread mark (and icon)" marked b
        wait_until 20 "the notification" notified "while you were away ($way)"
        window_gone b || fail "host b's window came back by itself"
        sent_by_b=$(wire_since 0 "${address[b]}")
        [[ $way == icon ]] && click_icon b || { run_corvel b b-again && expect_exit b-again; }
        wait_until 20 "host b's window to come back" find_window b
        wait_until 20 "host b's unread mark to go" not_marked b
        [[ $(wire_since 0 "${address[b]}") == "$sent_by_b" ]] || fail "bringing host b's window back sent something"
    done
    # The copies that start from here on learn of the other tray first.
    stop "${pid[trayer]}" && unset "pid[trayer]"
    # --new-instance is a second copy of its own, which announces itself.
    run_corvel b b-new --new-instance
    expect_line "Data sent:   bob    >    <online?>" b-new
    wait_until 30 "the window of the new instance on host b" find_window b-new
    expect_wire x "  bob    >    <online?>" 2
    quit_copy b-new
}

auto_hide() {
    watcher_property() { bus_call org.kde.StatusNotifierWatcher /StatusNotifierWatcher org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher "string:$1"; }
    host_registered() { watcher_property IsStatusNotifierHostRegistered | grep -q 'boolean true'; }
    # Every tray icon registers with the watcher under its program's bus name.
    tray_item_of() {
        local name && for name in $(watcher_property RegisteredStatusNotifierItems | grep -o ':[0-9.]*'); do
            bus_call org.freedesktop.DBus / org.freedesktop.DBus.GetConnectionUnixProcessID "string:$name" |
                grep -qw "uint32 ${pid[$1]}" && echo "$name" && return; done; return 1
    }
    start_sni_tray() {
        [[ -z ${pid[watcher]:-} ]] || { stop "${pid[watcher]}" && stop "${pid[sni-host]}"; }
        status-notifier-watcher 2>/dev/null &
        pid[watcher]=$!
        wait_until 30 "the tray's watcher" has_name org.kde.StatusNotifierWatcher
        gtk-sni-tray-standalone --bottom --end --no-strut >/dev/null 2>&1 &
        pid[sni-host]=$!
        wait_until 30 "the tray's host" host_registered
        wait_until 30 "the tray's window" xdotool search --onlyvisible --pid "${pid[sni-host]}"
    }
    # The portable build's icon would keep to XEmbed if it met no watcher first.
    ! portable || start_sni_tray
    start_f
    for host in a b c; do expect_line "Data received: $(answer_of "$host")" f; done
    transcript_of f
    [[ $(head -n 2 <<<"$transcript") == "$(welcome f)"$'\n'"  SYSTEM  >  Auto Hide Mode is active." ]] ||
        fail "host f does not say that it hides: $transcript"
    type_on f "brb"
    sent=$(now_ms)
    key_on f Return
    expect_line "Data sent:   frank    >    brb" f
    expect_line "window hiden" f
    (($(now_ms) - sent >= 2000)) || fail "host f hid $(($(now_ms) - sent)) ms after the send, before its delay"
    wait_until "$(within 10)" "host f's window to go" window_gone f
    shown=$(count_lines f "show window")
    peer_sends x --text "  mallory    >    are you there?"
    expect_line "Data received:   mallory    >    are you there?" f
    wait_until 20 "host f's window to come back" find_window f
    expect_count f "show window" $((shown + 1))
    # A watcher and its host, after f has run for more than its hide delay of 2 s: its icon is there,
    # and again when they start again. The host's window takes the focus, which f's keys must not lose.
    for _ in $(portable || echo start) restart; do
        start_sni_tray
        wait_until "$(within 10)" "host f's tray icon" tray_item_of f >/dev/null
    done
    # Hidden again, the icon's activation brings it back.
    say f "brb"
    wait_until 20 "host f's window to go" window_gone f
    bus_call "$(tray_item_of f)" /StatusNotifierItem org.kde.StatusNotifierItem.Activate int32:0 int32:0 >/dev/null
    wait_until 20 "host f's window to come back" find_window f
}

clear_all_data() {
    [[ -n ${pid[f]:-} ]] || start_f
    key_on f ctrl+shift+Delete
    asked=$(now_ms)
    expect_line "clear" f
    expect_transcript f " SYSTEM  >  All data has been cleared. Corvel will close in 5 seconds"
    until (($(now_ms) >= asked + 4500)); do is_running "${pid[f]}" && sleep 0.1 || fail "host f ended before 5 s"; done
    expect_exit f
    kept=$(grep -vx '\[General\]\|' "$work/f/Corvel/Corvel.conf" | LC_ALL=C sort)
    [[ $kept == $'Delay=2\nHide=true\nOKpreset=on my way\nalpha=0.8\nautoClear=false' ]] ||
        fail "clearing all data kept just these settings: $kept"
}

quit_and_nothing_lost() {
    quit_copy a
    say b "still here"
    expect_line "Data received:   bob    >    still here" c
    # Every text on the wire reached b and c; twins within half a second are shown once by design.
    while read -r hex; do
        text=$(printf "$(sed 's/../\\x&/g' <<<"$hex")")
        for host in b c; do has_line "$host" "Data received: $text" || { lost=$((lost + 1)) && echo "$host lacks '$text'" >&2; }; done
    done < <(tail -n +"$(grep -n -m 1 " $(hex_of "  carol    >    <online?>")\$" "$work/wire-x" | cut -d: -f1)" "$work/wire-x" | cut -d' ' -f2 | grep -xE '([2-6][0-9a-f]|7[0-9a-e])*' | sort -u)
    ((lost == 0)) || fail "$lost texts on the wire never reached a copy that was up"
}

ask_and_call_at_once() {
    # The same bytes from two hosts are two: the later query is answered, the first caller gets the call.
    mark_output b c
    queries=$(wire_count x " SYSTEM  >  <online?>")
    key_on b ctrl+o && key_on c ctrl+o
    expect_wire x " SYSTEM  >  <online?>" $((queries + 2))
    expect_answers_after " SYSTEM  >  <online?>" b c
    key_on b ctrl+g && key_on c ctrl+g
    for host in b c; do expect_count "$host" "Data received:  SYSTEM  >  CALLING" 2; done
    flashes b
}

stopped_and_flood() {
    # Arrival is when the socket was read: two equal lines 1.5 s apart are two to a copy stopped for 3 s.
    kill -STOP "${pid[c]}"
    for _ in 1 2; do peer_sends x --text "  mallory    >    ok" && sleep 1.5; done
    kill -CONT "${pid[c]}"
    expect_count c "Data received:   mallory    >    ok" "$(portable && echo 1 || echo 2)"
    # Amid a flood of long lines b's line is its own; c, stopped, tells what the kernel dropped of it.
    type_on b "mine amid the flood"
    kill -STOP "${pid[c]}"
    peer_sends x --flood $((4 * $(</proc/sys/net/core/rmem_max) / 1400)) "  mallory    >    $(printf 'flood %.0s' {1..230})" &
    wait_until 30 "the flood to reach host b" grep -qF "Data received:   mallory    >    flood flood" "$work/b.out"
    mark_output b && key_on b Return
    wait $!
    kill -CONT "${pid[c]}"
    # Told once the backlog is read, with no datagram after it.
    portable || wait_until "$(within 10)" "host c to tell the kernel's drops" \
        grep -q '^>>> Datagrams dropped: .*, [1-9][0-9]* in the kernel$' "$work/c.out"
    wait_until 60 "host b to show its line as its own" count_reaches b "this is me" 1
}

many_networks() {
    # g: two links on br0, one on br1 with the recorder y, and a VPN (tun0) holding the default route.
    # The router r joins br1 to br2, whose recorder z no broadcast reaches and g lists as a destination.
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
    for host in y z; do start_recorder "$host"; done
    answered=$(wire_count x "$(answer_of b)")
    start_copy g Destinations=10.79.0.9
    expect_line "Data sent:   gina    >    <online?>" g
    place_window g ${place[g]}
    expect_line "Networks: eth0 10.77.0.7 (one LAN with eth1 10.77.0.17), eth2 10.78.0.7" g
    # heard TEXT X Y Z: how often each recorder saw the text; g's two links on br0 are one LAN.
    heard() { expect_wire x "$1" "$2" && expect_wire y "$1" "$3" && expect_wire z "$1" "$4"; }
    heard "  gina    >    <online?>" 1 1 1
    heard "$(answer_of g)" 1 1 1
    # g hears b's answer on both its links to br0: it counts once.
    expect_wire x "$(answer_of b)" $((answered + 1))
    expect_line "Data received: $(answer_of b)" g
    sleep 1
    expect_count b "Data received:   gina    >    <online?>" 1
    expect_count g "Data received:   gina    >    <online?>" 1
    expect_count g "Data sent: $(answer_of g)" 1
    transcript_of g
    [[ ${transcript%%$'\n'*} == "$(welcome g)" && $(grep -cF "$(answer_of b)" <<<"$transcript") == 1 ]] ||
        fail "host g does not welcome, or shows b's answer other than once: $transcript"
    # The check from a terminal sees the same: one LAN's second link unused, and the others' answers.
    check_on g 0
    checked "  eth1 10.77.0.17/24 (one LAN with eth0: not used)"
    checked "Own query: came back after"
    for name in bob carol gina; do checked "  $name"; done
    # A reject route in place of the VPN changes nothing.
    ip -n "$run-g" route replace unreachable default
    key_on g ctrl+o
    heard "  SYSTEM  > gina asked: Who is online? " 2 2 2
}

tunnel() {
    # s and t share nothing but a point-to-point tunnel without broadcast, and list each other.
    for host in s t; do
        ip netns add "$run-$host" && namespaces+=("$run-$host") && ip -n "$run-$host" tuntap add dev tun0 mode tun
    done
    ip -n "$run-s" address add 10.90.0.1 peer 10.90.0.2 dev tun0
    ip -n "$run-t" address add 10.90.0.2 peer 10.90.0.1 dev tun0
    ip netns exec "$run-s" "$lan_dir/tunnel.py" "$run-t" & pid[tunnel]=$!
    tunnel_up() { ip -n "$run-$1" link set dev tun0 up && ip -n "$run-$1" link show dev tun0 | grep -q LOWER_UP; }
    for host in s t; do wait_until 20 "host $host's end of the tunnel" tunnel_up "$host"; done
    start_copy s Destinations=10.90.0.2
    expect_line "Data sent:   sam    >    <online?>" s
    start_copy t Destinations=10.90.0.1
    expect_line "Data received:   tom    >    <online?>" s
    expect_line "Data received: $(answer_of s)" t
}

firewall() {
    # h's firewall drops the chat port on input, as ufw's and firewalld's defaults do: said once, and
    # its own line shows unconfirmed while the others get it.
    add_host h routed
    ip netns exec "$run-h" nft -f - <<<'table inet fw { chain input { type filter hook input priority 0; udp dport 54545 drop; }; }'
    blocked=">>> Own messages are not coming back: a firewall on this computer probably blocks UDP port 54545"
    start_copy h
    expect_line "Data sent:   hank    >    <online?>" h
    place_window h ${place[h]}
    wait_until "$(within 5)" "host h's firewall hint" has_line h "$blocked"
    say h "hank here"
    expect_line "Data received:   hank    >    hank here" b
    say b "can hank hear?"
    expect_line "Data received:   bob    >    can hank hear?" c
    check_on h 1
    checked "sudo ufw allow 54545/udp"
    # Three seconds after it went out with nothing back, h's line shows unconfirmed.
    shows_unconfirmed() { transcript_of h && grep -qF "hank here   (not confirmed" <<<"$transcript"; }
    wait_until "$(within 5)" "host h to show its line unconfirmed" shows_unconfirmed
    ip netns exec "$run-h" nft flush ruleset
    say h "open now"
    expect_line ">>> Own messages come back again" h
    expect_count h "$blocked" 1
    ! has_line h "Data received:   bob    >    can hank hear?" || fail "the firewall let a line through"
}

[[ $step == teardown ]] || declare -F "$step" >/dev/null || { echo "$usage: no step $step" >&2 && exit 2; }
lan_fixture lan 2800x1100 "$@"
"$step"
