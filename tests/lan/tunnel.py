#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Run in one network namespace, with another's name: joins their tun0 devices, a link without broadcast."""
import ctypes, fcntl, os, select, struct, sys


def attach():  # tun0 of the namespace the process is in: TUNSETIFF with IFF_TUN | IFF_NO_PI
    device = os.open("/dev/net/tun", os.O_RDWR)
    fcntl.ioctl(device, 0x400454CA, struct.pack("16sH", b"tun0", 0x1001))
    return device


ends = [attach()]
ctypes.CDLL(None).setns(os.open(f"/run/netns/{sys.argv[1]}", os.O_RDONLY), 0x40000000)
ends.append(attach())
while True:
    for ready in select.select(ends, [], [])[0]:
        packet = os.read(ready, 65536)
        try:  # an end that is not up yet loses it, as a real link would
            os.write(ends[ready == ends[0]], packet)
        except OSError:
            pass
