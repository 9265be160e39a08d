#include "devicepicture.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>

namespace zef {

namespace {

const QString DevicesFolder = QStringLiteral("devices");

QString pictureFileName(int pictureId) {
    return QStringLiteral("%1.png").arg(pictureId);
}

// Decodes a picture by its content (a user may have saved another format under
// the .png name); null when the file is missing or unreadable.
QImage decode(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull()) return {};
    // Drawn one picture pixel per screen pixel, whatever resolution the file states.
    image.setDevicePixelRatio(1.0);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

QString builtInDevicePicturePath(int pictureId) {
    return QStringLiteral(":/devices/") + pictureFileName(pictureId);
}

QStringList userDevicePictureFiles(int pictureId, const QString& programDir) {
    QStringList files;
    if (!programDir.isEmpty())
        files << QDir(programDir)
                     .filePath(DevicesFolder + QLatin1Char('/') + pictureFileName(pictureId));
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!data.isEmpty())
        files << QDir(data).filePath(DevicesFolder + QLatin1Char('/') + pictureFileName(pictureId));
    return files;
}

QImage devicePicture(const DeviceInfo& device, const QString& programDir) {
    for (const QString& file : userDevicePictureFiles(device.pictureId, programDir)) {
        if (!QFileInfo(file).isFile()) continue;
        QImage image = decode(file);
        if (!image.isNull()) return image;
    }
    return decode(builtInDevicePicturePath(device.pictureId));
}

void DevicePictures::setProgramDir(const QString& programDir) {
    if (programDir == m_programDir) return;
    m_programDir = programDir;
    m_pictures.clear();
}

QImage DevicePictures::picture(const DeviceInfo& device) {
    auto it = m_pictures.find(device.pictureId);
    if (it == m_pictures.end())
        it = m_pictures.insert(device.pictureId, devicePicture(device, m_programDir));
    return it.value();
}

} // namespace zef
