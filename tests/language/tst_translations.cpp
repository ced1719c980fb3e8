// The translation files are complete (every text of the code is translated in both) and the
// Korean one is Korean; the choice of language from a locale name.
#include "language/Language.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
};

QString sourceDir() {
    return qEnvironmentVariable("TD700_SOURCE_DIR");
}

QString translationFile(const QString& code) {
    return sourceDir() + QStringLiteral("/src/language/td700_") + code + QStringLiteral(".ts");
}

std::vector<Message> readMessages(const QString& path) {
    std::vector<Message> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            Message m;
            m.context = context;
            while (xml.readNextStartElement()) {
                if (xml.name() == u"source") {
                    m.source = xml.readElementText();
                } else if (xml.name() == u"translation") {
                    m.unfinished = xml.attributes().value(QStringLiteral("type")) == u"unfinished";
                    m.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                } else {
                    xml.skipCurrentElement();
                }
            }
            out.push_back(m);
        }
    }
    return out;
}

QStringList keptWords() {
    QStringList out;
    QFile file(sourceDir() + QStringLiteral("/src/language/kept-words.txt"));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n'))
            if (!line.trimmed().isEmpty() && !line.startsWith(u'#'))
                out << line.trimmed();
    // The longest first, so that "Modbus RTU" goes before a shorter word inside it.
    std::sort(out.begin(), out.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    return out;
}

// The letters of a text that a translation has to put into words: without arguments (%1, %n),
// accelerator marks, file patterns and the kept words.
QString wordsToTranslate(QString text, const QStringList& kept) {
    static const QRegularExpression arguments(QStringLiteral("%(\\d+|n)|&(?=\\w)"));
    static const QRegularExpression channels(QStringLiteral("\\bCH\\d+\\b"));
    text.remove(arguments).remove(channels);
    for (const QString& word : kept) {
        const QRegularExpression whole(QStringLiteral("(?<![\\w.])") +
                                       QRegularExpression::escape(word) +
                                       QStringLiteral("(?![\\w])"));
        text.remove(whole);
    }
    return text;
}

bool hasLatinLetter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    });
}

bool hasHangul(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.script() == QChar::Script_Hangul; });
}

QStringList arguments(const QString& text) {
    static const QRegularExpression argument(QStringLiteral("%(\\d+|n)"));
    QStringList out;
    for (auto it = argument.globalMatch(text); it.hasNext();)
        out << it.next().captured();
    out.sort();
    out.removeDuplicates();
    return out;
}

QString shown(const Message& m) {
    return QStringLiteral("  %1: \"%2\" -> \"%3\"\n").arg(m.context, m.source, m.translation);
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTextIsTranslated_data() {
        QTest::addColumn<QString>("code");
        QTest::newRow("Korean") << "ko";
        QTest::newRow("English") << "en";
    }
    // lupdate over the whole tree into a copy of the file: a text of the code that the file
    // lacks comes in unfinished, as does one whose translation was never written.
    void everyTextIsTranslated() {
        QFETCH(QString, code);
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("copy_") + code + QStringLiteral(".ts"));
        QVERIFY(QFile::copy(translationFile(code), copy));
        const QString src = sourceDir() + QStringLiteral("/src");
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(TD700_LUPDATE),
                      QString::fromLatin1(TD700_LUPDATE_ARGS).split(u' ', Qt::SkipEmptyParts) +
                          QStringList{QStringLiteral("-I"), src, src, QStringLiteral("-ts"), copy});
        QVERIFY2(lupdate.waitForFinished(60000), "lupdate did not finish");
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());

        const std::vector<Message> kept = readMessages(translationFile(code));
        const std::vector<Message> updated = readMessages(copy);
        QVERIFY(!updated.empty());
        QString missing;
        int count = 0;
        for (const Message& m : updated)
            if (m.unfinished && ++count <= 40)
                missing += shown(m);
        QVERIFY2(count == 0, qPrintable(QStringLiteral("%1 texts of the code have no finished "
                                                       "translation in td700_%2.ts (run the "
                                                       "`translations` target, then translate):\n")
                                            .arg(count)
                                            .arg(code) +
                                        missing));
        // Texts the code no longer has are dropped by the update; the file holds none.
        QCOMPARE(updated.size(), kept.size());
    }

    void translationsKeepTheirArguments_data() { everyTextIsTranslated_data(); }
    // "%1 of %2" must keep both numbers; a lost one shows a wrong or empty message.
    void translationsKeepTheirArguments() {
        QFETCH(QString, code);
        const std::vector<Message> messages = readMessages(translationFile(code));
        QVERIFY(!messages.empty());
        QString wrong;
        for (const Message& m : messages)
            if (!m.unfinished && arguments(m.source) != arguments(m.translation))
                wrong += shown(m);
        QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("arguments differ:\n") + wrong));
    }

    // Each Korean translation is in Korean, but for the recorder's own words kept as the
    // recorder's display shows them.
    void koreanTranslationsAreKorean() {
        const QStringList kept = keptWords();
        QVERIFY(kept.contains(QStringLiteral("H.TREND")));
        const std::vector<Message> messages = readMessages(translationFile(QStringLiteral("ko")));
        QVERIFY(!messages.empty());
        QString english;
        for (const Message& m : messages)
            if (!m.unfinished && hasLatinLetter(wordsToTranslate(m.source, kept)) &&
                !hasHangul(m.translation))
                english += shown(m);
        QVERIFY2(english.isEmpty(),
                 qPrintable(QStringLiteral("not Korean (or add the word to kept-words.txt):\n") +
                            english));
    }

    // One word for one thing: a text that names a thing of the glossary is translated with
    // the glossary's Korean word for it, and never with a word the glossary sets aside.
    void glossaryWordsAreUsed() {
        QFile file(sourceDir() + QStringLiteral("/src/language/glossary.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const std::vector<Message> messages = readMessages(translationFile(QStringLiteral("ko")));
        QString wrong;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
            const QStringList f = line.split(u'|');
            if (line.startsWith(u'#') || f.size() < 2)
                continue;
            const QRegularExpression term(QStringLiteral("(?<![A-Za-z])") +
                                              QRegularExpression::escape(f[0]),
                                          QRegularExpression::CaseInsensitiveOption);
            const QStringList avoided = f.value(2).split(u',', Qt::SkipEmptyParts);
            for (const Message& m : messages) {
                const bool aside =
                    std::any_of(avoided.begin(), avoided.end(),
                                [&](const QString& a) { return m.translation.contains(a); });
                if (m.source.contains(term) && (!m.translation.contains(f[1]) || aside))
                    wrong += f[0] + QStringLiteral(" = ") + f[1] + shown(m);
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("not the glossary's word:\n") + wrong));
    }

    void languageOfLocaleName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("korean");
        QTest::newRow("ko_KR.UTF-8") << "ko_KR.UTF-8" << true;
        QTest::newRow("KO_kr") << "KO_kr" << true;
        QTest::newRow("ko@modifier") << "ko_KR.eucKR@x" << true;
        QTest::newRow("en_US.UTF-8") << "en_US.UTF-8" << false;
        QTest::newRow("POSIX") << "POSIX" << false;
        QTest::newRow("Konkani") << "kok_IN" << false;
    }
    void languageOfLocaleName() {
        QFETCH(QString, name);
        QFETCH(bool, korean);
        QCOMPARE(LanguageOfLocaleName(name) == Language::Korean, korean);
    }

    void languageCodes_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("language"); // -1: not a language
        QTest::newRow("ko") << "ko" << int(Language::Korean);
        QTest::newRow("EN with blanks") << " EN " << int(Language::English);
        QTest::newRow("kr") << "kr" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void languageCodes() {
        QFETCH(QString, code);
        QFETCH(int, language);
        const std::optional<Language> read = LanguageOfCode(code);
        QCOMPARE(read ? int(*read) : -1, language);
        if (read)
            QCOMPARE(LanguageCode(*read), code.trimmed().toLower());
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
