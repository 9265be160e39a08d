#pragma once

#include "deviceinfo.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <vector>

namespace zef {

// How the preview imitates one device font.
struct PreviewFace {
    // The fonts file's sizes and offsets are clamped to these: the largest
    // device screen is 480 x 800 pixels.
    static constexpr std::int32_t MaxPixelSize = 1000;
    static constexpr std::int32_t MaxOffset = 1000;

    std::int32_t faceId = 0;
    std::int32_t pixelSize = 0;
    std::int32_t offsetRight = 0;  // alignment 0
    std::int32_t offsetCenter = 0; // alignment 1
    std::int32_t offsetLeft = 0;   // alignment 2
    std::int32_t offsetY = 0;

    // The x offset for an element's alignment (0 right, 1 centre, 2 left).
    std::int32_t offsetForAlignment(int alignment) const {
        switch (alignment) {
        case 0:
            return offsetRight;
        case 1:
            return offsetCenter;
        case 2:
            return offsetLeft;
        default:
            return 0;
        }
    }
    bool operator==(const PreviewFace&) const = default;
};

// One of the nine face files the designer carries.
struct FaceFile {
    const char* resourceName; // as named in the fonts file, e.g. "IDR_FNT_DEJAVUSANS"
    std::int32_t faceId;
    const char* family; // family and style of the face the id stands for
    const char* style;
    const char* resourcePath; // Qt resource path of the font file
    // The family and style the file itself holds; they differ from family and
    // style only where the face is imitated by another one (Steelfish, which is
    // not freely packaged, by Bebas Neue).
    const char* fileFamily;
    const char* fileStyle;
};

// The nine face files, in faceId order.
const std::vector<FaceFile>& faceFiles();
// The face file with this id, or nullptr.
const FaceFile* faceFileById(std::int32_t faceId);
// The faceId for a resource name, 0 when the name is not a face file.
std::int32_t faceIdForResourceName(const QString& resourceName);

// device name -> slot name -> device font name
using DeviceFontTable = std::map<QString, std::map<QString, QString>>;
// device font name -> preview face
using PreviewFaceTable = std::map<QString, PreviewFace>;

// The built-in device font table and the preview faces read from the fonts file.
class DeviceFonts {
public:
    // The 20 slot names in slot order, as ValueTypeCatalog::fontSlots holds them.
    static const QStringList& slotNames();

    // Fills the device font table with the built-in entries.
    void buildDeviceFonts();
    // Reads the fonts file; a file that cannot be opened leaves the table empty
    // and returns false.
    bool loadPreviewFaces(const QString& path);
    // Reads fonts file content already in memory.
    void parsePreviewFaces(const QString& content);

    // The device font name, or empty when the device or slot is not in the table.
    QString fontNameFor(const QString& deviceName, const QString& slot) const;
    // The face for a font name, or six zeros.
    PreviewFace faceFor(const QString& fontName) const;
    // Slot names, in slot order, at most maxFontSlot and defined by the device.
    QStringList offeredFontSlots(const DeviceInfo& device, const QStringList& fontSlots) const;

    const DeviceFontTable& deviceFontTable() const { return m_deviceFonts; }
    const PreviewFaceTable& previewFaceTable() const { return m_faces; }

private:
    DeviceFontTable m_deviceFonts;
    PreviewFaceTable m_faces;
};

} // namespace zef
