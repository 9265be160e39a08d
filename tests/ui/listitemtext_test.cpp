#include "ui/listitemtext.h"

#include "catalog/catalogs.h"
#include "common/builtonce.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

const ValueTypeCatalog& catalog() {
    return test::builtOnce<ValueTypeCatalog>();
}

int valueType(const char* name) {
    const int position =
        ValueTypeCatalog::positionByName(catalog().valueTypes, QString::fromUtf8(name));
    EXPECT_TRUE(position > 0 || QString::fromUtf8(name) == QStringLiteral("-- None --")) << name;
    return position;
}

int graphicKind(const char* name) {
    return ValueTypeCatalog::positionByName(catalog().graphicKinds, QString::fromUtf8(name));
}

TEST(ColorToHex, RedGreenBlueOfAPackedColour) {
    const struct {
        Bgr color;
        const char* hex;
    } cases[] = {
        {0x000000, "000000"}, {0x0000FF, "FF0000"}, {0x00FF00, "00FF00"}, {0xFF0000, "0000FF"},
        {0x563412, "123456"}, {0xFFFFFF, "FFFFFF"}, {0x0080FF, "FF8000"}, {0x0A0B0C, "0C0B0A"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColorToHex(c.color), QString::fromLatin1(c.hex)) << std::hex << c.color;
}

TEST(ShortValueTypeName, DropsTheClassPrefixOnly) {
    EXPECT_EQ(shortValueTypeName(QStringLiteral("(H) Watt per kg/pound")),
              QStringLiteral("Watt per kg/pound"));
    EXPECT_EQ(shortValueTypeName(QStringLiteral("(M) Odometer")), QStringLiteral("Odometer"));
    EXPECT_EQ(shortValueTypeName(QStringLiteral("Current speed")), QStringLiteral("Current speed"));
    EXPECT_EQ(shortValueTypeName(QStringLiteral("-- None --")), QStringLiteral("-- None --"));
}

LayoutElement value(Bgr color, const char* type, bool fixed = false, const char* text = "") {
    LayoutElement e(KindValue);
    e.color = color;
    e.valueType = valueType(type);
    e.fixedText = fixed;
    e.text = QString::fromUtf8(text);
    return e;
}

LayoutElement graphic(Bgr color, const char* kind, const char* type = "-- None --") {
    LayoutElement e(KindGraphic);
    e.color = color;
    e.graphicType = graphicKind(kind);
    e.valueType = valueType(type);
    return e;
}

LayoutElement dynamicColor(Bgr replace, std::initializer_list<std::pair<int, int>> rows) {
    LayoutElement e(KindDynamicColor);
    e.replaceColor = replace;
    for (const auto& [row, v] : rows) e.dcValue[row] = v;
    return e;
}

struct RowCase {
    const char* name;
    ElementVector elements;
    int index;
    const char* expected;
};

TEST(ListItemText, RowTextsOfEveryKind) {
    LayoutElement separator(KindSeparator);
    separator.text = QStringLiteral("----------------- Seperator ------------------");
    const RowCase cases[] = {
        {"value with H type, no dynamic colour",
         {value(0x0000FF, "(H) Watt per kg/pound")},
         0,
         "FF0000  | Watt per kg/pound"},
        {"the same value recoloured",
         {value(0x0000FF, "(H) Watt per kg/pound"), dynamicColor(0x0000FF, {{0, 10}})},
         0,
         "FF0000 * | Watt per kg/pound"},
        {"a dynamic colour of another colour does not mark",
         {value(0x0000FF, "Current speed"), dynamicColor(0x0000FE, {{0, 10}})},
         0,
         "FF0000  | Current speed"},
        {"fixed text, whatever its value type",
         {value(0xFFFFFF, "Current speed", true, "km/h")},
         0,
         "FFFFFF  | Text: 'km/h'"},
        {"M prefix dropped", {value(0x123456, "(M) Odometer")}, 0, "563412  | Odometer"},
        {"graphic without value type",
         {graphic(0, "(H) Direction arrow")},
         0,
         "000000  | (H) Direction arrow"},
        {"graphic with value type",
         {graphic(0x00FF00, "Arc", "(H) Watt per kg/pound")},
         0,
         "00FF00  | Arc | Watt per kg/pound"},
        {"recoloured graphic",
         {dynamicColor(0x00FF00, {}), graphic(0x00FF00, "Line", "Current speed")},
         1,
         "00FF00 * | Line | Current speed"},
        {"dynamic colour with its first row only",
         {dynamicColor(0x563412, {{0, 150}})},
         0,
         "123456  | Vals: 15.0 - 0.0"},
        {"dynamic colour with three rows",
         {dynamicColor(0x563412, {{0, 100}, {1, 200}, {2, 350}})},
         0,
         "123456  | Vals: 10.0 - 35.0"},
        {"dynamic colour without rows",
         {dynamicColor(0x563412, {})},
         0,
         "123456  | Vals: 0.0 - 0.0"},
        {"rows in use need not be the first",
         {dynamicColor(0x563412, {{3, -25}, {7, 5}})},
         0,
         "123456  | Vals: -2.5 - 0.5"},
        {"thresholds below the empty marker are not in use",
         {dynamicColor(0x563412, {{0, -1000000}, {1, 40}})},
         0,
         "123456  | Vals: 4.0 - 0.0"},
        {"single precision",
         {dynamicColor(0, {{0, 123456789}, {1, 1}})},
         0,
         "000000  | Vals: 12345679.0 - 0.1"},
        {"a dynamic colour is never marked",
         {dynamicColor(0x10, {}), dynamicColor(0, {})},
         1,
         "000000  | Vals: 0.0 - 0.0"},
        {"separator shows its text",
         {separator},
         0,
         "----------------- Seperator ------------------"},
        {"another kind has no text", {LayoutElement(7)}, 0, ""},
        {"index past the end", {separator}, 1, ""},
        {"negative index", {separator}, -1, ""},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ListItemText(c.elements, c.index, catalog()), QString::fromUtf8(c.expected));
    }
}

} // namespace
} // namespace zef
