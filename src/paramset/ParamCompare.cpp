#include "paramset/ParamCompare.h"

#include "comm/TransferSequence.h"
#include "core/CodePage.h"
#include "paramset/FieldText.h"
#include "paramset/ParamFields.h"
#include "paramset/ParamSet.h"

#include <QBitArray>
#include <QHash>
#include <QMutex>

using namespace ParamLayout;
using Area = ParamDifference::Area;

namespace {

QString modelText(const ParamSet& s) {
    return QStringLiteral("%1 channels, firmware %2").arg(s.channelCount()).arg(s.versionText());
}

bool sameBytes(const ParamField& f, const ParamImage& a, const ParamImage& b, int base) {
    const auto first = a.bytes.begin() + base + f.offset;
    return std::equal(first, first + f.byteCount(), b.bytes.begin() + base + f.offset);
}

// The text a row shows, and the stored value where the text does not tell it.
QString shown(const ParamField& f, const ParamSet& s, int base) {
    const ParamContext context{s.channelCount(), s.versionHundredths()};
    const auto text = FieldText(f, s.image, base, context);
    return text ? ListedText(*text) : QString();
}

// `f` and `g`: the row's field in the left and in the right set (they differ only when the two
// sets are of firmware on both sides of 1.50).
void compareField(const ParamField& f, const ParamField& g, const ParamSet& l, const ParamSet& r,
                  int channel, QVector<ParamDifference>& out) {
    if (f.width == ParamWidth::None && g.width == ParamWidth::None)
        return;
    const int base = channel > 0 ? channelOffset(channel) : 0;
    const bool sameLayout = l.versionHundredths() == r.versionHundredths() &&
                            (l.channelCount() > 6) == (r.channelCount() > 6);
    if (sameLayout && sameBytes(f, l.image, r.image, base))
        return; // the same bytes show the same text
    const QString lt = shown(f, l, base);
    const QString rt = shown(g, r, base);
    const bool bytesDiffer = sameLayout;
    if (lt == rt && !bytesDiffer)
        return;
    ParamDifference d;
    d.area = channel > 0 ? Area::Channel : Area::Common;
    d.channel = channel;
    d.row = f.row;
    d.key = f.key;
    d.caption = f.caption;
    d.left = lt == rt ? QStringLiteral("%1 (%2)").arg(lt, StoredFieldValue(f, l.image, base)) : lt;
    d.right = lt == rt ? QStringLiteral("%1 (%2)").arg(rt, StoredFieldValue(g, r.image, base)) : rt;
    d.downloaded = DownloadWritesRow(f, channel, l.channelCount(), l.versionHundredths());
    out << d;
}

void compareFormula(Area area, int channel, const QByteArray& l, const QByteArray& r,
                    const ParamSet& left, QVector<ParamDifference>& out) {
    if (l == r)
        return;
    ParamDifference d;
    d.area = area;
    d.channel = channel;
    d.row = channel;
    d.key =
        area == Area::ChannelFormula ? QStringLiteral("CH_FORMULA") : QStringLiteral("MEM_FORMULA");
    d.caption = area == Area::ChannelFormula ? QStringLiteral("MATH. FUNCTION (CH MATH. TYPE)")
                                             : QStringLiteral("MATH. FUNCTION (M AREA)");
    d.left = ListedText(DecodeCp949(l));
    d.right = ListedText(DecodeCp949(r));
    d.downloaded = DownloadWritesFormula(area == Area::MemoryFormula, channel, left.channelCount(),
                                         left.versionHundredths());
    if (d.left == d.right) {
        d.left = QString::fromLatin1(l.toHex(' '));
        d.right = QString::fromLatin1(r.toHex(' '));
    }
    out << d;
}

// The image bytes that belong to no field of a set of this firmware.
QBitArray reservedImageBytes(int version) {
    QBitArray reserved(ImageSize, true);
    const auto mark = [&](const ParamField& f, int base) {
        if (f.width != ParamWidth::None)
            for (int i = 0; i < f.byteCount(); ++i)
                reserved.clearBit(base + f.offset + i);
    };
    for (const ParamField& f : CommonFields())
        mark(f, 0);
    for (int n = 1; n <= MaxChannels; ++n)
        for (const ParamField& f : ChannelFields(version))
            mark(f, channelOffset(n));
    return reserved;
}

int reservedDifferences(const ParamSet& l, const ParamSet& r) {
    static const QBitArray before = reservedImageBytes(0);
    static const QBitArray from = reservedImageBytes(VersionReferenceJunction);
    int count = 0;
    for (int i = 0; i < HeaderSize; ++i)
        if (i < HeaderModel || i > HeaderHundredths)
            count += l.header.bytes[size_t(i)] != r.header.bytes[size_t(i)] ? 1 : 0;
    const QBitArray& reserved = l.versionHundredths() >= VersionReferenceJunction ? from : before;
    for (int i = 0; i < ImageSize; ++i)
        if (reserved.testBit(i))
            count += l.image.bytes[size_t(i)] != r.image.bytes[size_t(i)] ? 1 : 0;
    return count;
}

constexpr int kMemoryFormulaFirst = 47001;
constexpr int kChannelFormulaFirst = 50001;

// Every register the download frames write for a model and firmware, looked up once each.
bool downloadWrites(int first, int count, int channels, int version) {
    static QMutex lock;
    static QHash<int, QVector<std::pair<int, int>>> frames;
    const QMutexLocker locked(&lock);
    const int key = channels * 100000 + version;
    auto it = frames.find(key);
    if (it == frames.end())
        it = frames.insert(key, DownloadWrites(channels, version / 100.0));
    for (int r = first; r < first + count; ++r) {
        const bool written = std::any_of(it->begin(), it->end(), [r](const auto& frame) {
            return r >= frame.first && r < frame.first + frame.second;
        });
        if (!written)
            return false;
    }
    return count > 0;
}

} // namespace

bool DownloadWritesRow(const ParamField& f, int channel, int channels, int version) {
    const int first = channel > 0 ? 40000 + 100 * channel + f.reg : f.reg;
    return f.reg > 0 && downloadWrites(first, f.registerCount(), channels, version);
}

bool DownloadWritesFormula(bool memory, int channel, int channels, int version) {
    return memory ? downloadWrites(kMemoryFormulaFirst + MemoryFormulaRegisters * (channel - 1),
                                   MemoryFormulaRegisters, channels, version)
                  : downloadWrites(kChannelFormulaFirst + 100 * channel, ChannelFormulaRegisters,
                                   channels, version);
}

QString ParamDifference::where() const {
    if (area == Area::Common || area == Area::Model || area == Area::Reserved)
        return QStringLiteral("common");
    return QStringLiteral("CH.%1").arg(channel, 2, 10, QLatin1Char('0'));
}

QVector<ParamDifference> CompareWrittenSet(const ParamSet& written, const ParamSet& readBack,
                                           bool ownFormulas) {
    QVector<ParamDifference> out;
    for (const ParamDifference& d : CompareParameterSets(written, readBack, false))
        if (d.downloaded && d.area != Area::Model)
            out << d;
    if (!ownFormulas)
        return out;
    const int channels = std::min(written.channelCount(), readBack.channelCount());
    for (int n = FormulaRecsInFile + 1; n <= channels; ++n)
        compareFormula(Area::ChannelFormula, n,
                       written.gFormulaTable[size_t(n - 1)].channelFormula(),
                       readBack.gFormulaTable[size_t(n - 1)].channelFormula(), written, out);
    return out;
}

QString ListedText(const QString& cell) {
    const qsizetype nul = cell.indexOf(QChar(0));
    return nul < 0 ? cell : cell.left(nul);
}

QVector<ParamDifference> CompareParameterSets(const ParamSet& l, const ParamSet& r, bool reserved) {
    QVector<ParamDifference> out;
    if (modelText(l) != modelText(r)) {
        ParamDifference d;
        d.area = Area::Model;
        d.key = QStringLiteral("MODEL");
        d.caption = QStringLiteral("MODEL AND FIRMWARE");
        d.left = modelText(l);
        d.right = modelText(r);
        out << d;
    }
    for (const ParamField& f : CommonFields())
        compareField(f, f, l, r, 0, out);
    const int channels = std::min(l.channelCount(), r.channelCount());
    const QVector<ParamField>& leftFields = ChannelFields(l.versionHundredths());
    const QVector<ParamField>& rightFields = ChannelFields(r.versionHundredths());
    for (int n = 1; n <= channels; ++n)
        for (qsizetype i = 0; i < leftFields.size(); ++i)
            compareField(leftFields[i], rightFields[i], l, r, n, out);
    if (l.hasFormulasInFile() && r.hasFormulasInFile()) {
        for (int n = 1; n <= std::min(channels, FormulaRecsInFile); ++n) {
            const FormulaRec& a = l.gFormulaTable[size_t(n - 1)];
            const FormulaRec& b = r.gFormulaTable[size_t(n - 1)];
            compareFormula(Area::ChannelFormula, n, a.channelFormula(), b.channelFormula(), l, out);
            compareFormula(Area::MemoryFormula, n, a.memoryFormula(), b.memoryFormula(), l, out);
        }
    }
    if (reserved && l.versionHundredths() == r.versionHundredths()) {
        if (const int count = reservedDifferences(l, r)) {
            ParamDifference d;
            d.area = Area::Reserved;
            d.key = QStringLiteral("RESERVED");
            d.caption = QStringLiteral("RESERVED BYTES");
            d.left = d.right = QStringLiteral("%1 bytes differ").arg(count);
            out << d;
        }
    }
    return out;
}
