#include "comm/DeviceTables.h"
#include "core/TextTable.h"
#include "monitor/MultiGrid.h"

#include <QTest>

Q_DECLARE_METATYPE(MultiGrid::Kind)

namespace {

using Kind = MultiGrid::Kind;
constexpr int Black = MultiGrid::Black, White = MultiGrid::White, Red = MultiGrid::Red,
              Green = MultiGrid::Green, LightGreen = MultiGrid::LightGreen;

// A laid-out grid of one kind over meter tables of its own.
struct Grid {
    MultiGrid logic;
    TextTable grid;
    DeviceTables tables;

    explicit Grid(Kind kind)
        : logic(kind) {
        logic.layout(grid);
    }
    int refresh() { return logic.refresh(grid, tables); }
    // Appends a meter that answers, with its model code and channel values "k.5" read as
    // having `decimals` decimals.
    int addMeter(int address, int modelCode, int decimals = 1) {
        tables.appendMeterRow(address);
        const int row = tables.sprdStatus.rowCount();
        tables.sprdStatus.setNumber(3, row, modelCode);
        tables.sprdMON.setText(1, row, QStringLiteral("OK"));
        for (int k = 1; k <= 12; ++k) {
            tables.sprdMON.setText(12 + k, row, QStringLiteral("%1.5").arg(k));
            tables.sprdMON.setNumber(29 + 6 * (k - 1) + 2, row, decimals);
        }
        return row;
    }
    int back(int column, int row) const { return grid.backColour(column, row); }
    QList<int> visibleChannels() const {
        QList<int> out;
        for (int k = 1; k <= 12; ++k)
            if (!grid.isColumnHidden(MultiGrid::PvColumn + k - 1))
                out << k;
        return out;
    }
};

QList<int> upTo(int n) {
    QList<int> out;
    for (int k = 1; k <= n; ++k)
        out << k;
    return out;
}

} // namespace

class TestMultiGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void channelColumnsFollowTheMeters_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QList<int>>("models");
        QTest::addColumn<QList<int>>("channels"); // of each meter
        QTest::addColumn<QList<int>>("visible");
        const Kind pv = Kind::PresentValues, full = Kind::Full;
        // Without meters the layout's first visibility stays: channels 7..12 hidden in the PV grid.
        QTest::newRow("PV, no meters") << pv << QList<int>{} << QList<int>{} << upTo(6);
        QTest::newRow("full, no meters") << full << QList<int>{} << QList<int>{} << upTo(12);
        QTest::newRow("PV, one two-channel meter")
            << pv << QList<int>{3} << QList<int>{2} << upTo(2);
        QTest::newRow("PV, six next to twelve")
            << pv << QList<int>{15, 22} << QList<int>{6, 12} << upTo(12);
        QTest::newRow("full, six next to twelve")
            << full << QList<int>{15, 22} << QList<int>{6, 12} << upTo(12);
        QTest::newRow("full, four channels") << full << QList<int>{41} << QList<int>{4} << upTo(4);
    }

    void channelColumnsFollowTheMeters() {
        QFETCH(Kind, kind);
        QFETCH(QList<int>, models);
        QFETCH(QList<int>, channels);
        Grid g(kind);
        for (int i = 0; i < models.size(); ++i)
            g.addMeter(7 + i, models[i], 1 + i); // each meter its own decimals
        const int widest =
            channels.isEmpty() ? 0 : *std::max_element(channels.begin(), channels.end());
        QCOMPARE(g.refresh(), widest);
        // The port closes and the model codes are cleared: each meter keeps its model.
        g.tables.sprdStatus.clearData(2, 1, 4, int(models.size()));
        QCOMPARE(g.refresh(), widest);
        QCOMPARE(g.grid.rowCount(), models.size());
        QTEST(g.visibleChannels(), "visible");
        for (int r = 1; r <= models.size(); ++r) {
            QCOMPARE(g.grid.text(0, r), QString::number(6 + r));
            for (int k = 1; k <= 12; ++k) {
                const int column = MultiGrid::PvColumn + k - 1;
                const bool had = k <= channels[r - 1];
                const QString value = QStringLiteral("%1.5").arg(k) + QString(r - 1, u'0');
                QCOMPARE(g.grid.text(column, r), had ? value : QString());
                // The PV grid keeps the row colours in channels 1 and 2 only.
                const bool rowColours = kind == Kind::Full || k <= 2;
                QCOMPARE(g.back(column, r), !had         ? Black
                                            : rowColours ? TextTable::NoColour
                                                         : White);
            }
        }
        if (kind == Kind::PresentValues && !models.isEmpty())
            QCOMPARE(g.grid.effectiveBackColour(MultiGrid::PvColumn, 1), LightGreen); // odd row
    }

    void modelGroupClaimsItsCells_data() {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("inputs");
        QTest::newRow("group 0") << 5 << 2 << 2;
        QTest::newRow("group 1") << 10 << 6 << 6;
        QTest::newRow("group 2") << 29 << 12 << 6;
        QTest::newRow("group 4: four of everything") << 41 << 4 << 4;
        QTest::newRow("unknown group claims nothing") << 35 << 0 << 0;
    }

    void modelGroupClaimsItsCells() {
        QFETCH(int, modelCode);
        QFETCH(int, channels);
        QFETCH(int, inputs);
        Grid g(Kind::Full);
        g.addMeter(1, 20); // a twelve-channel meter keeps every column in view
        const int row = g.addMeter(2, modelCode);
        for (int column : {8, 9, 10, 11, 12})
            g.tables.sprdMON.setNumber(column, row, 0xFFFF); // every alarm, input and relay on
        g.refresh();
        for (int k = 1; k <= 12; ++k) {
            const bool had = k <= channels;
            QCOMPARE(g.back(MultiGrid::PvColumn + k - 1, row) == Black, !had);
            QCOMPARE(g.back(MultiGrid::RelayColumn + k - 1, row), had ? Green : Black);
            for (int a = 1; a <= 4; ++a)
                QCOMPARE(g.back(MultiGrid::alarmColumn(k, a), row), had ? Red : Black);
        }
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(g.back(MultiGrid::InputColumn + i - 1, row), i <= inputs ? Green : Black);
        // Inputs 7..12 never show.
        for (int i = 7; i <= 12; ++i)
            QVERIFY(g.grid.isColumnHidden(MultiGrid::InputColumn + i - 1));
    }

    void channelStatesHideValues_data() {
        QTest::addColumn<int>("word1to6");
        QTest::addColumn<int>("word7to12");
        QTest::addColumn<QList<int>>("dashed");
        QTest::newRow("all valid") << 0 << 0 << QList<int>{};
        QTest::newRow("channel 1 state 1") << 0x1 << 0 << QList<int>{1};
        QTest::newRow("channel 1 state 2") << 0x2 << 0 << QList<int>{1};
        QTest::newRow("channel 2 state 3") << 0xC << 0 << QList<int>{2};
        QTest::newRow("channel 6 high bit") << 0x800 << 0 << QList<int>{6};
        QTest::newRow("channel 7") << 0 << 0x1 << QList<int>{7};
        QTest::newRow("channel 12") << 0 << 0x800 << QList<int>{12};
        QTest::newRow("bits above 11 mean nothing") << 0xF000 << 0xF000 << QList<int>{};
    }

    void channelStatesHideValues() {
        QFETCH(int, word1to6);
        QFETCH(int, word7to12);
        QFETCH(QList<int>, dashed);
        Grid g(Kind::PresentValues);
        const int row = g.addMeter(1, 20);
        g.tables.sprdMON.setNumber(7, row, word1to6);
        g.tables.sprdMON.setNumber(6, row, word7to12);
        g.refresh();
        for (int k = 1; k <= 12; ++k)
            QCOMPARE(g.grid.text(MultiGrid::PvColumn + k - 1, row),
                     dashed.contains(k) ? QStringLiteral("----.-") : QStringLiteral("%1.5").arg(k));
    }

    void linkLossTurnsCommCell() {
        Grid pv(Kind::PresentValues), full(Kind::Full);
        const int row = pv.addMeter(1, 20);
        full.addMeter(1, 20);
        pv.refresh();
        full.refresh();
        QCOMPARE(pv.grid.text(MultiGrid::CommColumn, row), QStringLiteral("O"));
        QCOMPARE(full.back(MultiGrid::CommColumn, row), Green);

        pv.tables.sprdMON.setText(1, row, QStringLiteral("NG"));
        full.tables.sprdMON.setText(1, row, QStringLiteral("NG"));
        pv.refresh();
        full.refresh();
        QCOMPARE(pv.grid.text(MultiGrid::CommColumn, row), QStringLiteral("X"));
        QCOMPARE(full.grid.text(MultiGrid::CommColumn, row), QStringLiteral("NG"));
        QCOMPARE(full.back(MultiGrid::CommColumn, row), Red);
        // The last values stay, greyed.
        QCOMPARE(pv.grid.text(MultiGrid::PvColumn, row), QStringLiteral("1.5"));
        QCOMPARE(pv.grid.foreColour(MultiGrid::PvColumn, row), int(MultiGrid::Grey));
    }

    void inputsRelaysAndAlarmBits() {
        Grid g(Kind::Full);
        const int row = g.addMeter(1, 20);
        g.tables.sprdMON.setNumber(10, row, 0x0001); // alarm 1 of channel 1
        g.tables.sprdMON.setNumber(9, row, 0x0040);  // alarm 3 of channel 6
        g.tables.sprdMON.setNumber(8, row, 0x8000);  // alarm 4 of channel 12
        g.tables.sprdMON.setNumber(11, row, 0x8005); // inputs 1 and 3 (bit 15 is the card)
        g.tables.sprdMON.setNumber(12, row, 0x0802); // relays 2 and 12
        g.refresh();
        QList<int> red, green;
        for (int c = MultiGrid::InputColumn; c <= MultiGrid::ColumnsFull; ++c) {
            if (g.back(c, row) == Red)
                red << c;
            if (g.back(c, row) == Green)
                green << c;
        }
        QCOMPARE(red, (QList<int>{38, 60, 85}));
        QCOMPARE(green, (QList<int>{14, 16, 27, 37}));

        // A two-channel model reads only bits 0..7 of its alarm word.
        g.tables.sprdStatus.setNumber(3, row, 1);
        g.tables.sprdMON.setNumber(10, row, 0x0100);
        g.refresh();
        for (int c = MultiGrid::AlarmColumn; c <= MultiGrid::ColumnsFull; ++c)
            QVERIFY(g.back(c, row) != Red);
    }
};

QTEST_GUILESS_MAIN(TestMultiGrid)
#include "tst_multigrid.moc"
