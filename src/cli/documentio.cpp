#include "documentio.h"

#include "catalog/catalogs.h"
#include "config/configstring.h"
#include "model/layoutdocument.h"
#include "model/platform.h"

#include <QFileInfo>

namespace zef {

namespace {

// The string names no device. It is read for the selected device, whose font
// slots its font indices refer to; with none selected, for this one, and the
// user picks the right device afterwards.
const QString FallbackReadingDevice = QStringLiteral("Edge 1030");

// The device a string is read for, and the font slots its indices refer to.
struct ReadingFor {
    int device = -1;
    QStringList fontSlots;
};

ReadingFor readingDevice(const LayoutDocument& document) {
    if (document.device()) return {document.selectedDevice(), documentFontSlots(document)};
    const Catalogs& catalogs = document.catalogs();
    const int device = catalogs.devices.findDeviceByName(FallbackReadingDevice);
    if (device < 0) return {-1, {}};
    return {device, catalogs.fonts.offeredFontSlots(catalogs.devices.at(device),
                                                    catalogs.valueTypes.fontSlots)};
}

// A layout read from a string did not come from a file: it is untitled, and
// Save asks where to write it.
void parseConfigString(LayoutDocument& document, const QString& text, ConfigVersion version) {
    const ReadingFor reading = readingDevice(document);
    document.replaceLayout(
        readConfigRecords(text, version, document.catalogs().valueTypes, reading.fontSlots),
        reading.device, QString());
}

QString cutTextsMessage(int elements) {
    return (elements == 1 ? QStringLiteral("The text of one element was longer than %1 characters.")
                                .arg(MaxElementTextLength)
                          : QStringLiteral("The texts of %1 elements were longer than %2 "
                                           "characters.")
                                .arg(elements)
                                .arg(MaxElementTextLength)) +
           QStringLiteral("\nThey were cut to that length; the file stays as it is until you "
                          "save.");
}

// A string's texts must survive a save and a load: a NUL cannot be written
// into a layout file.
QString unkeptTextError(const ElementVector& elements) {
    for (std::size_t i = 0; i < elements.size(); ++i)
        if (!layoutFileKeepsText(elements[i].text))
            return QStringLiteral("The string cannot be loaded!\nThe text of element %1 holds a "
                                  "NUL character, which a layout file cannot keep.")
                .arg(i + 1);
    return {};
}

QString unknownDeviceText(const QString& deviceName) {
    if (deviceName.trimmed().isEmpty())
        return QStringLiteral("The layout names no device; it cannot be shown without one.");
    // A hostile file may name anything; a message shows a readable part of it.
    constexpr qsizetype Shown = 80;
    const QString name =
        deviceName.size() > Shown ? cutText(deviceName, Shown) + QChar(0x2026) : deviceName;
    return QStringLiteral("The layout is for the device \"%1\", which this designer does not know.")
        .arg(name);
}

} // namespace

// A layout the catalog has no device for is not adopted: shown on another
// device it would be cut to that device's limit and fonts, and a Save would
// then replace the file with what is left. (An Append keeps the current device
// whatever the file names.)
LayoutReadResult checkedForDocument(const LayoutDocument& document, LayoutReadResult read,
                                    bool append) {
    if (read.status != LoadStatus::Loaded || append) return read;
    if (document.catalogs().devices.findDeviceByName(read.content.deviceName) < 0) {
        read.status = LoadStatus::UnknownDevice;
        read.error = unknownDeviceText(read.content.deviceName);
    }
    return read;
}

LayoutReadResult readLayoutFor(const LayoutDocument& document, const QString& path, bool append) {
    return checkedForDocument(document, readLayoutFile(path, document.catalogs().valueTypes),
                              append);
}

LoadResult loadReadLayout(LayoutDocument& document, const LayoutReadResult& read,
                          const QString& path, bool append) {
    LoadResult result;
    result.status = read.status;
    result.error = read.error;
    if (read.status == LoadStatus::NoDevice) document.updateCounts();
    if (read.status != LoadStatus::Loaded) return result;
    const int before = append ? document.count() : 0;
    if (append) {
        result.refused = document.appendElements(read.content.elements, read.content.unbuilt);
    } else {
        const int device = document.catalogs().devices.findDeviceByName(read.content.deviceName);
        result.refused =
            document.replaceLayout(read.content.elements, device, path, read.content.unbuilt);
        document.setFileStamp(read.stamp);
    }
    result.added = document.count() - before;
    if (read.content.cutTexts > 0)
        document.platform().showMessage(cutTextsMessage(read.content.cutTexts), MessageButtons::Ok,
                                        MessageIcon::Warning);
    return result;
}

LoadResult loadLayoutFromBytes(LayoutDocument& document, const QByteArray& bytes,
                               const QString& path, bool append) {
    const LayoutReadResult read = checkedForDocument(
        document, readLayoutBytes(bytes, document.catalogs().valueTypes), append);
    return loadReadLayout(document, read, path, append);
}

LoadResult loadLayout(LayoutDocument& document, const QString& path, bool append) {
    return loadReadLayout(document, readLayoutFor(document, path, append), path, append);
}

QByteArray layoutFileBytes(const LayoutDocument& document, const QDateTime& time) {
    const DeviceInfo* device = document.device();
    return layoutFileBytes(document.elements(), device ? device->name : QString(),
                           document.catalogs().valueTypes, time);
}

bool writeLayoutFile(const LayoutDocument& document, const QString& path, QString* error,
                     FileStamp* stamp) {
    const QByteArray bytes = layoutFileBytes(document, QDateTime::currentDateTime());
    if (!writeFileAtomically(path, bytes, error)) return false;
    if (stamp) *stamp = fileStampOf(QFileInfo(path).lastModified(), bytes);
    return true;
}

QStringList documentFontSlots(const LayoutDocument& document) {
    const DeviceInfo* device = document.device();
    if (!device) return {};
    const Catalogs& catalogs = document.catalogs();
    return catalogs.fonts.offeredFontSlots(*device, catalogs.valueTypes.fontSlots);
}

void ParseConfigStringC(LayoutDocument& document, const QString& text) {
    parseConfigString(document, text, ConfigVersion::C);
}

void ParseConfigStringB(LayoutDocument& document, const QString& text) {
    parseConfigString(document, text, ConfigVersion::B);
}

ConfigReadResult readConfigStringFor(const LayoutDocument& document, const QString& text) {
    ConfigReadResult read =
        readConfigString(text, document.catalogs().valueTypes, readingDevice(document).fontSlots);
    if (read.ok) {
        read.error = unkeptTextError(read.elements);
        if (!read.error.isEmpty()) {
            read.ok = false;
            read.elements.clear();
        }
    }
    return read;
}

void adoptConfigString(LayoutDocument& document, const ConfigReadResult& read) {
    document.replaceLayout(read.elements, readingDevice(document).device, QString());
}

bool loadConfigString(LayoutDocument& document, const QString& text) {
    const ConfigReadResult read = readConfigStringFor(document, text);
    if (!read.ok) {
        document.platform().showMessage(read.error, MessageButtons::Ok, MessageIcon::None);
        return false;
    }
    adoptConfigString(document, read);
    return true;
}

} // namespace zef
