#!/usr/bin/python3
"""A program on the LAN that is not Corvel, for the end-to-end tests.

  foreign_peer.py --text TEXT | --hex BYTES | --file PATH
      broadcasts exactly these bytes as one datagram to 255.255.255.255:54545; empty hex sends
      an empty datagram, what no copy ever sends
  foreign_peer.py --record FILE
      until ended, appends a line per datagram received: the sender's address, a blank, the
      payload in hex
  foreign_peer.py --hold
      takes the chat port for itself, sharing it with nobody, until ended
"""
import os
import signal
import socket
import sys

mode, argument = sys.argv[1], sys.argv[-1]
peer = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
if mode == "--hold":
    peer.bind(("", 54545))
    signal.pause()
elif mode == "--record":
    # Shares the port as Corvel does. A burst must not push out of the buffer what the copies say
    # meanwhile; the kernel caps the size at net.core.rmem_max.
    peer.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    peer.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 8 << 20)
    peer.bind(("", 54545))
    with open(argument, "a", encoding="ascii") as log:
        while True:
            payload, (sender, _) = peer.recvfrom(65536)
            print(sender, payload.hex(), file=log, flush=True)
else:
    if mode == "--file":
        with open(argument, "rb") as file:
            payload = file.read()
    else:
        payload = bytes.fromhex(argument) if mode == "--hex" else os.fsencode(argument)
    peer.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
    peer.sendto(payload, ("255.255.255.255", 54545))
