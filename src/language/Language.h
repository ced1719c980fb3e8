#pragma once

#include <QString>
#include <optional>

// The languages the desktop program speaks. The texts in the code are the keys; each
// language has its translation file built into the program, English included (it holds the
// polished English of texts the recorder spells its own way).
enum class Language { English, Korean };

// "ko" / "en", as the choice is remembered and as --language takes it.
QString LanguageCode(Language language);
std::optional<Language> LanguageOfCode(const QString& code);
// The language of a locale name such as "ko_KR.UTF-8": Korean for ko (any territory),
// else English.
Language LanguageOfLocaleName(const QString& localeName);
// The language the environment asks for: LC_ALL, LC_MESSAGES and LANG in that order (the
// first one set decides, as for any program on a POSIX system); without any of them the
// system's locale.
Language SystemLanguage();

// Makes `language` the program's language: its translators (the program's texts and Qt's
// own dialogs) replace those of the language before, and it becomes the default QLocale.
// Every widget receives QEvent::LanguageChange. False when the language's translation could
// not be loaded (the program then shows the texts of the code).
bool ApplyLanguage(Language language);
// The program's language of the moment (the default QLocale's).
Language CurrentLanguage();

// The user's remembered choice, in the user's settings of the desktop program (not in the
// program folder's settings files); none before the first choice.
std::optional<Language> RememberedLanguage();
void RememberLanguage(Language language);
// The language of a start: the remembered choice, else the environment's.
Language StartLanguage();
