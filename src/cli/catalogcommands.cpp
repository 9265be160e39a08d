#include "catalogcommands.h"

#include "catalog/catalogs.h"
#include "terminaltext.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace zef {

namespace {

QString number(qint64 n) {
    return QString::number(n);
}

// The catalog index of the named device, or -1 after reporting it on err.
int namedDevice(const Catalogs& catalogs, const QString& deviceName, QTextStream& err) {
    const int index = catalogs.devices.findDeviceByName(deviceName);
    if (index < 0) {
        printError(err, QStringLiteral("Unknown device \"%1\"; --list-devices shows the device "
                                       "names.")
                            .arg(deviceName));
    }
    return index;
}

} // namespace

int listDevices(const Catalogs& catalogs, QTextStream& out) {
    const QStringList& fontSlots = catalogs.valueTypes.fontSlots;
    for (int i = 0; i < catalogs.devices.count(); ++i) {
        const DeviceInfo& device = catalogs.devices.at(i);
        printRow(out, {number(i), device.name, number(device.screenWidth),
                       number(device.screenHeight), number(device.maxElements),
                       number(device.memoryBytes), DeviceCatalog::deviceClassLetter(device),
                       catalogs.fonts.offeredFontSlots(device, fontSlots).join(QLatin1Char(','))});
    }
    out.flush();
    return 0;
}

int listValueTypes(const Catalogs& catalogs, const std::optional<QString>& deviceName,
                   QTextStream& out, QTextStream& err) {
    const DeviceInfo* device = nullptr;
    if (deviceName) {
        const int index = namedDevice(catalogs, *deviceName, err);
        if (index < 0) return 2;
        device = &catalogs.devices.at(index);
    }
    const CatalogList& types = catalogs.valueTypes.valueTypes;
    for (std::size_t position = 0; position < types.size(); ++position) {
        const ValueTypeInfo& type = types[position];
        if (device && !ValueTypeCatalog::isOffered(type, *device)) continue;
        printRow(out, {number(qint64(position)), type.name, type.code, number(type.id),
                       number(type.level), type.sampleValue, type.displayPattern});
    }
    out.flush();
    return 0;
}

int listFonts(const Catalogs& catalogs, const std::optional<QString>& deviceName, QTextStream& out,
              QTextStream& err) {
    int first = 0;
    int last = catalogs.devices.count() - 1;
    if (deviceName) {
        first = last = namedDevice(catalogs, *deviceName, err);
        if (first < 0) return 2;
    }
    for (int i = first; i <= last; ++i) {
        const QString& name = catalogs.devices.at(i).name;
        for (const QString& slot : catalogs.valueTypes.fontSlots) {
            const QString font = catalogs.fonts.fontNameFor(name, slot);
            if (font.isEmpty()) continue;
            const PreviewFace face = catalogs.fonts.faceFor(font);
            const FaceFile* file = faceFileById(face.faceId);
            printRow(out, {name, slot, font,
                           file ? QString::fromLatin1(file->resourceName) : QString(),
                           number(face.pixelSize), number(face.offsetLeft),
                           number(face.offsetCenter), number(face.offsetRight),
                           number(face.offsetY)});
        }
    }
    out.flush();
    return 0;
}

QString previewFacesPath(const QString& programDir) {
    const QDir dir(programDir);
    for (const QString& path :
         {dir.filePath(QStringLiteral("fonts.txt")),
          QDir::cleanPath(dir.filePath(QStringLiteral(ZEF_DATA_DIR_FROM_BIN "/fonts.txt")))})
        if (QFileInfo::exists(path)) return path;
    return QStringLiteral(ZEF_DATA_DIR "/fonts.txt");
}

} // namespace zef
