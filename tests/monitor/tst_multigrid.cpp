#include "comm/DeviceTables.h"
#include "core/TextTable.h"
#include "monitor/MultiGrid.h"

#include <QTest>

namespace {

using Kind = MultiGrid::Kind;
constexpr int Black = MultiGrid::Black, White = MultiGrid::White, Red = MultiGrid::Red,
              Green = MultiGrid::Green, LightGreen = MultiGrid::LightGreen;

// Appends a meter that answers, with its model code and channel values "k.5".
int addMeter(DeviceTables& t, int address, int modelCode) {
    t.appendMeterRow(address);
    const int row = t.sprdStatus.rowCount();
    t.sprdStatus.setNumber(3, row, modelCode);
    t.sprdMON.setText(1, row, QStringLiteral("OK"));
    for (int k = 1; k <= 12; ++k)
        t.sprdMON.setText(12 + k, row, QStringLiteral("%1.5").arg(k));
    return row;
}

QList<int> visibleChannels(const TextTable& grid) {
    QList<int> out;
    for (int k = 1; k <= 12; ++k)
        if (!grid.isColumnHidden(MultiGrid::PvColumn + k - 1))
            out << k;
    return out;
}

} // namespace

class TestMultiGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void noMetersNoRows();
    void singleTwoChannelMeterShowsTwoValues();
    void sixNextToTwelve();
    void modelGroupClaimsItsCells_data();
    void modelGroupClaimsItsCells();
    void channelStatesHideValues_data();
    void channelStatesHideValues();
    void linkLossTurnsCommCell();
    void inputsRelaysAndAlarmBits();
    void modelCodeClearedAtPortCloseKeepsTheModel();
};

void TestMultiGrid::noMetersNoRows() {
    for (Kind kind : {Kind::PresentValues, Kind::Full}) {
        MultiGrid logic(kind);
        TextTable grid;
        logic.layout(grid);
        DeviceTables tables;
        QCOMPARE(logic.refresh(grid, tables), 0);
        QCOMPARE(grid.rowCount(), 0);
        // The layout's first visibility stays: channels 7..12 hidden in the PV grid.
        if (kind == Kind::PresentValues)
            QCOMPARE(visibleChannels(grid), (QList<int>{1, 2, 3, 4, 5, 6}));
    }
}

void TestMultiGrid::singleTwoChannelMeterShowsTwoValues() {
    MultiGrid logic(Kind::PresentValues);
    TextTable grid;
    logic.layout(grid);
    DeviceTables tables;
    addMeter(tables, 7, 3); // model group 0
    QCOMPARE(logic.refresh(grid, tables), 2);
    QCOMPARE(visibleChannels(grid), (QList<int>{1, 2}));
    QVERIFY(!grid.isColumnHidden(MultiGrid::CommColumn));
    QCOMPARE(grid.text(0, 1), QStringLiteral("7"));
    QCOMPARE(grid.text(MultiGrid::CommColumn, 1), QStringLiteral("O"));
    QCOMPARE(grid.text(MultiGrid::PvColumn + 1, 1), QStringLiteral("2.5"));
    // Channels 1 and 2 keep the row colours (light green on odd rows).
    QCOMPARE(grid.effectiveBackColour(MultiGrid::PvColumn, 1), LightGreen);
}

void TestMultiGrid::sixNextToTwelve() {
    for (Kind kind : {Kind::PresentValues, Kind::Full}) {
        MultiGrid logic(kind);
        TextTable grid;
        logic.layout(grid);
        DeviceTables tables;
        addMeter(tables, 1, 15); // six channels
        addMeter(tables, 2, 22); // twelve
        QCOMPARE(logic.refresh(grid, tables), 12);
        QCOMPARE(visibleChannels(grid).size(), 12);
        for (int k = 7; k <= 12; ++k) {
            const int column = MultiGrid::PvColumn + k - 1;
            QCOMPARE(grid.backColour(column, 1), Black);
            QCOMPARE(grid.text(column, 1), QString());
            QVERIFY(grid.effectiveBackColour(column, 2) != Black);
            QCOMPARE(grid.text(column, 2), QStringLiteral("%1.5").arg(k));
        }
        if (kind == Kind::PresentValues)
            QCOMPARE(grid.backColour(MultiGrid::PvColumn + 2, 1), White); // channel 3 is had
    }
}

void TestMultiGrid::modelGroupClaimsItsCells_data() {
    QTest::addColumn<int>("modelCode");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("inputs");
    QTest::newRow("group 0") << 5 << 2 << 2;
    QTest::newRow("group 1") << 10 << 6 << 6;
    QTest::newRow("group 2") << 29 << 12 << 6;
    QTest::newRow("group 4: four of everything") << 41 << 4 << 4;
    QTest::newRow("unknown group claims nothing") << 35 << 0 << 0;
}

void TestMultiGrid::modelGroupClaimsItsCells() {
    QFETCH(int, modelCode);
    QFETCH(int, channels);
    QFETCH(int, inputs);
    MultiGrid logic(Kind::Full);
    TextTable grid;
    logic.layout(grid);
    DeviceTables tables;
    addMeter(tables, 1, 20); // a twelve-channel meter keeps every column in view
    const int row = addMeter(tables, 2, modelCode);
    tables.sprdMON.setNumber(10, row, 0xFFFF);
    tables.sprdMON.setNumber(9, row, 0xFFFF);
    tables.sprdMON.setNumber(8, row, 0xFFFF);
    tables.sprdMON.setNumber(11, row, 0x3F);
    tables.sprdMON.setNumber(12, row, 0xFFF);
    logic.refresh(grid, tables);

    for (int k = 1; k <= 12; ++k) {
        const bool had = k <= channels;
        QCOMPARE(grid.backColour(MultiGrid::PvColumn + k - 1, row) == Black, !had);
        QCOMPARE(grid.backColour(MultiGrid::RelayColumn + k - 1, row), had ? Green : Black);
        for (int a = 1; a <= 4; ++a)
            QCOMPARE(grid.backColour(MultiGrid::alarmColumn(k, a), row), had ? Red : Black);
    }
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(grid.backColour(MultiGrid::InputColumn + i - 1, row), i <= inputs ? Green : Black);
    // Inputs 7..12 never show.
    for (int i = 7; i <= 12; ++i)
        QVERIFY(grid.isColumnHidden(MultiGrid::InputColumn + i - 1));
}

void TestMultiGrid::channelStatesHideValues_data() {
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

void TestMultiGrid::channelStatesHideValues() {
    QFETCH(int, word1to6);
    QFETCH(int, word7to12);
    QFETCH(QList<int>, dashed);
    MultiGrid logic(Kind::PresentValues);
    TextTable grid;
    logic.layout(grid);
    DeviceTables tables;
    const int row = addMeter(tables, 1, 20);
    tables.sprdMON.setNumber(7, row, word1to6);
    tables.sprdMON.setNumber(6, row, word7to12);
    logic.refresh(grid, tables);
    for (int k = 1; k <= 12; ++k)
        QCOMPARE(grid.text(MultiGrid::PvColumn + k - 1, row),
                 dashed.contains(k) ? QStringLiteral("----.-") : QStringLiteral("%1.5").arg(k));
}

void TestMultiGrid::linkLossTurnsCommCell() {
    DeviceTables tables;
    const int row = addMeter(tables, 1, 20);
    MultiGrid pv(Kind::PresentValues), full(Kind::Full);
    TextTable pvGrid, fullGrid;
    pv.layout(pvGrid);
    full.layout(fullGrid);
    pv.refresh(pvGrid, tables);
    full.refresh(fullGrid, tables);
    QCOMPARE(pvGrid.text(MultiGrid::CommColumn, row), QStringLiteral("O"));
    QCOMPARE(fullGrid.backColour(MultiGrid::CommColumn, row), Green);

    tables.sprdMON.setText(1, row, QStringLiteral("NG"));
    pv.refresh(pvGrid, tables);
    full.refresh(fullGrid, tables);
    QCOMPARE(pvGrid.text(MultiGrid::CommColumn, row), QStringLiteral("X"));
    QCOMPARE(fullGrid.text(MultiGrid::CommColumn, row), QStringLiteral("NG"));
    QCOMPARE(fullGrid.backColour(MultiGrid::CommColumn, row), Red);
    // The last values stay, greyed.
    QCOMPARE(pvGrid.text(MultiGrid::PvColumn, row), QStringLiteral("1.5"));
    QCOMPARE(pvGrid.foreColour(MultiGrid::PvColumn, row), int(MultiGrid::Grey));
}

void TestMultiGrid::inputsRelaysAndAlarmBits() {
    MultiGrid logic(Kind::Full);
    TextTable grid;
    logic.layout(grid);
    DeviceTables tables;
    const int row = addMeter(tables, 1, 20);
    tables.sprdMON.setNumber(10, row, 0x0001); // alarm 1 of channel 1
    tables.sprdMON.setNumber(9, row, 0x0040);  // alarm 3 of channel 6
    tables.sprdMON.setNumber(8, row, 0x8000);  // alarm 4 of channel 12
    tables.sprdMON.setNumber(11, row, 0x8005); // inputs 1 and 3 (bit 15 is the card)
    tables.sprdMON.setNumber(12, row, 0x0802); // relays 2 and 12
    logic.refresh(grid, tables);
    QList<int> red, green;
    for (int c = MultiGrid::InputColumn; c <= MultiGrid::ColumnsFull; ++c) {
        if (grid.backColour(c, row) == Red)
            red << c;
        if (grid.backColour(c, row) == Green)
            green << c;
    }
    QCOMPARE(red, (QList<int>{38, 60, 85}));
    QCOMPARE(green, (QList<int>{14, 16, 27, 37}));

    // A two-channel model reads only bits 0..7 of its alarm word.
    tables.sprdStatus.setNumber(3, row, 1);
    tables.sprdMON.setNumber(10, row, 0x0100);
    logic.refresh(grid, tables);
    for (int c = MultiGrid::AlarmColumn; c <= MultiGrid::ColumnsFull; ++c)
        QVERIFY(grid.backColour(c, row) != Red);
}

void TestMultiGrid::modelCodeClearedAtPortCloseKeepsTheModel() {
    MultiGrid logic(Kind::PresentValues);
    TextTable grid;
    logic.layout(grid);
    DeviceTables tables;
    const int row = addMeter(tables, 1, 20);
    logic.refresh(grid, tables);
    tables.sprdStatus.clearData(2, 1, 4, 1);
    QCOMPARE(logic.refresh(grid, tables), 12);
    QVERIFY(grid.backColour(MultiGrid::PvColumn + 11, row) != Black);
}

QTEST_GUILESS_MAIN(TestMultiGrid)
#include "tst_multigrid.moc"
