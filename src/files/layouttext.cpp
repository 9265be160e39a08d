// The text forms of a layout file's attribute values: colours, integers, the
// designer time, and the two encodings a file's texts may come in.
#include "layoutfile.h"

#include <QStringList>

#include <array>
#include <limits>

namespace zef {

namespace {

// Windows-1252 from 0x80 to 0x9F; the five unassigned bytes map to the C1
// controls of the same value, as Windows itself decodes them.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QString layoutFileFilter() {
    return QStringLiteral("Layout files (*.xml)");
}
QString layoutFileSuffix() {
    return QStringLiteral("xml");
}

QString designerTimeText(const QDateTime& time) {
    const QDate d = time.date();
    const QTime t = time.time();
    return QString::asprintf("%02d.%02d.%04d %02d:%02d", d.day(), d.month(), d.year(), t.hour(),
                             t.minute());
}

bool isValidUtf8(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto* end = p + bytes.size();
    while (p != end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int length = 0;
        char32_t code = 0;
        char32_t minimum = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            code = c & 0x1F;
            minimum = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            code = c & 0x0F;
            minimum = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            code = c & 0x07;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (end - p < length) return false;
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80) return false;
            code = (code << 6) | (p[i] & 0x3F);
        }
        if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        p += length;
    }
    return true;
}

QString decodeWindows1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        text.append(b >= 0x80 && b <= 0x9F ? QChar(Cp1252High[b - 0x80]) : QChar(b));
    }
    return text;
}

QByteArray encodeWindows1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes.append(static_cast<char>(u));
            continue;
        }
        char out = '?';
        for (std::size_t i = 0; i < Cp1252High.size(); ++i) {
            if (Cp1252High[i] == u) {
                out = static_cast<char>(0x80 + i);
                break;
            }
        }
        bytes.append(out);
    }
    return bytes;
}

QString decodeFileText(const QByteArray& bytes) {
    return isValidUtf8(bytes) ? QString::fromUtf8(bytes) : decodeWindows1252(bytes);
}

QString normalizeDeviceName(const QString& name) {
    QString result = name;
    result.remove(QChar(0x00AE));
    result.remove(QChar(0x2122));
    result.replace(QChar(0x00ED), QLatin1Char('i'));
    return result;
}

QString cutText(const QString& text, qsizetype length) {
    if (text.size() <= length) return text;
    if (length > 0 && text.at(length - 1).isHighSurrogate()) --length;
    return text.left(length);
}

bool layoutFileKeepsText(const QString& text) {
    return !text.contains(QChar(u'\0'));
}

} // namespace zef
