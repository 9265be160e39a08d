#pragma once

#include <cstdio>
#include <string>

namespace zef {

// The attribute name of a dynamic-colour row: the prefix and the row as two
// digits ("valDC03").
inline std::string rowAttributeName(const char* prefix, int row) {
    char digits[12];
    std::snprintf(digits, sizeof digits, "%02d", row);
    return std::string(prefix) + digits;
}

} // namespace zef
