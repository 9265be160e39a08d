#include "configrecord.h"

#include <array>

namespace zef {

namespace {

using enum ConfigMember;
using enum FieldForm;

// clang-format off
// group, first bit, width, form, member
constexpr ConfigField ValueFields[] = {
    {0,  0,  3, Plain,      RecordKind},
    {0,  3,  8, Plain,      ShownId},
    {0, 11,  8, Plain,      ValueTypeId},
    {0, 19, 13, Plain,      NrValues},
    {1,  0, 24, Plain,      Color},
    {1, 24,  8, Plain,      TextLength},
    {2,  0, 10, Coordinate, X},
    {2, 10, 10, Coordinate, Y},
    {2, 20,  5, Plain,      FontIndex},
    {2, 25,  2, Plain,      Precision},
    {2, 27,  2, Plain,      HAlignment},
    {2, 30,  1, Plain,      MaxOnly},
    {2, 31,  1, Plain,      DayNight},
    // The fourth group is always zero.
};

constexpr ConfigField GraphicFields[] = {
    {0,  0,  3, Plain,      RecordKind},
    {0,  3,  8, Plain,      GraphicKindId},
    {0, 11,  8, Plain,      ValueTypeId},
    {0, 19, 13, Plain,      NrValues},
    {1,  0, 24, Plain,      Color},
    {2,  0, 10, Coordinate, X},
    {2, 10, 10, Coordinate, Y},
    {2, 30,  1, Plain,      MaxOnly},
    {2, 31,  1, Plain,      DayNight},
};

// What each graphic kind adds. Filled shapes send no line width (its bits stay 0).
constexpr ConfigField Stroke8 = {1, 24, 8, Plain, Stroke};
constexpr ConfigField Radius10 = {2, 20, 10, Plain, Radius};
constexpr ConfigField BoxWidth = {2, 20, 10, FromX, X2};
constexpr ConfigField BoxHeight = {3, 0, 10, FromY, Y2};

constexpr ConfigField LineFields[] = {
    Stroke8, {2, 20, 10, Coordinate, X2}, {3, 0, 10, Coordinate, Y2},
};
constexpr ConfigField CircleFields[] = {Stroke8, Radius10};
constexpr ConfigField CircleFilledFields[] = {Radius10};
constexpr ConfigField RectangleFields[] = {Stroke8, BoxWidth, BoxHeight};
constexpr ConfigField FilledRectangleFields[] = {BoxWidth, BoxHeight};
constexpr ConfigField ArcFields[] = {
    Stroke8, Radius10, {3, 0, 10, Plain, X2}, {3, 10, 10, Plain, Y2}, // start and end angle
};
constexpr ConfigField DirectionFields[] = {
    Stroke8, Radius10, {3, 0, 10, Plain, Y2}, // the y offset
};
constexpr ConfigField GraphFields[] = {
    Stroke8, BoxWidth, BoxHeight,
    {3, 10, 10, Plain, Radius},    // the limit value
    {3, 20,  1, Plain, FixedText}, // the limit is a minimum
};
// clang-format on

} // namespace

std::span<const ConfigField> valueRecordFields() {
    return ValueFields;
}

std::span<const ConfigField> graphicRecordFields() {
    return GraphicFields;
}

const ConfigField* findField(std::span<const ConfigField> fields, ConfigMember member) {
    for (const ConfigField& f : fields)
        if (f.member == member) return &f;
    return nullptr;
}

std::span<const ConfigField> graphicKindFields(GraphicKind kind) {
    switch (kind) {
    case GraphicKind::Line:
        return LineFields;
    case GraphicKind::Circle:
        return CircleFields;
    case GraphicKind::CircleFilled:
        return CircleFilledFields;
    case GraphicKind::Rectangle:
        return RectangleFields;
    case GraphicKind::RectangleFilled:
    case GraphicKind::RectangleHorizontalFill:
    case GraphicKind::RectangleVerticalFill:
        return FilledRectangleFields;
    case GraphicKind::Arc:
    case GraphicKind::ArcFilled:
        return ArcFields;
    case GraphicKind::DirectionArrow:
    case GraphicKind::DirectionTriangle:
        return DirectionFields;
    case GraphicKind::GraphLeftTop:
    case GraphicKind::GraphRightTop:
    case GraphicKind::GraphLeftBottom:
    case GraphicKind::GraphRightBottom:
        return GraphFields;
    }
    return {};
}

} // namespace zef
