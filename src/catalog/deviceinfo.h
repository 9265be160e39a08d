#pragma once

#include <QString>

#include <cstdint>

namespace zef {

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
};

} // namespace zef
