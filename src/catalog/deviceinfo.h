#pragma once

#include <QString>

#include <cstdint>

namespace zef {

// The device classes by their element limits: what a device offers grows with
// its class ("(M)" entries from the mid class up, "(H)" from the high class).
enum class DeviceClass : std::int32_t { Low = 30, Mid = 35, High = 500 };

// One device model. Known inside the designer by its catalog index, in layout
// files by its name.
struct DeviceInfo {
    QString name;
    std::int32_t pictureId = 0;
    std::int32_t screenX = 0;
    std::int32_t screenY = 0;
    std::int32_t screenWidth = 0;
    std::int32_t screenHeight = 0;
    std::int32_t maxElements = 0; // element limit and device class: 30, 35 or 500
    std::int32_t memoryBytes = 0;
    std::int32_t maxFontSlot = 0; // last font slot position the font list may offer

    // True when the device's class is at least the given one.
    bool offers(DeviceClass level) const { return maxElements >= static_cast<std::int32_t>(level); }
};

} // namespace zef
