// A parameter file as found on disk: any bytes, any length (the file reading itself is the
// plain QFile read of LoadParameterFile; this goes straight to the bytes). The loader refuses or
// takes it without reading past its bytes; a file it takes (always of a known model) saves back
// to the same bytes; the download registers and a comparison of the set with itself hold
// up; texts typed into the cells, whatever they are, are stored within their fields.
#include "core/CodePage.h"
#include "paramset/ImageParameterSource.h"
#include "paramset/ParamCompare.h"
#include "paramset/ParamFields.h"
#include "paramset/ParamFile.h"
#include "paramset/ParamSet.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // One set for every input, as a window keeps one: each load starts from what the last
    // input left.
    static ParamSet set;
    const ParamFileResult loaded = LoadParameterBytes(set, bytes, QStringLiteral("input.CFG"));
    if (!loaded.ok)
        return 0;
    const QByteArray saved = ParameterFileBytes(set);
    if (saved.size() != ParameterFileSize(set.versionHundredths()))
        std::abort();
    if (ChannelCountOfFileModel(quint8(bytes[16])) == 0 || saved != bytes.left(saved.size()))
        std::abort(); // only the four models load, and load and save give the same bytes
    if (!CompareParameterSets(set, set, true).isEmpty())
        std::abort();
    const ImageParameterSource source(set);
    for (const auto& [first, count] :
         {std::pair{40001, 17}, std::pair{40031, 47}, std::pair{40101, 93}, std::pair{41201, 93},
          std::pair{47001, 78}, std::pair{50101, 50}})
        if (source.holdingRegisters(first, count).size() != count)
            std::abort();

    // The file's own bytes as typed texts, into one row of each table.
    const QString text = DecodeCp949(bytes.mid(20, 24));
    const int common = 1 + quint8(bytes[20 % size]) % CommonRows;
    const int channel = 1 + quint8(bytes[21 % size]) % ChannelRows;
    set.tables.sprdP.setText(ParamTables::ValueColumn, common, text);
    set.tables.sprdP_CH.setText(ParamTables::channelColumn(1), channel, text);
    set.tables.sprdFormual_CH.setText(1, 1, text);
    if (ParameterFileBytes(set).size() != saved.size())
        std::abort();
    return 0;
}
