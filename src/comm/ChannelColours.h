#pragma once

#include <QtGlobal>
#include <array>

// The twelve channel colours a recorder offers, as the RGB565 values of the parameter set, in
// the order of their index (the number the recorder's colour register and the tables hold).
constexpr std::array<quint16, 12> ChannelColourRgb565{
    0x001F, 0x07E0, 0x07FF, 0xF800, 0xF81F, 0xFDA0, 0x000F, 0x03E0, 0x03EF, 0x7800, 0xE01C, 0x7BE0,
};

// The colours this PC program paints the channel colour codes 0..11 in (the monitors, the graph
// viewer), as Windows RGB values (0xBBGGRR). They are not the recorder's own twelve above: code 0
// is red here and blue on the recorder's screen, 1 blue and green, 3 cyan and red, as the
// program and the recorder have always drawn them; any other code is white.
constexpr std::array<int, 12> ChannelPcColourRgb{
    0x0000FF, 0xFF0000, 0x00FF00, 0xFFFF00, 0xFF80FF, 0x80C0FF,
    0x000080, 0x800000, 0x008000, 0x808000, 0x800080, 0x00C0C0,
};
constexpr int ChannelPcColour(int code) {
    return code >= 0 && code < int(ChannelPcColourRgb.size()) ? ChannelPcColourRgb[code] : 0xFFFFFF;
}

// The index 0..11 of an RGB565 colour, or -1 when it is none of the twelve.
constexpr int ChannelColourIndex(quint16 rgb565) {
    for (int i = 0; i < int(ChannelColourRgb565.size()); ++i)
        if (ChannelColourRgb565[i] == rgb565)
            return i;
    return -1;
}
