#pragma once

#include <QtGlobal>
#include <array>

// The twelve channel colours a recorder offers, as the RGB565 values of the parameter set, in
// the order of their index (the number the recorder's colour register and the tables hold).
constexpr std::array<quint16, 12> ChannelColourRgb565{
    0x001F, 0x07E0, 0x07FF, 0xF800, 0xF81F, 0xFDA0, 0x000F, 0x03E0, 0x03EF, 0x7800, 0xE01C, 0x7BE0,
};

// The index 0..11 of an RGB565 colour, or -1 when it is none of the twelve.
constexpr int ChannelColourIndex(quint16 rgb565) {
    for (int i = 0; i < int(ChannelColourRgb565.size()); ++i)
        if (ChannelColourRgb565[i] == rgb565)
            return i;
    return -1;
}
