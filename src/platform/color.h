// A colour as the drawing primitives take it.
#pragma once

#include <cstdint>

// 0x00BBGGRR: red in the low byte.
using COLORREF = uint32_t;

constexpr COLORREF MakeColorRef(uint8_t red, uint8_t green, uint8_t blue) {
    return red | (COLORREF{green} << 8) | (COLORREF{blue} << 16);
}
constexpr uint8_t RedOf(COLORREF c) { return c & 0xFF; }
constexpr uint8_t GreenOf(COLORREF c) { return (c >> 8) & 0xFF; }
constexpr uint8_t BlueOf(COLORREF c) { return (c >> 16) & 0xFF; }
