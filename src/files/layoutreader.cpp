// Reading layout files. The whole file is parsed before anything is returned,
// so a file that cannot be read changes nothing.
#include "layoutfile.h"
#include "rowattribute.h"
#include "xmlshape.h"

#include "catalog/catalogs.h"
#include "catalog/cnumber.h"
#include "model/color.h"

#include <QFile>
#include <QFileInfo>

#include <tinyxml2.h>

namespace zef {

namespace {

using tinyxml2::XMLElement;

QString tooLargeText() {
    return QStringLiteral("The file is larger than %1 MiB.")
        .arg(MaxLayoutFileBytes / (1024 * 1024));
}

std::int32_t intAttr(const XMLElement& node, const char* name) {
    return cStrtol(node.Attribute(name));
}

// tinyxml2's own conversion: an integer (non-zero is true) or true/True/TRUE,
// false/False/FALSE; anything else, or no attribute, is false.
bool boolAttr(const XMLElement& node, const char* name) {
    bool value = false;
    if (node.QueryBoolAttribute(name, &value) != tinyxml2::XML_SUCCESS) return false;
    return value;
}

// Texts are cut to MaxElementTextLength code units. A UTF-16 code unit takes
// at most three bytes of UTF-8 (and one of Windows-1252), so this many bytes
// always hold more than the bound: a value of megabytes is never copied whole.
constexpr std::size_t MaxTextBytes = 3 * MaxElementTextLength + 4;
// Codes and font slot names are a few letters.
constexpr std::size_t MaxNameBytes = 256;
// A colour is read from its first six characters.
constexpr std::size_t ColorBytes = 6;

// The attribute's bytes, at most maxBytes of them. A cut falls before a UTF-8
// sequence that would be left incomplete, so valid UTF-8 stays valid.
QByteArray bytesAttr(const XMLElement& node, const char* name, std::size_t maxBytes) {
    const char* value = node.Attribute(name);
    if (!value) return {};
    std::size_t n = 0;
    while (n < maxBytes && value[n] != '\0') ++n;
    if (value[n] != '\0') {
        std::size_t start = n;
        while (start > 0 && (static_cast<unsigned char>(value[start]) & 0xC0) == 0x80) --start;
        n = start;
    }
    return QByteArray(value, static_cast<qsizetype>(n));
}

// Colours split at byte positions, so they are taken one byte a character.
Bgr colorAttr(const XMLElement& node, const char* name) {
    return color::fromHexText(QString::fromLatin1(bytesAttr(node, name, ColorBytes)));
}

// Longer texts are cut afterwards. Whether the text is UTF-8 is decided on
// the bytes kept, which for any text within the bound is the whole text.
QString textAttr(const XMLElement& node, const char* name) {
    return decodeFileText(bytesAttr(node, name, MaxTextBytes));
}

QString singleByteAttr(const XMLElement& node, const char* name) {
    return decodeWindows1252(bytesAttr(node, name, MaxNameBytes));
}

// Elements read from a file have at least one value; 0, a missing attribute
// and a negative count all become 1.
std::int32_t nrValuesAttr(const XMLElement& node) {
    return std::max(intAttr(node, "nr_values"), 1);
}

// A text attribute, cut to the bound; cut is set when it was longer.
QString boundedTextAttr(const XMLElement& node, const char* name, bool* cut) {
    QString text = textAttr(node, name);
    if (text.size() > MaxElementTextLength) {
        *cut = true;
        text = cutText(text, MaxElementTextLength);
    }
    return text;
}

LayoutElement readElement(const XMLElement& node, const ValueTypeCatalog& catalog, bool* cut) {
    LayoutElement e(intAttr(node, "type"));
    switch (e.kind) {
    case KindValue: {
        e.color = colorAttr(node, "color");
        e.x = intAttr(node, "x");
        e.y = intAttr(node, "y");
        e.fixedText = boolAttr(node, "fixedtext");
        e.maxOnly = boolAttr(node, "maxonly");
        e.dayNight = boolAttr(node, "daynight");
        const QString code = singleByteAttr(node, "eletype");
        e.valueType = catalog.positionByCode(SelectValueTypes, code);
        // "FX" is the fixed text, whatever the file says about the flag.
        if (code == QLatin1String("FX")) e.fixedText = true;
        e.text = boundedTextAttr(node, "text", cut);
        e.font = singleByteAttr(node, "font");
        e.hAlignment = intAttr(node, "halignment");
        e.precision = intAttr(node, "precision");
        e.nrValues = nrValuesAttr(node);
        e.sampleText = boundedTextAttr(node, "sampletext", cut);
        break;
    }
    case KindGraphic:
        e.color = colorAttr(node, "color");
        e.x = intAttr(node, "x");
        e.y = intAttr(node, "y");
        e.x2 = intAttr(node, "x2");
        e.y2 = intAttr(node, "y2");
        e.graphicType = catalog.positionByCode(SelectGraphicKinds, singleByteAttr(node, "eletype"));
        e.valueType = catalog.positionByCode(SelectValueTypes, singleByteAttr(node, "valuetype"));
        e.fixedText = boolAttr(node, "minval");
        e.maxOnly = boolAttr(node, "maxonly");
        e.dayNight = boolAttr(node, "daynight");
        e.radius = intAttr(node, "radius");
        e.stroke = intAttr(node, "stroke");
        e.nrValues = nrValuesAttr(node);
        break;
    case KindDynamicColor:
        e.replaceColor = colorAttr(node, "replDC");
        for (int j = 0; j < DynamicColorRows; ++j) {
            const std::string valueName = rowAttributeName("valDC", j);
            // A row without its value is empty; its other attributes are not read.
            if (!node.Attribute(valueName.c_str())) continue;
            e.dcValue[j] = intAttr(node, valueName.c_str());
            e.dcColor[j] = colorAttr(node, rowAttributeName("colDC", j).c_str());
            e.dcHide[j] = boolAttr(node, rowAttributeName("hideDC", j).c_str());
            e.dcBlink[j] = boolAttr(node, rowAttributeName("blinkDC", j).c_str());
        }
        e.invertColor = boolAttr(node, "invertcolor");
        break;
    case KindSeparator:
        e.text = boundedTextAttr(node, "text", cut);
        break;
    default:
        break;
    }
    e.rememberGeometry();
    return e;
}

// Why the file is refused before it is parsed, or nothing.
QString shapeError(const XmlShape& shape) {
    if (shape.mostAttributes > MaxAttributesPerElement)
        return QStringLiteral("An element of the file has %1 attributes; a layout element has "
                              "at most %2.")
            .arg(shape.mostAttributes)
            .arg(MaxAttributesPerElement);
    if (shape.nodes > MaxXmlNodes || shape.attributes > MaxXmlAttributes)
        return QStringLiteral("The file holds more XML markup (%1 nodes, %2 attributes) than a "
                              "layout of %3 elements can.")
            .arg(shape.nodes)
            .arg(shape.attributes)
            .arg(MaxReadElements);
    return {};
}

} // namespace

LayoutReadResult readLayoutBytes(const QByteArray& bytes, const ValueTypeCatalog& catalog) {
    LayoutReadResult result;
    if (bytes.size() > MaxLayoutFileBytes) {
        result.status = LoadStatus::Unreadable;
        result.error = tooLargeText();
        return result;
    }

    if (const QString error = shapeError(measureXmlShape(bytes)); !error.isEmpty()) {
        result.status = LoadStatus::Unreadable;
        result.error = error;
        return result;
    }

    tinyxml2::XMLDocument xml;
    if (xml.Parse(bytes.constData(), static_cast<std::size_t>(bytes.size())) !=
        tinyxml2::XML_SUCCESS) {
        result.status = LoadStatus::NotLayout;
        result.error = bytes.isEmpty() ? QStringLiteral("The file is empty.")
                                       : QStringLiteral("The file is not well-formed XML (%1).")
                                             .arg(QString::fromUtf8(xml.ErrorStr()));
        return result;
    }
    const XMLElement* root = xml.FirstChildElement();
    if (!root) {
        result.status = LoadStatus::NotLayout;
        result.error = QStringLiteral("The file holds no XML element.");
        return result;
    }
    const XMLElement* deviceNode = root->FirstChildElement("Device");
    if (!deviceNode) {
        result.status = LoadStatus::NoDevice;
        result.error = QStringLiteral("The file is not a layout: it names no device.");
        return result;
    }

    result.content.hasDevice = true;
    result.content.deviceName = normalizeDeviceName(textAttr(*deviceNode, "name"));
    int counted = 0;
    int separators = 0;
    for (const XMLElement* node = root->FirstChildElement("LayoutElement"); node;
         node = node->NextSiblingElement()) {
        const bool separator = intAttr(*node, "type") == KindSeparator;
        int& built = separator ? separators : counted;
        if (built >= (separator ? MaxReadSeparators : MaxReadElements)) {
            ++result.content.unbuilt;
            continue;
        }
        ++built;
        bool cut = false;
        result.content.elements.push_back(readElement(*node, catalog, &cut));
        if (cut) ++result.content.cutTexts;
    }
    result.status = LoadStatus::Loaded;
    return result;
}

LayoutReadResult readLayoutFile(const QString& path, const ValueTypeCatalog& catalog) {
    LayoutReadResult result;
    result.status = LoadStatus::Unreadable;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        result.error = QStringLiteral("The file does not exist.");
        return result;
    }
    // Directories, pipes and devices are not layout files (and a pipe would
    // block the read).
    if (!info.isFile()) {
        result.error = QStringLiteral("It is not a file.");
        return result;
    }
    if (info.size() > MaxLayoutFileBytes) {
        result.error = tooLargeText();
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    // Bounded, in case the file grew since it was measured.
    const QByteArray bytes = file.read(MaxLayoutFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    LayoutReadResult read = readLayoutBytes(bytes, catalog);
    read.stamp = fileStampOf(info.lastModified(), bytes);
    return read;
}

} // namespace zef
