#include "elementpainter.h"

#include "catalog/catalogs.h"
#include "preview/facecache.h"
#include "preview/previewgeometry.h"
#include "preview/randompool.h"
#include "preview/valuetextplacement.h"

#include <QGlyphRun>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zef {

namespace {

QColor colorOf(QRgb argb) {
    return QColor::fromRgba(argb);
}

// A vertical gradient from c1 at top to c2 at top + height, repeating beyond;
// a solid colour when the two are equal. An empty rectangle cannot carry a
// gradient: it paints in c1.
QBrush verticalBrush(qreal top, qreal width, qreal height, QRgb c1, QRgb c2) {
    if (c1 == c2 || width == 0 || height == 0) return QBrush(colorOf(c1));
    QLinearGradient g(QPointF(0, top), QPointF(0, top + height));
    g.setColorAt(0, colorOf(c1));
    g.setColorAt(1, colorOf(c2));
    g.setSpread(QGradient::RepeatSpread);
    return QBrush(g);
}

QPen makePen(const QBrush& brush, qreal width) {
    // Width 0 paints one pixel wide, as does a negative width.
    QPen pen(brush, std::max<qreal>(width, 0));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// Lines paint both end points, in either direction and at every width, as the
// rectangle outline paints its corners: the pen reaches half its width past
// each end point.
QPen withEndPoints(QPen pen) {
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

// An ellipse filled through a path fills exactly its box: QPainter's aliased
// ellipse shortcut leaves the box's top row empty.
QPainterPath filledEllipse(const QRectF& box) {
    QPainterPath path;
    path.addEllipse(box);
    return path;
}

std::int32_t saturated(qint64 v) {
    return std::int32_t(std::clamp<qint64>(v, std::numeric_limits<std::int32_t>::min(),
                                           std::numeric_limits<std::int32_t>::max()));
}

QRectF box(qreal x, qreal y, qreal w, qreal h) {
    return QRectF(x, y, w, h).normalized();
}

// trunc() of a real value; far out values are held where they cannot overflow.
qint64 truncated(double v) {
    return static_cast<qint64>(std::clamp(std::trunc(v), -1e15, 1e15));
}

// What the drawing of every graphic kind starts from: client coordinates in 64
// bits (stored values are not bounded), the pens and the fill.
struct GraphicGeometry {
    qint64 X, Y, X2, Y2, W, H, R;
    qreal S;
    QRgb color1, color2, rest;
    QBrush main;
    QPen pen;
    QPen guide;
    QRectF circleBox;

    GraphicGeometry(const LayoutElement& e, const QPoint& o, QRgb c1, QRgb c2, QRgb r)
        : X(o.x() + qint64(e.x)), Y(o.y() + qint64(e.y)), X2(o.x() + qint64(e.x2)),
          Y2(o.y() + qint64(e.y2)), W(qint64(e.x2) - e.x), H(qint64(e.y2) - e.y), R(e.radius),
          S(e.stroke), color1(c1), color2(c2), rest(r),
          main(verticalBrush(qreal(Y), qreal(W), qreal(H), c1, c2)),
          pen(makePen(QBrush(colorOf(c1)), S)),
          guide(makePen(QBrush(colorOf(previewcolors::Guide)), 1)),
          circleBox(box(X - R, Y - R, 2 * R, 2 * R)) {}
};

void drawHorizontalBar(QPainter& painter, const GraphicGeometry& g) {
    const qint64 full = truncated(0.75 * double(g.W));
    const qint64 empty = truncated(0.25 * double(g.W));
    // Its own gradient: colour 2 at the left edge to colour 1 at the right.
    QBrush bar(colorOf(g.color1));
    if (g.color1 != g.color2 && g.W != 0 && g.H != 0) {
        QLinearGradient gradient(QPointF(g.X, 0), QPointF(g.X + g.W, 0));
        gradient.setColorAt(0, colorOf(g.color2));
        gradient.setColorAt(1, colorOf(g.color1));
        gradient.setSpread(QGradient::RepeatSpread);
        bar = QBrush(gradient);
    }
    painter.fillRect(box(g.X, g.Y, full, g.H), bar);
    painter.fillRect(box(g.X + full, g.Y, empty, g.H), colorOf(g.rest));
}

void drawVerticalBar(QPainter& painter, const GraphicGeometry& g) {
    const qint64 top = truncated(double(g.Y) + 0.25 * double(g.H));
    painter.fillRect(box(g.X, top, g.W, truncated(0.75 * double(g.H))), g.main);
    painter.fillRect(box(g.X, g.Y, g.W, truncated(0.25 * double(g.H))), colorOf(g.rest));
}

void drawArc(QPainter& painter, const LayoutElement& e, const GraphicGeometry& g) {
    painter.setPen(e.graphicKind() == GraphicKind::Arc ? g.pen : makePen(g.main, g.S));
    // Clockwise on the screen from three o'clock; Qt counts anticlockwise
    // in sixteenths of a degree. More than a full turn is a full turn.
    const qint64 start = e.x2 % 360;
    const qint64 sweep = std::clamp<qint64>(qint64(e.y2) - e.x2, -360, 360);
    painter.drawArc(g.circleBox, int(-start * 16), int(-sweep * 16));
}

void drawDirectionMark(QPainter& painter, const LayoutElement& e, const GraphicGeometry& g) {
    const qint64 X = g.X, Y = g.Y, R = g.R;
    const qint64 Yc = Y - e.y2;
    painter.setPen(withEndPoints(makePen(g.main, g.S)));
    if (e.graphicKind() == GraphicKind::DirectionArrow) {
        const QLineF lines[] = {
            {qreal(X), qreal(Yc - R), qreal(X), qreal(Yc + R)},
            {qreal(X), qreal(Yc - R), qreal(X - R / 5), qreal(Yc - R / 2)},
            {qreal(X), qreal(Yc - R), qreal(X + R / 5), qreal(Yc - R / 2)},
        };
        painter.drawLines(lines, 3);
    } else {
        const qint64 D = (2 * R) / 3;
        const QLineF lines[] = {
            {qreal(X - D), qreal(Yc + D), qreal(X), qreal(Yc - R)},
            {qreal(X + D), qreal(Yc + D), qreal(X), qreal(Yc - R)},
            {qreal(X - D), qreal(Yc + D), qreal(X), qreal(Yc)},
            {qreal(X + D), qreal(Yc + D), qreal(X), qreal(Yc)},
        };
        painter.drawLines(lines, 4);
    }
    if (e.y2 > 0) {
        // The pivot's cross and the orbit the mark turns on.
        painter.setPen(withEndPoints(g.guide));
        const QLineF cross[] = {
            {qreal(X - R / 5), qreal(Y), qreal(X + R / 5), qreal(Y)},
            {qreal(X), qreal(Y - R / 5), qreal(X), qreal(Y + R / 5)},
        };
        painter.drawLines(cross, 2);
        painter.setPen(g.guide);
        painter.drawEllipse(box(X - e.y2, Y - e.y2, 2 * qint64(e.y2), 2 * qint64(e.y2)));
    }
}

void drawGraph(QPainter& painter, const LayoutElement& e, const GraphicGeometry& g,
               const std::vector<std::int32_t>& pool) {
    const qint64 X = g.X, Y = g.Y, X2 = g.X2, Y2 = g.Y2, W = g.W, H = g.H;
    if (!(Y2 > Y && X2 > X)) return;
    const bool left = !isGraphFromRight(e.graphicKind());
    const bool top = !isGraphFromBottom(e.graphicKind());
    const qint64 s = e.stroke;
    const qint64 n = s > 0 ? W / s : 0;
    if (n > 0) {
        // Only the bars that can reach the clip are drawn; a graph far wider
        // than the screen would otherwise mean billions of invisible lines.
        const QRect clip =
            painter.hasClipping() ? painter.clipBoundingRect().toAlignedRect() : painter.viewport();
        const qint64 lowX = clip.left() - s, highX = clip.right() + s;
        qint64 first = 0, last = n - 1;
        if (left) {
            first = std::max<qint64>(first, (lowX - X - s / 2) / s - 1);
            last = std::min<qint64>(last, (highX - X - s / 2) / s + 1);
        } else {
            first = std::max<qint64>(first, (X2 - s / 2 - highX) / s - 1);
            last = std::min<qint64>(last, (X2 - s / 2 - lowX) / s + 1);
        }
        QVector<QLineF> bars;
        for (qint64 i = first; i <= last; ++i) {
            const qint64 slot = std::min<qint64>(i, RandomPoolSize - 1);
            std::int32_t v = 0;
            if (!pool.empty())
                v = pool[std::size_t(std::min<qint64>(slot, qint64(pool.size()) - 1))];
            const qint64 h = v % H;
            const qint64 x = left ? X + i * s + s / 2 : X2 - s / 2 - i * s;
            if (top)
                bars.append(QLineF(x, Y, x, Y + h));
            else
                bars.append(QLineF(x, Y2, x, Y2 - h));
        }
        painter.setPen(g.pen);
        painter.drawLines(bars);
    }
    painter.setPen(g.guide);
    painter.drawRect(QRectF(X, Y, W, H));
}

} // namespace

ElementPainter::ElementPainter(const Catalogs& catalogs)
    : m_catalogs(catalogs), m_faces(std::make_unique<FaceCache>()) {}

ElementPainter::~ElementPainter() = default;

DrawOutcome ElementPainter::DrawElement(QPainter& painter, LayoutElement& e, QRgb color1,
                                        QRgb color2, QRgb rest, const DeviceInfo& d,
                                        const std::vector<LayoutElement>& all,
                                        const std::vector<std::int32_t>& pool, int selectedRow) {
    DrawOutcome outcome;
    const QPoint o = preview::screenOrigin(d);
    switch (e.kind) {
    case KindValue: {
        // Client coordinates; stored values are unbounded, so far out ones saturate.
        const int X = saturated(qint64(o.x()) + e.x);
        const int Y = saturated(qint64(o.y()) + e.y);
        const PreviewFace face =
            m_catalogs.fonts.faceFor(m_catalogs.fonts.fontNameFor(d.name, e.font));
        const QString text = shownValueText(
            e, m_catalogs.valueTypes,
            m_widestValues ? m_faces->font(face.faceId, face.pixelSize) : nullptr, m_widestValues);
        const QRectF measured =
            DrawValueText(painter, face, X, Y, color1, color2, e.hAlignment, text);
        const qint64 width = truncated(0.8 * measured.width());
        const qint64 height = truncated(0.6 * measured.height());
        qint64 left = 0, top = 0;
        if (e.hAlignment == 0) {
            left = X - width;
            top = Y;
        } else if (e.hAlignment == 1) {
            left = X - width / 2;
            top = Y;
        } else {
            left = truncated(measured.left() + 0.15 * double(width));
            top = truncated(measured.top() + 0.4 * double(height));
        }
        e.textWidth = saturated(width);
        e.textHeight = saturated(height);
        e.textLeft = saturated(left - o.x());
        e.textTop = saturated(top - o.y());
        break;
    }
    case KindGraphic:
        drawGraphic(painter, e, color1, color2, rest, d, pool);
        break;
    case KindDynamicColor: {
        for (std::size_t j = 0; j < all.size(); ++j) {
            const LayoutElement& v = all[j];
            if (v.kind != KindValue || v.color != e.replaceColor) continue;
            if (!m_catalogs.valueTypes.isNoValueType(v.valueType)) continue;
            outcome.missingValueType = true;
            if (static_cast<int>(j) == selectedRow) outcome.missingValueTypeSelected = true;
        }
        break;
    }
    default:
        break; // separators draw nothing
    }
    return outcome;
}

void ElementPainter::drawGraphic(QPainter& painter, const LayoutElement& e, QRgb color1,
                                 QRgb color2, QRgb rest, const DeviceInfo& d,
                                 const std::vector<std::int32_t>& pool) {
    const GraphicGeometry g(e, preview::screenOrigin(d), color1, color2, rest);
    painter.setBrush(Qt::NoBrush);
    switch (e.graphicKind()) {
    case GraphicKind::Line:
        painter.setPen(withEndPoints(g.pen));
        painter.drawLine(QLineF(g.X, g.Y, g.X2, g.Y2));
        break;
    case GraphicKind::Circle:
        painter.setPen(g.pen);
        painter.drawEllipse(g.circleBox);
        break;
    case GraphicKind::CircleFilled:
        painter.setPen(Qt::NoPen);
        painter.setBrush(g.main);
        painter.drawPath(filledEllipse(g.circleBox));
        break;
    case GraphicKind::Rectangle:
        painter.setPen(g.pen);
        painter.drawRect(box(g.X, g.Y, g.W, g.H));
        break;
    case GraphicKind::RectangleFilled:
        painter.fillRect(box(g.X, g.Y, g.W, g.H), g.main);
        break;
    case GraphicKind::RectangleHorizontalFill:
        drawHorizontalBar(painter, g);
        break;
    case GraphicKind::RectangleVerticalFill:
        drawVerticalBar(painter, g);
        break;
    case GraphicKind::Arc:
    case GraphicKind::ArcFilled:
        drawArc(painter, e, g);
        break;
    case GraphicKind::DirectionArrow:
    case GraphicKind::DirectionTriangle:
        drawDirectionMark(painter, e, g);
        break;
    case GraphicKind::GraphLeftTop:
    case GraphicKind::GraphRightTop:
    case GraphicKind::GraphLeftBottom:
    case GraphicKind::GraphRightBottom:
        drawGraph(painter, e, g, pool);
        break;
    }
}

QRectF ElementPainter::DrawValueText(QPainter& painter, const PreviewFace& face, int x, int y,
                                     QRgb color1, QRgb color2, int alignment, const QString& text) {
    FaceFont* font = m_faces->font(face.faceId, face.pixelSize);
    if (!font) return QRectF(0, 0, 0, 0);

    const ValueTextPlacement placed = placeValueText(*font, face, x, y, alignment, text);
    if (text.isEmpty()) return placed.box;

    const qint64 ay = qint64(y) + face.offsetY; // the text's top line
    const qreal pixelX = std::floor(placed.penX);
    const int subPixel = int(std::lround((placed.penX - pixelX) * 64));
    // Far outside any screen nothing can show; the box is still measured.
    constexpr qreal Reach = 1e6;
    if (std::abs(pixelX) < Reach && std::abs(qreal(ay)) < Reach) {
        if (const RenderedText* r =
                renderText(*font, text, subPixel, font->lineHeight(), color1, color2))
            painter.drawImage(QPoint(int(pixelX), int(ay)) + r->topLeft, r->image);
    }
    return placed.box;
}

const ElementPainter::RenderedText* ElementPainter::renderText(FaceFont& font, const QString& text,
                                                               int subPixel, qreal lineHeight,
                                                               QRgb color1, QRgb color2) {
    const TextKey key{&font, text, subPixel, color1, color2};
    if (const RenderedText* hit = m_texts.object(key)) return hit;

    const FaceFont::Shaped& shaped = font.shape(text);
    QGlyphRun run;
    run.setRawFont(font.rawFont());
    run.setGlyphIndexes(shaped.glyphs);
    run.setPositions(shaped.positions);
    // Glyph origin relative to the pixel it starts in and to the text's top line.
    const QPointF origin(subPixel / 64.0, font.ascent());
    QRectF bounds = run.boundingRect().translated(origin);
    bounds |= QRectF(origin.x(), 0, shaped.advance, 1);
    const QRect pixels = bounds.toAlignedRect().adjusted(-1, -1, 1, 1);

    auto rendered = std::make_unique<RenderedText>();
    rendered->topLeft = pixels.topLeft();
    rendered->image = QImage(pixels.size(), QImage::Format_ARGB32_Premultiplied);
    rendered->image.fill(Qt::transparent);
    {
        QPainter p(&rendered->image);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.translate(-pixels.topLeft());
        // The gradient runs from the text's top line down one line height.
        p.setPen(QPen(verticalBrush(0, 1000, std::trunc(lineHeight), color1, color2), 0));
        p.drawGlyphRun(origin, run);
    }
    const qsizetype cost = std::max<qsizetype>(rendered->image.sizeInBytes(), 1);
    if (cost > TextCacheBytes) {
        // Larger than the whole cache: kept only until the next text is asked for.
        m_oversized = std::move(rendered);
        return m_oversized.get();
    }
    m_texts.insert(key, rendered.release(), cost);
    return m_texts.object(key);
}

} // namespace zef
