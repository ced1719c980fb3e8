#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "comm/ModbusRtu.h"
#include "comm/ReplyDecoder.h"
#include "core/CodePage.h"
#include "core/FloatText.h"

#include <QTest>
#include <cstring>

namespace {

const QString kUntouched = QStringLiteral("~");

// A good read reply from slave 1 carrying `data` (register bytes in line order).
QByteArray replyWith(const QByteArray& data) {
    QByteArray frame = QByteArray::fromHex("0103") + char(data.size()) + data + QByteArray(2, 0);
    return CrcAppend(frame);
}

// Register k (from 1) holds 0x40kk: every register and every pair of registers reads as a
// different value whatever type it is taken as.
quint16 raw(int k) {
    return quint16(0x4000 + k);
}
QByteArray patternData(int registers) {
    QByteArray data;
    for (int k = 1; k <= registers; ++k)
        data += char(raw(k) >> 8) + QByteArray(1, char(raw(k) & 0xFF));
    return data;
}

// What the reply's registers read as, by type, worked out here from the raw values.
enum Type { U16, U32, F, C, V, Clk };
QString expectedText(Type type, int k, int last) {
    const quint32 pair = quint32(raw(k)) << 16 | raw(k + 1);
    switch (type) {
    case U16:
        return QString::number(raw(k));
    case U32:
        return QString::number(qint32(pair));
    case F: {
        float f;
        std::memcpy(&f, &pair, 4);
        return FloatToText(f);
    }
    case C:
        return DecodeCp949(patternData(last).mid(2 * (k - 1)));
    case V:
        return QStringLiteral("64.%1").arg(k, 2, 10, QChar(u'0'));
    case Clk:
        return QStringLiteral("%1-%2-%3 %4:%5:%6")
            .arg(raw(k))
            .arg(raw(k + 1))
            .arg(raw(k + 2))
            .arg(raw(k + 3))
            .arg(raw(k + 4))
            .arg(raw(k + 5));
    }
    return {};
}

// A range of registers first..last of one type starting at table slot `slot`: a U16 range
// takes one slot per register, FLOAT and U32 ranges one per two registers, text one in all.
struct Range {
    int first, last;
    Type type;
    int slot;
};
using Cells = QMap<int, QString>; // slot -> text
Cells expand(const QVector<Range>& ranges) {
    Cells cells;
    for (const Range& r : ranges) {
        const int step = r.type == U16 ? 1 : r.type == U32 || r.type == F ? 2 : r.last + 1;
        for (int k = r.first, slot = r.slot; k <= r.last; k += step, ++slot)
            cells[slot] = expectedText(r.type, k, r.last);
    }
    return cells;
}

QVector<TextTable*> decoderTables(DeviceTables& t) {
    return {&t.sprdMON,  &t.sprdStatus,      &t.sprdP_Common,
            &t.sprdP_CH, &t.sprdFormual_Mem, &t.sprdFormual_CH};
}

struct Bench {
    CommState state;
    DeviceTables tables;
    Bench() {
        for (int address : {1, 2, 3, 4})
            tables.appendMeterRow(address);
        for (TextTable* t : decoderTables(tables))
            for (int r = 1; r <= t->rowCount(); ++r)
                for (int c = 1; c <= t->columnCount(); ++c)
                    t->setText(c, r, kUntouched);
        state.gChannelCount = 6;
    }
    // Every written cell as "table column row" -> text.
    QMap<QString, QString> written() const {
        QMap<QString, QString> out;
        const QStringList names{"MON", "Status", "P_Common", "P_CH", "Mem", "CHF"};
        const QVector<TextTable*> list = decoderTables(const_cast<DeviceTables&>(tables));
        for (int i = 0; i < list.size(); ++i)
            for (int r = 1; r <= list[i]->rowCount(); ++r)
                for (int c = 1; c <= list[i]->columnCount(); ++c)
                    if (list[i]->text(c, r) != kUntouched)
                        out[QStringLiteral("%1 %2 %3").arg(names[i]).arg(c).arg(r)] =
                            list[i]->text(c, r);
        return out;
    }
};

} // namespace

class TestReplyDecoder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void valueTexts_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("reg"); // first register of the value in the reply
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("column"); // of the selected meter's present values row
        QTest::addColumn<QString>("text");
        auto row = [](const char* name, int reg, const QByteArray& bytes, int column,
                      const QString& text, int command = 12) {
            QTest::newRow(name) << command << reg << bytes << column << text;
        };
        auto hex = [](const char* text) { return QByteArray::fromHex(text); };
        row("FLOAT 1.5", 17, hex("3FC00000"), 13, "1.5");
        row("FLOAT -0.1", 41, hex("BDCCCCCD"), 25, "-0.1");
        row("FLOAT 7 digits", 19, hex("4B3C614E"), 14, "1.234568E+07");
        row("U32 all ones", 43, hex("FFFFFFFF"), 26, "-1");
        row("U32 high word first", 45, hex("00010002"), 27, "65538");
        row("U16 256", 9, hex("0100"), 5, "256");
        row("U16 unsigned", 16, hex("FFFF"), 12, "65535");
        row("U16 last", 47, hex("0309"), 28, "777");
        row("model code", 1, hex("0014"), 2, "20");
        row("version 1.16", 2, hex("0110"), 3, "1.16");
        row("version 1.05", 2, hex("0105"), 3, "1.05");
        row("version 2.00", 2, hex("0200"), 3, "2.00");
        row("clock", 3, hex("07D900030007000E00050009"), 4, "2009-03-07 14:05:09");
        // Channel 3's probe: the name keeps its zero bytes, the unit text is code page 949.
        row("name with zero bytes", 1, QByteArray("ABCDE\0\0\0\0\0", 10), 41,
            QString::fromLatin1("ABCDE\0\0\0\0\0", 10), 903);
        row("unit in code page 949", 6, EncodeCp949(QStringLiteral("온도")) + " C", 42,
            QStringLiteral("온도 C"), 903);
    }

    void valueTexts() {
        QFETCH(int, command);
        QFETCH(int, reg);
        QFETCH(QByteArray, bytes);
        QFETCH(int, column);
        QByteArray data(2 * (command == 12 ? 47 : 35), '\0');
        data.replace(2 * (reg - 1), bytes.size(), bytes);
        Bench b;
        b.state.gCurMeter = 1;
        DecodeReply(b.state, b.tables, command, replyWith(data));
        QTEST(b.tables.sprdMON.text(column, 2), "text");
        QCOMPARE(b.tables.sprdMON.text(1, 2), QStringLiteral("OK"));
    }

    void layouts_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("meterVersion"); // the current meter's status list text
        QTest::addColumn<double>("deviceVersion");
        QTest::addColumn<int>("registers");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("fixed"); // the row (present values) or column written
        QTest::addColumn<Cells>("cells");

        const Cells present = expand({{1, 1, U16, 2},
                                      {2, 2, V, 3},
                                      {3, 8, Clk, 4},
                                      {9, 16, U16, 5},
                                      {17, 42, F, 13},
                                      {43, 46, U32, 26},
                                      {47, 47, U16, 28}});
        QTest::newRow("present values") << 12 << "1.20" << 1.2 << 47 << "MON" << 3 << present;

        QVector<Range> common{{1, 44, U16, 1}};
        for (int g = 0; g < 6; ++g) {
            common << Range{45 + 5 * g, 47 + 5 * g, U16, 45 + 4 * g};
            common << Range{48 + 5 * g, 49 + 5 * g, U32, 48 + 4 * g};
        }
        const Cells commonShort = expand(common);
        common << Range{75, 77, C, 69};
        const Cells commonLong = expand(common);
        QTest::newRow("common 1.10") << 100 << "1.10" << 1.1 << 77 << "P_Common" << 1 << commonLong;
        QTest::newRow("upload common 2.10")
            << 200 << "2.10" << 2.1 << 77 << "P_Common" << 1 << commonLong;
        // Below 1.1 the text field is not there and row 69 keeps what it had.
        QTest::newRow("common 1.05")
            << 100 << "1.05" << 1.05 << 74 << "P_Common" << 1 << commonShort;
        // The layout follows the addressed meter's own version, not the selected meter's.
        QTest::newRow("common, other meter 1.09")
            << 100 << "1.09" << 2.0 << 77 << "P_Common" << 1 << commonShort;

        const QVector<Range> head{{1, 5, C, 1}, {6, 8, C, 2}, {9, 18, U16, 3}};
        const QVector<Range> tail{{21, 21, U16, 15}, {22, 41, F, 16},   {42, 47, F, 26},
                                  {48, 52, U16, 29}, {53, 54, U32, 34}, {55, 60, F, 35},
                                  {61, 65, U16, 38}, {66, 67, U32, 43}, {68, 73, F, 44},
                                  {74, 78, U16, 47}, {79, 80, U32, 52}, {81, 86, F, 53},
                                  {87, 91, U16, 56}, {92, 93, U32, 61}};
        const Cells words = expand(head + QVector<Range>{{19, 20, U16, 13}} + tail);
        const Cells single = expand(head + QVector<Range>{{19, 20, F, 13}} + tail);
        QTest::newRow("channel 1, 1.49") << 101 << "1.49" << 1.49 << 93 << "P_CH" << 1 << words;
        QTest::newRow("channel 12, 1.5") << 112 << "1.50" << 1.5 << 93 << "P_CH" << 12 << single;
        QTest::newRow("upload channel 7, 2.1")
            << 207 << "2.10" << 2.1 << 93 << "P_CH" << 7 << single;

        Cells probe;
        const Cells p = expand({{1, 5, C, 0},
                                {6, 8, C, 1},
                                {12, 12, U16, 2},
                                {13, 13, U16, 3},
                                {32, 33, F, 4},
                                {34, 35, F, 5}});
        auto shifted = [&](int first) {
            Cells out;
            for (auto it = p.begin(); it != p.end(); ++it)
                out[first + it.key()] = it.value();
            return out;
        };
        QTest::newRow("channel probe 1") << 901 << "1.20" << 1.2 << 35 << "MON" << 3 << shifted(29);
        QTest::newRow("channel probe 12")
            << 912 << "1.20" << 1.2 << 35 << "MON" << 3 << shifted(95);
    }

    void layouts() {
        QFETCH(int, command);
        QFETCH(QString, meterVersion);
        QFETCH(double, deviceVersion);
        QFETCH(int, registers);
        QFETCH(QString, table);
        QFETCH(int, fixed);
        QFETCH(Cells, cells);

        Bench b;
        b.state.gCurMeter = 2;
        b.state.gSelMeter = 2;
        b.state.gDeviceVersion = deviceVersion;
        b.tables.sprdStatus.setText(4, 3, meterVersion);
        const QMap<QString, QString> before = b.written();
        DecodeReply(b.state, b.tables, command, replyWith(patternData(registers)));

        QMap<QString, QString> expected = before;
        expected[QStringLiteral("MON 1 3")] = QStringLiteral("OK");
        for (auto it = cells.begin(); it != cells.end(); ++it) {
            const int column = table == QStringLiteral("MON") ? it.key() : fixed;
            const int row = table == QStringLiteral("MON") ? fixed : it.key();
            expected[QStringLiteral("%1 %2 %3").arg(table).arg(column).arg(row)] = it.value();
        }
        const QMap<QString, QString> got = b.written();
        for (auto it = expected.begin(); it != expected.end(); ++it)
            QCOMPARE(qPrintable(it.key() + u'=' + got.value(it.key())),
                     qPrintable(it.key() + u'=' + it.value()));
        for (auto it = got.begin(); it != got.end(); ++it)
            if (!expected.contains(it.key()))
                QFAIL(qPrintable(
                    QStringLiteral("unexpected cell %1 = %2").arg(it.key(), it.value())));
    }

    void channelCountAndVersionFollowTheSelectedMeter_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("meter");
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("channels");       // gChannelCount afterwards (6 before)
        QTest::addColumn<double>("version");     // gDeviceVersion afterwards (0.5 before)
        QTest::addColumn<QString>("statusText"); // sprdStatus column 3 of the meter
        // The selected meter is index 1; the reply's version bytes are 1 and 20.
        QTest::newRow("probe, selected, 12 ch") << 99 << 1 << 20 << 12 << 1.2 << "20";
        QTest::newRow("probe, selected, 2 ch") << 99 << 1 << 9 << 2 << 1.2 << "9";
        QTest::newRow("probe, selected, 4 ch") << 99 << 1 << 41 << 4 << 1.2 << "41";
        QTest::newRow("probe, selected, unknown model") << 99 << 1 << 30 << 6 << 1.2 << "30";
        QTest::newRow("probe, other meter") << 99 << 3 << 20 << 6 << 0.5 << "20";
        QTest::newRow("values, selected") << 12 << 1 << 0 << 2 << 0.5 << "~";
        QTest::newRow("values, other meter") << 12 << 0 << 20 << 6 << 0.5 << "~";
        QTest::newRow("values, unknown model") << 12 << 1 << 55 << 6 << 0.5 << "~";
    }

    void channelCountAndVersionFollowTheSelectedMeter() {
        QFETCH(int, command);
        QFETCH(int, meter);
        QFETCH(int, model);
        Bench b;
        b.state.gSelMeter = 1;
        b.state.gCurMeter = meter;
        b.state.gDeviceVersion = 0.5;
        QByteArray data(command == 99 ? 4 : 94, '\0');
        data[0] = char(model >> 8);
        data[1] = char(model);
        data[2] = 1;
        data[3] = 20;
        DecodeReply(b.state, b.tables, command, replyWith(data));
        QTEST(b.state.gChannelCount, "channels");
        QTEST(b.state.gDeviceVersion, "version");
        QTEST(b.tables.sprdStatus.text(3, meter + 1), "statusText");
        QCOMPARE(b.tables.sprdStatus.text(4, meter + 1),
                 command == 99 ? QStringLiteral("1.20") : kUntouched);
    }

    void formulaTexts_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("channelTable");
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<int>("texts");
        QTest::addColumn<int>("registersEach");
        QTest::addColumn<int>("length");
        QTest::newRow("memory 1..6") << 250 << false << 1 << 6 << 13 << 13;
        QTest::newRow("memory 7..12") << 350 << false << 7 << 6 << 13 << 13;
        QTest::newRow("channel 1") << 251 << true << 1 << 1 << 50 << 100;
        QTest::newRow("channel 12") << 262 << true << 12 << 1 << 50 << 100;
    }

    void formulaTexts() {
        QFETCH(int, command);
        QFETCH(bool, channelTable);
        QFETCH(int, firstRow);
        QFETCH(int, texts);
        QFETCH(int, registersEach);
        QFETCH(int, length);
        QByteArray data;
        QStringList formulas;
        for (int i = 0; i < texts; ++i) {
            const QByteArray text =
                QByteArray("(CH1+CH2)*0.5/M").left(length - 2) + QByteArray::number(i);
            QByteArray slot = text.leftJustified(2 * registersEach, '\0');
            if (length < slot.size())
                slot[length] = 'X'; // beyond the text: never part of it
            data += slot;
            formulas << QString::fromLatin1(text.leftJustified(length, '\0'));
        }
        Bench b;
        DecodeReply(b.state, b.tables, command, replyWith(data));
        const TextTable& t = channelTable ? b.tables.sprdFormual_CH : b.tables.sprdFormual_Mem;
        for (int row = 1; row <= 12; ++row) {
            const bool written = row >= firstRow && row < firstRow + texts;
            QCOMPARE(t.text(1, row), written ? formulas[row - firstRow] : kUntouched);
        }
    }

    void truncatedRepliesWriteOnlyWhatTheyHold_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("registers");
        QTest::addColumn<double>("version");
        QTest::newRow("status") << 11 << 2 << 1.2;
        QTest::newRow("values") << 12 << 47 << 1.2;
        QTest::newRow("probe") << 99 << 2 << 1.2;
        QTest::newRow("common") << 100 << 77 << 1.2;
        QTest::newRow("channel, words") << 105 << 93 << 1.1;
        QTest::newRow("channel, float") << 212 << 93 << 1.5;
        QTest::newRow("memory formulas") << 250 << 78 << 1.2;
        QTest::newRow("channel formula") << 256 << 50 << 1.2;
        QTest::newRow("channel probe") << 906 << 35 << 1.2;
    }

    // However short the frame, every cell written holds what the whole reply gives it (so no
    // byte was read from beyond the data, nor from the two CRC bytes), and the cells written
    // only grow as the frame grows.
    void truncatedRepliesWriteOnlyWhatTheyHold() {
        QFETCH(int, command);
        QFETCH(int, registers);
        QFETCH(double, version);
        auto decode = [&](const QByteArray& frame) {
            Bench b;
            b.state.gDeviceVersion = version;
            b.tables.sprdStatus.setText(4, 1, QString::number(version, 'f', 2));
            const QMap<QString, QString> before = b.written();
            DecodeReply(b.state, b.tables, command, frame);
            QMap<QString, QString> changed = b.written();
            for (auto it = before.begin(); it != before.end(); ++it)
                if (changed.value(it.key()) == it.value())
                    changed.remove(it.key());
            return changed;
        };
        const QByteArray full = replyWith(patternData(registers));
        const QMap<QString, QString> whole = decode(full);
        QMap<QString, QString> previous;
        for (qsizetype length = 0; length <= full.size(); ++length) {
            QByteArray frame = full.left(length);
            if (length >= 2 && length < full.size()) {
                frame[length - 2] = char(~frame[length - 2]);
                frame[length - 1] = char(~frame[length - 1]);
            }
            const QMap<QString, QString> got = decode(frame);
            for (auto it = got.begin(); it != got.end(); ++it)
                if (whole.value(it.key()) != it.value())
                    QFAIL(qPrintable(QStringLiteral("length %1: %2 = %3, whole reply gives %4")
                                         .arg(length)
                                         .arg(it.key(), it.value(), whole.value(it.key()))));
            for (auto it = previous.begin(); it != previous.end(); ++it)
                if (!got.contains(it.key()))
                    QFAIL(
                        qPrintable(QStringLiteral("length %1 lost %2").arg(length).arg(it.key())));
            previous = got;
        }
        QCOMPARE(previous.size(), whole.size());
        QVERIFY(whole.size() > 1);
    }
};

QTEST_GUILESS_MAIN(TestReplyDecoder)
#include "tst_replydecoder.moc"
