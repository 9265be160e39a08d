#pragma once

#include <QString>

#include <cstdint>

namespace zef {

// A colour as elements and controls hold it: 0x00BBGGRR, red in the low byte.
// The other forms it travels in are made only here:
//   "RRGGBB"      six hexadecimal digits, in layout files, the panel and the list;
//   0xRRGGBB      the 24-bit number of the config string;
//   0xFFRRGGBB    opaque ARGB, for drawing (a QRgb).
using Bgr = std::uint32_t;

namespace color {

constexpr std::uint32_t red(Bgr c) {
    return c & 0xFFu;
}
constexpr std::uint32_t green(Bgr c) {
    return (c >> 8) & 0xFFu;
}
constexpr std::uint32_t blue(Bgr c) {
    return (c >> 16) & 0xFFu;
}
constexpr Bgr fromRgbParts(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return (r & 0xFFu) | (g & 0xFFu) << 8 | (b & 0xFFu) << 16;
}

// 0x00BBGGRR <-> 0xRRGGBB: the low and the third byte trade places (the same
// swap both ways); the second and the top byte stay.
constexpr std::uint32_t swapRedBlue(std::uint32_t c) {
    return (c & 0xFF00FF00u) | ((c & 0xFFu) << 16) | ((c >> 16) & 0xFFu);
}
// The config string's 24-bit number.
constexpr std::uint32_t toRgb24(Bgr c) {
    return swapRedBlue(c) & 0xFFFFFFu;
}
constexpr Bgr fromRgb24(std::uint32_t rgb) {
    return swapRedBlue(rgb & 0xFFFFFFu);
}
// Opaque ARGB for painting (QRgb).
constexpr std::uint32_t toArgb(Bgr c) {
    return 0xFF000000u | toRgb24(c);
}
// The colour of an ARGB value (QColor::rgb()); alpha is dropped.
constexpr Bgr fromArgb(std::uint32_t argb) {
    return fromRgb24(argb & 0xFFFFFFu);
}
// The opposite colour, as night mode shows it.
constexpr Bgr inverted(Bgr c) {
    return (c ^ 0xFFFFFFu) & 0xFFFFFFu;
}

// "RRGGBB", upper case, of the low 24 bits.
QString toHexText(Bgr c);
// "RRGGBB" back to the colour: the three pairs joined in blue, green, red order
// and read as strtol reads hex digits, so a short or damaged text reads as the
// C library would. Only 24 bits are kept (a sign inside a damaged text would
// otherwise set the top byte).
Bgr fromHexText(const QString& text);

} // namespace color
} // namespace zef
