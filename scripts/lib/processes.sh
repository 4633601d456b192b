# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by the test scripts: bounded waits and the processes they start. The caller defines
# fail MESSAGE, which must not return.

now_ms() {
    local micro=${EPOCHREALTIME/[.,]/}
    echo $((micro / 1000))
}

# Milliseconds in a number of seconds such as 2 or 0.5.
ms_of() {
    local whole=${1%.*} fraction=000
    [[ $1 == *.* ]] && fraction=${1#*.}000
    echo $((10#${whole:-0} * 1000 + 10#${fraction:0:3}))
}

# A process that has ended but was not yet reaped still has a pid: it counts as ended.
is_running() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [[ ${stat:0:1} != Z ]]
}

has_ended() { ! is_running "$1"; }

# Ends one process that this script started: politely first, then for sure.
stop() {
    kill "$1" 2>/dev/null || return 0
    for _ in {1..50}; do
        is_running "$1" || break
        sleep 0.1
    done
    kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# Polls a condition until it holds; every wait is bounded. SECONDS may have a fraction.
wait_until() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$(($(now_ms) + $(ms_of "$seconds")))
    until "$@"; do
        (($(now_ms) < deadline)) || fail "waited ${seconds} s for $what"
        sleep 0.05
    done
}
