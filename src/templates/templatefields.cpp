#include "templatefields.h"

#include "catalog/valuetypecatalog.h"

namespace zef {

namespace {

// Captions are short: a grid cell of a small watch is some 60 pixels wide.
// Colours are written RRGGBB; all are light enough to show on black.
struct FieldRow {
    TemplateField field;
    const char* code; // value-type code, as layout files name it
    const char* caption;
    std::int32_t precision;
    std::uint32_t captionRgb;
};

constexpr std::uint32_t White = 0xFFFFFF;

// clang-format off
constexpr FieldRow FieldRows[] = {
    // field                               code  caption    decimals caption colour
    {TemplateField::Speed,                 "CS", "SPEED",   1,       0x4FC3F7},
    {TemplateField::HeartRate,             "HR", "HR",      0,       0xFF7070},
    {TemplateField::Power,                 "CB", "POWER",   0,       0xFFD54F},
    {TemplateField::Power,                 "AS", "AVG SPD", 1,       0xFFD54F},
    {TemplateField::Cadence,               "CC", "CADENCE", 0,       0x81C784},
    {TemplateField::Cadence,               "CL", "ALT",     0,       0x81C784},
    {TemplateField::Distance,              "DS", "DIST",    2,       0xCE93D8},
    {TemplateField::Time,                  "TT", "TIMER",   0,       0xFFB74D},
    {TemplateField::NextPointName,         "NN", "NEXT",    0,       0x4FC3F7},
    {TemplateField::DistanceToNext,        "DN", "TO NEXT", 2,       0x4FC3F7},
    {TemplateField::TimeToNext,            "NC", "NEXT IN", 0,       0xFFB74D},
    {TemplateField::DistanceToDestination, "DD", "TO DEST", 1,       0xCE93D8},
};
// clang-format on

} // namespace

std::optional<FieldChoice> chooseField(TemplateField field, const DeviceInfo& device,
                                       const ValueTypeCatalog& types) {
    for (const FieldRow& row : FieldRows) {
        if (row.field != field) continue;
        const int position = types.positionByCode(SelectValueTypes, QLatin1String(row.code));
        if (position <= 0) continue;
        if (!ValueTypeCatalog::isOffered(types.valueTypes[std::size_t(position)], device)) continue;
        return FieldChoice{position, QLatin1String(row.caption), row.precision,
                           color::fromRgb24(row.captionRgb), color::fromRgb24(White)};
    }
    return std::nullopt;
}

} // namespace zef
