#pragma once

#include "catalog/graphickind.h"
#include "catalog/samplevaluetext.h"
#include "color.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace zef {

using ElementKind = std::int32_t;
constexpr ElementKind KindNone = -1;
constexpr ElementKind KindValue = 0;
constexpr ElementKind KindGraphic = 1;
constexpr ElementKind KindDynamicColor = 2;
constexpr ElementKind KindSeparator = 3;

constexpr std::int32_t EmptyDcValue = -999999;
constexpr int DynamicColorRows = 10;

// One row of a dynamic colour's table, read across the four arrays.
struct DynamicColor {
    std::int32_t value = EmptyDcValue;
    Bgr color = 0;
    bool hide = false;
    bool blink = false;

    bool isEmpty() const { return value == EmptyDcValue; }
};

// One layout element. A plain value: copied whole, runtime members included.
struct LayoutElement {
    LayoutElement() = default;
    explicit LayoutElement(ElementKind k) : kind(k) {}

    Bgr color = 0;
    ElementKind kind = KindNone;
    std::int32_t graphicType = 0;
    std::int32_t valueType = 0;
    QString text;
    QString font = QStringLiteral("XTINY");
    QString sampleText;
    Bgr replaceColor = 0;
    std::array<std::int32_t, DynamicColorRows> dcValue = filledDcValues();
    std::array<Bgr, DynamicColorRows> dcColor{};
    std::array<bool, DynamicColorRows> dcHide{};
    std::array<bool, DynamicColorRows> dcBlink{};
    bool invertColor = false;
    bool fixedText = false;
    bool dayNight = false;
    bool maxOnly = false;

    // Runtime members: geometry as last drawn or invalidated, and the text box
    // of a value as last drawn. Never saved, never compared.
    std::int32_t prevX = 0;
    std::int32_t prevY = 0;
    std::int32_t prevX2 = 0;
    std::int32_t prevY2 = 0;
    std::int32_t prevStroke = 0;
    std::int32_t prevRadius = 0;
    std::int32_t textLeft = 0;
    std::int32_t textTop = 0;
    std::int32_t textWidth = 0;
    std::int32_t textHeight = 0;

    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
    std::int32_t stroke = 1;
    std::int32_t radius = 0;
    std::int32_t precision = 0;
    std::int32_t hAlignment = 0;
    std::int32_t nrValues = 1;

    DynamicColor dynamicColor(int row) const {
        return {dcValue[row], dcColor[row], dcHide[row], dcBlink[row]};
    }
    void setDynamicColor(int row, const DynamicColor& dc) {
        dcValue[row] = dc.value;
        dcColor[row] = dc.color;
        dcHide[row] = dc.hide;
        dcBlink[row] = dc.blink;
    }
    // What graphicType names (positions in the graphic-kind list are the kinds).
    GraphicKind graphicKind() const { return graphicKindAt(graphicType); }
    void setGraphicKind(GraphicKind kind) { graphicType = static_cast<std::int32_t>(kind); }

    // True when at least one row of the dynamic-colour table is in use.
    bool hasDynamicColorRows() const;

    // Copies the current geometry into the previous-geometry members.
    void rememberGeometry();

private:
    static std::array<std::int32_t, DynamicColorRows> filledDcValues() {
        std::array<std::int32_t, DynamicColorRows> a{};
        a.fill(EmptyDcValue);
        return a;
    }
};

// A graph draws one bar a stroke wide across its width: once its width or
// stroke is changed, its number of values follows (while both are positive).
void followGraphWidth(LayoutElement& e);

// A graphic's kind changed from previous to its current one: where x2, y2
// and radius change meaning, they are given one that shows. An arc gets a
// three-quarter sweep over the top (start 135, end 405 degrees) around its
// point and a radius from the box it was; a line or box made from an arc
// gets a second point a radius away.
void adaptToGraphicKind(LayoutElement& e, GraphicKind previous);

// A layout: its elements in list order.
using ElementVector = std::vector<LayoutElement>;

// Equal in every saved member; runtime members are ignored.
bool isSameContent(const LayoutElement& a, const LayoutElement& b);

// True when both vectors have the same length and isSameContent holds pairwise.
template <typename Vec> bool isSameLayout(const Vec& a, const Vec& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!isSameContent(a[i], b[i])) return false;
    return true;
}

// The preview or edit text of a value element; fills its sampleText and text
// from the value type's sample and pattern while they are empty.
QString valueElementText(LayoutElement& element, TextMode mode, const ValueTypeCatalog& catalog);

// Fills in a value element what showing it fills (the sample and the display
// pattern the preview and the property panel put into empty members), so that
// a loaded layout is not changed by being looked at. Other kinds stay as they are.
void fillShownTexts(LayoutElement& element, const ValueTypeCatalog& catalog);

// The colour of an element's line in the element list, as 0x00BBGGRR.
Bgr elementLineColor(const LayoutElement& element);

} // namespace zef
