"""A small Modbus RTU slave of the tests' own: a bus of recorders on RTU frames over TCP
(127.0.0.1), with faults that real lines have. Function 3 only; a request to an address
that is not on the bus, or to address 0, gets no answer.

Usage: rtu_slave.py [options] ADDRESS:CHANNELS:VERSION ...
  --cut ADDRESS:REGISTER:BYTES    every reply to a read from REGISTER is cut to BYTES bytes
  --drop ADDRESS:REGISTER:TIMES[:COUNT]
                                  the first TIMES reads from REGISTER (of COUNT registers, when
                                  given) get no answer
  --mute ADDRESS:FIRST:COUNT      requests FIRST .. FIRST+COUNT-1 to ADDRESS (counted from 1)
                                  get no answer; COUNT 0: none from FIRST on
  --junk                          streams random bytes to every client instead of answering
  --close-mid-frame ADDRESS:REGISTER
                                  sends half the reply to a read from REGISTER, then closes
Prints "PORT n" once it listens, and each request it gets as "REQ hex" on standard error.
"""

import os
import random
import socket
import sys
import threading

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import recorder_registers


def crc16(data):
    crc = 0xFFFF
    for byte in data:
        crc ^= byte
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return bytes((crc & 0xFF, crc >> 8))


class Bus:
    def __init__(self, meters):
        self.banks = {}
        for spec in meters:
            address, channels, version = spec.split(":")
            self.banks[int(address)] = recorder_registers.registers(
                int(address), int(channels), version)
        self.cut = {}
        self.drop = {}
        self.mute = {}
        self.close_mid = set()
        self.junk = False
        self.requests = {}
        self.lock = threading.Lock()

    def reply(self, frame):
        """The bytes to send for a request; None for no answer; ("close", bytes) to close."""
        address, function = frame[0], frame[1]
        start = frame[2] << 8 | frame[3]
        count = frame[4] << 8 | frame[5]
        with self.lock:
            n = self.requests.get(address, 0) + 1
            self.requests[address] = n
            if address not in self.banks or function != 3:
                return None
            first, length = self.mute.get(address, (0, -1))
            if first and n >= first and (length == 0 or n < first + length):
                return None
            for key in ((address, start, count), (address, start, None)):
                left = self.drop.get(key, 0)
                if left > 0:
                    self.drop[key] = left - 1
                    return None
        bank = self.banks[address]
        if any(start + i not in bank for i in range(count)):
            body = bytes((address, 0x83, 2))
            return body + crc16(body)
        data = b"".join(bank[start + i].to_bytes(2, "big") for i in range(count))
        body = bytes((address, 3, 2 * count)) + data
        out = body + crc16(body)
        if (address, start) in self.close_mid:
            return ("close", out[: len(out) // 2])
        if (address, start) in self.cut:
            out = out[: self.cut[(address, start)]]
        return out


def serve(conn, bus):
    pending = b""
    try:
        if bus.junk:
            rng = random.Random(7)
            while True:
                conn.sendall(bytes(rng.getrandbits(8) for _ in range(4096)))
        while True:
            data = conn.recv(4096)
            if not data:
                return
            pending += data
            while len(pending) >= 8:
                if crc16(pending[:6]) != pending[6:8]:
                    pending = pending[1:]  # not a request: look for the next one
                    continue
                frame, pending = pending[:8], pending[8:]
                sys.stderr.write("REQ %s\n" % frame.hex())
                sys.stderr.flush()
                out = bus.reply(frame)
                if isinstance(out, tuple):
                    conn.sendall(out[1])
                    conn.close()
                    return
                if out:
                    conn.sendall(out)
    except OSError:
        pass
    finally:
        conn.close()


def main(args):
    meters = []
    bus_options = []
    i = 0
    while i < len(args):
        if args[i] == "--junk":
            bus_options.append(("junk", None))
        elif args[i].startswith("--"):
            bus_options.append((args[i][2:], args[i + 1]))
            i += 1
        else:
            meters.append(args[i])
        i += 1
    bus = Bus(meters)
    for name, value in bus_options:
        parts = [int(p) for p in value.split(":")] if value else []
        if name == "junk":
            bus.junk = True
        elif name == "cut":
            bus.cut[(parts[0], parts[1])] = parts[2]
        elif name == "drop":
            bus.drop[(parts[0], parts[1], parts[3] if len(parts) > 3 else None)] = parts[2]
        elif name == "mute":
            bus.mute[parts[0]] = (parts[1], parts[2])
        elif name == "close-mid-frame":
            bus.close_mid.add((parts[0], parts[1]))
        else:
            sys.exit("unknown option --%s" % name)
    server = socket.socket()
    server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    server.bind(("127.0.0.1", 0))
    server.listen(4)
    print("PORT %d" % server.getsockname()[1], flush=True)
    while True:
        conn, _ = server.accept()
        conn.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        threading.Thread(target=serve, args=(conn, bus), daemon=True).start()


if __name__ == "__main__":
    main(sys.argv[1:])
