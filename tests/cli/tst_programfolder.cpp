#include "support/SimProcess.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// td700 with program folders as users have them: a folder where a settings file belongs.
class TestProgramFolder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void settingsAsFound_data() {
        QTest::addColumn<QByteArray>("commCfg"); // "dir": a folder named Comm.CFG
        QTest::addColumn<QByteArray>("setEnv");  // the same for SetEnv.INI
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says"); // on standard error (or, for 0, on standard output)
        const QByteArray tail = "\r\n38400\r\nN\r\n8\r\n1\r\nModbus RTU\r\nOFF\r\n";
        const QByteArray meter1 = "O\tfirst\r\n";
        const QStringList scan{QStringLiteral("scan")};
        QTest::newRow("a folder named SetEnv.INI")
            << "DEMO" + tail << QByteArray("dir") << scan << 2 << "SetEnv.INI is a folder";
        QTest::newRow("a folder named Comm.CFG, --port given")
            << QByteArray("dir") << meter1 << QStringList{"scan", "--port", "DEMO"} << 0
            << "address 1: OK";
    }

    void settingsAsFound() {
        QFETCH(QByteArray, commCfg);
        QFETCH(QByteArray, setEnv);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, says);
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral("CFG")));
        const auto put = [&](const QString& name, const QByteArray& bytes) {
            if (bytes == "dir")
                QVERIFY(QDir(home.path()).mkpath(name));
            else
                WriteBytes(home.filePath(name), bytes);
        };
        put(QStringLiteral("Comm.CFG"), commCfg);
        put(QStringLiteral("CFG/SetEnv.INI"), setEnv);
        QByteArray out, err;
        QCOMPARE(run(arguments + QStringList{"--home", home.path()}, &out, &err), status);
        const QString said = QString::fromLocal8Bit(status == 0 ? out : err);
        QVERIFY2(said.contains(says), qPrintable(said));
        if (status == 0) // a flag that overrides a broken file makes it nothing to warn of
            QVERIFY2(err.isEmpty(), err.constData());
    }

private:
    static int run(const QStringList& arguments, QByteArray* out, QByteArray* err) {
        return RunProgram("td700", arguments, out, err);
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
