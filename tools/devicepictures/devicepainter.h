#pragma once

#include "catalog/deviceinfo.h"

#include <QImage>
#include <QString>

namespace zef::tools {

// The preview shows a picture in a 553 x 819 area; the paint fills the screen
// plus this margin with black and lets elements draw there, so the picture must
// cover that frame.
constexpr int PreviewWidth = 553;
constexpr int PreviewHeight = 819;
constexpr int ScreenFrame = 5;
// Where the screen leaves less room than this before the preview edge, the
// picture grows past the preview area by just this much.
constexpr int MinMargin = 7;

enum class DeviceShape { RoundWatch, RectWatch, BikeComputer, Handheld };

DeviceShape deviceShape(const DeviceInfo& device);

struct PictureFonts {
    QString nameFamily;  // model lettering
    QString labelFamily; // small button labels
};

// Paints the device body around its screen. The result is ARGB32 whose screen
// area (the circle of a round watch) has alpha 0 and whose surround is opaque.
QImage paintDevicePicture(const DeviceInfo& device, const PictureFonts& fonts);

// Empty when the picture satisfies what the preview relies on, otherwise a
// description of the first fault found.
QString checkDevicePicture(const QImage& picture, const DeviceInfo& device);

} // namespace zef::tools
