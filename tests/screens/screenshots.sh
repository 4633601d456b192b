#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# screenshots.sh CORVEL ARTIFACT_DIR: the chat window with its preferences panel open, normal,
# inverted and in German, at 100% and 200%, for a person to look at. Each copy runs in a network
# namespace of its own, so its start-up broadcast stays on this machine.
set -euo pipefail
corvel=${1:?usage: screenshots.sh CORVEL ARTIFACT_DIR} artifacts=${2:?usage: screenshots.sh CORVEL ARTIFACT_DIR}
fail() { echo "screenshots: $*" >&2; exit 1; }
lib=$(dirname "$0")/../../scripts/lib
source "$lib/processes.sh"
source "$lib/display.sh"
work=$(mktemp -d)
trap '[[ -n ${xvfb_pid:-} ]] && stop "$xvfb_pid"; rm -rf "$work"' EXIT
mkdir -p "$artifacts"
start_display "$work" 3200x1600

shoot() { # name, scale, inverted
    local home=$work/$1
    mkdir -p "$home/Corvel"
    printf '[General]\nUsername=alice\nInverted=%s\npSet1=on my way\n' "$3" >"$home/Corvel/Corvel.conf"
    XDG_CONFIG_HOME=$home QT_SCALE_FACTOR=$2 "${in_private_network[@]}" "$corvel" >"$artifacts/$1.out" 2>&1 &
    local program=$! chat panel
    chat=$(mapped_window "$program" 10)
    xdotool windowmove "$chat" 20 20 windowfocus --sync "$chat" type --delay 20 "hello from the screenshot"
    xdotool key Return ctrl+comma
    sleep 1.5
    panel=$(xdotool search --onlyvisible --name "Preferences|Einstellungen" | head -n 1 || true)
    eval "$(xdotool getwindowgeometry --shell "$chat")"
    [[ -z $panel ]] || xdotool windowmove "$panel" $((X + WIDTH + 20)) 20
    sleep 0.5
    import -silent -window root "$artifacts/$1.png"
    stop "$program"
}

for scale in 100 200; do
    shoot normal-$scale $((scale / 100)) false
    shoot inverted-$scale $((scale / 100)) true
    LANGUAGE=de shoot german-$scale $((scale / 100)) false # among the longest words of the languages
done
