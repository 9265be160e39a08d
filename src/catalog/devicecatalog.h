#pragma once

#include "deviceinfo.h"

#include <vector>

namespace zef {

// The fixed, ordered table of the 162 devices.
class DeviceCatalog {
public:
    // Appends the built-in records in table order.
    void build();

    int count() const { return static_cast<int>(m_devices.size()); }
    const DeviceInfo& at(int index) const { return m_devices.at(static_cast<std::size_t>(index)); }
    const std::vector<DeviceInfo>& devices() const { return m_devices; }

    // Index of the first device whose name equals the text exactly; -1 when none.
    int findDeviceByName(const QString& text) const;

    // "L" for 30 elements, "M" for 35, "H" otherwise.
    static QString deviceClassLetter(const DeviceInfo& device);
    // "<first 30 chars of name> | Res: WxH px | Mem: N bytes -> (C)"
    static QString deviceSummaryText(const DeviceInfo& device);

private:
    std::vector<DeviceInfo> m_devices;
};

} // namespace zef
