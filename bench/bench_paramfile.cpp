// Parameter files per second: loading (read, check, show every row), saving (take every row
// back, write), and comparing two sets, on a twelve-channel file with formulas built here.
//
//   bench_paramfile [ROUNDS]     (default 2000)

#include "paramset/ParamCompare.h"
#include "paramset/ParamFile.h"
#include "paramset/ParamSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 2000;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.CFG"));
    ParamSet set;
    NewParameterSet(set, 12, QStringLiteral("1.20"));
    for (int n = 1; n <= 12; ++n) {
        set.tables.sprdP_CH.setText(ParamTables::channelColumn(n), 1,
                                    QStringLiteral("CHANNEL%1").arg(n));
        set.tables.sprdFormual_CH.setText(1, n, QStringLiteral("CH%1*1.8+32").arg(n));
    }
    if (!SaveParameterFile(set, path).ok)
        return 1;

    QTextStream out(stdout);
    const auto figure = [&](const char* what, const std::function<void()>& step) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < rounds; ++i)
            step();
        const double us = double(t.nsecsElapsed()) / 1000.0 / rounds;
        out << QString::fromLatin1(what).leftJustified(26) << QString::number(us, 'f', 1)
            << " us each, " << QString::number(1e6 / us, 'f', 0) << " per second\n";
    };
    ParamSet loaded;
    figure("load (read, check, show)", [&] { LoadParameterFile(loaded, path); });
    figure("save bytes (take, header)", [&] { ParameterFileBytes(loaded); });
    ParamSet other;
    LoadParameterFile(other, path);
    figure("compare two sets", [&] { CompareParameterSets(loaded, other, true); });
    return 0;
}
