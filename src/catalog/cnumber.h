#pragma once

#include <QStringView>

#include <cstdint>

namespace zef {

// Integers read the way the C library's strtol reads them with a 32-bit long:
// leading blanks, an optional sign, digits up to the first other character (no
// digits read as 0), and in base 16 an optional "0x" prefix. Values outside 32
// bits saturate at INT32_MIN / INT32_MAX instead of being undefined. Layout files,
// the fonts file and sample texts all read their numbers this way.
std::int32_t cStrtol(const char* begin, const char* end, int base = 10);
// The same for text; a character outside Latin-1 ends the number.
std::int32_t cStrtol(QStringView text, int base = 10);
// A NUL-terminated text in base 10; a null pointer reads as 0.
std::int32_t cStrtol(const char* text);

} // namespace zef
