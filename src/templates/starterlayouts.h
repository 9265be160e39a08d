#pragma once

#include "model/layoutelement.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace zef {

struct Catalogs;
struct DeviceInfo;
class FaceCache;
class LayoutCheck;
class TemplateCanvas;

// A starter layout: made by rules for whatever device it is asked for.
struct StarterTemplate {
    const char* name;        // one word, as the command line names it
    const char* description; // what it is, one line
    bool (*build)(TemplateCanvas&);
};

// The starter layouts, in the order they are offered.
const std::vector<StarterTemplate>& starterTemplates();
// The template of that name, or nullptr.
const StarterTemplate* findStarterTemplate(const QString& name);

// Makes starter layouts for devices. A template is offered on a device only
// when its layout there can be made, stays within the device's element limit
// and passes the layout check without a finding.
class StarterLayouts {
public:
    // The catalogs need their preview faces: fonts are chosen by what fits.
    explicit StarterLayouts(const Catalogs& catalogs);
    ~StarterLayouts();
    StarterLayouts(const StarterLayouts&) = delete;
    StarterLayouts& operator=(const StarterLayouts&) = delete;

    // The template's layout on the device; nothing when it is not offered there.
    std::optional<ElementVector> layout(const StarterTemplate& starter, const DeviceInfo& device);
    // The templates offered on the device, in table order.
    std::vector<const StarterTemplate*> offeredOn(const DeviceInfo& device);

private:
    const Catalogs& m_catalogs;
    std::unique_ptr<FaceCache> m_faces;
    std::unique_ptr<LayoutCheck> m_check;
};

} // namespace zef
