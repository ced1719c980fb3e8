#include "AppTestSupport.h"
#include "app/frmTD_SetMC.h"
#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "logging/frmTD_Set_DSave.h"
#include "support/SmallFilesystem.h"
#include "support/TestFiles.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// Settings dialogs on a full disk say so in their own window and stay open, the file keeps what
// it held, and OK works once there is room.
class TestSaveFailures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dialogStaysOpenAndSaysWhy_data() {
        QTest::addColumn<QString>("dialog");
        QTest::newRow("meter list") << "meters";
        QTest::newRow("data save settings") << "save";
    }

    void dialogStaysOpenAndSaysWhy() {
        QFETCH(QString, dialog);
        SmallFilesystem fs(128);
        if (!fs.isMounted())
            QSKIP(qPrintable(fs.whyNot()));
        const AppPaths paths(fs.path());
        QVERIFY(paths.ensureCfgFolder());
        QVERIFY(QDir().mkpath(fs.filePath(QStringLiteral("Data"))));
        CommState state;
        DeviceTables tables;

        QString file;
        std::unique_ptr<QDialog> window;
        QPushButton* ok = nullptr;
        if (dialog == QStringLiteral("meters")) {
            file = paths.setEnvIni();
            WriteTextLines(file, {"O\tboiler", "\tspare"});
            LoadMeterList(file, state, tables);
            auto* d = new frmTD_SetMC(file, state, tables);
            d->toggleMark(2);
            ok = d->btnOK;
            window.reset(d);
        } else {
            file = paths.saveDataIni();
            WriteTextLines(file, {"Yes", "5", "min", fs.filePath(QStringLiteral("Data")), "OLD",
                                  "0", "0", "0"});
            auto* d = new frmTD_Set_DSave(file);
            d->txtFName->setText(QStringLiteral("NEW"));
            ok = d->btnOK;
            window.reset(d);
        }
        const QByteArray before = ReadBytes(file);
        window->show();

        QVERIFY(fs.fill());
        ok->click();
        QVERIFY(window->isVisible());
        QCOMPARE(window->result(), int(QDialog::Rejected));
        const QString said = shownMessage(*window);
        QVERIFY2(said.contains(QStringLiteral("Not saved")) &&
                     said.contains(QFileInfo(file).fileName()) &&
                     said.contains(QStringLiteral("space"), Qt::CaseInsensitive),
                 qPrintable(said));
        QCOMPARE(ReadBytes(file), before);
        if (dialog == QStringLiteral("meters")) // the tables still follow the file on disk
            QCOMPARE(state.gMeterAddress, QList<int>{1});

        fs.unfill();
        ok->click();
        QCOMPARE(window->result(), int(QDialog::Accepted));
        QVERIFY(ReadBytes(file) != before);
        if (dialog == QStringLiteral("meters"))
            QCOMPARE(state.gMeterAddress, (QList<int>{1, 2}));
    }

private:
    static QString shownMessage(const QDialog& dialog) {
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            if (label->isVisible() && label->text().contains(QStringLiteral("Not saved")))
                return label->text();
        return QStringLiteral("(no label says so)");
    }
};

QTEST_MAIN(TestSaveFailures)
#include "tst_savefailures.moc"
