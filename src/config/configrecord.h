#pragma once

#include "catalog/graphickind.h"

#include <cstdint>
#include <span>

namespace zef {

// The members a record of the config string carries. Most are members of the
// element; the others (ids, the font index, the text length) are worked out
// from the element and the catalogs by the writer and turned back by the reader.
enum class ConfigMember {
    RecordKind,    // the element kind, in the low three bits of the first group
    ShownId,       // value: the value type's id, or 0 for a fixed text
    ValueTypeId,   // the value type's config string id
    GraphicKindId, // the graphic kind's id (its position)
    TextLength,    // value: code units of the text that follows the record
    FontIndex,     // value: position of the font slot among the device's slots
    Color,         // as 0xRRGGBB
    NrValues,
    X,
    Y,
    X2,
    Y2,
    Stroke,
    Radius,
    Precision,
    HAlignment,
    FixedText,
    MaxOnly,
    DayNight,
};

// How a member's number is stored in its bits.
enum class FieldForm {
    Plain,      // the low bits of the number
    Coordinate, // the number plus the coordinate offset (50; version "B" has none)
    FromX,      // the number minus x: a box's far corner
    FromY,      // the number minus y
};

// One field of a record: group (0 for the first five characters), first bit,
// width in bits, the form and the member it carries.
struct ConfigField {
    int group;
    int firstBit;
    int width;
    FieldForm form;
    ConfigMember member;
};

// Fields of a value record (four groups, then the text).
std::span<const ConfigField> valueRecordFields();
// Fields every graphic record has, and the fields its kind adds (none for a kind
// the catalog does not know).
std::span<const ConfigField> graphicRecordFields();
std::span<const ConfigField> graphicKindFields(GraphicKind kind);

// A dynamic colour: one header group, then two groups per used row.
struct DynamicColorHeader {
    static constexpr int ReplaceColorBit = 3; // 24 bits, 0xRRGGBB
    static constexpr int RowCountBit = 27;    // 4 bits
};
struct DynamicColorRowFields {
    // First group of a row.
    static constexpr int InvertBit = 25; // first row only: "Invert color order"
    static constexpr int HideBit = 26;
    static constexpr int BlinkBit = 27;
    // Second group: the threshold's magnitude in 20 bits, then its sign.
    static constexpr int MagnitudeWidth = 20;
    static constexpr int NegativeBit = 20;
};

// Coordinates travel with this added, so that a 10-bit field carries -50..973.
constexpr std::int32_t ConfigCoordinateOffset = 50;

constexpr std::uint32_t fieldMask(int width) {
    return width >= 32 ? 0xFFFFFFFFu : (std::uint32_t(1) << width) - 1;
}

// The bits of a field in a record's groups, before its form is undone.
constexpr std::uint32_t fieldBits(const std::uint32_t (&groups)[4], const ConfigField& f) {
    return (groups[f.group] >> f.firstBit) & fieldMask(f.width);
}
// The field carrying a member, or nullptr.
const ConfigField* findField(std::span<const ConfigField> fields, ConfigMember member);

} // namespace zef
