#include "files/layoutfile.h"

#include <gtest/gtest.h>

#include <QDateTime>

#include <climits>

namespace zef {
namespace {

TEST(LayoutText, DesignerTimeIsDayMonthYearHoursMinutes) {
    EXPECT_EQ(designerTimeText(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 59))),
              QStringLiteral("05.03.2024 09:07"));
    EXPECT_EQ(designerTimeText(QDateTime(QDate(1999, 12, 31), QTime(23, 59))),
              QStringLiteral("31.12.1999 23:59"));
}

struct DecodeCase {
    QByteArray bytes;
    QString text;
    const char* why;
};

TEST(LayoutText, DecodeFileTextTakesUtf8OverTheWholeTextElseWindows1252) {
    const DecodeCase cases[] = {
        {"plain", QStringLiteral("plain"), "ASCII is UTF-8"},
        {"Gr\xC3\xBC\xC3\x9F\x65", QStringLiteral("Grüße"), "UTF-8"},
        {"\xE2\x82\xAC", QString(QChar(0x20AC)), "euro in UTF-8"},
        {"\x80 \xE9", QString(QChar(0x20AC)) + QStringLiteral(" é"), "euro and e-acute in 1252"},
        {"\xC3\xBC \xFC", QStringLiteral("Ã¼ ü"), "one bad byte makes the whole text 1252"},
        {"\x96\x99\x81", QString(QChar(0x2013)) + QChar(0x2122) + QChar(0x81),
         "en dash, trade mark, unassigned 0x81"},
        {"\xC0\xAF", QStringLiteral("À¯"), "overlong form is not UTF-8"},
        {"\xED\xA0\x80", QStringLiteral("í\u00A0\u20AC"), "a surrogate is not UTF-8"},
        {"\xF0\x9F\x98\x80", QString::fromUtf8("\xF0\x9F\x98\x80"), "four bytes"},
        {"\xF4\x90\x80\x80", QStringLiteral("ô\u0090\u20AC\u20AC"), "above U+10FFFF"},
        {"\xE2\x82", QStringLiteral("â\u201A"), "cut sequence"},
    };
    for (const auto& c : cases) EXPECT_EQ(decodeFileText(c.bytes), c.text) << c.why;
}

TEST(LayoutText, Windows1252RoundTripsEveryByte) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
    EXPECT_EQ(encodeWindows1252(decodeWindows1252(all)), all);
    EXPECT_EQ(encodeWindows1252(QStringLiteral("a\u0100b")), QByteArray("a?b"));
}

TEST(LayoutText, NormalizeDeviceNameDropsSignsAndPlainsIAcute) {
    EXPECT_EQ(normalizeDeviceName(QStringLiteral("Edge® 1030™")), QStringLiteral("Edge 1030"));
    EXPECT_EQ(normalizeDeviceName(QStringLiteral("vívoactive 3")), QStringLiteral("vivoactive 3"));
    EXPECT_EQ(normalizeDeviceName(QStringLiteral("VÍVO")), QStringLiteral("VÍVO"))
        << "only the small i with acute";
}

} // namespace
} // namespace zef
