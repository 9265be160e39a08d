#include "configstring.h"

#include "configrecord.h"

#include "catalog/catalogs.h"
#include "model/color.h"

#include <QStringList>

namespace zef {

namespace {

using Word = std::uint32_t;

Word flag(bool value) {
    return value ? 1u : 0u;
}

std::int32_t idAt(const CatalogList& list, std::int32_t position, std::int32_t fallback) {
    if (position < 0 || position >= static_cast<std::int32_t>(list.size())) return fallback;
    return list[static_cast<std::size_t>(position)].id;
}

std::int32_t valueTypeId(const LayoutElement& element, const ValueTypeCatalog& catalog) {
    return idAt(catalog.valueTypes, element.valueType, 0);
}

int fontIndex(const QString& font, const QStringList& offeredFontSlots) {
    const int index = static_cast<int>(offeredFontSlots.indexOf(font));
    return index < 0 ? 0 : index;
}

void appendWords(QString& out, std::initializer_list<Word> words) {
    for (const Word w : words) out += EncodeConfigNumber(w);
}

// What a record sends that is not a member of the element itself.
struct RecordValues {
    std::int32_t valueTypeId = 0;
    std::int32_t graphicKindId = 0;
    std::int32_t textLength = 0;
    std::int32_t fontIndex = 0;
};

// The number a field carries, before its form is applied. Unsigned arithmetic:
// every member is masked to its width, never range-checked.
Word memberValue(ConfigMember member, const LayoutElement& e, const RecordValues& r) {
    switch (member) {
    case ConfigMember::RecordKind:
        return static_cast<Word>(e.kind);
    case ConfigMember::ShownId:
        return e.fixedText ? 0 : static_cast<Word>(r.valueTypeId);
    case ConfigMember::ValueTypeId:
        return static_cast<Word>(r.valueTypeId);
    case ConfigMember::GraphicKindId:
        return static_cast<Word>(r.graphicKindId);
    case ConfigMember::TextLength:
        return static_cast<Word>(r.textLength);
    case ConfigMember::FontIndex:
        return static_cast<Word>(r.fontIndex);
    case ConfigMember::Color:
        return color::toRgb24(e.color);
    case ConfigMember::NrValues:
        return static_cast<Word>(e.nrValues);
    case ConfigMember::X:
        return static_cast<Word>(e.x);
    case ConfigMember::Y:
        return static_cast<Word>(e.y);
    case ConfigMember::X2:
        return static_cast<Word>(e.x2);
    case ConfigMember::Y2:
        return static_cast<Word>(e.y2);
    case ConfigMember::Stroke:
        return static_cast<Word>(e.stroke);
    case ConfigMember::Radius:
        return static_cast<Word>(e.radius);
    case ConfigMember::Precision:
        return static_cast<Word>(e.precision);
    case ConfigMember::HAlignment:
        return static_cast<Word>(e.hAlignment);
    case ConfigMember::FixedText:
        return flag(e.fixedText);
    case ConfigMember::MaxOnly:
        return flag(e.maxOnly);
    case ConfigMember::DayNight:
        return flag(e.dayNight);
    }
    return 0;
}

void writeFields(Word (&groups)[4], std::span<const ConfigField> fields, const LayoutElement& e,
                 const RecordValues& r) {
    for (const ConfigField& f : fields) {
        Word v = memberValue(f.member, e, r);
        switch (f.form) {
        case FieldForm::Plain:
            break;
        case FieldForm::Coordinate:
            v += ConfigCoordinateOffset;
            break;
        case FieldForm::FromX:
            v -= static_cast<Word>(e.x);
            break;
        case FieldForm::FromY:
            v -= static_cast<Word>(e.y);
            break;
        }
        groups[f.group] |= (v & fieldMask(f.width)) << f.firstBit;
    }
}

void appendValue(QString& out, const LayoutElement& e, const ValueTypeCatalog& catalog,
                 const QStringList& offeredFontSlots) {
    const QString text = configStringText(e, catalog);
    RecordValues r;
    r.valueTypeId = valueTypeId(e, catalog);
    r.textLength = static_cast<std::int32_t>(text.size());
    r.fontIndex = fontIndex(e.font, offeredFontSlots);
    Word groups[4] = {};
    writeFields(groups, valueRecordFields(), e, r);
    appendWords(out, {groups[0], groups[1], groups[2], groups[3]});
    out += text;
}

void appendGraphic(QString& out, const LayoutElement& e, const ValueTypeCatalog& catalog) {
    RecordValues r;
    r.valueTypeId = valueTypeId(e, catalog);
    // Graphic kind ids equal their positions; a position outside the list
    // keeps its number and writes no kind-dependent fields.
    r.graphicKindId = idAt(catalog.graphicKinds, e.graphicType, e.graphicType);
    Word groups[4] = {};
    writeFields(groups, graphicRecordFields(), e, r);
    writeFields(groups, graphicKindFields(graphicKindAt(r.graphicKindId)), e, r);
    appendWords(out, {groups[0], groups[1], groups[2], groups[3]});
}

void appendDynamicColor(QString& out, const LayoutElement& e) {
    QString rows;
    Word used = 0;
    for (int row = 0; row < DynamicColorRows; ++row) {
        const DynamicColor dc = e.dynamicColor(row);
        if (dc.isEmpty()) continue;
        using Row = DynamicColorRowFields;
        const Word invert = used == 0 ? flag(e.invertColor) : 0;
        const bool negative = dc.value < 0;
        const Word magnitude =
            negative ? 0u - static_cast<Word>(dc.value) : static_cast<Word>(dc.value);
        appendWords(rows, {color::toRgb24(dc.color) | invert << Row::InvertBit |
                               flag(dc.hide) << Row::HideBit | flag(dc.blink) << Row::BlinkBit,
                           (magnitude & fieldMask(Row::MagnitudeWidth)) | flag(negative)
                                                                              << Row::NegativeBit});
        ++used;
    }
    if (used == 0) return;
    appendWords(out, {Word(KindDynamicColor) |
                      color::toRgb24(e.replaceColor) << DynamicColorHeader::ReplaceColorBit |
                      used << DynamicColorHeader::RowCountBit});
    out += rows;
}

} // namespace

QString configStringText(const LayoutElement& element, const ValueTypeCatalog& catalog) {
    if (ValueTypeCatalog::isTextValued(valueTypeId(element, catalog))) return {};
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
        if (e.kind == KindValue && !ValueTypeCatalog::isTextValued(valueTypeId(e, catalog)) &&
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
