#pragma once

#include <cstdint>

// A colour as the platform names it: 0x00BBGGRR.
using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return ColorRef(red) | (ColorRef(green) << 8) | (ColorRef(blue) << 16);
}
constexpr std::uint8_t RedOf(ColorRef color) { return color & 0xFF; }
constexpr std::uint8_t GreenOf(ColorRef color) { return (color >> 8) & 0xFF; }
constexpr std::uint8_t BlueOf(ColorRef color) { return (color >> 16) & 0xFF; }

// The colour packed as an RGB565 pixel (the top 5, 6 and 5 bits).
constexpr std::uint16_t ToRgb565(ColorRef color)
{
    return static_cast<std::uint16_t>(((RedOf(color) & 0xF8) << 8) | ((GreenOf(color) & 0xFC) << 3) | (BlueOf(color) >> 3));
}

namespace Colors {

constexpr ColorRef Black = Rgb(0, 0, 0);
constexpr ColorRef White = Rgb(255, 255, 255);
// The transparent colour of the program's bitmaps.
constexpr ColorRef Cyan = Rgb(0, 255, 255);
// The main view's selection colour (0x00FF0000).
constexpr ColorRef SelectionBlue = Rgb(0, 0, 255);
// A selected blog row (0x00FF9393).
constexpr ColorRef SelectedRow = Rgb(0x93, 0x93, 0xFF);
// The progress window's background (0x00FFF0E1).
constexpr ColorRef ProgressBackground = Rgb(0xE1, 0xF0, 0xFF);

// The handheld's system colours.
constexpr ColorRef ButtonFace = Rgb(0xD6, 0xD3, 0xCE);
constexpr ColorRef WindowFrame = Rgb(0, 0, 0);
constexpr ColorRef Highlight = Rgb(0x0A, 0x24, 0x6A);
constexpr ColorRef GrayText = Rgb(0x80, 0x80, 0x80);

}
