#include "catalog/samplevaluetext.h"
#include "catalog/valuetypecatalog.h"
#include "common/builtonce.h"

#include <gtest/gtest.h>

#include <clocale>
#include <ostream>
#include <string>

namespace zef {
namespace {

const ValueTypeCatalog& catalog() {
    return test::builtOnce<ValueTypeCatalog>();
}

constexpr TextMode P = TextMode::Preview;
constexpr TextMode E = TextMode::Edit;

struct TextCase {
    const char* valueType; // display name
    TextMode mode;
    const char* text;       // element text before the call
    const char* sampleText; // element sample text before the call
    bool fixedText;
    int precision;
    const char* expected;
    const char* textAfter;
    const char* sampleAfter;
};

std::ostream& operator<<(std::ostream& os, const TextCase& c) {
    return os << '"' << c.valueType << "\" " << (c.mode == P ? "preview" : "edit") << " text \""
              << c.text << "\" sample \"" << c.sampleText << "\" fixed " << c.fixedText
              << " precision " << c.precision;
}

class ValueElementTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ValueElementTextTest, TextAndElementAfterwards) {
    const TextCase& c = GetParam();
    const int position =
        ValueTypeCatalog::positionByName(catalog().valueTypes, QString::fromLatin1(c.valueType));
    ASSERT_TRUE(position != 0 || QLatin1String(c.valueType) == QLatin1String("-- None --"));
    ValueTextMembers element;
    element.valueType = position;
    element.text = QString::fromLatin1(c.text);
    element.sampleText = QString::fromLatin1(c.sampleText);
    element.fixedText = c.fixedText;
    element.precision = c.precision;

    EXPECT_EQ(valueElementText(element, c.mode, catalog()).toStdString(), std::string(c.expected));
    EXPECT_EQ(element.text.toStdString(), std::string(c.textAfter));
    EXPECT_EQ(element.sampleText.toStdString(), std::string(c.sampleAfter));
}

// clang-format off
const TextCase Cases[] = {
    // value type                         mode text          sample   fixed prec expected                text after     sample after
    // Plain values: the sample and pattern are given to a new element.
    {"Current speed",                     P, "",             "",      false, 2, "45.34",                 "$V",          "45.34"},
    {"Current speed",                     P, "",             "",      false, 0, "45",                    "$V",          "45.34"},
    {"Current speed",                     P, "$V km/h",      "",      false, 2, "45.34 km/h",            "$V km/h",     "45.34"},
    {"Current speed",                     E, "",             "",      false, 2, "$V",                    "$V",          "45.34"},
    {"Current speed",                     E, "$V km/h",      "",      false, 2, "$V km/h",               "$V km/h",     "45.34"},
    {"Free memory",                       P, "",             "",      false, 0, "566 byte",              "$V byte",     "566"},
    // Numbers are read from the start of the sample text, C style.
    {"Current speed",                     P, "",             "33.14820,22.41759", false, 4, "33.1482", "$V",        "33.14820,22.41759"},
    {"Current speed",                     P, "",             "2.x.x", false, 0, "2",                     "$V",          "2.x.x"},
    {"Current speed",                     P, "",             "abc",   false, 2, "0.00",                  "$V",          "abc"},
    {"Current speed",                     P, "",             " -1.5e1x", false, 1, "-15.0",              "$V",          " -1.5e1x"},
    {"Current speed",                     P, "",             ".5e",   false, 2, "0.50",                  "$V",          ".5e"},
    {"Current speed",                     P, "",             "1e400", false, 0, "inf",                   "$V",          "1e400"},
    {"Current speed",                     P, "",             "1e-400", false, 2, "0.00",                 "$V",          "1e-400"},
    {"Current speed",                     P, "",             "45.345", false, 2, "45.34",                "$V",          "45.345"},
    // Precision outside the panel's 0..3 never yields an unbounded or odd number text.
    {"Current speed",                     P, "",             "",      false, -1, "45",                   "$V",          "45.34"},
    // Times.
    {"Current date/time",                 P, "",             "",      false, 2, "18.11.2020 17:35:12",   "$D.$N.$Y $H:$M:$S", "63312"},
    {"Timer time",                        P, "",             "",      false, 2, "01:12:54",              "$H:$M:$S",    "4374"},
    {"Timer time",                        P, "$h:$M:$c",     "",      false, 2, "1:12",                  "$h:$M:$c",    "4374"},
    {"Timer time",                        P, "$H:$M:$C",     "",      false, 2, "01:12",                 "$H:$M:$C",    "4374"},
    {"Timer time",                        P, "$h $m $s",     "",      false, 2, "1 12 54",               "$h $m $s",    "4374"},
    {"Timer time",                        P, "$H:$M $a",     "",      false, 2, "01:12 am",              "$H:$M $a",    "4374"},
    {"Timer time",                        P, "$M:$S",        "",      false, 2, "72:54",                 "$M:$S",       "4374"},
    {"Timer time",                        P, "$m:$c|$C",     "",      false, 2, "72:54|54",              "$m:$c|$C",    "4374"},
    {"Timer time",                        P, "$S s",         "",      false, 2, "4374 s",                "$S s",        "4374"},
    {"Timer time",                        P, "$s|$c|$C",     "12.7",  false, 2, "13|13|13",              "$s|$c|$C",    "12.7"},
    {"Timer time",                        P, "$H:$M:$S",     "-75",   false, 2, "00:-1:-15",             "$H:$M:$S",    "-75"},
    {"Timer time",                        P, "$H:$M:$S",     "1e400", false, 2, "596523:14:07",          "$H:$M:$S",    "1e400"},
    {"Timer time",                        P, "$Y-$N-$D",     "",      false, 2, "2020-11-18",            "$Y-$N-$D",    "4374"},
    {"(M) Time to dest (curr. sp)",       P, "",             "",      false, 2, "15:25",                 "$M:$S",       "925"},
    {"(M) Pacer curr. ahead time",        P, "",             "",      false, 2, "22:03",                 "$m:$S",       "1323"},
    {"(H) Sunrise",                       P, "",             "",      false, 2, "06:49",                 "$H:$M",       "24567"},
    {"Current speed",                     P, "$V $a",        "",      false, 2, "45.34 am",              "$V $a",       "45.34"},
    // State names.
    {"(H) ANT BikeCad status",            P, "",             "",      false, 2, "CLOSED",                "$T",          "1"},
    {"(H) ANT BikeCad status",            P, "",             "3",     false, 2, "TRACKING",              "$T",          "3"},
    {"(H) ANT BikeCad status",            P, "",             "0",     false, 2, "INVALID",               "$T",          "0"},
    {"(H) ANT BikeCad battery",           P, "",             "",      false, 2, "OK",                    "$T",          "3"},
    {"(H) ANT LightNet battery",          P, "",             "5",     false, 2, "CRITICAL",              "$T",          "5"},
    {"(H) ANT LightNet battery",          P, "",             "6",     false, 2, "INVALID",               "$T",          "6"},
    {"(H) ANT LightNet Headlight mode",   P, "",             "",      false, 2, "21-40%",                "$T",          "4"},
    {"(H) ANT LightNet Headlight mode",   P, "",             "4.9",   false, 2, "21-40%",                "$T",          "4.9"},
    {"(H) ANT LightNet Other mode",       P, "",             "11",    false, 2, "SIGNAL LEFt",           "$T",          "11"},
    {"(H) ANT LightNet Other mode",       P, "",             "63",    false, 2, "CUSTOM 1",              "$T",          "63"},
    {"(H) ANT LightNet Other mode",       P, "",             "15",    false, 2, "OFF",                   "$T",          "15"},
    {"(H) Current heading",               P, "",             "",      false, 2, "SE",                    "$T",          "122"},
    {"(H) Current heading",               P, "",             "350",   false, 2, "N",                     "$T",          "350"},
    {"(H) Current heading",               P, "",             "22",    false, 2, "N",                     "$T",          "22"},
    {"(H) Current heading",               P, "",             "23",    false, 2, "NE",                    "$T",          "23"},
    {"(H) Current heading",               P, "",             "337",   false, 2, "NW",                    "$T",          "337"},
    {"(H) Current heading",               P, "",             "450",   false, 2, "E",                     "$T",          "450"},
    {"(H) Track (direction of travel)",   P, "",             "",      false, 2, "SE",                    "$T",          "124"},
    {"(H) Windbearing",                   P, "Wind $T",      "",      false, 2, "Wind NE",               "Wind $T",     "55"},
    {"Current speed",                     P, "$T",           "",      false, 2, "INVALID",               "$T",          "45.34"},
    // The gear value shows its sample whatever the pattern, in the preview only.
    {"(H) Bike curr gear",                P, "",             "",      false, 2, "5",                     "",            "5"},
    {"(H) Bike curr gear",                P, "$V km",        "",      false, 2, "5",                     "$V km",       "5"},
    {"(H) Bike curr gear",                E, "",             "",      false, 2, "220;30;10;12;14;16;18;21;24;28;32;36;42;50", "220;30;10;12;14;16;18;21;24;28;32;36;42;50", "5"},
    // Text-valued types show their literal.
    {"(H) Current latitude",              P, "",             "",      false, 2, "15.1343542",            "15.1343542",  "15.1343542"},
    {"(H) Current latitude",              P, "",             "",      false, 0, "15.1343542",            "15.1343542",  "15.1343542"},
    {"(M) App name",                      P, "",             "",      false, 2, "Vek ZEF #1",            "Vek ZEF #1",  "Vek ZEF #1"},
    // A pattern shorter than two characters: the number, no pattern stored.
    {"(M) Pacer offset indicator",        P, "",             "",      false, 2, "0.00",                  "",            "0"},
    {"(M) Pacer offset indicator",        E, "",             "",      false, 2, "",                      "",            "0"},
    {"(M) Pacer offset indicator",        P, "$V x",         "",      false, 2, "0.00",                  "$V x",        "0"},
    // No sample: the text as it is.
    {"-- None --",                        P, "Hello",        "",      false, 2, "Hello",                 "Hello",       ""},
    {"-- None --",                        E, "",             "",      false, 2, "",                      "",            ""},
    // Fixed texts show the text in both forms.
    {"-- None --",                        P, "km/h",         "",      true,  2, "km/h",                  "km/h",        ""},
    {"Current speed",                     P, "km/h",         "",      true,  2, "km/h",                  "km/h",        "45.34"},
    {"Timer time",                        E, "$H",           "",      true,  2, "$H",                    "$H",          "4374"},
    {"Current speed",                     P, "",             "",      true,  2, "",                      "",            "45.34"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, ValueElementTextTest, ::testing::ValuesIn(Cases));

TEST(ValueElementTextLimits, HugePrecisionKeepsTheTextBounded) {
    ValueTextMembers element;
    element.valueType =
        ValueTypeCatalog::positionByName(catalog().valueTypes, QStringLiteral("Current speed"));
    element.precision = 1000000;
    const QString text = valueElementText(element, TextMode::Preview, catalog());
    EXPECT_TRUE(text.startsWith(QLatin1String("45.340000000000003"))) << text.toStdString();
    EXPECT_EQ(text.size(), 2 + 1 + 99);
}

TEST(ValueElementTextLimits, PositionOutsideTheCatalogReadsAsNone) {
    for (int position : {-1, 215, 100000}) {
        ValueTextMembers element;
        element.valueType = position;
        element.text = QStringLiteral("Hello $V");
        EXPECT_EQ(valueElementText(element, TextMode::Preview, catalog()),
                  QStringLiteral("Hello $V"));
        EXPECT_TRUE(element.sampleText.isEmpty());
    }
}

TEST(ValueElementTextLimits, NumberFormatIgnoresTheProcessLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    const char* commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8",
                                  "nl_NL.UTF-8"};
    const char* used = nullptr;
    for (const char* name : commaLocales)
        if (std::setlocale(LC_NUMERIC, name)) {
            used = name;
            break;
        }
    if (!used) GTEST_SKIP() << "no locale with a decimal comma installed";
    ValueTextMembers element;
    element.valueType =
        ValueTypeCatalog::positionByName(catalog().valueTypes, QStringLiteral("Current speed"));
    element.sampleText = QStringLiteral("12.75");
    element.precision = 2;
    const QString text = valueElementText(element, TextMode::Preview, catalog());
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(text, QStringLiteral("12.75")) << used;
}

} // namespace
} // namespace zef
