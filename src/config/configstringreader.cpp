#include "configstring.h"

#include "catalog/catalogs.h"
#include "model/platform.h"

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

// The string names no device; the layout is read for this one and the user
// picks the right device afterwards.
const QString ReadingDevice = QStringLiteral("Edge 1030");
const QString LoadedFileName = QStringLiteral("layout.xml");

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
    RecordReader(LayoutDocument& document, QStringView body, const Version& version)
        : m_catalogs(document.catalogs()), m_fonts(documentFontSlots(document)), m_body(body),
          m_version(version) {}

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

    // Members that value and graphic records share.
    void readCommon(LayoutElement& e, Word g1, Word g2, Word g3) const {
        e.valueType = m_catalogs.valueTypes.positionById(field(g1, 11, 8));
        e.nrValues = field(g1, 19, 13);
        e.color = ToRgb24(g2 & 0xFFFFFF);
        e.x = field(g3, 0, 10) - m_version.coordinateOffset;
        e.y = field(g3, 10, 10) - m_version.coordinateOffset;
        e.maxOnly = bit(g3, 30);
        e.dayNight = bit(g3, 31);
    }

    LayoutElement readValue(Word g1) {
        LayoutElement e(KindValue);
        const Word g2 = group(m_pos + 5);
        const Word g3 = group(m_pos + 10);
        // A version "C" record has a fourth group, always zero: skipped unread.
        readCommon(e, g1, g2, g3);
        e.fixedText = field(g1, 3, 8) == 0;
        const int font = field(g3, 20, 5);
        if (font < m_fonts.size()) e.font = m_fonts.at(font);
        e.precision = field(g3, 25, 2);
        e.hAlignment = field(g3, 27, 2);

        const qsizetype textPos = m_pos + 5 * m_version.valueGroups;
        const qsizetype length = field(g2, 24, 8);
        e.text = slice(textPos, length).toString();
        m_pos = textPos + length;
        return e;
    }

    LayoutElement readGraphic(Word g1) {
        LayoutElement e(KindGraphic);
        const Word g2 = group(m_pos + 5);
        const Word g3 = group(m_pos + 10);
        const Word g4 = group(m_pos + 15, m_version.graphicLastGroup);
        m_pos += 15 + m_version.graphicLastGroup;
        readCommon(e, g1, g2, g3);

        const std::int32_t kind = field(g1, 3, 8);
        const std::int32_t stroke = field(g2, 24, 8);
        const std::int32_t field3 = field(g3, 20, 10);
        const std::int32_t low = field(g4, 0, 10);
        const std::int32_t high = field(g4, 10, 10);
        // A kind the catalog does not have cannot be drawn or written again; it
        // becomes a "Line" with only the shared members, as an unknown graphic
        // code in a layout file does.
        e.graphicType =
            kind < static_cast<std::int32_t>(m_catalogs.valueTypes.graphicKinds.size()) ? kind : 0;
        switch (kind) {
        case 0: // Line
            e.stroke = stroke;
            e.x2 = field3 - m_version.coordinateOffset;
            e.y2 = low - m_version.coordinateOffset;
            break;
        case 1: // Circle
            e.stroke = stroke;
            e.radius = field3;
            break;
        case 2: // Circle filled
            e.radius = field3;
            break;
        case 3: // Rectangle
            e.stroke = stroke;
            [[fallthrough]];
        case 4: // filled rectangles
        case 5:
        case 6:
            e.x2 = e.x + field3;
            e.y2 = e.y + low;
            break;
        case GraphicArc:
        case GraphicArcFilled:
            e.stroke = stroke;
            e.radius = field3;
            e.x2 = low;
            e.y2 = high;
            break;
        case GraphicDirectionArrow:
        case GraphicDirectionTriangle:
            e.stroke = stroke;
            e.radius = field3;
            e.y2 = low;
            break;
        case 11: // graphs
        case 12:
        case 13:
        case GraphicGraphLast:
            e.stroke = stroke;
            e.x2 = e.x + field3;
            e.y2 = e.y + low;
            e.radius = high;
            e.fixedText = bit(g4, 20);
            break;
        default:
            break;
        }
        return e;
    }

    LayoutElement readDynamicColor(Word g1) {
        LayoutElement e(KindDynamicColor);
        e.replaceColor = ToRgb24(static_cast<Word>(field(g1, 3, 24)));
        const int rows = field(g1, 27, 4);
        // The count field can announce up to 15 rows; the table has ten, so
        // rows past the tenth are stepped over.
        for (int row = 0; row < std::min(rows, DynamicColorRows); ++row) {
            const Word color = group(m_pos + 5 + 10 * row);
            const Word value = group(m_pos + 10 + 10 * row);
            const std::int32_t magnitude = field(value, 0, 20);
            e.setDynamicColor(row, {bit(value, 20) ? -magnitude : magnitude,
                                    ToRgb24(color & 0xFFFFFF), bit(color, 26), bit(color, 27)});
            if (row == 0) e.invertColor = bit(color, 25);
        }
        m_pos += 5 + 10 * rows;
        return e;
    }

    const Catalogs& m_catalogs;
    const QStringList m_fonts;
    const QStringView m_body;
    const Version m_version;
    qsizetype m_pos = 0;
};

void parseConfigString(LayoutDocument& document, const QString& text, const Version& version) {
    const int device = document.catalogs().devices.findDeviceByName(ReadingDevice);
    if (device >= 0) {
        document.selectDevice(device);
        document.designDevice = device;
    }
    document.clearElements();

    const QStringView body = text.size() > 1 ? QStringView(text).sliced(1) : QStringView();
    RecordReader reader(document, body, version);
    // Elements beyond the device's limit are refused; the batch tells the user
    // once how many were dropped.
    document.beginAddBatch();
    while (!reader.atEnd()) {
        const LayoutElement element = reader.next();
        document.addElement(&element, false, true);
    }
    document.endAddBatch();

    emit document.linesReset();
    document.adoptLoadedLayout(LoadedFileName);
    emit document.countsChanged();
    document.setSelection(document.count() - 1);
    emit document.showElementRequested();
    emit document.listFocusRequested();
    document.refresh();
}

} // namespace

void ParseConfigStringC(LayoutDocument& document, const QString& text) {
    parseConfigString(document, text, VersionC);
}

void ParseConfigStringB(LayoutDocument& document, const QString& text) {
    parseConfigString(document, text, VersionB);
}

bool loadConfigString(LayoutDocument& document, const QString& text) {
    Platform& platform = document.platform();
    if (text.size() > MaxConfigStringLength) {
        platform.showMessage(QStringLiteral("The string is too long!\nA config string has at "
                                            "most %1 characters.")
                                 .arg(MaxConfigStringLength),
                             MessageButtons::Ok, MessageIcon::None);
        return false;
    }
    if (text.size() < 5) {
        platform.showMessage(QStringLiteral("The string is too short!"), MessageButtons::Ok,
                             MessageIcon::None);
        return false;
    }
    if (text.front() == QLatin1Char('B')) {
        ParseConfigStringB(document, text);
        return true;
    }
    if (text.front() == QLatin1Char('C')) {
        ParseConfigStringC(document, text);
        return true;
    }
    platform.showMessage(QStringLiteral("The string cannot be loaded!"), MessageButtons::Ok,
                         MessageIcon::None);
    return false;
}

void OnLoadFromClipboard(LayoutDocument& document) {
    Platform& platform = document.platform();
    const MessageAnswer answer = platform.showMessage(
        QStringLiteral("Do you want to load a configuration string\nfrom the clipboard to your "
                       "layout?\n(You must select correct device manually afterwards!)"),
        MessageButtons::YesNo, MessageIcon::Question);
    if (answer != MessageAnswer::Yes) return;
    loadConfigString(document, platform.clipboardText());
}

} // namespace zef
