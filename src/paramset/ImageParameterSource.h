#pragma once

#include "comm/ParameterSource.h"

#include <optional>

class ParamSet;

// The download's data: the holding registers as the set's image lays them out, read when
// each frame is built. Take the image from the tables (TakeImageFromTables) before posting the
// download. The channel block follows the set's own firmware: from 1.50 registers 19 and 20 of
// a block carry the reference temperature, high word first.
class ImageParameterSource : public ParameterSource {
public:
    explicit ImageParameterSource(const ParamSet& set)
        : m_set(set) {}
    QVector<quint16> holdingRegisters(int firstRegister, int count) const override;

private:
    const ParamSet& m_set;
};

// One holding register of the set, nothing for a register the image has no place for (the
// device clock, registers between the blocks).
std::optional<quint16> ImageRegister(const ParamSet& set, int number);
