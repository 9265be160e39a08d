#pragma once

#include "devicecatalog.h"
#include "devicefonts.h"
#include "valuetypecatalog.h"

namespace zef {

// All built-in tables, built once and read-only afterwards.
struct Catalogs {
    ValueTypeCatalog valueTypes;
    DeviceCatalog devices;
    DeviceFonts fonts;

    // Builds the value types, devices and device fonts (not the preview faces).
    void build() {
        valueTypes.build();
        devices.build();
        fonts.buildDeviceFonts();
    }
};

} // namespace zef
