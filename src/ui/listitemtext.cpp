#include "listitemtext.h"

#include "catalog/valuetypecatalog.h"
#include "model/recoloring.h"

#include <algorithm>

namespace zef {

namespace {

QString valueTypeName(const ValueTypeCatalog& catalog, int position) {
    const ValueTypeInfo* type = entryAt(catalog.valueTypes, position);
    return type ? type->name : QString();
}

QString graphicKindName(const ValueTypeCatalog& catalog, int position) {
    const ValueTypeInfo* kind = entryAt(catalog.graphicKinds, position);
    return kind ? kind->name : QString();
}

// "Vals: first - last" over the rows in use, in single precision as the data
// field holds them.
QString thresholdSpan(const LayoutElement& e) {
    float first = 0.0f;
    float last = 0.0f;
    int used = 0;
    for (int k = 0; k < DynamicColorRows; ++k) {
        if (e.dcValue[k] <= EmptyDcValue) continue;
        const float value = static_cast<float>(e.dcValue[k]) / 10.0f;
        if (used == 0) first = value;
        last = value;
        ++used;
    }
    if (used < 2) last = 0.0f;
    return QString::asprintf("Vals: %.1f - %.1f", static_cast<double>(first),
                             static_cast<double>(last));
}

} // namespace

QString ColorToHex(Bgr color) {
    return color::toHexText(color);
}

QString shortValueTypeName(const QString& name) {
    return name.startsWith(QLatin1Char('(')) ? name.mid(4) : name;
}

QString ListItemText(const ElementVector& elements, int index, const ValueTypeCatalog& catalog) {
    if (index < 0 || index >= static_cast<int>(elements.size())) return {};
    const LayoutElement& e = elements[static_cast<std::size_t>(index)];
    const QString bar = QStringLiteral(" | ");

    switch (e.kind) {
    case KindValue: {
        const QString mark = isRecolored(elements, e.color) ? QStringLiteral("*") : QString();
        const QString what = e.fixedText ? QStringLiteral("Text: '%1'").arg(e.text)
                                         : shortValueTypeName(valueTypeName(catalog, e.valueType));
        return ColorToHex(e.color) + QLatin1Char(' ') + mark + bar + what;
    }
    case KindGraphic: {
        const QString mark = isRecolored(elements, e.color) ? QStringLiteral("*") : QString();
        QString text = ColorToHex(e.color) + QLatin1Char(' ') + mark + bar +
                       graphicKindName(catalog, e.graphicType);
        if (e.valueType > 0) text += bar + shortValueTypeName(valueTypeName(catalog, e.valueType));
        return text;
    }
    case KindDynamicColor:
        return ColorToHex(e.replaceColor) + QLatin1Char(' ') + bar + thresholdSpan(e);
    case KindSeparator:
        return e.text;
    default:
        return {};
    }
}

} // namespace zef
