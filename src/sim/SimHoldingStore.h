#pragma once

#include "sim/SimRegisters.h"

#include <QtGlobal>
#include <vector>

// The holding registers a meter stores, in one flat array: the common block, twelve channel
// blocks, the memory formulas and twelve channel formulas. A register outside them has no
// slot; reading it gives 0 and writing it is ignored.
class SimHoldingStore {
public:
    SimHoldingStore()
        : m_values(Size, 0) {}

    static int slotOf(int number) {
        using namespace SimReg;
        if (number >= CommonFirst && number < CommonFirst + CommonCount)
            return number - CommonFirst;
        if (number > channelBase(1) && number <= channelBase(MaxChannels) + ChannelSize) {
            const int k = (number - 40000) % 100;
            if (k >= 1 && k <= ChannelSize)
                return Channels + ((number - 40000) / 100 - 1) * ChannelSize + k - 1;
            return -1;
        }
        if (number >= MemFormulaFirst &&
            number < MemFormulaFirst + MemFormulaSlot * MemFormulaSlots)
            return MemFormulas + number - MemFormulaFirst;
        if (number >= chFormulaBase(1) && number < chFormulaBase(MaxChannels) + ChFormulaSize) {
            const int k = (number - 50001) % 100;
            if (k < ChFormulaSize)
                return ChFormulas + ((number - 50001) / 100 - 1) * ChFormulaSize + k;
        }
        return -1;
    }

    bool contains(int number) const { return slotOf(number) >= 0; }
    quint16 value(int number) const {
        const int slot = slotOf(number);
        return slot < 0 ? 0 : m_values[size_t(slot)];
    }
    void set(int number, quint16 value) {
        const int slot = slotOf(number);
        if (slot >= 0)
            m_values[size_t(slot)] = value;
    }

private:
    static constexpr int Channels = SimReg::CommonCount;
    static constexpr int MemFormulas = Channels + SimReg::MaxChannels * SimReg::ChannelSize;
    static constexpr int ChFormulas =
        MemFormulas + SimReg::MemFormulaSlot * SimReg::MemFormulaSlots;
    static constexpr int Size = ChFormulas + SimReg::MaxChannels * SimReg::ChFormulaSize;

    std::vector<quint16> m_values;
};
