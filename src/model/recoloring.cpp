#include "recoloring.h"

#include "catalog/valuetypecatalog.h"

#include <QSet>

namespace zef {

int recoloringRow(const ElementVector& elements, Bgr color) {
    for (std::size_t i = 0; i < elements.size(); ++i)
        if (elements[i].kind == KindDynamicColor && elements[i].replaceColor == color)
            return static_cast<int>(i);
    return -1;
}

std::vector<int> recoloredValuesWithoutValueType(const ElementVector& elements,
                                                 const ValueTypeCatalog& catalog) {
    QSet<Bgr> replaced;
    for (const LayoutElement& e : elements)
        if (e.kind == KindDynamicColor) replaced.insert(e.replaceColor);
    std::vector<int> rows;
    if (replaced.isEmpty()) return rows;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const LayoutElement& v = elements[i];
        if (v.kind == KindValue && replaced.contains(v.color) && catalog.isNoValueType(v.valueType))
            rows.push_back(static_cast<int>(i));
    }
    return rows;
}

} // namespace zef
