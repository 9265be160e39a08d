#include "samplevaluetext.h"

#include "cnumber.h"
#include "valuetypecatalog.h"

#include <QtGlobal>

#include <charconv>
#include <climits>
#include <cstdio>
#include <limits>
#include <string>

namespace zef {

namespace {

// Decimals the preview will print. The panel keeps precision at 0..3; a hand-edited
// layout file may carry anything, so keep the text bounded.
constexpr int MaxPrecision = 99;

bool isCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads a decimal real number from the start of the text the way strtod does in the
// C locale: leading white space, optional sign, digits with an optional "." and an
// optional exponent; reading stops at the first other character. 0 when nothing can be
// read. No hexadecimal, "inf" or "nan" forms: a sample reading is plain decimal.
double leadingReal(const QString& text) {
    const qsizetype size = text.size();
    const auto at = [&text, size](qsizetype k) {
        return k < size && text.at(k).unicode() < 0x80 ? text.at(k).toLatin1() : '\0';
    };
    qsizetype i = 0;
    while (isCSpace(at(i))) ++i;
    bool negative = false;
    if (at(i) == '+' || at(i) == '-') negative = at(i++) == '-';

    // Decimal order of the first significant digit, to tell overflow from underflow.
    std::string digits;
    long long order = 0;
    bool significant = false;
    bool anyDigit = false;
    for (; isDigit(at(i)); ++i) {
        anyDigit = true;
        significant = significant || at(i) != '0';
        if (significant) ++order;
        digits += at(i);
    }
    if (at(i) == '.' && (anyDigit || isDigit(at(i + 1)))) {
        digits += '.';
        for (++i; isDigit(at(i)); ++i) {
            anyDigit = true;
            if (!significant) {
                significant = at(i) != '0';
                if (!significant) --order;
            }
            digits += at(i);
        }
    }
    if (!anyDigit) return 0.0;

    if (at(i) == 'e' || at(i) == 'E') {
        qsizetype j = i + 1;
        if (at(j) == '+' || at(j) == '-') ++j;
        if (isDigit(at(j))) {
            long long exponent = 0;
            const bool expNegative = at(i + 1) == '-';
            digits += 'e';
            if (expNegative) digits += '-';
            for (; isDigit(at(j)); ++j) {
                if (exponent < 1000000) exponent = exponent * 10 + (at(j) - '0');
                digits += at(j);
            }
            order += expNegative ? -exponent : exponent;
            i = j;
        }
    }

    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        // As strtod: overflow reads as infinity, underflow as zero.
        value = significant && order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    else if (result.ec != std::errc())
        value = 0.0;
    return negative ? -value : value;
}

// Truncates toward zero; readings outside the int range are held at its ends.
int truncatedSeconds(double value) {
    if (!(value < static_cast<double>(INT_MAX) + 1.0)) return INT_MAX;
    if (!(value > static_cast<double>(INT_MIN) - 1.0)) return INT_MIN;
    return static_cast<int>(value);
}

// printf("%.*f") in the C locale, whatever locale the process runs in.
QString fixedPoint(double value, int precision) {
    precision = qBound(0, precision, MaxPrecision);
    char buffer[512];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof(buffer), value, std::chars_format::fixed, precision);
    if (ec != std::errc()) return QString();
    return QString::fromLatin1(buffer, static_cast<qsizetype>(end - buffer));
}

// printf("%d") and printf("%02d"); integer conversions do not depend on the locale.
QString plainInt(int n) {
    return QString::number(n);
}

QString twoDigitInt(int n) {
    char buffer[16];
    const int length = std::snprintf(buffer, sizeof(buffer), "%02d", n);
    return QString::fromLatin1(buffer, length);
}

// clang-format off
QString batteryState(int n) {
    switch (n) {
    case 1: return QStringLiteral("NEW");
    case 2: return QStringLiteral("GOOD");
    case 3: return QStringLiteral("OK");
    case 4: return QStringLiteral("LOW");
    case 5: return QStringLiteral("CRITICAL");
    default: return QStringLiteral("INVALID");
    }
}

QString sensorState(int n) {
    switch (n) {
    case 1: return QStringLiteral("CLOSED");
    case 2: return QStringLiteral("SEARCHING");
    case 3: return QStringLiteral("TRACKING");
    default: return QStringLiteral("INVALID");
    }
}

QString lightMode(int n) {
    switch (n) {
    case 1: return QStringLiteral("81-100%");
    case 2: return QStringLiteral("61-80%");
    case 3: return QStringLiteral("41-60%");
    case 4: return QStringLiteral("21-40%");
    case 5: return QStringLiteral("0-20%");
    case 6: return QStringLiteral("SLOW FLASH");
    case 7: return QStringLiteral("FAST FLASH");
    case 8: return QStringLiteral("RANDOM FLASH");
    case 9: return QStringLiteral("AUTO");
    case 10: return QStringLiteral("SIGNAL LEFT SC");
    case 11: return QStringLiteral("SIGNAL LEFt");
    case 12: return QStringLiteral("SIGNAL RIGHT SC");
    case 13: return QStringLiteral("SIGNAL RIGHT");
    case 14: return QStringLiteral("HAZARD");
    case 59: return QStringLiteral("CUSTOM 5");
    case 60: return QStringLiteral("CUSTOM 4");
    case 61: return QStringLiteral("CUSTOM 3");
    case 62: return QStringLiteral("CUSTOM 2");
    case 63: return QStringLiteral("CUSTOM 1");
    default: return QStringLiteral("OFF");
    }
}
// clang-format on

QString compassPoint(int n) {
    const double d = n % 360; // C remainder: the sign of n
    if (d >= 337.5 || d < 22.5) return QStringLiteral("N");
    if (d < 67.5) return QStringLiteral("NE");
    if (d < 112.5) return QStringLiteral("E");
    if (d < 157.5) return QStringLiteral("SE");
    if (d < 202.5) return QStringLiteral("S");
    if (d < 247.5) return QStringLiteral("SW");
    if (d < 292.5) return QStringLiteral("W");
    return QStringLiteral("NW");
}

// clang-format off
QString stateName(int id, int n) {
    switch (id) {
    case 124: // current heading
    case 126: // track
    case 244: // wind bearing
        return compassPoint(n);
    case 171: case 174: case 179: case 183: case 191: case 203: case 208: case 219: case 221:
        return batteryState(n);
    case 170: case 173: case 178: case 182: case 190: case 202: case 207: case 218: case 220:
        return sensorState(n);
    case 222: case 223: case 224: case 225: case 226: case 227:
        return lightMode(n);
    default:
        return QStringLiteral("INVALID");
    }
}
// clang-format on

// "$h" "$H" "$m" "$M" "$s" "$S" "$c" "$C" from a reading in seconds.
void replaceTimePlaceholders(QString& pattern, double value) {
    const int secs = truncatedSeconds(value);
    const int hours = secs / 3600;
    const int totalMinutes = secs / 60;
    const int minutes = totalMinutes - 60 * hours;
    const int seconds = secs % 60;
    const auto has = [&pattern](const char* placeholder) {
        return pattern.contains(QLatin1String(placeholder));
    };
    if (has("$H") || has("$h")) {
        // With hours shown, "$c" and "$C" drop the seconds and the colon before them.
        pattern.replace(QLatin1String("$h"), plainInt(hours));
        pattern.replace(QLatin1String("$H"), twoDigitInt(hours));
        pattern.replace(QLatin1String("$m"), plainInt(minutes));
        pattern.replace(QLatin1String("$M"), twoDigitInt(minutes));
        pattern.replace(QLatin1String("$s"), plainInt(seconds));
        pattern.replace(QLatin1String(":$c"), QString());
        pattern.replace(QLatin1String("$c"), QString());
        pattern.replace(QLatin1String("$S"), twoDigitInt(seconds));
        pattern.replace(QLatin1String(":$C"), QString());
        pattern.replace(QLatin1String("$C"), QString());
    } else if (has("$M") || has("$m")) {
        // Without hours the minutes are the total minutes.
        pattern.replace(QLatin1String("$M"), twoDigitInt(totalMinutes));
        pattern.replace(QLatin1String("$m"), plainInt(totalMinutes));
        pattern.replace(QLatin1String("$S"), twoDigitInt(seconds));
        pattern.replace(QLatin1String("$C"), twoDigitInt(seconds));
        pattern.replace(QLatin1String("$s"), plainInt(seconds));
        pattern.replace(QLatin1String("$c"), plainInt(seconds));
    } else if (has("$S") || has("$s") || has("$c") || has("$C")) {
        // Seconds alone are the total seconds, rounded.
        const QString total = fixedPoint(value, 0);
        pattern.replace(QLatin1String("$S"), total);
        pattern.replace(QLatin1String("$s"), total);
        pattern.replace(QLatin1String("$c"), total);
        pattern.replace(QLatin1String("$C"), total);
    }
}

} // namespace

QString valueElementText(ValueTextMembers& element, TextMode mode,
                         const ValueTypeCatalog& catalog) {
    // Positions are valid by construction; a stray one reads as "-- None --" rather than
    // reaching past the table.
    const bool inRange = element.valueType >= 0 &&
                         static_cast<std::size_t>(element.valueType) < catalog.valueTypes.size();
    const ValueTypeInfo& info = catalog.valueTypes.at(inRange ? element.valueType : 0);
    const bool preview = mode == TextMode::Preview;

    if (element.sampleText.isEmpty()) element.sampleText = info.sampleValue;

    // The gear value shows the gear number itself; its pattern is the gear table.
    if (preview && info.code == QLatin1String("BG")) return element.sampleText;

    if (element.fixedText || (!preview && !element.text.isEmpty())) return element.text;

    if (element.sampleText.isEmpty()) return element.text;

    const double value = leadingReal(element.sampleText);
    if (info.displayPattern.size() < 2)
        return preview ? fixedPoint(value, element.precision) : QString();

    QString pattern = element.text.isEmpty() ? info.displayPattern : element.text;
    element.text = pattern;

    if (!preview) return pattern;

    pattern.replace(QLatin1String("$Y"), plainInt(2020));
    pattern.replace(QLatin1String("$N"), plainInt(11));
    pattern.replace(QLatin1String("$D"), plainInt(18));

    pattern.replace(QLatin1String("$T"), stateName(info.id, cStrtol(element.sampleText)));
    replaceTimePlaceholders(pattern, value);
    pattern.replace(QLatin1String("$a"), QLatin1String("am"));

    pattern.replace(QLatin1String("$V"), fixedPoint(value, element.precision));
    return pattern;
}

} // namespace zef
