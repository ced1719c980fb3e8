#!/usr/bin/env python3
"""Builds the reference data files of the logging tests from the file layout itself, apart
from the program's code, so that a layout mistake in the program cannot cancel out here.

  header.golden   the header of the row that tst_datafile fills in
  record.golden   the record of that row at 2009-03-07 14:05:09
  sample.TDD      a small six-channel data file for the export and info tests
"""
import struct

MAGIC = b"TD700 LOG DATA\0\0"


def single(v):
    return struct.pack(">f", v)


def channel_entry(unit, high, low, name, decimals):
    e = b"\0\0" + unit.ljust(6, b"\0") + single(high) + single(low)
    e += name.ljust(10, b"\0") + bytes([decimals]) + b"\0" * 13
    assert len(e) == 40
    return e


def header(model_code, layout, channels):
    h = MAGIC + bytes([model_code // 10, model_code % 10, layout // 100, layout % 100])
    h += b"\0" * 12
    for c in channels:
        h += channel_entry(*c)
    h += channel_entry(b"V", 0.0, 0.0, b"", 0) * (12 - len(channels))
    assert len(h) == 512
    return h


def stamp(y, mo, d, h, mi, s):
    return struct.pack(">I", (y - 2000) << 26 | mo << 22 | d << 17 | h << 12 | mi << 6 | s)


def record(ts, values, w6, w7, di, alarm1_4, relay, alarm9_12, alarm5_8):
    r = ts + b"".join(single(v) for v in values) + b"\0" * 0
    r += b"".join(single(0.0) for _ in range(12 - len(values)))
    r += bytes([w6 % 256, (w6 // 256 + 4 * (w7 % 4)) % 256, (w7 // 4) % 256, di % 256])
    r += struct.pack("<HHHH", alarm1_4, relay, alarm9_12, alarm5_8)
    assert len(r) == 64
    return r


# The row of tst_datafile: a twelve-channel meter, parameter layout 1.08.
golden_channels = [
    (b"`C", 150.5, -50.0, b"TEMP1", 1),          # unit code 3
    (b"mV", 20.0, 0.0, b"IN-2", 2),              # unit code 1
    (b"m3/h", 1000.0, 0.0, b"FLOW", 0),          # unit code 5, own text
    (b"%", 100.0, 0.0, b"HUMID", 1),             # unit code 2
    (b"`F", 212.0, 32.0, b"OVEN", 3),            # unit code 4
    (b"V", 10.0, -10.0, b"", 4),                 # unit code 0
    (b"", 0.0, 0.0, b"", 0),                     # unit code 9: nothing built before
    ("kg".encode(), 2.5, 1.5, "온도".encode("cp949"), 1),  # Korean name, 4 bytes
]
with open("header.golden", "wb") as f:
    f.write(header(20, 108, golden_channels))
with open("record.golden", "wb") as f:
    f.write(record(stamp(2009, 3, 7, 14, 5, 9),
                   [1.5, -2.25, 100.0, 0.1, 12345.67, -0.0, 3.0e-5, 250.0, 1e10, 7.0, 8.0, 9.0],
                   0x0ABC, 0x0123, 0x8025, 0x1234, 0x0F0F, 0x8001, 0x00FF))

# The sample for export and info: a six-channel meter (model 10), layout 1.07, three records.
sample_channels = [
    (b"`C", 100.0, 0.0, b"TEMP,1", 1),
    (b"m3/h", 50.0, 0.0, b'FLOW "A"', 2),
    (b"%", 100.0, 0.0, "습도".encode("cp949"), 0),
    (b"V", 5.0, -5.0, b"", 3),
    (b"mV", 20.0, 0.0, b"CH5", 1),
    (b"`F", 500.0, 0.0, b"CH6", 0),
]
with open("sample.TDD", "wb") as f:
    f.write(header(10, 107, sample_channels))
    f.write(record(stamp(2009, 3, 7, 14, 5, 0), [21.5, 12.25, 55.0, -1.5, 4.0, 98.6],
                   0, 0, 0x01, 0, 0, 0, 0))
    # channel 2 state 1, channel 5 state 3; alarm 1 of channel 1, alarms 2 and 4 of
    # channel 6; inputs 1 and 6; relays 2 and 6.
    f.write(record(stamp(2009, 3, 7, 14, 5, 7), [21.75, 0.1, 56.0, -1.25, 4.5, 99.0],
                   0, 0b11_0000_0100, 0b10_0001, 0x0001, 0b10_0010, 0, 0b1010_0000))
    f.write(record(stamp(2009, 3, 7, 14, 5, 14), [1e7, 3.0e-5, 57.0, 0.0, 5.0, 99.5],
                   0, 0, 0, 0, 0, 0, 0))

# What the export must make of sample.TDD, field by field.
titles = ["Time", '"CH1 TEMP,1 (°C)"', '"CH2 FLOW ""A"" (m3/h)"', "CH3 습도 (%)", "CH4 (V)",
          "CH5 CH5 (mV)", "CH6 CH6 (°F)"]
titles += [f"CH{c} State" for c in range(1, 7)] + [f"CH{c} Alarm" for c in range(1, 7)]
titles += ["DI", "Relay"]
# Values carry their channel's decimal places, rounded half away from zero (21.75 -> 21.8,
# 99.5 -> 100); a channel whose state is not 0 has an empty value cell.
rows = [
    ["2009-03-07 14:05:00", "21.5", "12.25", "55", "-1.500", "4.0", "99",
     "0", "0", "0", "0", "0", "", "", "", "", "", "", "", "1", ""],
    ["2009-03-07 14:05:07", "21.8", "", "56", "-1.250", "", "99",
     "0", "1", "0", "0", "3", "", "1", "", "", "", "", "2 4", "1 6", "2 6"],
    ["2009-03-07 14:05:14", "10000000.0", "0.00", "57", "0.000", "5.0", "100",
     "0", "0", "0", "0", "0", "", "", "", "", "", "", "", "", ""],
]
with open("sample.csv", "wb") as f:
    f.write(("\r\n".join(",".join(r) for r in [titles] + rows) + "\r\n").encode("utf-8"))
