// The code keeps the layers the build declares (cmake/Td700Layers.cmake): every include names a
// header of its own target or one it links, publicly or directly; every source lies in its
// target's folder.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <algorithm>

namespace {

struct Target {
    QString folder;
    QStringList sources;
    QSet<QString> links;
};

struct Layers {
    QMap<QString, Target> targets;
    QHash<QString, QString> owner;              // source (from the tree's root) -> target
    QVector<QPair<QString, QString>> qtFolders; // module -> folder of its headers
};

QString root() {
    return qEnvironmentVariable("TD700_SOURCE_DIR");
}

const Layers& layers() {
    static const Layers read = [] {
        Layers l;
        QFile file(QStringLiteral(TD700_LAYERS_FILE));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return l;
        while (!file.atEnd()) {
            const QStringList f = QString::fromUtf8(file.readLine()).chopped(1).split(u'\t');
            if (f.size() != 3)
                continue;
            const QStringList items = f[2].split(u';', Qt::SkipEmptyParts);
            if (f[0] == QLatin1String("target"))
                l.targets[f[1]].folder = f[2];
            else if (f[0] == QLatin1String("sources"))
                l.targets[f[1]].sources = items;
            else if (f[0] == QLatin1String("links"))
                l.targets[f[1]].links = QSet<QString>(items.begin(), items.end());
            else if (f[0] == QLatin1String("qt"))
                l.qtFolders.append({f[1], f[2]});
        }
        // A test's harness headers are read as part of each test that includes them.
        for (auto t = l.targets.cbegin(); t != l.targets.cend(); ++t)
            for (const QString& s : t->sources)
                if (!s.startsWith(QLatin1String("tests/")))
                    l.owner.insert(s, t.key());
        return l;
    }();
    return read;
}

// The file a quoted include names, from the tree's root: beside the includer first, then
// under the folders the targets add to the include path. Empty for a generated file.
QString resolve(const QString& includer, const QString& name) {
    const QDir top(root());
    const QString beside = QFileInfo(includer).path() + u'/' + name;
    QStringList candidates{beside};
    for (const char* folder : {"src/", "tools/", "tests/"})
        candidates << QString::fromLatin1(folder) + name;
    for (const QString& c : candidates)
        if (QFileInfo::exists(top.filePath(c)))
            return QDir::cleanPath(c);
    return {};
}

// The Qt modules whose folders hold `header` (<QWidget>, <QtCore5Compat/QTextCodec>).
QStringList qtModulesOf(const QString& header) {
    QStringList modules;
    for (const auto& [module, folder] : layers().qtFolders) {
        const QString name = header.section(u'/', -1);
        const QString moduleFolder = header.contains(u'/') ? header.section(u'/', 0, 0) : QString();
        if (!moduleFolder.isEmpty() && !folder.endsWith(u'/' + moduleFolder))
            continue;
        if (QFileInfo::exists(folder + u'/' + name))
            modules << module;
    }
    return modules;
}

// What `file` (and the headers of no target it includes, the tests' harnesses) includes that
// `target` does not link.
void checkFile(const QString& target, const QString& file, QSet<QString>& seen,
               QStringList& faults) {
    if (seen.contains(file))
        return;
    seen.insert(file);
    static const QRegularExpression include(
        QStringLiteral("^\\s*#\\s*include\\s*([<\"])([^>\"]+)[>\"]"),
        QRegularExpression::MultilineOption);
    QFile f(QDir(root()).filePath(file));
    if (!f.open(QIODevice::ReadOnly)) {
        faults << file + QStringLiteral(": cannot be read");
        return;
    }
    const Target& t = layers().targets[target];
    auto it = include.globalMatch(QString::fromUtf8(f.readAll()));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(2);
        if (m.captured(1) == u'<') {
            if (!name.startsWith(u'Q'))
                continue;
            const QStringList modules = qtModulesOf(name);
            const bool linked = std::any_of(modules.begin(), modules.end(),
                                            [&](const QString& q) { return t.links.contains(q); });
            if (!linked)
                faults << QStringLiteral("%1 includes <%2> (%3), which %4 does not link")
                              .arg(file, name,
                                   modules.isEmpty() ? QStringLiteral("no linked Qt module")
                                                     : modules.join(QStringLiteral(", ")),
                                   target);
            continue;
        }
        const QString header = resolve(file, name);
        if (header.isEmpty())
            continue;
        const QString owner = layers().owner.value(header);
        if (owner.isEmpty())
            checkFile(target, header, seen, faults);
        else if (owner != target && !t.links.contains(owner))
            faults << QStringLiteral("%1 includes %2 (%3), which %4 does not link")
                          .arg(file, name, owner, target);
    }
}

} // namespace

class TestIncludes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(!layers().targets.isEmpty(), "the build wrote no targets");
        QVERIFY(!layers().qtFolders.isEmpty());
    }

    void includes_data() {
        QTest::addColumn<QString>("target");
        for (auto t = layers().targets.cbegin(); t != layers().targets.cend(); ++t)
            QTest::newRow(qPrintable(t.key())) << t.key();
    }
    void includes() {
        QFETCH(QString, target);
        QSet<QString> seen;
        QStringList faults;
        for (const QString& source : layers().targets[target].sources)
            checkFile(target, source, seen, faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // A file outside every target, or in the folder of another layer, would escape the check.
    void everySourceInItsTargetsFolder() {
        QStringList faults;
        for (const char* top : {"src", "tools"}) {
            QDirIterator walk(QDir(root()).filePath(QString::fromLatin1(top)),
                              {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                              QDirIterator::Subdirectories);
            while (walk.hasNext()) {
                const QString file = QDir(root()).relativeFilePath(walk.next());
                const QString owner = layers().owner.value(file);
                if (owner.isEmpty())
                    faults << file + QStringLiteral(" is in no target");
                else if (QFileInfo(file).path() != layers().targets[owner].folder)
                    faults << QStringLiteral("%1 is a source of %2 in %3")
                                  .arg(file, owner, layers().targets[owner].folder);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // Folders are layers: no folder's targets link, however indirectly, those of a folder that
    // links back (two targets may be in order while their folders go round in a circle).
    void foldersInOneDirection() {
        QMap<QString, QSet<QString>> reaches;
        for (const Target& t : layers().targets)
            for (const QString& l : t.links)
                if (layers().targets.contains(l) && layers().targets[l].folder != t.folder)
                    reaches[t.folder].insert(layers().targets[l].folder);
        for (bool grew = true; grew;) {
            grew = false;
            for (QSet<QString>& others : reaches)
                for (const QString& o : QSet<QString>(others))
                    for (const QString& further : reaches.value(o))
                        if (!others.contains(further)) {
                            others.insert(further);
                            grew = true;
                        }
        }
        QStringList faults;
        for (auto it = reaches.cbegin(); it != reaches.cend(); ++it)
            for (const QString& o : it.value())
                if (it.key() < o && reaches.value(o).contains(it.key()))
                    faults << QStringLiteral("%1 and %2 depend on each other").arg(it.key(), o);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestIncludes)
#include "tst_includes.moc"
