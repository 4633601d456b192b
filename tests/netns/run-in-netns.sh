#!/bin/sh
# Runs a test inside a network namespace of its own: loopback up and a default route through it,
# so that broadcasts to 255.255.255.255 reach every socket in the namespace and nothing leaves
# the machine. Fails, never skips, when the namespace cannot be made.
set -eu
exec unshare --net -- sh -c 'ip link set lo up && ip route add default dev lo && exec "$@"' netns-test "$@"
