#include "model/color.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

struct ColorCase {
    const char* text;
    Bgr color;
    const char* why;
};

TEST(Color, HexTextReadsRedGreenBluePairs) {
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
        {"AB12-F", 0x00F0ED55, "a sign inside a damaged text keeps to 24 bits"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(color::fromHexText(QString::fromLatin1(c.text)), c.color)
            << c.text << ": " << c.why;
}

TEST(Color, HexTextWritesSixUpperCaseDigits) {
    const ColorCase cases[] = {
        {"FF8000", 0x000080FF, "red 255, green 128, blue 0"},
        {"123456", 0x00563412, "red 0x12, green 0x34, blue 0x56"},
        {"000000", 0, "black"},
        {"0000FF", 0x00FF0000, "pure blue"},
        {"ABCDEF", 0x00EFCDAB, "upper case"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(color::toHexText(c.color), QString::fromLatin1(c.text)) << c.why;
        EXPECT_EQ(color::fromHexText(color::toHexText(c.color)), c.color) << c.why;
    }
}

TEST(Color, FormsConvert) {
    EXPECT_EQ(color::toRgb24(0x000000FFu), 0x00FF0000u);
    EXPECT_EQ(color::toRgb24(0x00563412u), 0x00123456u);
    EXPECT_EQ(color::toRgb24(0x0000FF00u), 0x0000FF00u);
    EXPECT_EQ(color::toArgb(0x00563412u), 0xFF123456u);
    EXPECT_EQ(color::fromArgb(0x80123456u), 0x00563412u) << "alpha is dropped";
    EXPECT_EQ(color::inverted(0x00563412u), 0x00A9CBEDu);
    for (const Bgr c : {0u, 0xFFFFFFu, 0x123456u, 0xABCDEFu})
        EXPECT_EQ(color::fromRgb24(color::toRgb24(c)), c);
}

} // namespace
} // namespace zef
