#include "config/configstring.h"

#include <gtest/gtest.h>

using namespace zef;

namespace {

// Plain Ascii85 groups computed once with Python's base64.a85encode on the
// big-endian bytes of each word (its "z" shorthand for 0 written out).
struct Ascii85Case {
    std::uint32_t word;
    const char* ascii85;
};
const Ascii85Case Ascii85Words[] = {
    {0x0, "!!!!!"},        {0x1, "!!!!\""},       {0x2, "!!!!#"},        {0x5, "!!!!&"},
    {0x1b, "!!!!<"},       {0x1d, "!!!!>"},       {0x54, "!!!!u"},       {0x55, "!!!\"!"},
    {0x56, "!!!\"\""},     {0x1c39, "!!\"!!"},    {0x95eed, "!\"!!!"},   {0x31c84b1, "\"!!!!"},
    {0x9e1e0, "!\"%WB"},   {0xffffff, "!<<*!"},   {0xa411896, "$:,Mp"},  {0x4123456, "\";3Ol"},
    {0x102178fa, "&0Z;p"}, {0x12120832, "&eYI*"}, {0x82, "!!!\"N"},      {0x1091a2b2, "&<W]m"},
    {0xfa, "!!!#q"},       {0xffffffff, "s8W-!"}, {0x80000000, "J,fQL"}, {0x7fffffff, "J,fQK"},
    {0xaf, "!!!#&"},       {0x5511f9ba, "<>#&<"}, {0x499602d2, "8X9G+"}, {0xdeadbeef, "hQ=N\\"},
};

// The string never holds "<", ">", "&" or "#": they travel as "w", "x", "y", "z".
QString withReplacements(const char* ascii85) {
    QString s = QString::fromLatin1(ascii85);
    s.replace(QLatin1Char('<'), QLatin1Char('w'))
        .replace(QLatin1Char('>'), QLatin1Char('x'))
        .replace(QLatin1Char('&'), QLatin1Char('y'))
        .replace(QLatin1Char('#'), QLatin1Char('z'));
    return s;
}

} // namespace

TEST(ConfigNumber, EncodesAsAscii85WithReplacedDigits) {
    for (const auto& c : Ascii85Words) {
        const QString expected = withReplacements(c.ascii85);
        EXPECT_EQ(EncodeConfigNumber(c.word), expected) << std::hex << c.word;
        EXPECT_EQ(DecodeConfigNumber(expected), c.word) << std::hex << c.word;
        // The plain characters decode the same: the replacement is undone first.
        EXPECT_EQ(DecodeConfigNumber(QString::fromLatin1(c.ascii85)), c.word) << std::hex << c.word;
    }
}

TEST(ConfigNumber, ReplacedDigitsAndExtremes) {
    EXPECT_EQ(EncodeConfigNumber(0), QStringLiteral("!!!!!"));
    EXPECT_EQ(EncodeConfigNumber(2), QStringLiteral("!!!!z"));
    EXPECT_EQ(EncodeConfigNumber(5), QStringLiteral("!!!!y"));
    EXPECT_EQ(EncodeConfigNumber(27), QStringLiteral("!!!!w"));
    EXPECT_EQ(EncodeConfigNumber(29), QStringLiteral("!!!!x"));
    EXPECT_EQ(EncodeConfigNumber(0xFFFFFFFFu), QStringLiteral("s8W-!"));
}

TEST(ConfigNumber, EveryGroupIsFiveCharactersOfTheAlphabet) {
    std::uint32_t word = 1;
    for (int i = 0; i < 20000; ++i) {
        word = word * 1664525u + 1013904223u;
        const QString g = EncodeConfigNumber(word);
        ASSERT_EQ(g.size(), 5);
        for (const QChar ch : g) {
            const char16_t u = ch.unicode();
            ASSERT_TRUE((u >= u'!' && u <= u'u') || (u >= u'w' && u <= u'z')) << word;
            ASSERT_FALSE(u == u'<' || u == u'>' || u == u'&' || u == u'#') << word;
        }
        ASSERT_EQ(DecodeConfigNumber(g), word);
    }
}

TEST(ConfigNumber, ShortGroupsAndForeignCharacters) {
    struct Case {
        QString group;
        std::uint32_t word;
    };
    const Case cases[] = {
        {QString(), 0},
        {QStringLiteral("\""), 1},
        {QStringLiteral("\"!"), 85},
        // Four characters: the fourth group of a version "B" graphic record.
        {QStringLiteral("!!\"N"), 130},
        // Characters outside the alphabet contribute their value: space is -1.
        {QStringLiteral(" "), 0xFFFFFFFFu},
        {QStringLiteral("! "), 0xFFFFFFFFu},
        // Only the low byte counts, read as a signed char: U+0121 acts like "!",
        // U+00E9 is -23 - 33 = -56.
        {QString(QChar(0x0121)), 0},
        {QString(QChar(0x00E9)), static_cast<std::uint32_t>(-56)},
        // Five "u" exceed 2^32 and wrap.
        {QStringLiteral("uuuuu"), static_cast<std::uint32_t>(4437053124ull)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeConfigNumber(c.group), c.word) << c.group.toStdString();
}
