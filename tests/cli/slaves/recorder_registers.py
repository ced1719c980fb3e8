"""Register contents of a paperless recorder as a Modbus slave, for the interop tests.

Written from the recorder's register tables, apart from the program: present values from
30001, common settings from 40001, one block of 93 registers per channel from 40101 + 100 (n - 1),
memory formulas from 47001, channel formulas from 50101 + 100 (n - 1).
"""

import struct

MODEL_CODES = {2: 0, 6: 10, 12: 20, 4: 40}
UNITS = {1: "mV", 2: "%", 3: "degC", 5: "m3/h"}


def _text(registers, first, text, count):
    data = text.encode("ascii").ljust(2 * count, b" ")[: 2 * count]
    for i in range(count):
        registers[first + i] = data[2 * i] << 8 | data[2 * i + 1]


def _float(registers, first, value):
    high, low = struct.unpack(">HH", struct.pack(">f", value))
    registers[first] = high
    registers[first + 1] = low


def present_value(address, channel):
    """The value the slave reports for a channel: easy to recognise in a table."""
    return address * 100 + channel + 0.5


def channel_name(address, channel):
    return "M%d-CH%02d" % (address, channel)


def registers(address, channels, version):
    """All registers of one recorder as {register number: 16-bit value}."""
    major, minor = version.split(".")
    r = {}
    r[30001] = MODEL_CODES[channels]
    r[30002] = int(major) << 8 | int(minor)
    for i, v in enumerate((2026, 1, 2, 3, 4, 5)):
        r[30003 + i] = v
    for reg in range(30009, 30017):
        r[reg] = 0
    for i in range(13):
        _float(r, 30017 + 2 * i, present_value(address, i + 1) if i < channels else 0.0)
    for reg in range(30043, 30048):
        r[reg] = 0
    for reg in range(40001, 40078):
        r[reg] = reg - 40000
    for ch in range(1, 13):
        base = 40000 + 100 * ch
        for k in range(1, 94):
            r[base + k] = 0
        _text(r, base + 1, channel_name(address, ch), 5)
        unit_code = (ch - 1) % 5 + 1
        _text(r, base + 6, UNITS.get(unit_code, ""), 3)
        r[base + 12] = 1  # one decimal
        r[base + 13] = unit_code
        _float(r, base + 32, 0.0)
        _float(r, base + 34, 1000.0)
    for reg in range(47001, 47157):
        r[reg] = 0x2020
    for ch in range(1, 13):
        for k in range(1, 51):
            r[50000 + 100 * ch + k] = 0x2020
    return r
