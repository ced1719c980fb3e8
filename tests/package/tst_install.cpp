#include "core/Version.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString binDir() {
    return qEnvironmentVariable("TD700_BIN_DIR");
}

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run run(const QString& program, const QStringList& arguments, int timeoutMs = 60000) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(program, arguments);
    Run r;
    if (!p.waitForFinished(timeoutMs))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyProgramSaysTheSameVersion_data() {
        QTest::addColumn<QString>("program");
        QTest::newRow("TD700_File") << "TD700_File";
        QTest::newRow("td700") << "td700";
        QTest::newRow("td700-sim") << "td700-sim";
    }

    void everyProgramSaysTheSameVersion() {
        QFETCH(QString, program);
        const Run r = run(QDir(binDir()).filePath(program), {QStringLiteral("--version")});
        QCOMPARE(r.exitCode, 0);
        // help2man reads the first line as "NAME VERSION".
        const QStringList lines = r.out.split(u'\n');
        QCOMPARE(lines.value(0), program + u' ' + ProgramVersion());
        QVERIFY2(lines.value(1).contains(BuildDate()), qPrintable(r.out));
    }

    // The desktop entry, as the tool that reads it checks it.
    void desktopEntryIsValid() {
        const QString found =
            QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (found.isEmpty())
            QSKIP("desktop-file-validate is not installed: the desktop entry was not checked");
        const Run r = run(found, {qEnvironmentVariable("TD700_SOURCE_DIR") +
                                  QStringLiteral("/packaging/td700-file.desktop")});
        QVERIFY2(r.exitCode == 0 && r.out.isEmpty() && r.err.isEmpty(), qPrintable(r.out + r.err));
    }

    void packageHoldsWhatAnInstallNeeds() {
        const QString dpkgDeb = QStandardPaths::findExecutable(QStringLiteral("dpkg-deb"));
        const QString cpack = QStandardPaths::findExecutable(QStringLiteral("cpack"));
        if (dpkgDeb.isEmpty() || cpack.isEmpty())
            QSKIP("dpkg-deb or cpack is not installed");
        const QString config = QDir(binDir()).filePath(QStringLiteral("../CPackConfig.cmake"));
        QVERIFY2(QFileInfo::exists(config), qPrintable(config));
        QTemporaryDir out;
        const Run made = run(cpack,
                             {QStringLiteral("-G"), QStringLiteral("DEB"),
                              QStringLiteral("--config"), config, QStringLiteral("-B"), out.path()},
                             110000);
        QVERIFY2(made.exitCode == 0, qPrintable(made.out + made.err));
        const QStringList debs =
            QDir(out.path()).entryList({QStringLiteral("td700_*.deb")}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        const QString deb = QDir(out.path()).filePath(debs.first());

        const Run listing = run(dpkgDeb, {QStringLiteral("--contents"), deb});
        QCOMPARE(listing.exitCode, 0);
        QStringList files;
        for (const QString& line : listing.out.split(u'\n', Qt::SkipEmptyParts))
            files << line.section(u' ', -1).mid(1); // "./usr/bin/td700" -> "/usr/bin/td700"
        QStringList wanted{
            "/usr/bin/TD700_File",
            "/usr/bin/td700",
            "/usr/bin/td700-sim",
            "/usr/share/applications/td700-file.desktop",
            "/usr/share/icons/hicolor/scalable/apps/td700.svg",
            "/usr/share/mime/packages/td700.xml",
            "/usr/share/bash-completion/completions/td700",
            "/usr/lib/systemd/system/td700-log@.service",
        };
        // The manual pages are made at packaging time, by help2man where it is installed.
        if (!QStandardPaths::findExecutable(QStringLiteral("help2man")).isEmpty())
            wanted << "/usr/share/man/man1/td700.1.gz"
                   << "/usr/share/man/man1/td700-sim.1.gz";
        for (const QString& f : wanted)
            QVERIFY2(files.contains(f), qPrintable(f + " is not in the package"));
        // Settings are the user's: nothing of the program folder's files goes under /usr.
        for (const QString& f : files)
            QVERIFY2(!f.endsWith(QStringLiteral("Comm.CFG")) &&
                         !f.contains(QStringLiteral("/CFG/")),
                     qPrintable(f));

        const Run fields = run(dpkgDeb, {QStringLiteral("--field"), deb, QStringLiteral("Package"),
                                         QStringLiteral("Version"), QStringLiteral("Depends")});
        QVERIFY2(fields.out.contains(QStringLiteral("Package: td700")), qPrintable(fields.out));
        QVERIFY2(fields.out.contains(QStringLiteral("Version: ") + ProgramVersion()),
                 qPrintable(fields.out));
        QVERIFY2(fields.out.contains(QStringLiteral("libqt6serialport6")), qPrintable(fields.out));
        QVERIFY2(fields.out.contains(QStringLiteral("libsystemd0")), qPrintable(fields.out));
        // The service's user is made when the package is configured.
        const Run postinst =
            run(dpkgDeb, {QStringLiteral("--info"), deb, QStringLiteral("postinst")});
        QVERIFY2(postinst.out.contains(QStringLiteral("adduser --system --group")) &&
                     postinst.out.contains(QStringLiteral("adduser td700 dialout")),
                 qPrintable(postinst.out + postinst.err));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
