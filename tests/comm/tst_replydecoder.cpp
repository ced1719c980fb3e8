#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "comm/ModbusRtu.h"
#include "comm/ReplyDecoder.h"
#include "core/CodePage.h"

#include <QTest>

namespace {

const QString kUntouched = QStringLiteral("~");

// A good read reply from slave 1 carrying `data` (register bytes in line order).
QByteArray replyWith(const QByteArray& data) {
    QByteArray frame = QByteArray::fromHex("0103") + char(data.size()) + data + QByteArray(2, 0);
    return CrcAppend(frame);
}

// Register k (from 1) holds 0x40kk: every register and every pair of registers reads as a
// different value whatever type it is taken as.
QByteArray patternData(int registers) {
    QByteArray data;
    for (int k = 1; k <= registers; ++k)
        data += char(0x40) + QByteArray(1, char(k));
    return data;
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
    // One value of each layout, at its register, in its table cell (column, row), for a meter
    // of the firmware `version`.
    void valueTexts_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("reg"); // first register of the value in the reply
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        auto row = [](const char* name, int command, const char* version, int reg,
                      const QByteArray& bytes, const char* table, int column, int line,
                      const QString& text) {
            QTest::newRow(name) << command << QString(version) << reg << bytes << QString(table)
                                << column << line << text;
        };
        auto hex = [](const char* text) { return QByteArray::fromHex(text); };
        auto values = [&](const char* name, int reg, const char* bytes, int column,
                          const char* text) {
            row(name, 12, "1.20", reg, hex(bytes), "MON", column, 2, text);
        };
        values("FLOAT 1.5", 17, "3FC00000", 13, "1.5");
        values("FLOAT 7 digits", 19, "4B3C614E", 14, "1.234568E+07");
        values("U32 all ones", 43, "FFFFFFFF", 26, "-1");
        values("U32 high word first", 45, "00010002", 27, "65538");
        values("U16 unsigned", 16, "FFFF", 12, "65535");
        values("model code", 1, "0014", 2, "20");
        values("version 1.05", 2, "0105", 3, "1.05");
        values("clock", 3, "07D900030007000E00050009", 4, "2009-03-07 14:05:09");
        // A channel probe: the name keeps its zero bytes, the unit text is code page 949.
        row("probe name with zero bytes", 903, "1.20", 1, QByteArray("ABCDE\0\0\0\0\0", 10), "MON",
            41, 2, QString::fromLatin1("ABCDE\0\0\0\0\0", 10));
        row("probe unit in code page 949", 903, "1.20", 6,
            EncodeCp949(QStringLiteral("온도")) + " C", "MON", 42, 2, QStringLiteral("온도 C"));
        row("probe 12 span high", 912, "1.20", 34, hex("3FC00000"), "MON", 100, 2, "1.5");
        row("common first", 100, "1.10", 1, hex("0102"), "P_Common", 1, 1, "258");
        row("common group 1 U32", 100, "1.10", 48, hex("00010002"), "P_Common", 1, 48, "65538");
        row("common group 6 U32", 200, "2.10", 73, hex("00010002"), "P_Common", 1, 68, "65538");
        row("common text 1.10", 100, "1.10", 75, "PLANT1", "P_Common", 1, 69, "PLANT1");
        row("no common text 1.09", 100, "1.09", 75, "PLANT1", "P_Common", 1, 69, kUntouched);
        row("channel 1 name", 101, "1.50", 1, "TEMP1_ABCD", "P_CH", 1, 1, "TEMP1_ABCD");
        row("channel span words 1.49", 101, "1.49", 19, hex("0102"), "P_CH", 1, 13, "258");
        row("channel span float 1.50", 112, "1.50", 19, hex("3FC00000"), "P_CH", 12, 13, "1.5");
        row("channel last U32", 105, "1.50", 92, hex("00010002"), "P_CH", 5, 61, "65538");
    }

    void valueTexts() {
        QFETCH(int, command);
        QFETCH(QString, version);
        QFETCH(int, reg);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, table);
        QFETCH(int, column);
        QFETCH(int, row);
        const int registers = command == 12        ? 47
                              : command > 900      ? 35
                              : command % 100 == 0 ? (version < "1.10" ? 74 : 77)
                                                   : 93;
        QByteArray data = patternData(registers);
        data.replace(2 * (reg - 1), bytes.size(), bytes);
        Bench b;
        b.state.gCurMeter = 1;
        b.state.gSelMeter = 1;
        // The common block follows the addressed meter's own version (its status list text),
        // a channel block the selected meter's.
        b.state.gDeviceVersion = command % 100 == 0 ? 2.0 : version.toDouble();
        b.tables.sprdStatus.setText(4, 2, version);
        DecodeReply(b.state, b.tables, command, replyWith(data));
        const TextTable& t = table == "MON"        ? b.tables.sprdMON
                             : table == "P_Common" ? b.tables.sprdP_Common
                                                   : b.tables.sprdP_CH;
        QTEST(t.text(column, row), "text");
        QCOMPARE(b.tables.sprdMON.text(1, 2), QStringLiteral("OK"));
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

    // However short the frame, each cell written holds what the whole reply gives it (no byte
    // read past the data or from the CRC), and the cells written grow with the frame.
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
