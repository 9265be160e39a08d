#include "textfit.h"

#include "catalog/catalogs.h"
#include "preview/valuetextplacement.h"

#include <cmath>

namespace zef {

TextFit::TextFit(const Catalogs& catalogs, FaceCache& faces, const DeviceInfo& device)
    : m_catalogs(&catalogs), m_faces(&faces), m_device(&device),
      m_offered(catalogs.fonts.offeredFontSlots(device, catalogs.valueTypes.fontSlots)) {}

QRectF TextFit::inkAtOrigin(const LayoutElement& e) const {
    LayoutElement atOrigin = e;
    atOrigin.x = 0;
    atOrigin.y = 0;
    const ValueTextExtent extent =
        valueTextExtent(atOrigin, *m_device, *m_catalogs, *m_faces, true);
    return extent.hasFace ? extent.placement.ink : QRectF();
}

std::optional<QString> TextFit::largestFittingSlot(const std::vector<Item>& items,
                                                   const QStringList& candidates) const {
    std::optional<QString> best;
    qreal bestHeight = -1;
    for (const QString& slot : candidates) {
        if (!m_offered.contains(slot)) continue;
        qreal height = 0;
        bool fits = true;
        for (const Item& item : items) {
            LayoutElement e = item.element;
            e.font = slot;
            const QRectF ink = inkAtOrigin(e);
            if (ink.isEmpty() || ink.width() > item.room.width() ||
                ink.height() > item.room.height()) {
                fits = false;
                break;
            }
            height = std::max(height, ink.height());
        }
        if (fits && height >= bestHeight) {
            best = slot;
            bestHeight = height;
        }
    }
    return best;
}

QPoint TextFit::anchorCentredOn(const LayoutElement& e, QPointF centre) const {
    const QPointF ink = inkAtOrigin(e).center();
    return {int(std::lround(centre.x() - ink.x())), int(std::lround(centre.y() - ink.y()))};
}

QPoint TextFit::anchorBelow(const LayoutElement& e, qreal x, qreal top) const {
    const QRectF ink = inkAtOrigin(e);
    // Rounded up, so the ink never starts above `top`.
    return {int(std::lround(x - ink.center().x())), int(std::ceil(top - ink.top()))};
}

const QStringList& TextFit::baseSlots() {
    static const QStringList names = {
        QStringLiteral("XTINY"),     QStringLiteral("TINY"),   QStringLiteral("SMALL"),
        QStringLiteral("MEDIUM"),    QStringLiteral("LARGE"),  QStringLiteral("NR_MILD"),
        QStringLiteral("NR_MEDIUM"), QStringLiteral("NR_HOT"), QStringLiteral("NR_THAI_HOT")};
    return names;
}

const QStringList& TextFit::textSlots() {
    static const QStringList names = baseSlots().mid(0, 5);
    return names;
}

} // namespace zef
