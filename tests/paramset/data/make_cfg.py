#!/usr/bin/env python3
"""Builds the reference parameter files of the parameter-set tests from the file layout
itself, apart from the program's code, so that a layout mistake in the program cannot cancel
out here. For every model and firmware below it writes

  pCC_VVV.CFG     a parameter file: 512-byte header, 4320-byte image and, from firmware 1.16,
                  the formulas of channels 1 to 6; every byte that no field names holds a
                  pattern, so that a program which does not keep reserved bytes is caught
  pCC_VVV.expect  the text each named row must show, one "where<TAB>key<TAB>text" per line
                  (where: "common", "CH.nn", "MEM.nn" or "FCH.nn" for the formulas)

Run it from this folder: python3 make_cfg.py
"""
import struct

SETS = [(2, 105), (2, 150), (4, 110), (4, 116), (4, 200), (6, 115), (6, 210), (12, 105), (12, 120),
        (12, 150)]
MODEL = {2: 0, 6: 1, 12: 2, 4: 4}
HEADER, IMAGE, FORMULA = 512, 4320, 126
COLOURS = [0x001F, 0x07E0, 0x07FF, 0xF800, 0xF81F, 0xFDA0, 0x000F, 0x03E0, 0x03EF, 0x7800,
           0xE01C, 0x7BE0]


def pattern(size, seed):
    return bytearray((i * 7 + seed) & 0xFF for i in range(size))


class Image:
    def __init__(self):
        self.b = pattern(IMAGE, 3)
        self.named = bytearray(IMAGE)  # 1 where a field lies

    def put(self, offset, data):
        self.b[offset:offset + len(data)] = data
        for i in range(len(data)):
            self.named[offset + i] = 1

    def i16(self, offset, v):
        self.put(offset, struct.pack("<h", v) if v < 0x8000 else struct.pack("<H", v))

    def i32(self, offset, v):
        self.put(offset, struct.pack("<i", v))

    def f32(self, offset, v):
        self.put(offset, struct.pack("<f", v))

    def chars(self, offset, slots, text, wide=False):
        """One character code per 2-byte slot, low byte first; `wide` stores a double-byte
        character as one 16-bit code (lead byte high), as some older files have it."""
        raw = text.encode("cp949")
        out = bytearray()
        i = 0
        while i < len(raw):
            if wide and raw[i] >= 0x81 and i + 1 < len(raw):
                out += struct.pack("<H", raw[i] << 8 | raw[i + 1])
                i += 2
            else:
                out += bytes([raw[i], 0])
                i += 1
        out = out.ljust(2 * slots, b"\0")
        assert len(out) == 2 * slots
        self.put(offset, out)


def build(channels, version):
    img = Image()
    expect = []

    def common(key, offset, value, text, width="i16"):
        getattr(img, width)(offset, value)
        expect.append(("common", key, text))

    groups = channels > 6
    formulas = version >= 116
    rjc = version >= 150

    common("RECORD_ONOFF", 276, 1, "ON")
    if formulas:  # the second code of a mode reads as the mode
        common("SCREEN_DISPLAY_MODE", 512, 2, "H.TREND")
    else:
        common("SCREEN_DISPLAY_MODE", 512, 6, "BAR GRAPH")
    common("RULER_ONOFF", 514, 0, "OFF")
    common("TEXTBAR_ONOFF", 516, 5, "ON")  # any value from 1 is on
    common("ALARM_MARK_ONOFF", 524, 1, "ON")
    common("SCROLL_SPEED_TIME", 526, 10, "10")
    common("TEXTVIEW_WINDOW_NUMBER", 518, 4, "4")
    common("HISTVIEW_SCROLL_DIRECTION", 538, 1, "VERTICAL")
    common("HISTVIEW_READFROM", 536, 0, "MEMORY")
    common("SAVE_PERIOD_TIME", 528, 900, "900")
    common("BLOCKOUT_RESUME_ONOFF", 530, 1, "ON")
    common("BEEP_ONOFF", 532, -1, "OFF")
    common("SCREEN_SAVER_TIME", 534, 120, "120")
    if groups:
        common("RECORD_WITH_BUFFER", 522, 2, "GROUP 2")
    else:
        common("RECORD_WITH_BUFFER", 522, 1, "ON")
    common("BACKGROUND_COLOR", 554, 1, "WHITE")
    common("DISPLAY_LANGUAGE", 556, 0, "KOREAN")
    common("CH_SETUP_PWD", 558, 9999, "9999")
    common("RESERVE_RUN_ONOFF", 552, 0, "OFF")
    for i, (key, v) in enumerate([("YEAR", 2026), ("MONTH", 6), ("DAY", 1), ("HOUR", 8),
                                  ("MINUTE", 30), ("SECOND", 0)]):
        common("RESERVE_RUN_" + key, 540 + 2 * i, v, str(v))
    for port, base, mac, baud, parity, stop, delay in [("RS232", 588, 1, 2, 2, 1, 20),
                                                         ("RS485", 602, 17, 3, 0, 2, 0)]:
        common(port + "_MAC_NUMBER", base, mac, str(mac))
        common(port + "_PROTOCOL_CODE", base + 2, 0, "Modbus RTU")
        common(port + "_BAUDRATE_CODE", base + 4, baud, ["9600", "19200", "38400", "57600"][baud])
        common(port + "_PARITY_BIT", base + 6, parity, ["NONE", "ODD", "EVEN"][parity])
        common(port + "_DATA_LENGTH", base + 8, 8, "8")
        common(port + "_STOP_BIT", base + 10, stop, str(stop))
        common(port + "_DELAY_TIME", base + 12, delay, str(delay))
    for i in range(6):
        di = 616 + 12 * i
        name = "DI%02d" % (i + 1)
        common(name + "_LEVEL", di, i % 2, ["LOW", "HIGH"][i % 2])
        rcd, rcd_text = [(0, "STOP"), (1, "START"), (127, "BYPASS"), (2, "BYPASS"), (1, "START"),
                         (0, "STOP")][i]
        common(name + "_RCD", di + 2, rcd, rcd_text)
        common(name + "_RYO", di + 6, i, str(i))
        common(name + "_RYT", di + 8, 100000 * i + 7, str(100000 * i + 7), "i32")
    prefix = "PLANT1" if channels != 4 else "AB"
    img.chars(688, 6, prefix)
    expect.append(("common", "FILE_PREFIX", prefix))

    names = ["BOILER-IN", "STEAM", "온도", "FLUE-GAS12", "A", "ROOM-RH", "TANK-A", "FEED-P",
             "OVEN-2", "MOTOR-V", "OIL", "압력"]
    units = ["", "", "bar", "", "", "%RH", "", "kPa", "", "", "", "MPa"]
    floats = [(-270.0, "-270"), (1372.0, "1372"), (0.1, "0.1"), (1234567.0, "1234567"),
              (12345678.0, "1.234568E+07"), (-0.001, "-0.001"), (16.0, "16"), (2.5, "2.5"),
              (-50.0, "-50"), (100.0, "100")]
    for n in range(1, 13):
        rec = 720 + 300 * (n - 1)
        ch = "CH.%02d" % n
        shown = n <= channels

        def field(key, offset, value, text, width="i16"):
            getattr(img, width)(rec + offset, value)
            if shown:
                expect.append((ch, key, text))

        img.chars(rec + 216, 10, names[n - 1], wide=(n == 12 and version == 120))
        img.chars(rec + 204, 6, units[n - 1])
        if shown:
            expect.append((ch, "CH_NAME", names[n - 1]))
            expect.append((ch, "UNIT_NAME", units[n - 1]))
        if groups:
            code = [1, 2, 3, 0][(n - 1) % 4]
            field("DISP_ONOFF", 0, code, ["", "GROUP 1", "GROUP 2", "ALL"][code])
        else:
            field("DISP_ONOFF", 0, n % 2, ["OFF", "ON"][n % 2])
        field("RANGE_CODE", 4, [1, 14, 19, 2, 18, 17][(n - 1) % 6], str([1, 14, 19, 2, 18, 17][(n - 1) % 6]))
        field("SCALE_ONOFF", 6, n % 2, ["OFF", "ON"][n % 2])
        field("FP_LOCATE", 14, n % 5, str(n % 5))
        field("UNIT_MODE", 8, n % 6, str(n % 6))
        field("READ_MODE", 10, n % 4, ["DIRECT", "MAX", "MIN", "AVG"][n % 4])
        field("READ_TIME", 12, n, str(n))
        if n == 5:
            field("COLOR", 2, 0x1234, "")  # none of the twelve colours
        else:
            field("COLOR", 2, COLOURS[(n + 3) % 12], str((n + 3) % 12))
        field("MATH_ONOFF", 56, 1 if n == 2 else 0, "ON" if n == 2 else "OFF")
        if rjc:
            code = [0, 1, 4, 13][(n - 1) % 4]
            field("MATH_FTYPE", 58, code,
                  ["IN.SENSOR", "DIRECT INPUT", "CH03", "CH12"][(n - 1) % 4])
            field("MATH_A_CH", 60, 23.45 if n == 1 else -5.0,
                  "23.5" if n == 1 else "-5.0", "f32")  # over the bytes 60..63
            field("MATH_B_CH", 64, n + 1, str(n + 1))  # the place row 14 leaves free
        else:
            field("MATH_FTYPE", 58, n % 15, str(n % 15))
            field("MATH_A_CH", 60, n, str(n))
            field("MATH_B_SELECT", 64, n % 2, ["CHANNEL", "CONSTANT"][n % 2])
            field("MATH_B_CH", 62, 13 - n, str(13 - n))
        field("MATH_B_CONST", 52, 1.5, "1.5", "f32")
        for i, key in enumerate(["USER_RANGE_MAX", "USER_RANGE_MIN", "SCALE_RANGE_MAX",
                                 "SCALE_RANGE_MIN", "DISP_RANGE_MAX", "DISP_RANGE_MIN",
                                 "OFFSET_ERROR", "HIGHPOINT_ERROR", "LOWPOINT_ERROR"]):
            value, text = floats[(i + n) % len(floats)]
            field(key, 16 + 4 * i, value, text, "f32")
        for k in range(4):
            al = 92 + 28 * k
            name = "ALARM%02d" % (k + 1)
            field(name + "_SV", al + 16, 50.5 + k, "%g" % (50.5 + k), "f32")
            field(name + "_HYS", al + 20, 0.25, "0.25", "f32")
            field(name + "_RATE", al + 24, 12.125, "12.125", "f32")
            field(name + "_TYPE", al, (3 * k + n) % 16, str((3 * k + n) % 16))
            field(name + "_CCH", al + 2, n, str(n))
            unit = [0, 1, 2, 7][k]
            field(name + "_TUNIT", al + 4, unit, ["HOUR", "MIN.", "SEC.", "SEC."][k])
            rcd = [0, 1, 127, 1][k]
            field(name + "_RCD", al + 6, rcd, ["STOP", "START", "BYPASS", "START"][k])
            field(name + "_RYO", al + 10, k, str(k))
            field(name + "_RYT", al + 12, 70000 + k, str(70000 + k), "i32")

    header = pattern(HEADER, 11)
    header[16:20] = bytes([MODEL[channels], 0, version // 100, version % 100])
    data = bytes(header) + bytes(img.b)
    if formulas:
        for n in range(1, 7):
            chf = ["CH01*1.8+32", "(CH01+CH02)/2", "SQRT(CH03)", "", "CH05-CH06",
                   "LOG(CH06)*10"][n - 1]
            mem = ["(CH01+CH02)/2", "CH01-CH02", "", "M01*2", "CH05", "CH06/3"][n - 1]
            rec = bytearray()
            for text, regs in [(chf, 50), (mem, 13)]:
                raw = text.encode("ascii").ljust(2 * regs, b"\0")
                for j in range(regs):  # text order is high byte first, stored low byte first
                    rec += bytes([raw[2 * j + 1], raw[2 * j]])
            assert len(rec) == FORMULA
            data += bytes(rec)
            if n <= channels:
                expect.append(("FCH.%02d" % n, "", chf))
                expect.append(("MEM.%02d" % n, "", mem))
    assert len(data) == (5588 if formulas else 4832)
    return data, expect


def main():
    for channels, version in SETS:
        data, expect = build(channels, version)
        stem = "p%02d_%03d" % (channels, version)
        with open(stem + ".CFG", "wb") as f:
            f.write(data)
        with open(stem + ".expect", "w", encoding="utf-8", newline="\n") as f:
            for where, key, text in expect:
                f.write("%s\t%s\t%s\n" % (where, key, text))


if __name__ == "__main__":
    main()
