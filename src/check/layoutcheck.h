#pragma once

#include "model/layoutelement.h"

#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

namespace zef {

struct Catalogs;
struct DeviceInfo;
class FaceCache;

// What the layout check can find about an element, in the order the findings
// of one element are listed.
enum class FindingKind {
    OffScreen,    // nothing of the element shows on the screen
    Clipped,      // part of it lies beyond the screen's edge
    Overlap,      // its text overlaps another value's text
    Font,         // its font slot is not offered on the device, or has no preview face
    ValueType,    // its value type or graphic kind is not offered on the device's class
    DynamicColor, // a dynamic colour that colours nothing, or a value it cannot read
};

// "off-screen", "clipped", "overlap", "font", "value type", "dynamic colour".
QString findingKindName(FindingKind kind);

struct Finding {
    int element = -1; // index in the layout
    FindingKind kind = FindingKind::OffScreen;
    QString message;
    // What the element puts on the screen, in device-screen pixels (a value
    // with its widest digits); null when it draws nothing there.
    QRectF area;

    bool operator==(const Finding&) const = default;
};

// "N: kind: message" with N the element's 1-based position in the list.
QString findingLine(const Finding& finding);

// Checks a layout against the device it is shown on: what will be cut off,
// hidden or unreadable there, measured with the preview's own geometry (the
// text of a value with every digit drawn as its face's widest digit).
class LayoutCheck {
public:
    // Reads the preview faces into a cache of its own.
    explicit LayoutCheck(const Catalogs& catalogs);
    // Shares a face cache (the preview's), which must outlive the check.
    LayoutCheck(const Catalogs& catalogs, FaceCache& faces);
    ~LayoutCheck();
    LayoutCheck(const LayoutCheck&) = delete;
    LayoutCheck& operator=(const LayoutCheck&) = delete;

    // The findings, ordered by element, then by kind.
    std::vector<Finding> run(const std::vector<LayoutElement>& elements, const DeviceInfo& device);

private:
    const Catalogs& m_catalogs;
    std::unique_ptr<FaceCache> m_ownFaces;
    FaceCache& m_faces;
};

} // namespace zef
