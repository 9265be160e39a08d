#include "cnumber.h"

#include <QByteArray>

#include <cstring>
#include <limits>

namespace zef {

namespace {

// isspace in the C locale.
bool isCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

} // namespace

std::int32_t cStrtol(const char* begin, const char* end, int base) {
    const char* p = begin;
    while (p != end && isCSpace(*p)) ++p;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    // "0x" counts as a prefix only when a hex digit follows; otherwise the 0
    // is the number and the x ends it.
    if (base == 16 && end - p >= 3 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X') &&
        digitValue(p[2]) < 16)
        p += 2;

    // Accumulate the magnitude in 64 bits and stop growing once it is past the
    // 32-bit range: the result is clamped, whatever the number of digits.
    constexpr std::int64_t Limit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t magnitude = 0;
    for (; p != end; ++p) {
        const int d = digitValue(*p);
        if (d >= base) break;
        if (magnitude <= Limit) magnitude = magnitude * base + d;
    }
    if (negative) {
        return magnitude >= Limit ? std::numeric_limits<std::int32_t>::min()
                                  : static_cast<std::int32_t>(-magnitude);
    }
    return magnitude >= Limit ? std::numeric_limits<std::int32_t>::max()
                              : static_cast<std::int32_t>(magnitude);
}

std::int32_t cStrtol(QStringView text, int base) {
    // Characters outside Latin-1 become '?', which ends the number like any other
    // character that is not a digit.
    const QByteArray bytes = text.toLatin1();
    return cStrtol(bytes.constData(), bytes.constData() + bytes.size(), base);
}

std::int32_t cStrtol(const char* text) {
    if (!text) return 0;
    return cStrtol(text, text + std::strlen(text), 10);
}

} // namespace zef
