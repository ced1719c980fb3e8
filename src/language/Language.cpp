#include "language/Language.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>
#include <QTranslator>
#include <memory>

namespace {

const QString kSettingsKey = QStringLiteral("language");

// The translators in use: the program's own and Qt's (message box buttons, file dialogs).
struct Installed {
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed() {
    static Installed translators;
    return translators;
}

QSettings userSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("TD700"),
                     QStringLiteral("TD700_File"));
}

std::unique_ptr<QTranslator> load(const QString& file, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder))
        return nullptr;
    return translator;
}

} // namespace

QString LanguageCode(Language language) {
    return language == Language::Korean ? QStringLiteral("ko") : QStringLiteral("en");
}

std::optional<Language> LanguageOfCode(const QString& code) {
    const QString c = code.trimmed().toLower();
    if (c == QLatin1String("ko"))
        return Language::Korean;
    if (c == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

Language LanguageOfLocaleName(const QString& localeName) {
    // The language is the part before the territory, codeset and modifier ("ko_KR.UTF-8",
    // "ko@..."): "kok_IN" is Konkani, not Korean.
    static const QRegularExpression separators(QStringLiteral("[_.@-]"));
    const QString language = localeName.trimmed().section(separators, 0, 0);
    return language.compare(QLatin1String("ko"), Qt::CaseInsensitive) == 0 ? Language::Korean
                                                                           : Language::English;
}

Language SystemLanguage() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return LanguageOfLocaleName(value);
    }
    return QLocale::system().language() == QLocale::Korean ? Language::Korean : Language::English;
}

bool ApplyLanguage(Language language) {
    Installed& now = installed();
    // Removing a translator sends LanguageChange as installing one does; the widgets see
    // the new texts once the new ones are in.
    for (std::unique_ptr<QTranslator>* t : {&now.qt, &now.program}) {
        if (*t)
            QCoreApplication::removeTranslator(t->get());
        t->reset();
    }
    QLocale::setDefault(language == Language::Korean
                            ? QLocale(QLocale::Korean, QLocale::SouthKorea)
                            : QLocale(QLocale::English, QLocale::UnitedStates));
    const QString code = LanguageCode(language);
    now.program = load(QStringLiteral("td700_") + code, QStringLiteral(":/i18n"));
    // English is the language of Qt's own texts.
    if (language == Language::Korean)
        now.qt =
            load(QStringLiteral("qt_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    for (const std::unique_ptr<QTranslator>* t : {&now.program, &now.qt})
        if (*t)
            QCoreApplication::installTranslator(t->get());
    // The windows take the new texts now, not at the next turn of the event loop: a caller
    // that goes on to render or read them sees the language it asked for.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return now.program != nullptr;
}

Language CurrentLanguage() {
    return QLocale().language() == QLocale::Korean ? Language::Korean : Language::English;
}

std::optional<Language> RememberedLanguage() {
    return LanguageOfCode(userSettings().value(kSettingsKey).toString());
}

void RememberLanguage(Language language) {
    QSettings settings = userSettings();
    settings.setValue(kSettingsKey, LanguageCode(language));
}

Language StartLanguage() {
    return RememberedLanguage().value_or(SystemLanguage());
}
