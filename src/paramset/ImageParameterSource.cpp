#include "paramset/ImageParameterSource.h"

#include "paramset/ParamFields.h"
#include "paramset/ParamSet.h"

using namespace ParamLayout;

namespace {

constexpr int MemoryFormulaFirst = 47001;
constexpr int ChannelFormulaFirst = 50001;

// Register `index` (from 0) of the field on the wire: 32-bit values high word first,
// characters two to a register, the first in the high byte.
quint16 fieldRegister(const ParamField& f, const ParamImage& image, int base, int index) {
    const int at = base + f.offset;
    switch (f.width) {
    case ParamWidth::I16:
        return image.u16(at);
    case ParamWidth::I32:
    case ParamWidth::F32:
        return index == 0 ? image.u16(at + 2) : image.u16(at);
    case ParamWidth::Chars: {
        const QByteArray text = image.chars(at, f.characters).leftJustified(f.characters, '\0');
        return quint16(quint8(text[2 * index]) << 8 | quint8(text[2 * index + 1]));
    }
    case ParamWidth::None:
        break;
    }
    return 0;
}

std::optional<quint16> fromFields(const QVector<ParamField>& fields, const ParamImage& image,
                                  int base, int reg) {
    for (const ParamField& f : fields)
        if (f.reg > 0 && reg >= f.reg && reg < f.reg + f.registerCount())
            return fieldRegister(f, image, base, reg - f.reg);
    return std::nullopt;
}

} // namespace

std::optional<quint16> ImageRegister(const ParamSet& set, int number) {
    if (number > 40000 && number < 40100)
        return fromFields(CommonFields(), set.image, 0, number);
    if (number > 40100 && number <= 40000 + 100 * MaxChannels + 93) {
        const int channel = (number - 40000) / 100;
        return fromFields(ChannelFields(set.versionHundredths()), set.image, channelOffset(channel),
                          (number - 40000) % 100);
    }
    const int memory = number - MemoryFormulaFirst;
    if (memory >= 0 && memory < MemoryFormulaRegisters * FormulaRecs) {
        const FormulaRec& rec = set.gFormulaTable[size_t(memory / MemoryFormulaRegisters)];
        return rec.u16(MemoryFormulaOffset + 2 * (memory % MemoryFormulaRegisters));
    }
    const int formula = number - ChannelFormulaFirst;
    if (formula >= 100 && formula < 100 * (MaxChannels + 1) &&
        formula % 100 < ChannelFormulaRegisters)
        return set.gFormulaTable[size_t(formula / 100 - 1)].u16(2 * (formula % 100));
    return std::nullopt;
}

QVector<quint16> ImageParameterSource::holdingRegisters(int firstRegister, int count) const {
    QVector<quint16> values;
    values.reserve(count);
    for (int r = firstRegister; r < firstRegister + count; ++r) {
        const auto value = ImageRegister(m_set, r);
        if (!value)
            return {}; // the download refuses a frame it cannot fill
        values.append(*value);
    }
    return values;
}
