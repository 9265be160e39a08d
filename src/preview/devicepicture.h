#pragma once

#include "catalog/deviceinfo.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>

#include <utility>

namespace zef {

// The picture that frames the preview of a device: a user's own
// "<pictureId>.png" from a "devices" folder beside the executable (programDir)
// or in the per-user data folder, else the built-in ":/devices/<pictureId>.png".
// A user file that cannot be decoded is passed over. The result is
// ARGB32_Premultiplied, ready to be drawn; it is null when no picture exists.
QImage devicePicture(const DeviceInfo& device, const QString& programDir);

// Resource path of the built-in picture.
QString builtInDevicePicturePath(int pictureId);

// The user files looked at for a picture, in order of preference.
QStringList userDevicePictureFiles(int pictureId, const QString& programDir);

// Decodes each device's picture once and keeps it, so that a paint never reads
// or decodes a file.
class DevicePictures {
public:
    explicit DevicePictures(QString programDir = QString()) : m_programDir(std::move(programDir)) {}

    const QString& programDir() const { return m_programDir; }
    // Changing the folder forgets what was loaded.
    void setProgramDir(const QString& programDir);

    // The device's picture (null when none exists), loaded at the first call.
    // A shallow copy of the kept image.
    QImage picture(const DeviceInfo& device);

    // Forgets every loaded picture; the next call loads again.
    void clear() { m_pictures.clear(); }
    int loadedCount() const { return static_cast<int>(m_pictures.size()); }

private:
    QString m_programDir;
    QHash<int, QImage> m_pictures; // by pictureId, null ones included
};

} // namespace zef
