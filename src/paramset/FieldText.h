#pragma once

#include "paramset/ParamFields.h"
#include "paramset/ParamImage.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// What the text forms depend on: the set's channel count (display groups above 6 channels)
// and its firmware version in hundredths (display-mode codes, the reference junction).
struct ParamContext {
    int channels = 12;
    int version = 0;
};

// The text the table shows for field `f` of the image; `base` is 0 for a common row and the
// channel record's offset for a channel row. Nothing when the cell is to keep the text it has
// (a display-mode code that the list does not name, the system date rows).
std::optional<QString> FieldText(const ParamField& f, const ParamImage& image, int base,
                                 const ParamContext& context);

// Stores a table text into the field. A text that is none of the row's list texts leaves the
// field as it is and returns false (the pages never write such a text; a stray one must not
// turn a setting into something else). Numbers follow the cell rule: an empty or
// non-numeric text is 0; integers saturate at the field's range.
bool StoreFieldText(const ParamField& f, const QString& text, ParamImage& image, int base,
                    const ParamContext& context);

// Stores a value as the meter reported it: `deviceText` is what the reply decoder wrote for
// the field's registers (a number in decimal, a colour as its index, characters as they came).
void StoreDeviceText(const ParamField& f, const QString& deviceText, ParamImage& image, int base);

// The field's stored value itself, for where its text does not tell it: a whole number, a
// single with the fewest digits that read back as the same bits (0x and the bits for one that
// is no number), the bytes of a character field in hex.
QString StoredFieldValue(const ParamField& f, const ParamImage& image, int base);

// The texts a row of a list form takes, each one that StoreFieldText stores (for a set of
// `context`'s channels); empty for a row of numbers or characters.
QStringList FieldTexts(const ParamField& f, const ParamContext& context);

// Text of at most `bytes` code-page bytes, cut only between characters, zero-padded.
QByteArray EncodeBounded(const QString& text, int bytes);
// The numeric value of a cell text: an empty or non-numeric text reads as 0.
double CellNumber(const QString& text);

// Words and lists of the text forms.
namespace ParamText {
inline const QString Bypass = QStringLiteral("BYPASS");
inline const QString ProtocolText = QStringLiteral("Modbus RTU");
// What the window shows in the protocol rows and for a meter without a file-name prefix.
inline const QString UploadedProtocolText = QStringLiteral("Modbus-RTU");
inline const QString DefaultFilePrefix = QStringLiteral("TD2009");
const QStringList& BaudRates();
const QStringList& Parities();
const QStringList& ReadModes();
const QStringList& DisplayModes(); // "H.TREND" .. "HISTORY-VIEW"
// The code a display mode is stored as, and the text a stored code is shown as.
int DisplayModeCode(int index, int versionHundredths);
std::optional<int> DisplayModeIndex(int code, int versionHundredths);
} // namespace ParamText
