#pragma once

#include "deviceinfo.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace zef {

// One entry of the element-kind, graphic-kind or value-type list.
struct ValueTypeInfo {
    QString name;
    QString code;
    QString sampleValue;    // value types only
    QString displayPattern; // value types only
    std::int32_t id = 0;    // value types: config string id; kinds: the position
    std::int32_t level = 30;
};

using CatalogList = std::vector<ValueTypeInfo>;

// The code of the first value type, "-- None --": a value without a value type,
// which shows its text as it is (a fixed text).
inline const QString NoValueTypeCode = QStringLiteral("FX");

// The entry at a position of a list, or nullptr when the position is not one
// of it (a record from a file or a string may hold any number).
inline const ValueTypeInfo* entryAt(const CatalogList& list,
                                    std::int32_t position) {
    if (position < 0 || static_cast<std::size_t>(position) >= list.size()) return nullptr;
    return &list[static_cast<std::size_t>(position)];
}

// Selectors of positionByCode.
constexpr int SelectValueTypes = 0;
constexpr int SelectGraphicKinds = 1;

// The font slot names, element kinds, graphic kinds and value types.
class ValueTypeCatalog {
public:
    // Fills fontSlots, then elementKinds, graphicKinds and valueTypes in table order.
    void build();

    QStringList fontSlots;
    CatalogList elementKinds;
    CatalogList graphicKinds;
    CatalogList valueTypes;

    // Value types whose value is itself a text (ids 1..9): the config string sends
    // no text for them, and they have no sample reading to type.
    static bool isTextValued(std::int32_t id) { return id >= 1 && id <= 9; }
    // Value types that show a reading the user can set as sample text: all but
    // "-- None --" and the text-valued ones.
    static bool hasSampleReading(std::int32_t id) { return id > 0 && !isTextValued(id); }

    // True when the value type at the position is "-- None --" (by its code, as
    // files name it); false for a position that is none.
    bool isNoValueType(std::int32_t position) const {
        const ValueTypeInfo* type = entryAt(valueTypes, position);
        return type && type->code == NoValueTypeCode;
    }

    static bool isOffered(const ValueTypeInfo& entry, const DeviceInfo& device) {
        return entry.level <= device.maxElements;
    }
    // Position of the first entry whose name equals the text exactly; 0 when none.
    static int positionByName(const CatalogList& list, const QString& text);
    // Position of the first entry whose code equals the text; selector 0 searches
    // valueTypes, 1 graphicKinds; forceValueTypes searches valueTypes whatever the
    // selector; 0 when none or for another selector.
    int positionByCode(int selector, const QString& code, bool forceValueTypes = false) const;
    // Position of the first value type with this config string id; 0 when none.
    int positionById(int id) const;

    // Names of the entries offered on a device, in position order: what the
    // value-type and graphic-kind lists show.
    static QStringList offeredNames(const CatalogList& list, const DeviceInfo& device);
};

} // namespace zef
