#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <array>
#include <bit>

// The binary forms of a parameter set, byte for byte as a parameter file holds them. Every
// multi-byte value is little-endian (16-bit and 32-bit signed integers, IEEE singles).
// Bytes that no field names are kept as they stand: they come from the last loaded file and
// are written back unchanged.

namespace ParamLayout {
constexpr int HeaderSize = 512;
constexpr int ImageSize = 4320;
constexpr int FormulaRecSize = 126;
constexpr int FormulaRecs = 12;
constexpr int FormulaRecsInFile = 6; // a file holds the formulas of channels 1 to 6 only
constexpr int MaxChannels = 12;

// The file sizes: before firmware 1.16 without formulas, from 1.16 with them.
constexpr int FileSizeWithoutFormulas = HeaderSize + ImageSize;
constexpr int FileSizeWithFormulas = FileSizeWithoutFormulas + FormulaRecsInFile * FormulaRecSize;
constexpr double FormulaVersion = 1.16;

// Header.
constexpr int HeaderModel = 16;
constexpr int HeaderZero = 17;
constexpr int HeaderMajor = 18;
constexpr int HeaderHundredths = 19;

// Image: digital inputs, the file-name prefix and the channel records.
constexpr int DigitalInputFirst = 616;
constexpr int DigitalInputSize = 12;
constexpr int FilePrefix = 688;
constexpr int ChannelFirst = 720;
constexpr int ChannelSize = 300;
constexpr int AlarmFirst = 92; // within a channel record
constexpr int AlarmSize = 28;
constexpr int channelOffset(int channel) {
    return ChannelFirst + ChannelSize * (channel - 1);
}
constexpr int digitalInputOffset(int input) {
    return DigitalInputFirst + DigitalInputSize * (input - 1);
}

// Formula record: the channel formula as 50 registers, then the memory formula as 13.
constexpr int ChannelFormulaRegisters = 50;
constexpr int MemoryFormulaRegisters = 13;
constexpr int MemoryFormulaOffset = 2 * ChannelFormulaRegisters;
} // namespace ParamLayout

// Little-endian fields over a fixed block of bytes.
template <int Size>
struct ByteBlock {
    std::array<quint8, Size> bytes{};

    quint16 u16(int offset) const {
        return quint16(bytes[size_t(offset)] | bytes[size_t(offset) + 1] << 8);
    }
    void setU16(int offset, quint16 value) {
        bytes[size_t(offset)] = quint8(value & 0xFF);
        bytes[size_t(offset) + 1] = quint8(value >> 8);
    }
    qint16 i16(int offset) const { return qint16(u16(offset)); }
    void setI16(int offset, qint16 value) { setU16(offset, quint16(value)); }
    quint32 u32(int offset) const { return quint32(u16(offset)) | quint32(u16(offset + 2)) << 16; }
    void setU32(int offset, quint32 value) {
        setU16(offset, quint16(value & 0xFFFF));
        setU16(offset + 2, quint16(value >> 16));
    }
    qint32 i32(int offset) const { return qint32(u32(offset)); }
    void setI32(int offset, qint32 value) { setU32(offset, quint32(value)); }
    float f32(int offset) const { return std::bit_cast<float>(u32(offset)); }
    void setF32(int offset, float value) { setU32(offset, std::bit_cast<quint32>(value)); }

    QByteArray toByteArray() const {
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), Size);
    }
    // Takes the first Size bytes of `data` (which must hold them).
    void assign(const QByteArray& data, qsizetype from = 0) {
        for (int i = 0; i < Size; ++i)
            bytes[size_t(i)] = quint8(data[from + i]);
    }
    bool operator==(const ByteBlock&) const = default;
};

// The 512-byte header: model code, a zero byte, the firmware version as major and
// hundredths (1.16 is 1 and 16); everything else is kept as loaded.
struct ParamFileHeader : ByteBlock<ParamLayout::HeaderSize> {
    int modelCode() const { return bytes[ParamLayout::HeaderModel]; }
    int versionMajor() const { return bytes[ParamLayout::HeaderMajor]; }
    int versionHundredths() const { return bytes[ParamLayout::HeaderHundredths]; }
    double version() const { return versionMajor() + versionHundredths() / 100.0; }
    // Model code (0, 1, 2 or 4) and version of a set of `channels` channels and `version`.
    void describe(int channels, double version);
};

// The 4320-byte parameter image: the common settings, six digital inputs, the file-name
// prefix and twelve channel records.
struct ParamImage : ByteBlock<ParamLayout::ImageSize> {
    // A character field of `characters` two-byte slots as the code-page bytes it stands for:
    // normally one byte per slot (the character's code in the first byte, 0 in the second).
    // A slot whose second byte is not 0 holds a double-byte character as one 16-bit code, lead
    // byte high. At most `characters` bytes; zero bytes are kept.
    QByteArray chars(int offset, int characters) const;
    // Writes `text` (code-page bytes) one byte per slot from the start; remaining slots 0.
    void setChars(int offset, int characters, const QByteArray& text);
};

// One channel's formulas as registers kept in native order: the channel formula (50
// registers) and the memory formula (13). A formula's text is the register bytes in
// transmission order, high byte first.
struct FormulaRec : ByteBlock<ParamLayout::FormulaRecSize> {
    QByteArray channelFormula() const { return text(0, ParamLayout::ChannelFormulaRegisters); }
    QByteArray memoryFormula() const {
        return text(ParamLayout::MemoryFormulaOffset, ParamLayout::MemoryFormulaRegisters);
    }
    void setChannelFormula(const QByteArray& t) {
        setText(0, ParamLayout::ChannelFormulaRegisters, t);
    }
    void setMemoryFormula(const QByteArray& t) {
        setText(ParamLayout::MemoryFormulaOffset, ParamLayout::MemoryFormulaRegisters, t);
    }
    QByteArray text(int offset, int registers) const;
    void setText(int offset, int registers, const QByteArray& text);
};

// The formulas of all twelve channels (index 0 = channel 1).
using FormulaTable = std::array<FormulaRec, ParamLayout::FormulaRecs>;
