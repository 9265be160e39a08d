#include "configstring.h"

#include <array>

namespace zef {

namespace {

// Four Ascii85 characters the data field cannot take in its settings text; the
// string carries letters above "u" in their place.
constexpr std::array<std::pair<char16_t, char16_t>, 4> Replacements = {{
    {u'<', u'w'},
    {u'>', u'x'},
    {u'&', u'y'},
    {u'#', u'z'},
}};

char16_t replaced(char16_t plain) {
    for (const auto& [from, to] : Replacements)
        if (plain == from) return to;
    return plain;
}

char16_t restored(char16_t written) {
    for (const auto& [from, to] : Replacements)
        if (written == to) return from;
    return written;
}

} // namespace

QString EncodeConfigNumber(std::uint32_t word) {
    QString group(5, QLatin1Char('!'));
    for (int i = 4; i >= 0 && word != 0; --i) {
        group[i] = QChar(replaced(static_cast<char16_t>(33 + word % 85)));
        word /= 85;
    }
    return group;
}

std::uint32_t DecodeConfigNumber(QStringView group) {
    std::uint32_t word = 0;
    for (const QChar ch : group) {
        // The data field reads 8-bit text: only the low byte counts, as a signed char.
        const auto low = static_cast<std::int8_t>(restored(ch.unicode()) & 0xFF);
        word = word * 85u + static_cast<std::uint32_t>(static_cast<std::int32_t>(low) - 33);
    }
    return word;
}

} // namespace zef
