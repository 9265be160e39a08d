#include "files/layoutfile.h"

#include <gtest/gtest.h>

#include <QDateTime>

#include <climits>

namespace zef {
namespace {

struct ColorCase {
    const char* text;
    Bgr color;
    const char* why;
};

TEST(LayoutText, TextToColorReadsRedGreenBluePairs) {
    const ColorCase cases[] = {
        {"FF8000", 0x000080FF, "red 255, green 128, blue 0"},
        {"ff8000", 0x000080FF, "lower case reads the same"},
        {"123456", 0x00563412, "pairs reversed into 0x00BBGGRR"},
        {"FF", 0x000000FF, "two digits are pure red"},
        {"", 0, "empty"},
        {"FF80", 0x000080FF, "a missing blue pair is empty"},
        {"GG0000", 0, "the first pair read is blue: 00, green 00, then G stops"},
        {"0000GG", 0, "blue pair GG stops at once"},
        {"12345", 0x00053412, "a short third pair"},
        {" 1 2 3", 0x00000003, "joined ' 3 2 1': the leading blank is skipped, the next ends it"},
        {"0x1234", 0x00034120, "0x in the red pair ends up last: '34120x' reads 34120"},
        {"34120x", 0x00001234, "joined '0x1234' takes the 0x prefix"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(textToColor(QString::fromLatin1(c.text)), c.color) << c.text << ": " << c.why;
}

TEST(LayoutText, ColorToTextWritesSixUpperCaseDigits) {
    const ColorCase cases[] = {
        {"FF8000", 0x000080FF, "red 255, green 128, blue 0"},
        {"123456", 0x00563412, "red 0x12, green 0x34, blue 0x56"},
        {"000000", 0, "black"},
        {"0000FF", 0x00FF0000, "pure blue"},
        {"ABCDEF", 0x00EFCDAB, "upper case"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(colorToText(c.color), QString::fromLatin1(c.text)) << c.why;
        EXPECT_EQ(textToColor(colorToText(c.color)), c.color) << c.why;
    }
}

struct IntCase {
    const char* text;
    std::int32_t value;
    const char* why;
};

TEST(LayoutText, IntegersReadAsTheCScanDoesAndClamp) {
    const IntCase cases[] = {
        {"12", 12, "plain"},
        {"-12", -12, "negative"},
        {"+7", 7, "plus sign"},
        {" 12abc", 12, "leading blank, trailing text ignored"},
        {"\t\r\n 5", 5, "every C blank is skipped"},
        {"-", 0, "sign alone"},
        {"abc", 0, "no digits"},
        {"", 0, "empty"},
        {"0x10", 0, "no hex: 0 then x stops"},
        {"2147483647", INT_MAX, "largest"},
        {"-2147483648", INT_MIN, "smallest"},
        {"2147483648", INT_MAX, "one past is clamped"},
        {"99999999999", INT_MAX, "far past is clamped"},
        {"-99999999999", INT_MIN, "far below is clamped"},
        {"00000000000000000000000012", 12, "leading zeros are no overflow"},
        {"1 2", 1, "stops at the blank"},
        {"- 1", 0, "a blank after the sign ends it"},
    };
    for (const auto& c : cases) EXPECT_EQ(textToInt(c.text), c.value) << c.text << ": " << c.why;
    EXPECT_EQ(textToInt(nullptr), 0) << "missing attribute";
    const QByteArray huge(100000, '9');
    EXPECT_EQ(textToInt(huge.constData()), INT_MAX) << "a hundred thousand digits";
}

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
