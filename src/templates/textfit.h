#pragma once

#include "model/layoutelement.h"

#include <QPoint>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zef {

struct Catalogs;
struct DeviceInfo;
class FaceCache;

// Measures value texts on a device as the layout check does (the face of the
// slot's device font, every digit drawn as the widest one) and picks font slots
// by what fits.
class TextFit {
public:
    TextFit(const Catalogs& catalogs, FaceCache& faces, const DeviceInfo& device);

    // The ink of the element's widest text with its anchor at (0, 0); null when
    // the slot has no face on the device or the text no ink.
    QRectF inkAtOrigin(const LayoutElement& e) const;

    // Of the candidate slots, the one whose text is tallest while the widest
    // text of every element, each in that slot, fits the size given with it.
    // Slots the device does not offer are skipped; on equal heights the later
    // candidate wins. Nothing when no candidate fits them all.
    struct Item {
        LayoutElement element;
        QSizeF room;
    };
    std::optional<QString> largestFittingSlot(const std::vector<Item>& items,
                                              const QStringList& candidates) const;

    // The anchor that centres the element's ink on a point, in whole pixels.
    QPoint anchorCentredOn(const LayoutElement& e, QPointF centre) const;
    // The anchor that puts the top of the ink at `top`, centred on x.
    QPoint anchorBelow(const LayoutElement& e, qreal x, qreal top) const;

    // The nine slots every device defines, in slot order; the first five
    // are the text slots (the number slots of many devices have digits only).
    static const QStringList& baseSlots();
    static const QStringList& textSlots();

private:
    const Catalogs* m_catalogs;
    FaceCache* m_faces;
    const DeviceInfo* m_device;
    QStringList m_offered;
};

} // namespace zef
