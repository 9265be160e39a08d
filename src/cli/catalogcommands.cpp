#include "catalogcommands.h"

#include "catalog/catalogs.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace zef {

namespace {

const QChar Tab = QLatin1Char('\t');

// The catalog index of the named device, or -1 after reporting it on err.
int namedDevice(const Catalogs& catalogs, const QString& deviceName, QTextStream& err) {
    const int index = catalogs.devices.findDeviceByName(deviceName);
    if (index < 0) {
        err << QStringLiteral("Unknown device \"%1\"; --list-devices shows the device names.")
                   .arg(deviceName)
            << Qt::endl;
    }
    return index;
}

} // namespace

int listDevices(const Catalogs& catalogs, QTextStream& out) {
    const QStringList& fontSlots = catalogs.valueTypes.fontSlots;
    for (int i = 0; i < catalogs.devices.count(); ++i) {
        const DeviceInfo& device = catalogs.devices.at(i);
        out << i << Tab << device.name << Tab << device.screenWidth << Tab << device.screenHeight
            << Tab << device.maxElements << Tab << device.memoryBytes << Tab
            << DeviceCatalog::deviceClassLetter(device) << Tab
            << catalogs.fonts.offeredFontSlots(device, fontSlots).join(QLatin1Char(',')) << '\n';
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
        out << position << Tab << type.name << Tab << type.code << Tab << type.id << Tab
            << type.level << Tab << type.sampleValue << Tab << type.displayPattern << '\n';
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
            out << name << Tab << slot << Tab << font << Tab
                << (file ? QLatin1String(file->resourceName) : QLatin1String()) << Tab
                << face.pixelSize << Tab << face.offsetLeft << Tab << face.offsetCenter << Tab
                << face.offsetRight << Tab << face.offsetY << '\n';
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
