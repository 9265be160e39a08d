#include "documentio.h"

#include "catalog/catalogs.h"
#include "config/configstring.h"
#include "model/layoutdocument.h"
#include "model/platform.h"

namespace zef {

namespace {

// The string names no device; the layout is read for this one and the user
// picks the right device afterwards.
const QString ReadingDevice = QStringLiteral("Edge 1030");
const QString LoadedFileName = QStringLiteral("layout.xml");

// The device a string is read for, and the font slots its indices refer to.
struct ReadingFor {
    int device = -1;
    QStringList fontSlots;
};

ReadingFor readingDevice(const LayoutDocument& document) {
    const Catalogs& catalogs = document.catalogs();
    const int device = catalogs.devices.findDeviceByName(ReadingDevice);
    if (device < 0) return {-1, documentFontSlots(document)};
    return {device, catalogs.fonts.offeredFontSlots(catalogs.devices.at(device),
                                                    catalogs.valueTypes.fontSlots)};
}

void parseConfigString(LayoutDocument& document, const QString& text, ConfigVersion version) {
    const ReadingFor reading = readingDevice(document);
    document.replaceLayout(
        readConfigRecords(text, version, document.catalogs().valueTypes, reading.fontSlots),
        reading.device, LoadedFileName);
}

LoadResult loadRead(LayoutDocument& document, const LayoutReadResult& read, const QString& path,
                    bool append) {
    LoadResult result;
    result.status = read.status;
    result.error = read.error;
    if (read.status == LoadStatus::NoDevice) document.updateCounts();
    if (read.status != LoadStatus::Loaded) return result;
    const int before = append ? document.count() : 0;
    if (append) {
        result.refused = document.appendElements(read.content.elements);
    } else {
        const int device = document.catalogs().devices.findDeviceByName(read.content.deviceName);
        result.refused = document.replaceLayout(read.content.elements, device, path);
    }
    result.added = document.count() - before;
    return result;
}

} // namespace

LoadResult loadLayoutFromBytes(LayoutDocument& document, const QByteArray& bytes,
                               const QString& path, bool append) {
    return loadRead(document, readLayoutBytes(bytes, document.catalogs().valueTypes), path, append);
}

LoadResult loadLayout(LayoutDocument& document, const QString& path, bool append) {
    return loadRead(document, readLayoutFile(path, document.catalogs().valueTypes), path, append);
}

QByteArray layoutFileBytes(const LayoutDocument& document, const QDateTime& time) {
    const DeviceInfo* device = document.device();
    return layoutFileBytes(document.elements(), device ? device->name : QString(),
                           document.catalogs().valueTypes, time);
}

bool writeLayoutFile(const LayoutDocument& document, const QString& path, QString* error) {
    return writeFileAtomically(path, layoutFileBytes(document, QDateTime::currentDateTime()),
                               error);
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

bool loadConfigString(LayoutDocument& document, const QString& text) {
    const ReadingFor reading = readingDevice(document);
    const ConfigReadResult read =
        readConfigString(text, document.catalogs().valueTypes, reading.fontSlots);
    if (!read.ok) {
        document.platform().showMessage(read.error, MessageButtons::Ok, MessageIcon::None);
        return false;
    }
    document.replaceLayout(read.elements, reading.device, LoadedFileName);
    return true;
}

} // namespace zef
