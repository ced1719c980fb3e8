#pragma once

#include <QVector>

// Where a parameter download takes its data from: the parameter image being edited.
// It answers with the values of holding registers as the image lays them out; the channel
// colour register holds the image's RGB565 value (the engine sends its colour index instead).
class ParameterSource {
public:
    virtual ~ParameterSource() = default;
    virtual QVector<quint16> holdingRegisters(int firstRegister, int count) const = 0;
};
