#include "AppTestSupport.h"
#include "app/frmTD_SetPort.h"

#include <QComboBox>
#include <QFileInfo>
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
                                                  : QStringLiteral("cannot open ") + name +
                                                        QStringLiteral(" (ports: /dev/ttyS0)");
        };
    }
};

} // namespace

class TestSetPort : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadAndChoiceTestThePort() {
        TestHome home;
        RecordingTester tester;
        PortSettings current;
        current.portName = QStringLiteral("COM3");
        frmTD_SetPort dialog(current, home.paths.commCfg(), tester.function());
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(tester.asked, QStringList{QStringLiteral("COM3")});
        QCOMPARE(dialog.message(), QStringLiteral("cannot open COM3 (ports: /dev/ttyS0)"));

        // The list offers the ports that exist and the demo bus, never a made-up COM name;
        // choosing one tests it and a good port clears the message.
        QCOMPARE(dialog.cmbPort->findText(QStringLiteral("COM4")), -1);
        const int demo = dialog.cmbPort->findText(QStringLiteral("DEMO"));
        QVERIFY(demo >= 0);
        dialog.cmbPort->setCurrentIndex(demo);
        Q_EMIT dialog.cmbPort->activated(demo);
        QCOMPARE(tester.asked.last(), QStringLiteral("DEMO"));
        QCOMPARE(dialog.message(), QString());

        // A name typed in full is tested when the typing is done (the focus moves on).
        dialog.cmbPort->setFocus();
        dialog.cmbPort->lineEdit()->selectAll();
        QTest::keyClicks(dialog.cmbPort->lineEdit(), QStringLiteral("COM4"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(tester.asked.last(), QStringLiteral("COM4"));
        QCOMPARE(dialog.message(), QStringLiteral("cannot open COM4 (ports: /dev/ttyS0)"));
        QVERIFY(QFileInfo::exists(home.paths.commCfg()) == false); // testing writes nothing
    }

    void okWritesTheBoxesAsShownCancelNothing_data() {
        QTest::addColumn<QStringList>("typed"); // port, baud, parity, data, stop, protocol, RTS
        QTest::addColumn<int>("interval");
        QTest::addColumn<QStringList>("fileLines"); // none: Cancel is clicked
        const QStringList defaults{"COM1", "38400", "N", "8", "1", "Modbus RTU", "OFF"};
        QTest::newRow("defaults") << defaults << 50 << defaults;
        const QStringList typed{"tcp://10.0.0.5:502", "115200", "E", "7", "2", "Modbus RTU", "ON"};
        QTest::newRow("typed values and an interval")
            << typed << 20 << (QStringList(typed) << QStringLiteral("20"));
        const QStringList device{"/dev/ttyUSB0", "9600", "O", "8", "1", "Modbus RTU", "ON"};
        QTest::newRow("device path") << device << 50 << device;
        QTest::newRow("shortest interval") << device << 0 << (QStringList(device) << "0");
        QTest::newRow("cancelled") << device << 0 << QStringList{};
    }

    void okWritesTheBoxesAsShownCancelNothing() {
        QFETCH(QStringList, typed);
        QFETCH(int, interval);
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
        QFETCH(QStringList, fileLines);
        const bool cancel = fileLines.isEmpty(); // nothing to be written
        QTest::mouseClick(cancel ? dialog.btnCancel : dialog.btnOK, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(cancel ? QDialog::Rejected : QDialog::Accepted));
        QCOMPARE(ReadTextLines(home.paths.commCfg()), fileLines);
        if (cancel)
            return;
        // What the program reads back at its next start is what the dialog showed.
        QCOMPARE(LoadPortSettings(home.paths.commCfg()), dialog.settings());

        frmTD_SetPort reopened(dialog.settings(), home.paths.commCfg(), tester.function());
        QCOMPARE(reopened.cmbPort->currentText(), typed[0]);
        QCOMPARE(reopened.cmbRTS->currentText(), typed[6]);
        QCOMPARE(reopened.txtInterval->value(), interval);
        QCOMPARE(reopened.txtInterval->text() == QStringLiteral("Shortest"), interval == 0);
    }
};

QTEST_MAIN(TestSetPort)
#include "tst_setport.moc"
