#include "paramset/ParamFields.h"

#include "paramset/ParamImage.h"

#include <cmath>

namespace {

using F = ParamForm;
using W = ParamWidth;

ParamField field(int row, const QByteArray& key, const QByteArray& caption, F form, W width,
                 int offset, int reg) {
    ParamField f;
    f.row = row;
    f.key = QString::fromLatin1(key);
    f.caption = QString::fromUtf8(caption);
    f.form = form;
    f.width = width;
    f.offset = offset;
    f.reg = reg;
    return f;
}

ParamField number(int row, const QByteArray& key, const QByteArray& caption, int offset, int reg) {
    return field(row, key, caption, F::Number, W::I16, offset, reg);
}

ParamField twoState(int row, const QByteArray& key, const QByteArray& caption, int offset, int reg,
                    const char* low = "OFF", const char* high = "ON") {
    ParamField f = field(row, key, caption, F::TwoState, W::I16, offset, reg);
    f.low = QString::fromLatin1(low);
    f.high = QString::fromLatin1(high);
    return f;
}

ParamField chars(int row, const QByteArray& key, const QByteArray& caption, int offset,
                 int characters, int reg) {
    ParamField f = field(row, key, caption, F::Chars, W::Chars, offset, reg);
    f.characters = characters;
    return f;
}

ParamField single(int row, const QByteArray& key, const QByteArray& caption, int offset, int reg) {
    return field(row, key, caption, F::Decimal, W::F32, offset, reg);
}

QVector<ParamField> buildCommon() {
    QVector<ParamField> v;
    v << field(1, "RECORD_ONOFF", "RECORD TO SD CARD", F::RecordSwitch, W::I16, 276, 40001)
      << field(2, "SCREEN_DISPLAY_MODE", "DISPLAY MODE", F::DisplayMode, W::I16, 512, 40002)
      << twoState(3, "RULER_ONOFF", "RULER", 514, 40003)
      << twoState(4, "TEXTBAR_ONOFF", "TEXT BAR", 516, 40004)
      << twoState(5, "ALARM_MARK_ONOFF", "ALARM MARK", 524, 40005)
      << number(6, "SCROLL_SPEED_TIME", "SCROLL SPEED(sec)", 526, 40006)
      << number(7, "TEXTVIEW_WINDOW_NUMBER", "TEXT-VIEW WINDOWS", 518, 40007)
      << twoState(8, "HISTVIEW_SCROLL_DIRECTION", "HISTORY TREND DIRECTION", 538, 40008, "HORIZON",
                  "VERTICAL")
      << twoState(9, "HISTVIEW_READFROM", "HISTORY READ FROM", 536, 40009, "MEMORY", "SD CARD")
      << number(10, "SAVE_PERIOD_TIME", "RECORD PERIOD(sec)", 528, 40010)
      << twoState(11, "BLOCKOUT_RESUME_ONOFF", "POWER FAIL RESUME", 530, 40011)
      << twoState(12, "BEEP_ONOFF", "BEEP", 532, 40012)
      << number(13, "SCREEN_SAVER_TIME", "SCREEN SAVER(min)", 534, 40013)
      << field(14, "RECORD_WITH_BUFFER", "REC. WITH BUFFER", F::DisplayGroup, W::I16, 522, 40014)
      << twoState(15, "BACKGROUND_COLOR", "BACKGROUND COLOR", 554, 40015, "BLACK", "WHITE")
      << twoState(16, "DISPLAY_LANGUAGE", "LANGUAGE", 556, 40016, "KOREAN", "ENGLISH")
      << number(17, "CH_SETUP_PWD", "CH. SETUP PASSWORD", 558, 40017)
      << twoState(18, "RESERVE_RUN_ONOFF", "RESERVED START", 552, 40018);
    const char* const parts[] = {"YEAR", "MONTH", "DAY", "HOUR", "MINUTE", "SECOND"};
    for (int i = 0; i < 6; ++i) {
        const QByteArray key = QByteArray("RESERVE_RUN_") + parts[i];
        const QByteArray caption = QByteArray("RESERVED START ") + parts[i];
        v << number(19 + i, key, caption, 540 + 2 * i, 40019 + i);
    }
    for (int i = 0; i < 6; ++i) {
        const QByteArray key = QByteArray("SYSTEM_DATE_") + parts[i];
        const QByteArray caption = QByteArray("SYSTEM DATE ") + parts[i];
        v << field(25 + i, key, caption, F::DeviceOnly, W::None, 0, 0);
    }
    const struct {
        const char* prefix;
        const char* caption;
        int row, offset, reg;
    } ports[] = {{"RS232", "RS232", 31, 588, 40031}, {"RS485", "RS422/485", 38, 602, 40038}};
    for (const auto& p : ports) {
        const auto key = [&](const char* name) { return QByteArray(p.prefix) + '_' + name; };
        const auto cap = [&](const char* name) { return QByteArray(p.caption) + ' ' + name; };
        v << number(p.row, key("MAC_NUMBER"), cap("MACHINE ADDRESS"), p.offset, p.reg)
          << field(p.row + 1, key("PROTOCOL_CODE"), cap("PROTOCOL"), F::Protocol, W::I16,
                   p.offset + 2, p.reg + 1)
          << field(p.row + 2, key("BAUDRATE_CODE"), cap("BAUD RATE"), F::BaudRate, W::I16,
                   p.offset + 4, p.reg + 2)
          << field(p.row + 3, key("PARITY_BIT"), cap("PARITY"), F::Parity, W::I16, p.offset + 6,
                   p.reg + 3)
          << number(p.row + 4, key("DATA_LENGTH"), cap("DATA LENGTH"), p.offset + 8, p.reg + 4)
          << number(p.row + 5, key("STOP_BIT"), cap("STOP BIT"), p.offset + 10, p.reg + 5)
          << number(p.row + 6, key("DELAY_TIME"), cap("RESP.TIME (ms)"), p.offset + 12, p.reg + 6);
    }
    for (int i = 1; i <= 6; ++i) {
        const int at = ParamLayout::digitalInputOffset(i);
        const int reg = 40045 + 5 * (i - 1);
        const int row = 45 + 4 * (i - 1);
        const QByteArray di = QByteArray("DI0") + char('0' + i);
        const QByteArray cap = QByteArray("D/I ") + char('0' + i);
        v << twoState(row, di + "_LEVEL", cap + " LEVEL", at, reg, "LOW", "HIGH")
          << field(row + 1, di + "_RCD", cap + " RECORD", F::RecordControl, W::I16, at + 2, reg + 1)
          << number(row + 2, di + "_RYO", cap + " RELAY NO.", at + 6, reg + 2)
          << field(row + 3, di + "_RYT", cap + " ON-TIME(sec)", F::Number, W::I32, at + 8, reg + 3);
    }
    v << chars(69, "FILE_PREFIX", "SAVE FILE NAME", ParamLayout::FilePrefix, 6, 40075);
    return v;
}

QVector<ParamField> buildChannel(bool referenceJunction) {
    QVector<ParamField> v;
    v << chars(1, "CH_NAME", "CHANNEL NAME", 216, 10, 1)
      << chars(2, "UNIT_NAME", "UNIT TEXT", 204, 6, 6)
      << field(3, "DISP_ONOFF", "DISPLAY", F::DisplayGroup, W::I16, 0, 9)
      << number(4, "RANGE_CODE", "INPUT TYPE", 4, 10) << twoState(5, "SCALE_ONOFF", "SCALE", 6, 11)
      << number(6, "FP_LOCATE", "DECIMAL POINT", 14, 12) << number(7, "UNIT_MODE", "UNIT", 8, 13)
      << field(8, "READ_MODE", "READ METHOD", F::ReadMode, W::I16, 10, 14)
      << number(9, "READ_TIME", "READ TIME(sec)", 12, 15)
      << field(10, "COLOR", "COLOR", F::Colour, W::I16, 2, 16)
      << twoState(11, "MATH_ONOFF", "MATH.", 56, 17);
    if (referenceJunction) {
        v << field(12, "MATH_FTYPE", "RJC TYPE (Only T/C)", F::ReferenceJunction, W::I16, 58, 18)
          << field(13, "MATH_A_CH", "DIRECT INPUT", F::Tenths, W::F32, 60, 19)
          << field(14, "MATH_B_SELECT", "MATH. β TYPE", F::Unused, W::None, 0, 0)
          << number(15, "MATH_B_CH", "MATH. β CH.", 64, 21);
    } else {
        v << number(12, "MATH_FTYPE", "MATH. TYPE", 58, 18)
          << number(13, "MATH_A_CH", "MATH. α CH.", 60, 19)
          << twoState(14, "MATH_B_SELECT", "MATH. β TYPE", 64, 20, "CHANNEL", "CONSTANT")
          << number(15, "MATH_B_CH", "MATH. β CH.", 62, 21);
    }
    v << single(16, "MATH_B_CONST", "MATH. β CONST", 52, 22)
      << single(17, "USER_RANGE_MAX", "USER RANGE MAX", 16, 24)
      << single(18, "USER_RANGE_MIN", "USER RANGE MIN", 20, 26)
      << single(19, "SCALE_RANGE_MAX", "SCALE RANGE MAX", 24, 28)
      << single(20, "SCALE_RANGE_MIN", "SCALE RANGE MIN", 28, 30)
      << single(21, "DISP_RANGE_MAX", "DISP. RANGE MAX", 32, 32)
      << single(22, "DISP_RANGE_MIN", "DISP. RANGE MIN", 36, 34)
      << single(23, "OFFSET_ERROR", "ADJ. OFFSET", 40, 36)
      << single(24, "HIGHPOINT_ERROR", "ADJ. HIGH POINT", 44, 38)
      << single(25, "LOWPOINT_ERROR", "ADJ. LOW POINT", 48, 40);
    for (int a = 0; a < 4; ++a) {
        const int rec = ParamLayout::AlarmFirst + ParamLayout::AlarmSize * a;
        const int k = 42 + 13 * a;
        const int row = 26 + 9 * a;
        const QByteArray al = QByteArray("ALARM0") + char('1' + a);
        const QByteArray cap = QByteArray("ALARM ") + char('1' + a);
        v << single(row, al + "_SV", cap + " SET VALUE", rec + 16, k)
          << single(row + 1, al + "_HYS", cap + " HYSTERESIS", rec + 20, k + 2)
          << single(row + 2, al + "_RATE", cap + " RATE", rec + 24, k + 4)
          << number(row + 3, al + "_TYPE", cap + " TYPE", rec, k + 6)
          << number(row + 4, al + "_CCH", cap + " WITH CH.", rec + 2, k + 7)
          << field(row + 5, al + "_TUNIT", cap + " RATE TIME UNIT", F::TimeUnit, W::I16, rec + 4,
                   k + 8)
          << field(row + 6, al + "_RCD", cap + " RECORD", F::RecordControl, W::I16, rec + 6, k + 9)
          << number(row + 7, al + "_RYO", cap + " RELAY NO.", rec + 10, k + 10)
          << field(row + 8, al + "_RYT", cap + " ON-TIME(sec)", F::Number, W::I32, rec + 12,
                   k + 11);
    }
    return v;
}

} // namespace

int ParamField::registerCount() const {
    switch (width) {
    case ParamWidth::I16:
        return 1;
    case ParamWidth::I32:
    case ParamWidth::F32:
        return 2;
    case ParamWidth::Chars:
        return characters / 2;
    case ParamWidth::None:
        break;
    }
    return 0;
}

int ParamField::byteCount() const {
    return width == ParamWidth::Chars ? 2 * characters : 2 * registerCount();
}

const QVector<ParamField>& CommonFields() {
    static const QVector<ParamField> fields = buildCommon();
    return fields;
}

const QVector<ParamField>& ChannelFields(int versionHundredths) {
    static const QVector<ParamField> before = buildChannel(false);
    static const QVector<ParamField> from = buildChannel(true);
    return versionHundredths >= VersionReferenceJunction ? from : before;
}

int VersionHundredths(double version) {
    if (!std::isfinite(version) || version <= 0)
        return 0;
    return int(std::lround(std::min(version, 1.0e6) * 100.0));
}
