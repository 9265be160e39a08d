#include "panelkinds.h"

#include <algorithm>
#include <iterator>

namespace zef {

namespace {

using enum PanelPart;

using enum GraphicKind;

struct ElementKindPanel {
    ElementKind kind;
    PanelParts enabled;
};

// clang-format off
constexpr ElementKindPanel ElementKindPanels[] = {
    {KindValue,        X | Y | NrValues | Precision | Color | DayNight | FixedText | MaxOnly |
                       ValueTypeList | FontList | AlignmentList | SampleText},
    {KindGraphic,      X | Y | X2 | Y2 | Radius | Stroke | Color | DayNight | MaxOnly |
                       ValueTypeList | GraphicKindList},
    {KindDynamicColor, ReplaceColor | InvertColor | DynamicColorRows},
    {KindSeparator,    Text},
};

// X2, Y2, Radius (while "Limit is minimum value" is clear, while it is ticked),
// then the captions of the two check boxes.
constexpr PanelLabels Points{"X2 ", "Y2 ", "Radius ", "Radius ",
                             "Display max. value only", "Fixed text"};
constexpr PanelLabels Angles{"Start angle ", "End angle ", "Radius ", "Radius ",
                             "Display max. value only", "Fixed text"};
constexpr PanelLabels Offset{"X2 ", "-Y Offset ", "Radius ", "Radius ",
                             "Display max. value only", "Fixed text"};
constexpr PanelLabels GraphRange{"X2 ", "Y2 ", "Max value ", "Min value ",
                                 "Mark min/max values", "Limit is minimum value"};

constexpr GraphicKindPanel GraphicKindPanels[] = {
    // graphic kind     enabled                        graph  labels
    {Line,              Stroke | X2 | Y2,              false, &Points},
    {Circle,            Stroke | Radius,               false, &Points},
    {CircleFilled,      Radius,                        false, &Points},
    {Rectangle,         Stroke | X2 | Y2,              false, &Points},
    {RectangleFilled,   X2 | Y2,                       false, &Points},
    {RectangleHorizontalFill, X2 | Y2,                 false, &Points},
    {RectangleVerticalFill,   X2 | Y2,                 false, &Points},
    {Arc,               Stroke | X2 | Y2 | Radius,     false, &Angles},
    {ArcFilled,         Stroke | X2 | Y2 | Radius,     false, &Angles},
    {DirectionArrow,    Stroke | Y2 | Radius,          false, &Offset},
    {DirectionTriangle, Stroke | Y2 | Radius,          false, &Offset},
    {GraphLeftTop,      Stroke | X2 | Y2 | Radius,     true,  &GraphRange},
    {GraphRightTop,     Stroke | X2 | Y2 | Radius,     true,  &GraphRange},
    {GraphLeftBottom,   Stroke | X2 | Y2 | Radius,     true,  &GraphRange},
    {GraphRightBottom,  Stroke | X2 | Y2 | Radius,     true,  &GraphRange},
};
// clang-format on

} // namespace

PanelParts enabledForElementKind(ElementKind kind) {
    const auto* row = std::find_if(std::begin(ElementKindPanels), std::end(ElementKindPanels),
                                   [kind](const ElementKindPanel& r) { return r.kind == kind; });
    return row == std::end(ElementKindPanels) ? PanelParts() : row->enabled;
}

const GraphicKindPanel* graphicKindPanel(GraphicKind graphicKind) {
    const auto* row = std::find_if(
        std::begin(GraphicKindPanels), std::end(GraphicKindPanels),
        [graphicKind](const GraphicKindPanel& r) { return r.graphicKind == graphicKind; });
    return row == std::end(GraphicKindPanels) ? nullptr : row;
}

const PanelLabels& panelLabels(GraphicKind graphicKind) {
    const GraphicKindPanel* row = graphicKindPanel(graphicKind);
    return row ? *row->labels : Points;
}

} // namespace zef
