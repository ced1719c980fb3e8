#pragma once

// Colours of the system are Windows RGB values written 0xBBGGRR (red is 0x0000FF).
namespace WinRgb {
constexpr int Black = 0x000000;
constexpr int White = 0xFFFFFF;
constexpr int Red = 0x0000FF;
constexpr int Green = 0x00FF00;
constexpr int LightGreen = 0xC0FFC0;
constexpr int LightYellow = 0xC0FFFF;
} // namespace WinRgb
