#include "AppTestSupport.h"
#include "app/frmTD_SetPort.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

struct RecordingTester {
    QStringList asked;
    PortTester function() {
        return [this](const QString& name, const QString&) {
            asked << name;
            return name == QStringLiteral("DEMO") ? QString()
                                                  : QStringLiteral("cannot open ") + name;
        };
    }
};

} // namespace

class TestSetPort : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void offersSixteenComPortsAndTheDemoBus();
    void loadAndChoiceTestThePort();
    void okWritesTheBoxesAsShown_data();
    void okWritesTheBoxesAsShown();
    void cancelWritesNothing();
};

void TestSetPort::offersSixteenComPortsAndTheDemoBus() {
    TestHome home;
    RecordingTester tester;
    frmTD_SetPort dialog(PortSettings{}, home.paths.commCfg(), tester.function());
    QStringList items;
    for (int i = 0; i < dialog.cmbPort->count(); ++i)
        items << dialog.cmbPort->itemText(i);
    for (int n = 1; n <= 16; ++n)
        QCOMPARE(items.value(n - 1), QStringLiteral("COM%1").arg(n));
    QCOMPARE(items.last(), QStringLiteral("DEMO"));
    QCOMPARE(items.removeDuplicates(), 0);
}

void TestSetPort::loadAndChoiceTestThePort() {
    TestHome home;
    RecordingTester tester;
    PortSettings current;
    current.portName = QStringLiteral("COM3");
    frmTD_SetPort dialog(current, home.paths.commCfg(), tester.function());
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(tester.asked, QStringList{QStringLiteral("COM3")});
    QCOMPARE(dialog.message(), QStringLiteral("cannot open COM3"));

    // Choosing the next port from the list tests it.
    dialog.cmbPort->setFocus();
    QTest::keyClick(dialog.cmbPort, Qt::Key_Down);
    QCOMPARE(tester.asked.last(), QStringLiteral("COM4"));
    QCOMPARE(dialog.message(), QStringLiteral("cannot open COM4"));

    // A name typed in full is tested when the typing is done (the focus moves on); a good
    // port clears the message.
    dialog.cmbPort->lineEdit()->selectAll();
    QTest::keyClicks(dialog.cmbPort->lineEdit(), QStringLiteral("DEMO"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(tester.asked.last(), QStringLiteral("DEMO"));
    QCOMPARE(dialog.message(), QString());
    QVERIFY(QFileInfo::exists(home.paths.commCfg()) == false); // testing writes nothing
}

void TestSetPort::okWritesTheBoxesAsShown_data() {
    QTest::addColumn<QStringList>("typed"); // port, baud, parity, data, stop, protocol, RTS
    QTest::addColumn<int>("interval");
    QTest::addColumn<QStringList>("fileLines");
    const QStringList defaults{"COM1", "38400", "N", "8", "1", "Modbus RTU", "OFF"};
    QTest::newRow("defaults") << defaults << 0 << defaults;
    const QStringList typed{"tcp://10.0.0.5:502", "115200", "E", "7", "2", "Modbus RTU", "ON"};
    QTest::newRow("typed values and an interval")
        << typed << 20 << (QStringList(typed) << QStringLiteral("20"));
    const QStringList device{"/dev/ttyUSB0", "9600", "O", "8", "1", "Modbus RTU", "ON"};
    QTest::newRow("device path") << device << 0 << device;
}

void TestSetPort::okWritesTheBoxesAsShown() {
    QFETCH(QStringList, typed);
    QFETCH(int, interval);
    QFETCH(QStringList, fileLines);
    TestHome home;
    RecordingTester tester;
    frmTD_SetPort dialog(PortSettings{}, home.paths.commCfg(), tester.function());
    QComboBox* boxes[] = {dialog.cmbPort, dialog.cmbBaud,     dialog.cmbParity, dialog.cmbData,
                          dialog.cmbStop, dialog.cmbProtocol, dialog.cmbRTS};
    for (int i = 0; i < 7; ++i) {
        boxes[i]->lineEdit()->selectAll();
        QTest::keyClicks(boxes[i]->lineEdit(), typed[i]);
    }
    dialog.txtInterval->setValue(interval);
    QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(ReadTextLines(home.paths.commCfg()), fileLines);
    // What the program reads back at its next start is what the dialog showed.
    QCOMPARE(LoadPortSettings(home.paths.commCfg()), dialog.settings());

    frmTD_SetPort reopened(dialog.settings(), home.paths.commCfg(), tester.function());
    QCOMPARE(reopened.cmbPort->currentText(), typed[0]);
    QCOMPARE(reopened.cmbRTS->currentText(), typed[6]);
    QCOMPARE(reopened.txtInterval->value(), interval);
}

void TestSetPort::cancelWritesNothing() {
    TestHome home;
    home.writeCommCfg({"COM2", "9600", "N", "8", "1", "Modbus RTU", "OFF"});
    RecordingTester tester;
    frmTD_SetPort dialog(LoadPortSettings(home.paths.commCfg()), home.paths.commCfg(),
                         tester.function());
    dialog.cmbPort->setCurrentText(QStringLiteral("COM9"));
    QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(ReadTextLines(home.paths.commCfg()).value(0), QStringLiteral("COM2"));
}

QTEST_MAIN(TestSetPort)
#include "tst_setport.moc"
