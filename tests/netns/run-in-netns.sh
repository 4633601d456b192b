#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test inside a network namespace of its own: loopback up with a default route through it, and one LAN interface
# (lan0, a veth whose peer lan1 stays in the namespace), so that broadcasts to 255.255.255.255 reach every socket in the
# namespace and nothing leaves the machine. Fails, never skips, when the namespace cannot be made.
set -eu
exec unshare --net -- sh -c 'ip link set lo up && ip route add default dev lo &&
    ip link add lan0 type veth peer name lan1 && ip address add 10.99.0.1/24 dev lan0 &&
    ip link set lan0 up && ip link set lan1 up && exec "$@"' netns-test "$@"
