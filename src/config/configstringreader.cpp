#include "configstring.h"

#include "configrecord.h"

#include "catalog/catalogs.h"
#include "model/color.h"

namespace zef {

namespace {

using Word = std::uint32_t;

// Where the two readable versions differ.
struct Version {
    std::int32_t coordinateOffset; // subtracted from x, y and a line's second point
    int valueGroups;               // groups before a value's text
    qsizetype graphicLastGroup;    // characters of a graphic record's fourth group
};
constexpr Version VersionC{50, 4, 5};
constexpr Version VersionB{0, 3, 4};

std::int32_t field(Word word, int shift, int width) {
    return static_cast<std::int32_t>((word >> shift) & ((Word(1) << width) - 1));
}
bool bit(Word word, int shift) {
    return ((word >> shift) & 1u) != 0;
}

// Reads records from the string body. Records cut off by the end of the string
// read whatever characters remain: a missing group is empty and decodes as 0.
class RecordReader {
public:
    RecordReader(const ValueTypeCatalog& catalog, const QStringList& fonts, QStringView body,
                 const Version& version)
        : m_catalog(catalog), m_fonts(fonts), m_body(body), m_version(version) {}

    bool atEnd() const { return m_pos >= m_body.size() - 1; }

    // Reads the record at the current position and moves past it.
    LayoutElement next() {
        const Word g1 = group(m_pos);
        switch (g1 & 7) {
        case KindValue:
            return readValue(g1);
        case KindGraphic:
            return readGraphic(g1);
        default:
            return readDynamicColor(g1); // kinds 2..7
        }
    }

private:
    QStringView slice(qsizetype pos, qsizetype length) const {
        if (pos < 0 || pos >= m_body.size() || length <= 0) return {};
        return m_body.sliced(pos, std::min(length, m_body.size() - pos));
    }
    Word group(qsizetype pos, qsizetype length = 5) const {
        return DecodeConfigNumber(slice(pos, length));
    }

    // Sets the members the fields carry, in table order (x and y come before
    // the far corner that is stored relative to them).
    void readFields(LayoutElement& e, const Word (&groups)[4], std::span<const ConfigField> fields,
                    qsizetype* textLength) const {
        for (const ConfigField& f : fields) {
            auto v = static_cast<std::int32_t>(fieldBits(groups, f));
            switch (f.form) {
            case FieldForm::Plain:
                break;
            case FieldForm::Coordinate:
                v -= m_version.coordinateOffset;
                break;
            case FieldForm::FromX:
                v += e.x;
                break;
            case FieldForm::FromY:
                v += e.y;
                break;
            }
            switch (f.member) {
            case ConfigMember::RecordKind:
                break; // the record was chosen by it
            case ConfigMember::ShownId:
                e.fixedText = v == 0;
                break;
            case ConfigMember::ValueTypeId:
                e.valueType = m_catalog.positionById(v);
                break;
            case ConfigMember::GraphicKindId:
                // A kind the catalog does not have cannot be drawn or written again; it
                // becomes a "Line" with only the shared members, as an unknown graphic
                // code in a layout file does.
                e.graphicType = isKnownGraphicKind(graphicKindAt(v)) ? v : 0;
                break;
            case ConfigMember::TextLength:
                *textLength = v;
                break;
            case ConfigMember::FontIndex:
                if (v < m_fonts.size()) e.font = m_fonts.at(v);
                break;
            case ConfigMember::Color:
                e.color = color::fromRgb24(static_cast<Word>(v));
                break;
            case ConfigMember::NrValues:
                e.nrValues = v;
                break;
            case ConfigMember::X:
                e.x = v;
                break;
            case ConfigMember::Y:
                e.y = v;
                break;
            case ConfigMember::X2:
                e.x2 = v;
                break;
            case ConfigMember::Y2:
                e.y2 = v;
                break;
            case ConfigMember::Stroke:
                e.stroke = v;
                break;
            case ConfigMember::Radius:
                e.radius = v;
                break;
            case ConfigMember::Precision:
                e.precision = v;
                break;
            case ConfigMember::HAlignment:
                e.hAlignment = v;
                break;
            case ConfigMember::FixedText:
                e.fixedText = v != 0;
                break;
            case ConfigMember::MaxOnly:
                e.maxOnly = v != 0;
                break;
            case ConfigMember::DayNight:
                e.dayNight = v != 0;
                break;
            }
        }
    }

    LayoutElement readValue(Word g1) {
        LayoutElement e(KindValue);
        // A version "C" record has a fourth group, always zero: skipped unread.
        const Word groups[4] = {g1, group(m_pos + 5), group(m_pos + 10), 0};
        qsizetype length = 0;
        readFields(e, groups, valueRecordFields(), &length);
        const qsizetype textPos = m_pos + 5 * m_version.valueGroups;
        e.text = slice(textPos, length).toString();
        m_pos = textPos + length;
        return e;
    }

    LayoutElement readGraphic(Word g1) {
        LayoutElement e(KindGraphic);
        const Word groups[4] = {g1, group(m_pos + 5), group(m_pos + 10),
                                group(m_pos + 15, m_version.graphicLastGroup)};
        m_pos += 15 + m_version.graphicLastGroup;
        readFields(e, groups, graphicRecordFields(), nullptr);
        const auto kind = static_cast<std::int32_t>(
            fieldBits(groups, *findField(graphicRecordFields(), ConfigMember::GraphicKindId)));
        readFields(e, groups, graphicKindFields(graphicKindAt(kind)), nullptr);
        return e;
    }

    LayoutElement readDynamicColor(Word g1) {
        LayoutElement e(KindDynamicColor);
        using Row = DynamicColorRowFields;
        e.replaceColor =
            color::fromRgb24(static_cast<Word>(field(g1, DynamicColorHeader::ReplaceColorBit, 24)));
        const int rows = field(g1, DynamicColorHeader::RowCountBit, 4);
        // The count field can announce up to 15 rows; the table has ten, so
        // rows past the tenth are stepped over.
        for (int row = 0; row < std::min(rows, DynamicColorRows); ++row) {
            const Word color = group(m_pos + 5 + 10 * row);
            const Word value = group(m_pos + 10 + 10 * row);
            const std::int32_t magnitude = field(value, 0, Row::MagnitudeWidth);
            e.setDynamicColor(row, {bit(value, Row::NegativeBit) ? -magnitude : magnitude,
                                    color::fromRgb24(color), bit(color, Row::HideBit),
                                    bit(color, Row::BlinkBit)});
            if (row == 0) e.invertColor = bit(color, Row::InvertBit);
        }
        m_pos += 5 + 10 * rows;
        return e;
    }

    const ValueTypeCatalog& m_catalog;
    const QStringList m_fonts;
    const QStringView m_body;
    const Version m_version;
    qsizetype m_pos = 0;
};

} // namespace

ElementVector readConfigRecords(QStringView text, ConfigVersion version,
                                const ValueTypeCatalog& catalog, const QStringList& fontSlots) {
    const QStringView body = text.size() > 1 ? text.sliced(1) : QStringView();
    RecordReader reader(catalog, fontSlots, body,
                        version == ConfigVersion::C ? VersionC : VersionB);
    ElementVector elements;
    while (!reader.atEnd()) elements.push_back(reader.next());
    return elements;
}

ConfigReadResult readConfigString(const QString& text, const ValueTypeCatalog& catalog,
                                  const QStringList& fontSlots) {
    ConfigReadResult result;
    if (text.size() > MaxConfigStringLength) {
        result.error = QStringLiteral("The string is too long!\nA config string has at most %1 "
                                      "characters.")
                           .arg(MaxConfigStringLength);
        return result;
    }
    if (text.size() < 5) {
        result.error = QStringLiteral("The string is too short!");
        return result;
    }
    if (text.front() != QLatin1Char('B') && text.front() != QLatin1Char('C')) {
        result.error = QStringLiteral("The string cannot be loaded!");
        return result;
    }
    const ConfigVersion version =
        text.front() == QLatin1Char('B') ? ConfigVersion::B : ConfigVersion::C;
    result.elements = readConfigRecords(text, version, catalog, fontSlots);
    result.ok = true;
    return result;
}

} // namespace zef
