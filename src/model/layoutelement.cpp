#include "layoutelement.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace zef {

bool LayoutElement::hasDynamicColorRows() const {
    for (auto v : dcValue)
        if (v != EmptyDcValue) return true;
    return false;
}

void LayoutElement::rememberGeometry() {
    prevX = x;
    prevY = y;
    prevX2 = x2;
    prevY2 = y2;
    prevStroke = stroke;
    prevRadius = radius;
}

bool isSameContent(const LayoutElement& a, const LayoutElement& b) {
    return a.color == b.color && a.kind == b.kind && a.graphicType == b.graphicType &&
           a.valueType == b.valueType && a.text == b.text && a.font == b.font &&
           a.sampleText == b.sampleText && a.replaceColor == b.replaceColor &&
           a.dcValue == b.dcValue && a.dcColor == b.dcColor && a.dcHide == b.dcHide &&
           a.dcBlink == b.dcBlink && a.invertColor == b.invertColor && a.fixedText == b.fixedText &&
           a.dayNight == b.dayNight && a.maxOnly == b.maxOnly && a.x == b.x && a.y == b.y &&
           a.x2 == b.x2 && a.y2 == b.y2 && a.stroke == b.stroke && a.radius == b.radius &&
           a.precision == b.precision && a.hAlignment == b.hAlignment && a.nrValues == b.nrValues;
}

Bgr elementLineColor(const LayoutElement& element) {
    switch (element.kind) {
    case KindValue:
        return element.fixedText ? 0x00000000u : 0x00B40000u;
    case KindGraphic:
        return 0x00000082u;
    case KindDynamicColor:
        return 0x00008200u;
    case KindSeparator:
        return 0x00969696u;
    default:
        return 0;
    }
}

QString valueElementText(LayoutElement& element, TextMode mode, const ValueTypeCatalog& catalog) {
    ValueTextMembers members{element.valueType, element.fixedText, element.precision, element.text,
                             element.sampleText};
    const QString text = valueElementText(members, mode, catalog);
    // Only what building the text filled in is written back (a copy of an
    // unchanged string is cheap and keeps the element's own buffer otherwise).
    if (element.text != members.text) element.text = std::move(members.text);
    if (element.sampleText != members.sampleText)
        element.sampleText = std::move(members.sampleText);
    return text;
}

void fillShownTexts(LayoutElement& element, const ValueTypeCatalog& catalog) {
    // The edit text fills everything the preview text does, and the display
    // pattern of the gear value as well, which only the panel shows.
    if (element.kind == KindValue) valueElementText(element, TextMode::Edit, catalog);
}

void followGraphWidth(LayoutElement& e) {
    if (e.kind != KindGraphic || !isGraph(e.graphicKind())) return;
    if (e.x2 - e.x > 0 && e.stroke > 0) e.nrValues = (e.x2 - e.x) / e.stroke;
}

void adaptToGraphicKind(LayoutElement& e, GraphicKind previous) {
    if (e.kind != KindGraphic) return;
    constexpr std::int32_t ArcStart = 135;
    constexpr std::int32_t ArcEnd = 405;
    constexpr std::int32_t FallbackRadius = 20;
    const GraphicKind now = e.graphicKind();
    if (isArc(now) && !isArc(previous)) {
        if (hasSecondPoint(previous)) {
            const std::int64_t half =
                std::max(std::abs(std::int64_t(e.x2) - e.x), std::abs(std::int64_t(e.y2) - e.y)) /
                2;
            if (!hasRadius(previous) || e.radius <= 0)
                e.radius = std::int32_t(std::clamp<std::int64_t>(half, 1, 1000));
        }
        if (e.radius <= 0) e.radius = FallbackRadius;
        e.x2 = ArcStart;
        e.y2 = ArcEnd;
    } else if (isArc(previous) && hasSecondPoint(now)) {
        const std::int32_t r = e.radius > 0 ? e.radius : FallbackRadius;
        e.x2 = std::int32_t(std::clamp<std::int64_t>(std::int64_t(e.x) + r, INT32_MIN, INT32_MAX));
        e.y2 = std::int32_t(std::clamp<std::int64_t>(std::int64_t(e.y) + r, INT32_MIN, INT32_MAX));
    }
    if (hasStroke(now) && e.stroke <= 0) e.stroke = 1;
}

} // namespace zef
