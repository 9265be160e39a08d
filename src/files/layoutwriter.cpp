// Writing layout files: the XML built with tinyxml2 and the save itself, which
// goes through a QSaveFile so that a failed or interrupted save never damages
// the file already on disk.
#include "layoutfile.h"
#include "rowattribute.h"

#include "catalog/catalogs.h"
#include "model/color.h"

#include <QSaveFile>

#include <tinyxml2.h>

namespace zef {

namespace {

const char* const DesignerVersion = ZEF_VERSION;
const char* const InterfaceVersion = "C";
// Big enough to be quick, small enough that a disk filling up is noticed at
// the write that hits it.
constexpr qint64 WriteChunk = 64 * 1024;

SaveFileFactory& saveFileFactory() {
    static SaveFileFactory factory;
    return factory;
}

std::unique_ptr<QSaveFile> makeSaveFile(const QString& path) {
    if (const SaveFileFactory& factory = saveFileFactory()) return factory(path);
    return std::make_unique<QSaveFile>(path);
}

// The code of a catalog position; positions are always valid, but a broken
// one is written as the first entry's code, which is how it would read back.
QByteArray codeAt(const CatalogList& list, int position) {
    if (list.empty()) return {};
    std::size_t index = 0;
    if (position >= 0 && static_cast<std::size_t>(position) < list.size())
        index = static_cast<std::size_t>(position);
    return list[index].code.toLatin1();
}

void setColor(tinyxml2::XMLElement* node, const char* name, Bgr color) {
    node->SetAttribute(name, color::toHexText(color).toLatin1().constData());
}

void writeElement(tinyxml2::XMLElement* node, const LayoutElement& e,
                  const ValueTypeCatalog& catalog) {
    node->SetAttribute("type", e.kind);
    switch (e.kind) {
    case KindValue:
        setColor(node, "color", e.color);
        node->SetAttribute("x", e.x);
        node->SetAttribute("y", e.y);
        node->SetAttribute("fixedtext", e.fixedText);
        node->SetAttribute("maxonly", e.maxOnly);
        node->SetAttribute("daynight", e.dayNight);
        node->SetAttribute("eletype", codeAt(catalog.valueTypes, e.valueType).constData());
        node->SetAttribute("text", e.text.toUtf8().constData());
        node->SetAttribute("font", encodeWindows1252(e.font).constData());
        node->SetAttribute("halignment", e.hAlignment);
        node->SetAttribute("precision", e.precision);
        node->SetAttribute("nr_values", e.nrValues);
        node->SetAttribute("sampletext", e.sampleText.toUtf8().constData());
        break;
    case KindGraphic:
        setColor(node, "color", e.color);
        node->SetAttribute("x", e.x);
        node->SetAttribute("y", e.y);
        node->SetAttribute("x2", e.x2);
        node->SetAttribute("y2", e.y2);
        node->SetAttribute("eletype", codeAt(catalog.graphicKinds, e.graphicType).constData());
        node->SetAttribute("valuetype", codeAt(catalog.valueTypes, e.valueType).constData());
        node->SetAttribute("minval", e.fixedText);
        node->SetAttribute("maxonly", e.maxOnly);
        node->SetAttribute("daynight", e.dayNight);
        node->SetAttribute("radius", e.radius);
        node->SetAttribute("stroke", e.stroke);
        node->SetAttribute("nr_values", e.nrValues);
        break;
    case KindDynamicColor:
        setColor(node, "replDC", e.replaceColor);
        for (int j = 0; j < DynamicColorRows; ++j) {
            if (e.dcValue[j] == EmptyDcValue) continue;
            node->SetAttribute(rowAttributeName("valDC", j).c_str(), e.dcValue[j]);
            setColor(node, rowAttributeName("colDC", j).c_str(), e.dcColor[j]);
            node->SetAttribute(rowAttributeName("hideDC", j).c_str(), e.dcHide[j]);
            node->SetAttribute(rowAttributeName("blinkDC", j).c_str(), e.dcBlink[j]);
        }
        node->SetAttribute("invertcolor", e.invertColor);
        break;
    case KindSeparator:
        node->SetAttribute("text", e.text.toUtf8().constData());
        break;
    default:
        break;
    }
}

// tinyxml2's printer, except that attribute values also write control
// characters as character references: printed as they are, a CR would read
// back as a line feed and the others would make the file ill-formed XML. The
// five entities are written as tinyxml2 writes them; a line feed stays as it
// is (the file's line ends carry it, and reading turns CR LF back into it).
class LayoutPrinter : public tinyxml2::XMLPrinter {
public:
    bool VisitEnter(const tinyxml2::XMLElement& element,
                    const tinyxml2::XMLAttribute* attribute) override {
        const tinyxml2::XMLElement* parent =
            element.Parent() ? element.Parent()->ToElement() : nullptr;
        OpenElement(element.Name(), parent ? CompactMode(*parent) : false);
        for (; attribute; attribute = attribute->Next()) {
            Putc(' ');
            Write(attribute->Name());
            Write("=\"");
            writeEscaped(attribute->Value());
            Putc('"');
        }
        return true;
    }

private:
    void writeEscaped(const char* value) {
        for (const char* p = value; *p; ++p) {
            const char c = *p;
            switch (c) {
            case '"':
                Write("&quot;");
                break;
            case '&':
                Write("&amp;");
                break;
            case '\'':
                Write("&apos;");
                break;
            case '<':
                Write("&lt;");
                break;
            case '>':
                Write("&gt;");
                break;
            default:
                if (c > 0 && c < 0x20 && c != '\n')
                    Print("&#x%X;", static_cast<unsigned>(c));
                else
                    Putc(c);
            }
        }
    }
};

} // namespace

SaveFileFactory setSaveFileFactory(SaveFileFactory factory) {
    SaveFileFactory previous = std::move(saveFileFactory());
    saveFileFactory() = std::move(factory);
    return previous;
}

QByteArray layoutFileBytes(const ElementVector& elements, const QString& deviceName,
                           const ValueTypeCatalog& catalog, const QDateTime& time) {
    tinyxml2::XMLDocument xml;
    xml.InsertEndChild(xml.NewDeclaration()); // xml version="1.0" encoding="UTF-8"
    tinyxml2::XMLElement* root = xml.NewElement("ZEFLayout");
    xml.InsertEndChild(root);

    tinyxml2::XMLElement* device = xml.NewElement("Device");
    device->SetAttribute("name", deviceName.toUtf8().constData());
    root->InsertEndChild(device);

    tinyxml2::XMLElement* designer = xml.NewElement("Designer");
    designer->SetAttribute("time", designerTimeText(time).toLatin1().constData());
    designer->SetAttribute("ver", DesignerVersion);
    designer->SetAttribute("ifver", InterfaceVersion);
    root->InsertEndChild(designer);

    for (const LayoutElement& e : elements) {
        tinyxml2::XMLElement* node = xml.NewElement("LayoutElement");
        writeElement(node, e, catalog);
        root->InsertEndChild(node);
    }

    LayoutPrinter printer; // default mode: indented, one element a line
    xml.Print(&printer);
    QByteArray bytes(printer.CStr(), printer.CStrSize() - 1);
    // The file is text with CR LF line ends; every LF the printer wrote,
    // including any inside an attribute value, gets its CR.
    bytes.replace("\n", "\r\n");
    return bytes;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    const auto fail = [error](const QString& reason) {
        if (error) *error = reason;
        return false;
    };
    std::unique_ptr<QSaveFile> file = makeSaveFile(path);
    if (!file) return fail(QStringLiteral("The file could not be created."));
    // Never write into the target directly, even where a temporary file cannot
    // be created next to it: that is how a failed save would destroy the file.
    file->setDirectWriteFallback(false);
    // Unbuffered, so that each write below reaches the file and its count is
    // the count written.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail(file->errorString());

    for (qint64 offset = 0; offset < bytes.size(); offset += WriteChunk) {
        const qint64 length = std::min(WriteChunk, bytes.size() - offset);
        const qint64 written = file->write(bytes.constData() + offset, length);
        if (written != length) {
            // A short write without an error would otherwise commit a cut file.
            const QString reason = written < 0 || file->error() != QFileDevice::NoError
                                       ? file->errorString()
                                       : QStringLiteral("Not all of the layout could be written "
                                                        "(the disk may be full).");
            file->cancelWriting();
            file->commit(); // discards the temporary file
            return fail(reason);
        }
    }
    if (!file->commit()) return fail(file->errorString());
    return true;
}

} // namespace zef
