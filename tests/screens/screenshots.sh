#!/usr/bin/env bash
# Screenshots of the chat window with its preferences panel open, in the normal and the inverted
# colour scheme, at 100% and 200% scale, for a person to look at:
#
#   screenshots.sh CORVEL ARTIFACT_DIR
#
# Each copy runs under Xvfb inside a network namespace of its own, so its start-up broadcast
# stays on this machine. Fails when a picture cannot be taken; it never judges the pictures.
set -euo pipefail

corvel=${1:?usage: screenshots.sh CORVEL ARTIFACT_DIR}
artifacts=${2:?usage: screenshots.sh CORVEL ARTIFACT_DIR}
for tool in Xvfb xdotool import unshare ip; do
    command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done
mkdir -p "$artifacts"
work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# -noreset: without it the server resets when one copy exits and refuses the next one meanwhile.
Xvfb -displayfd 3 -screen 0 3200x1600x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in {1..50}; do
    [[ -s $work/display ]] && break
    sleep 0.1
done
display=$(<"$work/display")
[[ -n $display ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$display

shoot() { # name, scale, inverted
    local name=$1 scale=$2 inverted=$3 home=$work/$1
    mkdir -p "$home/Corvel"
    printf '[General]\nUsername=alice\nInverted=%s\npSet1=on my way\n' "$inverted" >"$home/Corvel/Corvel.conf"
    XDG_CONFIG_HOME=$home QT_SCALE_FACTOR=$scale unshare --net -- sh -c \
        'ip link set lo up && ip route add default dev lo && exec "$0"' "$corvel" >"$home/out" 2>&1 &
    local program=$!
    local chat=""
    for _ in {1..100}; do
        chat=$(xdotool search --onlyvisible --pid "$program" 2>/dev/null | head -n 1) && [[ -n $chat ]] && break
        sleep 0.1
    done
    [[ -n $chat ]] || { echo "no window for $name:" >&2; cat "$home/out" >&2; return 1; }
    xdotool windowmove "$chat" 20 20
    xdotool windowactivate --sync "$chat" 2>/dev/null || xdotool windowfocus "$chat"
    xdotool type --delay 20 "hello from the screenshot"
    xdotool key Return key ctrl+comma
    sleep 1.5
    local panel
    panel=$(xdotool search --onlyvisible --name "Preferences" 2>/dev/null | head -n 1 || true)
    eval "$(xdotool getwindowgeometry --shell "$chat")"
    [[ -z $panel ]] || xdotool windowmove "$panel" $((X + WIDTH + 20)) 20
    sleep 0.5
    import -silent -window root "$artifacts/$name.png"
    cp "$home/out" "$artifacts/$name.out"; kill "$program"
    wait "$program" 2>/dev/null || true
    echo "screenshot: $artifacts/$name.png"
}

shoot normal-100 1 false
shoot inverted-100 1 true
shoot normal-200 2 false
shoot inverted-200 2 true
