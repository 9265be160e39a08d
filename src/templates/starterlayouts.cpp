#include "starterlayouts.h"

#include "catalog/catalogs.h"
#include "check/layoutcheck.h"
#include "preview/facecache.h"
#include "templatebuilders.h"
#include "templatecanvas.h"

#include <algorithm>

namespace zef {

const std::vector<StarterTemplate>& starterTemplates() {
    // clang-format off
    static const std::vector<StarterTemplate> table = {
        {"bigvalue",   "one big value: speed with its caption, filling the screen",           buildBigValue},
        {"tworows",    "two rows: speed above heart rate, a line between",                    buildTwoRows},
        {"grid4",      "2x2 grid of labelled values (speed, heart rate, power, cadence) with separator lines", buildGrid4},
        {"grid6",      "2x3 grid of labelled values (adds distance and time) with separator lines, 3x2 on wide screens", buildGrid6},
        {"roundgauge", "round screens: heart-rate arc gauge along the bezel over four labelled values", buildRoundGauge},
        {"navigation", "tall screens: next point on a strip, distance and time to it and to the destination, speed, time", buildNavigation},
    };
    // clang-format on
    return table;
}

const StarterTemplate* findStarterTemplate(const QString& name) {
    for (const StarterTemplate& t : starterTemplates())
        if (name == QLatin1String(t.name)) return &t;
    return nullptr;
}

StarterLayouts::StarterLayouts(const Catalogs& catalogs)
    : m_catalogs(catalogs), m_faces(std::make_unique<FaceCache>()),
      m_check(std::make_unique<LayoutCheck>(catalogs, *m_faces)) {}

StarterLayouts::~StarterLayouts() = default;

std::optional<ElementVector> StarterLayouts::layout(const StarterTemplate& starter,
                                                    const DeviceInfo& device) {
    TemplateCanvas canvas(m_catalogs, *m_faces, device);
    if (!starter.build(canvas)) return std::nullopt;
    ElementVector elements = canvas.elements();
    const auto counted = std::count_if(elements.begin(), elements.end(),
                                       [](const auto& e) { return e.kind != KindSeparator; });
    if (counted > device.maxElements) return std::nullopt;
    if (!m_check->run(elements, device).empty()) return std::nullopt;
    return elements;
}

std::vector<const StarterTemplate*> StarterLayouts::offeredOn(const DeviceInfo& device) {
    std::vector<const StarterTemplate*> offered;
    for (const StarterTemplate& t : starterTemplates())
        if (layout(t, device)) offered.push_back(&t);
    return offered;
}

} // namespace zef
