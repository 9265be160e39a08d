#pragma once

#include "model/layoutelement.h"

#include <QFlags>

#include <cstdint>

namespace zef {

// Parts of the property panel that an element kind or a graphic kind
// enables. A number field comes with its "-" and "+" buttons.
enum class PanelPart : std::uint32_t {
    X = 1u << 0,
    Y = 1u << 1,
    X2 = 1u << 2,
    Y2 = 1u << 3,
    Radius = 1u << 4,
    Stroke = 1u << 5,
    NrValues = 1u << 6,
    Precision = 1u << 7,
    Color = 1u << 8, // the colour edit and "Color"
    DayNight = 1u << 9,
    FixedText = 1u << 10,
    MaxOnly = 1u << 11, // only from the mid device class up
    ValueTypeList = 1u << 12,
    GraphicKindList = 1u << 13,
    FontList = 1u << 14,
    AlignmentList = 1u << 15,
    Text = 1u << 16,
    SampleText = 1u << 17,
    ReplaceColor = 1u << 18, // "Color to replace" and its edit
    InvertColor = 1u << 19,
    DynamicColorRows = 1u << 20,
};
Q_DECLARE_FLAGS(PanelParts, PanelPart)
Q_DECLARE_OPERATORS_FOR_FLAGS(PanelParts)

// What the panel enables for an element of a kind; nothing for no element.
PanelParts enabledForElementKind(ElementKind kind);

// The captions that change with the graphic kind.
struct PanelLabels {
    const char* x2;
    const char* y2;
    const char* radius;          // while "Limit is minimum value" is clear
    const char* radiusAtMinimum; // while it is ticked
    const char* maxOnly;
    const char* fixedText;
};

// How the panel treats a graphic kind: which of Stroke, X2, Y2 and Radius it
// enables (the other ones it disables), whether it is a graph (Nr of Values'
// buttons off, "Limit is minimum value" on) and how the labels read.
struct GraphicKindPanel {
    GraphicKind graphicKind;
    PanelParts enabled;
    bool graph;
    const PanelLabels* labels;
};

// The row of a graphic kind; nullptr for a kind the list does not have.
const GraphicKindPanel* graphicKindPanel(GraphicKind graphicKind);
// The labels for an element's graphic kind; a kind the list does not have
// reads like a line.
const PanelLabels& panelLabels(GraphicKind graphicKind);

} // namespace zef
