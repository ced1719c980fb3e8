#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The lines of a parameter set as text:
//   [section]                      a section: file, common, CH01 .. CH12, formulas, reserved
//   KEY = text                     a row and its text as Parameter Setup shows it
//   KEY = text @                   the text as it stands, where the row's page offers no such
//                                  value (a Korean channel name, a period of 0)
//   KEY = text @ stored            the value stored exactly, where the text stands for several
//                                  (a switch stored as 5 reads ON) or loses digits
//   # comment                      also after a row or section
// A text is quoted ("...") when it is empty, starts or ends with a space, or holds " # @ \ or
// a control character; inside quotes \" \\ and \xHH stand for themselves.

struct TextLine {
    enum class Kind { Blank, Section, Row };
    enum class Keep { Shown, AsIs, Stored }; // no @, a bare @, @ with a value
    Kind kind = Kind::Blank;
    QString section;
    QString key;
    QString text;
    Keep keep = Keep::Shown;
    QString stored;
};

// The lines of a text: CR LF, LF and CR alone each end a line (texts that passed through other
// systems' editors); a final line end is optional.
QStringList TextLinesOf(const QString& text);

// One line taken apart; nothing, with `why`, for a line that is neither blank, a comment, a
// section nor a row.
std::optional<TextLine> ParseTextLine(const QString& line, QString* why);

// A text as it is written after "KEY = ": bare where it can be, quoted otherwise.
QString QuotedText(const QString& text);

// A row line: "KEY = text [@ stored]", then the comment from column `commentColumn` on.
QString RowLine(const QString& key, const QString& text, TextLine::Keep keep, const QString& stored,
                const QString& comment);
