#include "templatecanvas.h"

#include "catalog/catalogs.h"
#include "catalog/screenshape.h"

#include <algorithm>
#include <cmath>

namespace zef {

namespace {

// A caption takes at most the first of these shares of its cell's height that
// any text slot fits in; the value the rest. (The smallest text slot of some
// small watches is more than a third of a grid cell high.)
constexpr qreal CaptionShares[] = {0.3, 0.45};
constexpr std::uint32_t LineRgb = 0x808080;

} // namespace

TemplateCanvas::TemplateCanvas(const Catalogs& catalogs, FaceCache& faces, const DeviceInfo& device)
    : m_catalogs(&catalogs), m_device(&device), m_fit(catalogs, faces, device),
      m_round(screenShape(device) == ScreenShape::Round) {
    m_margin = std::max(2.0, std::round(std::min(width(), height()) * 0.02));
    m_contentRadius = width() / 2 - m_margin;
}

qreal TemplateCanvas::width() const {
    return m_device->screenWidth;
}

qreal TemplateCanvas::height() const {
    return m_device->screenHeight;
}

int TemplateCanvas::lineWidth() const {
    return std::min(width(), height()) >= 400 ? 2 : 1;
}

QRectF TemplateCanvas::band(qreal top, qreal bottom) const {
    if (bottom < top) return {};
    if (!m_round) {
        const QRectF inside(m_margin, m_margin, width() - 2 * m_margin, height() - 2 * m_margin);
        const QRectF rows(m_margin, top, width() - 2 * m_margin, bottom - top);
        if (top < inside.top() || bottom > inside.bottom()) return {};
        return rows;
    }
    const QPointF c = centre();
    const qreal far = std::max(std::abs(top - c.y()), std::abs(bottom - c.y()));
    if (far >= m_contentRadius) return {};
    const qreal half = std::sqrt(m_contentRadius * m_contentRadius - far * far);
    return {c.x() - half, top, 2 * half, bottom - top};
}

std::optional<FieldChoice> TemplateCanvas::field(TemplateField f) const {
    return chooseField(f, *m_device, m_catalogs->valueTypes);
}

qreal TemplateCanvas::padding(const QRectF& cell) const {
    return std::max<qreal>(lineWidth() + 1,
                           std::round(std::min(cell.width(), cell.height()) * 0.04));
}

bool TemplateCanvas::addLabelledValues(const std::vector<Cell>& cells) {
    std::vector<FieldChoice> fields;
    std::vector<TextFit::Item> captions, values;
    for (const Cell& cell : cells) {
        const std::optional<FieldChoice> f = field(cell.field);
        if (!f || cell.rect.isEmpty()) return false;
        fields.push_back(*f);
        LayoutElement caption(KindValue);
        caption.fixedText = true;
        caption.text = f->caption;
        caption.color = f->captionColor;
        caption.hAlignment = 1;
        captions.push_back({caption, QSizeF()});
    }
    std::optional<QString> captionSlot;
    for (qreal share : CaptionShares) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const QRectF& cell = cells[i].rect;
            const qreal p = padding(cell);
            captions[i].room = QSizeF(cell.width() - 2 * p, cell.height() * share - p);
        }
        captionSlot = m_fit.largestFittingSlot(captions, TextFit::textSlots());
        if (captionSlot) break;
    }
    if (!captionSlot) return false;

    // The value's room is what the caption leaves of the cell.
    std::vector<QRectF> valueBoxes;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const QRectF& cell = cells[i].rect;
        const qreal p = padding(cell);
        LayoutElement& caption = captions[i].element;
        caption.font = *captionSlot;
        const qreal captionTop = cell.top() + p;
        const qreal valueTop =
            captionTop + m_fit.inkAtOrigin(caption).height() + std::max<qreal>(2, p / 2) + 1;
        const QRectF box(cell.left() + p, valueTop, cell.width() - 2 * p,
                         cell.bottom() - p - valueTop);
        if (box.height() <= 0) return false;
        valueBoxes.push_back(box);
        LayoutElement value(KindValue);
        value.valueType = fields[i].valueType;
        value.precision = fields[i].precision;
        value.color = fields[i].valueColor;
        value.hAlignment = 1;
        // Half a pixel either way for the anchor's rounding.
        values.push_back({value, QSizeF(box.width() - 1, box.height() - 1)});
    }
    const std::optional<QString> valueSlot = m_fit.largestFittingSlot(values, TextFit::baseSlots());
    if (!valueSlot) return false;

    // Caption and value as one block, centred in the cell where it has room to spare.
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const QRectF& cell = cells[i].rect;
        const qreal p = padding(cell);
        LayoutElement& caption = captions[i].element;
        LayoutElement& value = values[i].element;
        value.font = *valueSlot;
        const qreal captionHeight = m_fit.inkAtOrigin(caption).height();
        const qreal valueHeight = m_fit.inkAtOrigin(value).height();
        const qreal gap = valueBoxes[i].top() - (cell.top() + p) - captionHeight;
        const qreal top =
            std::max(cell.top() + p, cell.center().y() - (captionHeight + gap + valueHeight) / 2);
        const QPoint captionAnchor = m_fit.anchorBelow(caption, cell.center().x(), top);
        caption.x = captionAnchor.x();
        caption.y = captionAnchor.y();
        const QPoint valueAnchor =
            m_fit.anchorBelow(value, cell.center().x(), top + captionHeight + gap);
        value.x = valueAnchor.x();
        value.y = valueAnchor.y();
        m_smallestValueHeight =
            m_smallestValueHeight > 0 ? std::min(m_smallestValueHeight, valueHeight) : valueHeight;
        m_texts.push_back(caption);
        m_texts.push_back(value);
    }
    return true;
}

bool TemplateCanvas::addTextValues(const std::vector<Cell>& cells) {
    std::vector<TextFit::Item> values;
    for (const Cell& cell : cells) {
        const std::optional<FieldChoice> f = field(cell.field);
        if (!f || cell.rect.isEmpty()) return false;
        const qreal p = padding(cell.rect);
        LayoutElement value(KindValue);
        value.valueType = f->valueType;
        value.precision = f->precision;
        value.color = f->valueColor;
        value.hAlignment = 1;
        values.push_back(
            {value, QSizeF(cell.rect.width() - 2 * p - 1, cell.rect.height() - 2 * p - 1)});
    }
    const std::optional<QString> slot = m_fit.largestFittingSlot(values, TextFit::textSlots());
    if (!slot) return false;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        LayoutElement& value = values[i].element;
        value.font = *slot;
        const QPoint anchor = m_fit.anchorCentredOn(value, cells[i].rect.center());
        value.x = anchor.x();
        value.y = anchor.y();
        m_texts.push_back(value);
    }
    return true;
}

void TemplateCanvas::addLine(QPoint a, QPoint b) {
    LayoutElement line(KindGraphic);
    line.setGraphicKind(GraphicKind::Line);
    line.x = a.x();
    line.y = a.y();
    line.x2 = b.x();
    line.y2 = b.y();
    line.stroke = lineWidth();
    line.color = color::fromRgb24(LineRgb);
    m_graphics.push_back(line);
}

void TemplateCanvas::addFilledRectangle(const QRect& rect, Bgr color) {
    LayoutElement box(KindGraphic);
    box.setGraphicKind(GraphicKind::RectangleFilled);
    box.x = rect.left();
    box.y = rect.top();
    box.x2 = rect.left() + rect.width();
    box.y2 = rect.top() + rect.height();
    box.color = color;
    m_graphics.push_back(box);
}

void TemplateCanvas::addArc(GraphicKind kind, int radius, int startDegrees, int endDegrees,
                            int stroke, Bgr color, std::int32_t valueType) {
    LayoutElement arc(KindGraphic);
    arc.setGraphicKind(kind);
    arc.x = int(centre().x());
    arc.y = int(centre().y());
    arc.x2 = startDegrees;
    arc.y2 = endDegrees;
    arc.radius = radius;
    arc.stroke = stroke;
    arc.color = color;
    arc.valueType = valueType;
    m_graphics.push_back(arc);
}

ElementVector TemplateCanvas::elements() const {
    ElementVector all = m_graphics;
    all.insert(all.end(), m_texts.begin(), m_texts.end());
    for (LayoutElement& e : all) fillShownTexts(e, m_catalogs->valueTypes);
    return all;
}

} // namespace zef
