#pragma once

#include "pagerules/SetRules.h"
#include "paramset/FieldText.h"
#include "paramset/ParamFile.h"

#include <QBitArray>
#include <QString>
#include <optional>

// What the text form of a parameter set is made of, shared by its export and its import: the
// parts of a parameter file, the rows the text holds, the bytes no row holds, and how a row's
// stored value is written after "@" and read back.

namespace ParamTextForm {

inline const QString FileSection = QStringLiteral("file");
inline const QString CommonSection = QStringLiteral("common");
inline const QString FormulaSection = QStringLiteral("formulas");
inline const QString ReservedSection = QStringLiteral("reserved");
inline const QString ChannelsKey = QStringLiteral("CHANNELS");
inline const QString FirmwareKey = QStringLiteral("FIRMWARE");

QString channelSection(int channel);          // "CH03"
int channelOfSection(const QString& name);    // 3 for "CH03"; 0 for any other name
QString formulaKey(bool memory, int channel); // "CH03" or "MEM03"
constexpr int ChannelFormulaBytes = 2 * ParamLayout::ChannelFormulaRegisters;
constexpr int MemoryFormulaBytes = 2 * ParamLayout::MemoryFormulaRegisters;

// A parameter file's parts, with the model and firmware its header names.
struct Parts {
    ParamFileHeader header;
    ParamImage image;
    std::array<FormulaRec, ParamLayout::FormulaRecsInFile> formulas{};
    int channels = 12;
    int version = 0; // hundredths
    ParamContext context() const { return {channels, version}; }
    bool hasFormulas() const { return version >= VersionFormulas; }
    // The channels whose formulas the file holds: 1 .. this.
    int formulaChannels() const;
    // The file's bytes: header (model and firmware filled in), image and formulas.
    QByteArray bytes() const;
};
Parts PartsOf(const ParamFileContents& contents);

// Rows of a channel or of the common table that the text holds: those with a place in the
// image (not the meter's clock, not the row firmware 1.50 leaves without a field).
bool InText(const ParamField& f);

// The file offsets a row of the text holds, for a set of this model and firmware: the
// model and firmware in the header, every row's field of the channels the model has, and the
// formulas of those channels that the file keeps. The others are the reserved bytes.
QBitArray RowBytes(int channels, int version);

// A row's text as the table shows it, up to its first zero; empty where the table would keep
// the text it had (a display mode code no mode has).
QString ShownText(const ParamField& f, const ParamImage& image, int base, const ParamContext& c);
// The texts the rows of a set's parts show, for the rules that weigh one row against others.
// The parts are read at each call: what was stored since counts.
SetRowText RowTextsOf(const Parts& p);

// Why the row cannot hold the text at all (no number, too long, none of its list texts);
// nothing when it can.
std::optional<QString> FormRefusal(const ParamField& f, const QString& text, const ParamContext& c);

// Reads the field's value as written after "@" (StoredFieldValue) into the image.
bool SetStoredValue(const ParamField& f, const QString& value, ParamImage& image, int base,
                    QString* why);

// A formula's bytes in text order: its text, the hex after "@", and reading them back.
QString FormulaText(const QByteArray& bytes);
std::optional<QString> FormulaFormRefusal(const QString& text, int bytes);
QByteArray FormulaBytes(const QString& text, int bytes);
std::optional<QByteArray> FormulaFromStored(const QString& value, int bytes, QString* why);

// Hex digits of bytes, and back (spaces allowed between them).
QString Hex(const QByteArray& bytes);
std::optional<QByteArray> FromHex(const QString& text);

} // namespace ParamTextForm
