// A parameter set as text, as an editor or a script may leave it: any bytes. Read over a base
// set (a patch) and on its own, a text either makes a parameter file or names its faults; a
// file it makes is one the loader takes, and its own text reads back to the same bytes.
#include "paramset/ParamFile.h"
#include "paramtext/ParamTextExport.h"
#include "paramtext/ParamTextImport.h"

#include <QFile>
#include <cstdlib>

namespace {

ParamFileContents baseSet() {
    // The base is made from the bytes of an empty twelve-channel set of firmware 1.50.
    QByteArray bytes(ParamLayout::FileSizeWithFormulas, '\0');
    bytes[ParamLayout::HeaderModel] = 2;
    bytes[ParamLayout::HeaderMajor] = 1;
    bytes[ParamLayout::HeaderHundredths] = 50;
    QString error;
    return ParseParameterFile(bytes, QStringLiteral("base"), &error).value();
}

void check(const ParamTextResult& r) {
    if (r.bytes.has_value() == !r.errors.isEmpty())
        std::abort(); // a file, or faults: never both, never neither
    if (!r.bytes)
        return;
    QString error;
    const auto contents = ParseParameterFile(*r.bytes, QStringLiteral("made"), &error);
    if (!contents || contents->extraBytes != 0)
        std::abort();
    const auto text = ParameterText(*contents, &error);
    if (!text)
        std::abort();
    const ParamTextResult again =
        ParameterFileFromText(text->toUtf8(), QStringLiteral("t"), nullptr);
    if (!again.bytes || *again.bytes != *r.bytes)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    static const ParamFileContents base = baseSet();
    check(ParameterFileFromText(bytes, QStringLiteral("input.txt"), &base));
    check(ParameterFileFromText(bytes, QStringLiteral("input.txt"), nullptr));
    return 0;
}
