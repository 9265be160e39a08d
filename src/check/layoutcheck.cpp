#include "layoutcheck.h"

#include "catalog/catalogs.h"
#include "catalog/samplevaluetext.h"
#include "check/screenarea.h"
#include "model/recoloring.h"
#include "preview/elementshape.h"
#include "preview/facecache.h"
#include "preview/valuetextplacement.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace zef {

namespace {

struct KindName {
    FindingKind kind;
    const char* name;
};

constexpr KindName KindNames[] = {
    {FindingKind::OffScreen, "off-screen"}, {FindingKind::Clipped, "clipped"},
    {FindingKind::Overlap, "overlap"},      {FindingKind::Font, "font"},
    {FindingKind::ValueType, "value type"}, {FindingKind::DynamicColor, "dynamic colour"},
};

// Texts longer than this are cut in messages.
constexpr qsizetype QuotedTextLength = 24;

// What one element puts on the screen, as the check measured it.
struct Measured {
    ElementShape shape;
    Coverage coverage = Coverage::Whole;
    QString text;         // a value's text as measured
    bool widened = false; // ... differs from its sample reading
};

struct Context {
    const Catalogs& catalogs;
    const DeviceInfo& device;
    const std::vector<LayoutElement>& elements;
    ScreenArea screen;
    std::vector<Measured> measured;
    QStringList offeredSlots;
    FaceCache& faces;
    std::vector<Finding>& findings;

    void add(std::size_t element, FindingKind kind, const QString& message) {
        findings.push_back({int(element), kind, message, measured[element].shape.bounds()});
    }
};

QString quoted(const QString& text) {
    const QString shown =
        text.size() > QuotedTextLength ? text.left(QuotedTextLength) + QStringLiteral("...") : text;
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

QString deviceName(const DeviceInfo& d) {
    return QLatin1Char('"') + d.name + QLatin1Char('"');
}

// "a", "a and b", "a, b and c".
QString listed(const QStringList& items) {
    if (items.size() <= 1) return items.value(0);
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           items.last();
}

QString what(const Context& c, std::size_t i) {
    const LayoutElement& e = c.elements[i];
    const Measured& m = c.measured[i];
    if (e.kind == KindValue)
        return QStringLiteral("the text %1%2")
            .arg(quoted(m.text), m.widened ? QStringLiteral(" (widest digits)") : QString());
    const ValueTypeInfo* kind = entryAt(c.catalogs.valueTypes.graphicKinds, e.graphicType);
    return QStringLiteral("the %1").arg(kind ? quoted(kind->name) : QStringLiteral("graphic"));
}

bool turns(const LayoutElement& e) {
    return e.kind == KindGraphic && isDirectionMark(e.graphicKind());
}

// Pixel columns and rows an area covers, "x 290 to 340, y 40 to 58".
QString extentText(const QRectF& r) {
    const auto first = [](qreal v) { return qint64(std::floor(std::clamp(v, -1e15, 1e15))); };
    const auto last = [&first](qreal lo, qreal hi) {
        return std::max(first(lo), qint64(std::ceil(std::clamp(hi, -1e15, 1e15))) - 1);
    };
    return QStringLiteral("x %1 to %2, y %3 to %4")
        .arg(first(r.left()))
        .arg(last(r.left(), r.right()))
        .arg(first(r.top()))
        .arg(last(r.top(), r.bottom()));
}

QString pixels(qreal overshoot) {
    return QStringLiteral("%1 px").arg(
        std::max<qint64>(1, std::llround(std::min(overshoot, 1e15))));
}

void measure(Context& c) {
    c.measured.resize(c.elements.size());
    for (std::size_t i = 0; i < c.elements.size(); ++i) {
        const LayoutElement& e = c.elements[i];
        Measured& m = c.measured[i];
        if (e.kind == KindValue) {
            const ValueTextExtent extent = valueTextExtent(e, c.device, c.catalogs, c.faces, true);
            m.text = extent.text;
            LayoutElement sample = e;
            m.widened =
                m.text != valueElementText(sample, TextMode::Preview, c.catalogs.valueTypes);
            if (extent.hasFace && !extent.placement.ink.isEmpty())
                m.shape.boxes.push_back(extent.placement.ink);
        } else if (e.kind == KindGraphic) {
            m.shape = graphicShape(e, c.device);
        }
        m.coverage = c.screen.coverage(m.shape);
    }
}

void checkPlacement(Context& c) {
    const ScreenArea& screen = c.screen;
    const QString size =
        QStringLiteral("%1x%2").arg(c.device.screenWidth).arg(c.device.screenHeight);
    for (std::size_t i = 0; i < c.elements.size(); ++i) {
        const Measured& m = c.measured[i];
        if (m.coverage == Coverage::None) {
            c.add(i, FindingKind::OffScreen,
                  QStringLiteral("%1 lies outside the %2%3 screen (%4)")
                      .arg(what(c, i), screen.isRound() ? QStringLiteral("round ") : QString(),
                           size, extentText(m.shape.bounds())));
        } else if (m.coverage == Coverage::Part) {
            const Overshoot o = screen.overshoot(m.shape);
            QStringList past;
            if (screen.isRound()) {
                past
                    << QStringLiteral("%1 past the edge of the round screen").arg(pixels(o.circle));
            } else {
                const struct {
                    qreal by;
                    const char* edge;
                } edges[] = {
                    {o.left, "left"}, {o.right, "right"}, {o.top, "top"}, {o.bottom, "bottom"}};
                for (const auto& edge : edges)
                    if (edge.by > ScreenArea::Slack)
                        past << QStringLiteral("%1 past the %2 edge")
                                    .arg(pixels(edge.by), QLatin1String(edge.edge));
            }
            c.add(i, FindingKind::Clipped,
                  QStringLiteral("%1 is cut off%2: %3")
                      .arg(what(c, i),
                           turns(c.elements[i]) ? QStringLiteral(" at some headings") : QString(),
                           listed(past)));
        }
    }
}

void checkOverlap(Context& c) {
    std::vector<std::size_t> texts;
    for (std::size_t i = 0; i < c.elements.size(); ++i)
        if (c.elements[i].kind == KindValue && !c.measured[i].shape.boxes.empty() &&
            c.measured[i].coverage != Coverage::None)
            texts.push_back(i);
    std::vector<QStringList> others(c.elements.size());
    for (std::size_t a = 0; a < texts.size(); ++a) {
        const QRectF& inkA = c.measured[texts[a]].shape.boxes.front();
        for (std::size_t b = a + 1; b < texts.size(); ++b) {
            const QRectF common = inkA & c.measured[texts[b]].shape.boxes.front();
            if (common.isEmpty()) continue;
            // Only what shows can collide: beside a round screen two texts
            // may meet where neither shows.
            ElementShape both;
            both.boxes.push_back(common);
            if (c.screen.coverage(both) == Coverage::None) continue;
            others[texts[a]] << QString::number(texts[b] + 1);
            others[texts[b]] << QString::number(texts[a] + 1);
        }
    }
    for (std::size_t i : texts) {
        const QStringList& with = others[i];
        if (with.isEmpty()) continue;
        c.add(i, FindingKind::Overlap,
              QStringLiteral("%1 overlaps the %2 %3")
                  .arg(what(c, i),
                       with.size() == 1 ? QStringLiteral("text of element")
                                        : QStringLiteral("texts of elements"),
                       listed(with)));
    }
}

void checkFont(Context& c) {
    const DeviceFonts& fonts = c.catalogs.fonts;
    for (std::size_t i = 0; i < c.elements.size(); ++i) {
        const LayoutElement& e = c.elements[i];
        if (e.kind != KindValue) continue;
        if (!c.offeredSlots.contains(e.font)) {
            c.add(i, FindingKind::Font,
                  QStringLiteral("the font slot %1 is not offered on %2")
                      .arg(quoted(e.font), deviceName(c.device)));
            continue;
        }
        const QString fontName = fonts.fontNameFor(c.device.name, e.font);
        const PreviewFace face = fonts.faceFor(fontName);
        if (!c.faces.font(face.faceId, face.pixelSize)) {
            c.add(i, FindingKind::Font,
                  QStringLiteral("the device font %1 of slot %2 has no preview face in fonts.txt, "
                                 "so the preview cannot show the text")
                      .arg(fontName, quoted(e.font)));
        }
    }
}

void checkValueType(Context& c) {
    const ValueTypeCatalog& catalog = c.catalogs.valueTypes;
    const QString on = QStringLiteral("%1 (class %2)")
                           .arg(deviceName(c.device), DeviceCatalog::deviceClassLetter(c.device));
    const auto offered = [&c](const ValueTypeInfo* entry) {
        return entry && ValueTypeCatalog::isOffered(*entry, c.device);
    };
    for (std::size_t i = 0; i < c.elements.size(); ++i) {
        const LayoutElement& e = c.elements[i];
        if (e.kind != KindValue && e.kind != KindGraphic) continue;
        const ValueTypeInfo* type = entryAt(catalog.valueTypes, e.valueType);
        if (!offered(type)) {
            const QString name =
                type ? quoted(type->name) : QStringLiteral("at position %1").arg(e.valueType);
            c.add(i, FindingKind::ValueType,
                  QStringLiteral("the value type %1%2 is not offered on %3")
                      .arg(name,
                           e.kind == KindGraphic ? QStringLiteral(" that drives it") : QString(),
                           on));
        }
        if (e.kind != KindGraphic) continue;
        const ValueTypeInfo* kind = entryAt(catalog.graphicKinds, e.graphicType);
        if (!offered(kind)) {
            const QString name =
                kind ? quoted(kind->name) : QStringLiteral("at position %1").arg(e.graphicType);
            c.add(i, FindingKind::ValueType,
                  QStringLiteral("the graphic kind %1 is not offered on %2").arg(name, on));
        }
    }
}

void checkDynamicColor(Context& c) {
    // Colours that values and graphics are drawn in.
    QHash<Bgr, bool> drawnColors;
    for (const LayoutElement& e : c.elements)
        if (e.kind == KindValue || e.kind == KindGraphic) drawnColors.insert(e.color, true);
    const CatalogList& types = c.catalogs.valueTypes.valueTypes;
    for (std::size_t i = 0; i < c.elements.size(); ++i) {
        const LayoutElement& e = c.elements[i];
        if (e.kind == KindDynamicColor && !drawnColors.contains(e.replaceColor)) {
            c.add(i, FindingKind::DynamicColor,
                  QStringLiteral(
                      "no value or graphic has its replace colour %1, so it colours nothing")
                      .arg(color::toHexText(e.replaceColor)));
        }
    }
    for (const int i : recoloredValuesWithoutValueType(c.elements, c.catalogs.valueTypes)) {
        const LayoutElement& e = c.elements[std::size_t(i)];
        c.add(std::size_t(i), FindingKind::DynamicColor,
              QStringLiteral("the dynamic colour of element %1 replaces its colour %2, but its "
                             "value type is %3: select a value type")
                  .arg(recoloringRow(c.elements, e.color) + 1)
                  .arg(color::toHexText(e.color), quoted(types.front().name)));
    }
}

// One row per check, each adding the findings of its kinds; measure() runs first.
using Check = void (*)(Context&);
constexpr Check Checks[] = {checkPlacement, checkOverlap, checkFont, checkValueType,
                            checkDynamicColor};

} // namespace

QString findingKindName(FindingKind kind) {
    for (const KindName& row : KindNames)
        if (row.kind == kind) return QLatin1String(row.name);
    return {};
}

QString findingLine(const Finding& finding) {
    return QStringLiteral("%1: %2: %3")
        .arg(finding.element + 1)
        .arg(findingKindName(finding.kind), finding.message);
}

LayoutCheck::LayoutCheck(const Catalogs& catalogs)
    : m_catalogs(catalogs), m_ownFaces(std::make_unique<FaceCache>()), m_faces(*m_ownFaces) {}

LayoutCheck::LayoutCheck(const Catalogs& catalogs, FaceCache& faces)
    : m_catalogs(catalogs), m_faces(faces) {}

LayoutCheck::~LayoutCheck() = default;

std::vector<Finding> LayoutCheck::run(const std::vector<LayoutElement>& elements,
                                      const DeviceInfo& device) {
    std::vector<Finding> findings;
    Context c{m_catalogs, device, elements, ScreenArea(device), {}, {}, m_faces, findings};
    c.offeredSlots = m_catalogs.fonts.offeredFontSlots(device, m_catalogs.valueTypes.fontSlots);
    measure(c);
    for (Check check : Checks) check(c);
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return a.element != b.element ? a.element < b.element : a.kind < b.kind;
    });
    return findings;
}

} // namespace zef
