#pragma once

#include <array>
#include <initializer_list>
#include <span>

namespace zef {

// The built-in device font table in the shape it is maintained in: devices that
// map the nine base slots to the same fonts share a row. DeviceFonts expands it.
struct BaseFontRow {
    std::initializer_list<const char*> devices; // UTF-8 catalog names
    std::array<const char*, 9> fonts;           // XTINY .. NR_THAI_HOT
};

struct GlanceFontRow {
    std::initializer_list<const char*> devices;
    std::array<const char*, 2> fonts; // GLANCE, GLANCENR
};

// An "S_" slot that names another font than the slot without the prefix.
struct SlotFontException {
    const char* device;
    const char* slot;
    const char* font;
};

std::span<const BaseFontRow> baseFontRows();
// Only the devices listed here define "GLANCE" and "GLANCENR".
std::span<const GlanceFontRow> glanceFontRows();
// Devices that define the nine base slots only; every other device also defines
// the "S_" slots, which name the base slot's font unless an exception says otherwise.
std::span<const char* const> nineSlotDevices();
std::span<const SlotFontException> slotFontExceptions();

} // namespace zef
