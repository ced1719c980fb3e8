// The settings-line reader under any bytes: no line it gives holds a line end, and the lines
// written back and read again are the same lines. In memory, by the rules the files are read
// and written with, so that a million inputs take minutes.
#include "FuzzFile.h"
#include "core/TextLines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList lines = SplitTextLines(FuzzBytes(data, size));
    for (const QString& line : lines)
        FUZZ_EXPECT(!line.contains(u'\n') && !line.contains(u'\r'));

    const QStringList back = SplitTextLines(JoinTextLines(lines));
    FUZZ_EXPECT(back.size() == lines.size());
    // Bytes that are not text in the code page are read as replacement characters, which
    // are written as something else; every other line comes back as it was.
    for (qsizetype i = 0; i < lines.size(); ++i)
        FUZZ_EXPECT(lines[i].contains(QChar(QChar::ReplacementCharacter)) || back[i] == lines[i]);
    return 0;
}
