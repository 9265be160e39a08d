#include "unreadvalues.h"

#include "catalog/valuetypecatalog.h"

#include <QSet>

namespace zef {

std::vector<int> recoloredValuesWithoutValueType(const ElementVector& elements,
                                                 const ValueTypeCatalog& catalog) {
    QSet<Bgr> replaced;
    for (const LayoutElement& e : elements)
        if (e.kind == KindDynamicColor) replaced.insert(e.replaceColor);
    std::vector<int> rows;
    if (replaced.isEmpty()) return rows;
    const auto& types = catalog.valueTypes;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const LayoutElement& v = elements[i];
        if (v.kind != KindValue || !replaced.contains(v.color)) continue;
        if (v.valueType < 0 || v.valueType >= static_cast<int>(types.size())) continue;
        if (types[static_cast<std::size_t>(v.valueType)].code != QLatin1String("FX")) continue;
        rows.push_back(static_cast<int>(i));
    }
    return rows;
}

} // namespace zef
