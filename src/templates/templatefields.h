#pragma once

#include "model/color.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace zef {

struct DeviceInfo;
class ValueTypeCatalog;

// What a place in a starter layout shows. Each has value types in order of
// preference: the first the device's class offers is taken.
enum class TemplateField {
    Speed,
    HeartRate,
    Power,   // power where the class has it, else the average speed
    Cadence, // cadence where the class has it, else the altitude
    Distance,
    Time,
    NextPointName,
    DistanceToNext,
    TimeToNext,
    DistanceToDestination,
};

// A field as placed on one device: the value type, its caption and colours.
struct FieldChoice {
    std::int32_t valueType = 0; // position in the value-type catalog
    QString caption;            // the fixed text above the value
    std::int32_t precision = 0; // decimals of a "$V" reading
    Bgr captionColor = 0;
    Bgr valueColor = 0;
};

// The field's first value type offered on the device, or nothing when the
// device's class offers none of them.
std::optional<FieldChoice> chooseField(TemplateField field, const DeviceInfo& device,
                                       const ValueTypeCatalog& types);

} // namespace zef
