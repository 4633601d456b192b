#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A program on the LAN that is not Corvel.
--text TEXT | --hex BYTES | --file PATH: broadcasts exactly these bytes as one datagram.
--flood COUNT TEXT: broadcasts the text COUNT times, numbered, ten a millisecond at most.
--paced COUNT PER_SECOND PATH: the file's bytes COUNT times, numbered, PER_SECOND a second.
--answer PATH: after the first presence query it hears, each line of the file as one datagram.
--record FILE: appends "SENDER PAYLOAD-IN-HEX" per datagram received, to FILE-DESTINATION instead
  with BY_DESTINATION=1. --hold: takes the port alone.
Sending goes to TO (255.255.255.255 when unset), from FROM through eth0 when set, which need not be
this host's address.
"""
import os, signal, socket, sys, time

mode, argument = sys.argv[1], sys.argv[-1]
peer = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
if mode == "--hold":
    peer.bind(("", 54545))
    signal.pause()
elif mode == "--record":
    # Shares the port as Corvel does, with room for a burst (up to net.core.rmem_max).
    peer.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    peer.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 8 << 20)
    by_destination = os.environ.get("BY_DESTINATION") == "1"
    peer.setsockopt(socket.IPPROTO_IP, 8, 1)  # IP_PKTINFO: the address each datagram was sent to
    open(argument, "a").close()  # there to be read before anything comes
    peer.bind(("", 54545))
    logs = {}
    while True:
        payload, control, _, (sender, _) = peer.recvmsg(65536, 64)
        destination = next(socket.inet_ntoa(data[8:12]) for level, kind, data in control if kind == 8)
        name = argument + ("-" + destination if by_destination else "")
        log = logs.get(name) or logs.setdefault(name, open(name, "a", encoding="ascii"))
        print(sender, payload.hex(), file=log, flush=True)
elif mode == "--answer":
    peer.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    peer.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
    peer.bind(("", 54545))
    while b"<online?>" not in peer.recv(65536):
        pass
    for line in open(argument, "rb").read().split(b"\n")[:-1]:
        peer.sendto(line, ("255.255.255.255", 54545))
elif mode == "--paced":
    peer.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
    payload, start = open(argument, "rb").read(), time.monotonic()
    for sent in range(int(sys.argv[2])):
        time.sleep(max(0, start + sent / float(sys.argv[3]) - time.monotonic()))
        peer.sendto(payload + b"%d" % sent, ("255.255.255.255", 54545))
else:
    peer.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
    if "FROM" in os.environ:
        peer.setsockopt(socket.IPPROTO_IP, 19, 1)  # IP_TRANSPARENT: any source address, as a forger has
        peer.setsockopt(socket.SOL_SOCKET, socket.SO_BINDTODEVICE, b"eth0")  # a broadcast needs a way out
        peer.bind((os.environ["FROM"], 0))
    read = {"--hex": bytes.fromhex, "--file": lambda path: open(path, "rb").read()}.get(mode, os.fsencode)
    for sent in range(int(sys.argv[2]) if mode == "--flood" else 1):
        payload = read(argument) + (b"%d" % sent if mode == "--flood" else b"")
        peer.sendto(payload, (os.environ.get("TO", "255.255.255.255"), 54545))
        time.sleep(0.001 if sent % 10 == 9 else 0)
