#include "configstring.h"

#include "catalog/catalogs.h"
#include "model/platform.h"

#include <QStringList>

namespace zef {

namespace {

using Word = std::uint32_t;

// Coordinates travel with 50 added so that a 10-bit field carries -50..973.
// Unsigned arithmetic: every member is masked, never range-checked.
constexpr Word CoordinateOffset = 50;

Word bits(std::int32_t value, int width) {
    return static_cast<Word>(value) & ((Word(1) << width) - 1);
}
Word coordinate(std::int32_t value) {
    return (static_cast<Word>(value) + CoordinateOffset) & 0x3FF;
}
Word difference(std::int32_t to, std::int32_t from) {
    return (static_cast<Word>(to) - static_cast<Word>(from)) & 0x3FF;
}
Word flag(bool value) {
    return value ? 1u : 0u;
}
Word rgb(Bgr color) {
    return ToRgb24(color) & 0xFFFFFF;
}

std::int32_t idAt(const CatalogList& list, std::int32_t position, std::int32_t fallback) {
    if (position < 0 || position >= static_cast<std::int32_t>(list.size())) return fallback;
    return list[static_cast<std::size_t>(position)].id;
}

std::int32_t valueTypeId(const LayoutElement& element, const ValueTypeCatalog& catalog) {
    return idAt(catalog.valueTypes, element.valueType, 0);
}

// The value types whose value is itself a text send no text of their own.
bool sendsText(std::int32_t valueTypeId) {
    return valueTypeId < 1 || valueTypeId > 9;
}

int fontIndex(const QString& font, const QStringList& offeredFontSlots) {
    const int index = static_cast<int>(offeredFontSlots.indexOf(font));
    return index < 0 ? 0 : index;
}

void appendWords(QString& out, std::initializer_list<Word> words) {
    for (const Word w : words) out += EncodeConfigNumber(w);
}

void appendValue(QString& out, const LayoutElement& e, const ValueTypeCatalog& catalog,
                 const QStringList& offeredFontSlots) {
    const std::int32_t id = valueTypeId(e, catalog);
    const QString text = configStringText(e, catalog);
    const Word shownId = e.fixedText ? 0 : bits(id, 8);

    const Word g1 = Word(KindValue) | shownId << 3 | bits(id, 8) << 11 | bits(e.nrValues, 13) << 19;
    const Word g2 = rgb(e.color) | bits(static_cast<std::int32_t>(text.size()), 8) << 24;
    const Word g3 = coordinate(e.x) | coordinate(e.y) << 10 |
                    bits(fontIndex(e.font, offeredFontSlots), 5) << 20 |
                    bits(e.precision, 2) << 25 | bits(e.hAlignment, 2) << 27 |
                    flag(e.maxOnly) << 30 | flag(e.dayNight) << 31;
    appendWords(out, {g1, g2, g3, 0});
    out += text;
}

void appendGraphic(QString& out, const LayoutElement& e, const ValueTypeCatalog& catalog) {
    // Graphic kind ids equal their positions; a position outside the list
    // keeps its number and writes no kind-dependent fields.
    const std::int32_t kind = idAt(catalog.graphicKinds, e.graphicType, e.graphicType);
    const std::int32_t id = valueTypeId(e, catalog);

    Word stroke = bits(e.stroke, 8);
    Word field3 = 0; // group 3 bits 20-29
    Word g4 = 0;
    switch (kind) {
    case 0: // Line
        field3 = coordinate(e.x2);
        g4 = coordinate(e.y2);
        break;
    case 1: // Circle
        field3 = bits(e.radius, 10);
        break;
    case 2: // Circle filled
        stroke = 0;
        field3 = bits(e.radius, 10);
        break;
    case 3: // Rectangle
        field3 = difference(e.x2, e.x);
        g4 = difference(e.y2, e.y);
        break;
    case 4: // filled rectangles
    case 5:
    case 6:
        stroke = 0;
        field3 = difference(e.x2, e.x);
        g4 = difference(e.y2, e.y);
        break;
    case GraphicArc:
    case GraphicArcFilled:
        field3 = bits(e.radius, 10);
        g4 = bits(e.x2, 10) | bits(e.y2, 10) << 10;
        break;
    case GraphicDirectionArrow:
    case GraphicDirectionTriangle:
        field3 = bits(e.radius, 10);
        g4 = bits(e.y2, 10);
        break;
    case 11: // graphs
    case 12:
    case 13:
    case GraphicGraphLast:
        field3 = difference(e.x2, e.x);
        g4 = difference(e.y2, e.y) | bits(e.radius, 10) << 10 | flag(e.fixedText) << 20;
        break;
    default:
        stroke = 0;
        break;
    }

    const Word g1 =
        Word(KindGraphic) | bits(kind, 8) << 3 | bits(id, 8) << 11 | bits(e.nrValues, 13) << 19;
    const Word g2 = rgb(e.color) | stroke << 24;
    const Word g3 = coordinate(e.x) | coordinate(e.y) << 10 | field3 << 20 | flag(e.maxOnly) << 30 |
                    flag(e.dayNight) << 31;
    appendWords(out, {g1, g2, g3, g4});
}

void appendDynamicColor(QString& out, const LayoutElement& e) {
    QString rows;
    Word used = 0;
    for (int row = 0; row < DynamicColorRows; ++row) {
        const DynamicColor dc = e.dynamicColor(row);
        if (dc.isEmpty()) continue;
        const Word invert = used == 0 ? flag(e.invertColor) : 0;
        const bool negative = dc.value < 0;
        const Word magnitude =
            negative ? 0u - static_cast<Word>(dc.value) : static_cast<Word>(dc.value);
        appendWords(rows,
                    {rgb(dc.color) | invert << 25 | flag(dc.hide) << 26 | flag(dc.blink) << 27,
                     (magnitude & 0xFFFFF) | flag(negative) << 20});
        ++used;
    }
    if (used == 0) return;
    appendWords(out, {Word(KindDynamicColor) | rgb(e.replaceColor) << 3 | used << 27});
    out += rows;
}

} // namespace

QString configStringText(const LayoutElement& element, const ValueTypeCatalog& catalog) {
    if (!sendsText(valueTypeId(element, catalog))) return {};
    if (element.text.size() <= MaxConfigTextLength) return element.text;
    qsizetype length = MaxConfigTextLength;
    if (element.text.at(length - 1).isHighSurrogate() && element.text.at(length).isLowSurrogate())
        --length;
    return element.text.left(length);
}

std::vector<int> overlongTextElements(const ElementVector& elements,
                                      const ValueTypeCatalog& catalog) {
    std::vector<int> indices;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const LayoutElement& e = elements[i];
        if (e.kind == KindValue && sendsText(valueTypeId(e, catalog)) &&
            e.text.size() > MaxConfigTextLength)
            indices.push_back(static_cast<int>(i));
    }
    return indices;
}

QString BuildConfigString(const ElementVector& elements, const ValueTypeCatalog& catalog,
                          const QStringList& offeredFontSlots) {
    QString out = QStringLiteral("C");
    for (const LayoutElement& e : elements) {
        switch (e.kind) {
        case KindValue:
            appendValue(out, e, catalog, offeredFontSlots);
            break;
        case KindGraphic:
            appendGraphic(out, e, catalog);
            break;
        case KindDynamicColor:
            appendDynamicColor(out, e);
            break;
        default:
            break; // separators (and kindless records) carry nothing
        }
    }
    return out;
}

QStringList documentFontSlots(const LayoutDocument& document) {
    const DeviceInfo* device = document.device();
    if (!device) return {};
    const Catalogs& catalogs = document.catalogs();
    return catalogs.fonts.offeredFontSlots(*device, catalogs.valueTypes.fontSlots);
}

void OnCopyToClipboard(LayoutDocument& document) {
    const ValueTypeCatalog& catalog = document.catalogs().valueTypes;
    Platform& platform = document.platform();
    platform.setClipboardText(
        BuildConfigString(document.elements, catalog, documentFontSlots(document)));
    platform.showMessage(QStringLiteral("Config string copied to clipboard."), MessageButtons::Ok,
                         MessageIcon::Information);

    const QString warning = overlongTextMessage(overlongTextElements(document.elements, catalog));
    if (!warning.isEmpty()) platform.showMessage(warning, MessageButtons::Ok, MessageIcon::Warning);
}

QString overlongTextMessage(const std::vector<int>& indices) {
    if (indices.empty()) return {};
    QStringList lines;
    for (const int index : indices) lines << QString::number(index + 1);
    const QString text = indices.size() == 1
                             ? QStringLiteral("The text of element %1 is longer than %2 "
                                              "characters.\nThe config string carries only "
                                              "its first %2 characters.")
                             : QStringLiteral("The texts of elements %1 are longer than %2 "
                                              "characters.\nThe config string carries only "
                                              "their first %2 characters.");
    return text.arg(lines.join(QStringLiteral(", "))).arg(MaxConfigTextLength);
}

} // namespace zef
