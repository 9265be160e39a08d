#include "devicepainter.h"

#include "catalog/screenshape.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace zef::tools {

namespace {

struct Palette {
    QColor caseLight, caseDark; // case metal or body plastic, lit and shaded side
    QColor bezel;               // bezel ring or front shell
    QColor marking;             // bezel ticks and lettering
    QColor strap;               // strap, or the rubber bumper of a handheld
    QColor button;
    QColor accent;
};

QColor rgb(unsigned value) {
    return QColor::fromRgb(QRgb(0xFF000000u | value));
}

QColor mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(QColor color, int alpha) {
    color.setAlpha(alpha);
    return color;
}

bool isDark(const QColor& color) {
    return color.lightnessF() < 0.5;
}

bool hasPrefix(const QString& name, std::initializer_list<const char*> prefixes) {
    for (const char* prefix : prefixes)
        if (name.startsWith(QLatin1String(prefix))) return true;
    return false;
}

template <typename T, std::size_t N> const T& pick(const T (&values)[N], int seed) {
    return values[static_cast<std::size_t>(seed) % N];
}

Palette paletteFor(const DeviceInfo& device) {
    const QString& n = device.name;
    const int v = device.pictureId;
    if (n == QLatin1String("Darth Vader"))
        return {rgb(0x5a5d62), rgb(0x0e0f11), rgb(0x121314), rgb(0xd8d8d8),
                rgb(0x141517), rgb(0x2a2c2f), rgb(0xd21f1f)};
    if (n == QLatin1String("Captain Marvel"))
        return {rgb(0xf0dca4), rgb(0x8a6a2f), rgb(0x1b2236), rgb(0xf3e6c0),
                rgb(0x1f3566), rgb(0xc9a45a), rgb(0xc8202f)};
    if (n == QLatin1String("First Avenger"))
        return {rgb(0xe2e5e8), rgb(0x60656c), rgb(0x182544), rgb(0xf0f0f0),
                rgb(0x1f3566), rgb(0xa8adb3), rgb(0xc8202f)};
    if (n == QLatin1String("Rey"))
        return {rgb(0xe6d2ae), rgb(0x7a6545), rgb(0x2a2620), rgb(0xf1e6d0),
                rgb(0xc8b395), rgb(0xb5a07c), rgb(0xa0522d)};
    if (hasPrefix(n, {"fenix"})) {
        static const unsigned straps[] = {0x1e2125, 0x3a3f45, 0x24364d, 0x2d2f2a};
        return {rgb(0xbfc4c9),        rgb(0x454a50), rgb(0x2a2d31), rgb(0xd8dce0),
                rgb(pick(straps, v)), rgb(0x8d9298), rgb(0xc9342b)};
    }
    if (hasPrefix(n, {"epix"})) {
        static const unsigned straps[] = {0x2a2b2e, 0x5b4636, 0x3b4450};
        return {rgb(0xdad7d0),        rgb(0x6a665f), rgb(0x1c1d1f), rgb(0xe6e3dc),
                rgb(pick(straps, v)), rgb(0xaaa69e), rgb(0xd0a050)};
    }
    if (hasPrefix(n, {"MARQ"})) {
        QColor bezel = rgb(0x2b2d30);
        QColor strap = rgb(0x1e2022);
        if (n.contains(QLatin1String("Aviator")) || n.contains(QLatin1String("Captain")))
            bezel = rgb(0x1f3354);
        if (n.contains(QLatin1String("Golfer"))) bezel = rgb(0x2f4a3a);
        if (n.contains(QLatin1String("Driver"))) bezel = rgb(0x3a2323);
        if (n.contains(QLatin1String("Expedition")) || n.contains(QLatin1String("Adventurer")))
            strap = rgb(0x5b3a22);
        if (n.contains(QLatin1String("Athlete"))) strap = rgb(0x4b4f55);
        return {rgb(0xf0f0f0), rgb(0x7c8084), bezel,        rgb(0xf2f2f2),
                strap,         rgb(0xc3c6c9), rgb(0xe4b33a)};
    }
    if (hasPrefix(n, {"D2"})) {
        static const unsigned straps[] = {0x5b3a22, 0x1e1f21, 0x3b3a36};
        return {rgb(0xa39c90),        rgb(0x37332e), rgb(0x1d1c1a), rgb(0xe8dcc0),
                rgb(pick(straps, v)), rgb(0x807a70), rgb(0xe0a33a)};
    }
    if (hasPrefix(n, {"Descent"}))
        return {rgb(0xa9b6c2), rgb(0x36424e), rgb(0x17202a), rgb(0xd0dde8),
                rgb(0x1b2530), rgb(0x7d8a96), rgb(0x3a9bd9)};
    if (hasPrefix(n, {"Enduro"}))
        return {rgb(0x939598), rgb(0x2e3032), rgb(0x202224), rgb(0xe0e0e0),
                rgb(0x3a3d40), rgb(0x6c6e71), rgb(0xf0a020)};
    if (hasPrefix(n, {"Instinct"})) {
        static const unsigned cases[] = {0x626a5a, 0x55595f, 0x5b6675, 0x6e6658};
        const QColor body = rgb(pick(cases, v));
        return {body.lighter(125), body.darker(260), body.darker(230), rgb(0xe0e6d6),
                body.darker(170),  body.darker(140), rgb(0xf07f2a)};
    }
    if (hasPrefix(n, {"Approach"}))
        return {rgb(0x55585d), rgb(0x111214), rgb(0x0f1011), rgb(0xd0d0d0),
                rgb(0x1b1c1e), rgb(0x3a3c40), rgb(0x5cb85c)};
    if (hasPrefix(n, {"Forerunner"})) {
        static const unsigned straps[] = {0x1c1e21, 0x2a5d9f, 0xc8c8cc,
                                          0x6b2737, 0x2c6e63, 0xd9713a};
        static const unsigned accents[] = {0xe0442b, 0x2f8fe0, 0xf28c28, 0x3cc3a0};
        return {rgb(0x5a5e64),
                rgb(0x131518),
                rgb(0x101113),
                rgb(0xcfd3d8),
                rgb(pick(straps, v)),
                rgb(0x2c2f33),
                rgb(pick(accents, v / 3))};
    }
    if (hasPrefix(n, {"Edge"})) {
        static const unsigned accents[] = {0x2f7fd0, 0xd0402b, 0xd8dadd, 0x58b947, 0xf0a030};
        const QColor accent =
            n.contains(QLatin1String("Bontrager")) ? rgb(0xd0202a) : rgb(pick(accents, v));
        return {rgb(0x34383e), rgb(0x101114), rgb(0x1b1d21), rgb(0xdcdfe3),
                rgb(0x0b0c0e), rgb(0x3a3e44), accent};
    }
    if (hasPrefix(n, {"GPSMAP"}))
        return {rgb(0x4a5057), rgb(0x16181b), rgb(0x202327), rgb(0xe6e6e6),
                rgb(0x1d1f22), rgb(0x3b3f45), rgb(0xe06a1c)};
    if (hasPrefix(n, {"Rino"}))
        return {rgb(0x485260), rgb(0x171b21), rgb(0x1e2228), rgb(0xf0f0f0),
                rgb(0x1c1e21), rgb(0x3b4049), rgb(0xf2c230)};
    if (hasPrefix(n, {"eTrex"}))
        return {rgb(0x3f6796), rgb(0x13233a), rgb(0x1a2d47), rgb(0xf0f3f7),
                rgb(0x1d2024), rgb(0x32507a), rgb(0xc0c6cc)};
    if (hasPrefix(n, {"Oregon", "Montana"}))
        return {rgb(0x51565d), rgb(0x17191c), rgb(0x202226), rgb(0xe8e8e8),
                rgb(0x1c1d20), rgb(0x3d4147), rgb(0x9fb4c9)};
    // Venu, vivoactive, vivolife: lifestyle finishes.
    static const unsigned lights[] = {0xe6e6e6, 0xefcdb9, 0xece0b8, 0x959aa0};
    static const unsigned darks[] = {0x85898e, 0x95684f, 0x907a46, 0x2e3135};
    static const unsigned straps[] = {0xe3ddd5, 0x3a3e44, 0x8fa69e, 0x5b2f3a, 0xc9b7a2, 0x2b3a55};
    QColor strap = rgb(pick(straps, v));
    if (n.contains(QLatin1String("Mercedes"))) strap = rgb(0x1a1a1b);
    return {rgb(pick(lights, v)),
            rgb(pick(darks, v)),
            rgb(0x151618),
            rgb(0xe9e9e9),
            strap,
            rgb(pick(darks, v)).lighter(120),
            rgb(0xd0a070)};
}

// A tool watch carries minute ticks on its bezel.
bool hasBezelTicks(const QString& name) {
    return hasPrefix(name, {"fenix", "D2", "Descent", "MARQ", "Enduro", "epix", "Instinct"});
}

// Number of side buttons of a watch: 1 (right), 2 (right) or 5 (three left, two right).
int watchButtons(const QString& name) {
    if (name.startsWith(QLatin1String("vivoactive 3"))) return 1;
    if (hasPrefix(name, {"Venu", "vivoactive", "vivolife", "Darth Vader", "Captain Marvel",
                         "First Avenger", "Rey", "Approach S50"}))
        return 2;
    return 5;
}

QPainterPath roundedRect(const QRectF& r, qreal tl, qreal tr, qreal br, qreal bl) {
    QPainterPath p;
    p.moveTo(r.left() + tl, r.top());
    p.lineTo(r.right() - tr, r.top());
    if (tr > 0) p.arcTo(QRectF(r.right() - 2 * tr, r.top(), 2 * tr, 2 * tr), 90, -90);
    p.lineTo(r.right(), r.bottom() - br);
    if (br > 0) p.arcTo(QRectF(r.right() - 2 * br, r.bottom() - 2 * br, 2 * br, 2 * br), 0, -90);
    p.lineTo(r.left() + bl, r.bottom());
    if (bl > 0) p.arcTo(QRectF(r.left(), r.bottom() - 2 * bl, 2 * bl, 2 * bl), 270, -90);
    p.lineTo(r.left(), r.top() + tl);
    if (tl > 0) p.arcTo(QRectF(r.left(), r.top(), 2 * tl, 2 * tl), 180, -90);
    p.closeSubpath();
    return p;
}

QPainterPath roundedRect(const QRectF& r, qreal radius) {
    radius = std::min({radius, r.width() / 2, r.height() / 2});
    return roundedRect(r, radius, radius, radius, radius);
}

// Largest corner radius for a body corner that lies marginA / marginB away from
// the screen corner and still covers the black frame the preview paints there.
qreal cornerLimit(qreal marginA, qreal marginB) {
    return std::max(0.0, 3.41 * (std::min(marginA, marginB) - ScreenFrame - 1));
}

QLinearGradient metalGradient(const QRectF& r, const QColor& light, const QColor& dark) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, light.lighter(110));
    g.setColorAt(0.3, light);
    g.setColorAt(0.55, mix(light, dark, 0.5));
    g.setColorAt(0.8, dark);
    g.setColorAt(1.0, mix(dark, light, 0.25));
    return g;
}

// Across-the-band shading of a strap or a lug: rounded at both edges.
QLinearGradient bandGradient(qreal left, qreal right, const QColor& base) {
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0.0, base.darker(150));
    g.setColorAt(0.12, base);
    g.setColorAt(0.45, base.lighter(isDark(base) ? 135 : 108));
    g.setColorAt(0.88, base.darker(110));
    g.setColorAt(1.0, base.darker(165));
    return g;
}

struct FittedText {
    QFont font;
    QStringList lines;
    bool ok = false;
};

// The name in the largest pixel size that fits the box, on one line or split at
// its " / " separators.
FittedText fitText(const QString& text, const QString& family, const QSizeF& box, int maxPx,
                   int minPx) {
    std::vector<QStringList> candidates{{text}};
    const QStringList parts = text.split(QStringLiteral(" / "));
    if (parts.size() > 1) {
        const int half = static_cast<int>((parts.size() + 1) / 2);
        candidates.push_back({parts.mid(0, half).join(QStringLiteral(" / ")),
                              parts.mid(half).join(QStringLiteral(" / "))});
        if (parts.size() > 2) candidates.push_back(parts);
    }
    FittedText fitted;
    fitted.font = QFont(family);
    for (int px = maxPx; px >= minPx; --px) {
        fitted.font.setPixelSize(px);
        const QFontMetricsF fm(fitted.font);
        for (const QStringList& lines : candidates) {
            qreal widest = 0;
            for (const QString& line : lines) widest = std::max(widest, fm.horizontalAdvance(line));
            if (widest <= box.width() && fm.height() * qreal(lines.size()) <= box.height()) {
                fitted.lines = lines;
                fitted.ok = true;
                return fitted;
            }
        }
    }
    return fitted;
}

// Draws fitted lines centred in the box with a faint engraved shadow.
void drawFitted(QPainter& p, const FittedText& text, const QRectF& box, const QColor& color) {
    p.setFont(text.font);
    const QFontMetricsF fm(text.font);
    const qreal lineHeight = fm.height();
    qreal y = box.center().y() - lineHeight * qreal(text.lines.size()) / 2;
    const QColor shadow = isDark(color) ? withAlpha(Qt::white, 60) : withAlpha(Qt::black, 140);
    for (const QString& line : text.lines) {
        const QRectF lineBox(box.left(), y, box.width(), lineHeight);
        p.setPen(shadow);
        p.drawText(lineBox.translated(0, 1), Qt::AlignCenter, line);
        p.setPen(color);
        p.drawText(lineBox, Qt::AlignCenter, line);
        y += lineHeight;
    }
}

// Fits and draws the name into a box. With minPx above the smallest size the
// name may not fit, and nothing is drawn (false); otherwise a name too long
// even for the smallest size is elided.
bool letterName(QPainter& p, const QString& name, const QString& family, const QRectF& box,
                const QColor& color, int maxPx, int minPx = 7) {
    if (box.height() < minPx || box.width() < 4 * minPx) return false;
    FittedText text = fitText(name, family, box.size(), maxPx, minPx);
    if (!text.ok) {
        if (minPx > 7) return false;
        text.font = QFont(family);
        text.font.setPixelSize(std::max(6, std::min(7, int(box.height()))));
        text.lines = {QFontMetricsF(text.font).elidedText(name, Qt::ElideRight, box.width())};
    }
    drawFitted(p, text, box, color);
    return true;
}

// Letters the name along the lower part of a ring, reading left to right.
// Returns the swept angle in degrees, 0 when the name does not fit.
qreal letterArc(QPainter& p, const QString& name, const QString& family, const QPointF& centre,
                qreal radius, qreal band, const QColor& color, qreal maxSweepDeg) {
    QFont font(family);
    const int maxPx = int(std::min(band * 0.62, 20.0));
    for (int px = maxPx; px >= 8; --px) {
        font.setPixelSize(px);
        const QFontMetricsF fm(font);
        const qreal width = fm.horizontalAdvance(name);
        const qreal sweep = width / radius;
        if (qRadiansToDegrees(sweep) > maxSweepDeg) continue;
        p.setFont(font);
        p.setPen(color);
        const qreal capHalf = fm.capHeight() / 2;
        qreal x = 0;
        for (const QChar ch : name) {
            const qreal w = fm.horizontalAdvance(ch);
            const qreal angle = M_PI / 2 + sweep / 2 - (x + w / 2) / radius;
            p.save();
            p.translate(centre + QPointF(std::cos(angle), std::sin(angle)) * radius);
            p.rotate(qRadiansToDegrees(angle) - 90);
            p.drawText(QPointF(-w / 2, capHalf), QString(ch));
            p.restore();
            x += w;
        }
        return qRadiansToDegrees(sweep);
    }
    return 0;
}

// True when the rectangle lies inside the picture with a pixel to spare.
bool fits(const QRectF& r, int width, int height) {
    return r.left() >= 1 && r.top() >= 1 && r.right() <= width - 1 && r.bottom() <= height - 1;
}

void paintButton(QPainter& p, const QRectF& r, const Palette& pal, bool vertical, bool accent) {
    QLinearGradient g = vertical ? QLinearGradient(r.left(), 0, r.right(), 0)
                                 : QLinearGradient(0, r.top(), 0, r.bottom());
    g.setColorAt(0.0, pal.button.lighter(150));
    g.setColorAt(0.4, pal.button);
    g.setColorAt(1.0, pal.button.darker(180));
    const qreal radius = std::min(r.width(), r.height()) * 0.4;
    p.setPen(QPen(withAlpha(Qt::black, 110), 1));
    p.setBrush(g);
    p.drawPath(roundedRect(r, radius));
    if (accent) {
        p.setPen(Qt::NoPen);
        p.setBrush(pal.accent);
        const QRectF stripe = vertical ? r.adjusted(r.width() * 0.3, 2, -r.width() * 0.3, -2)
                                       : r.adjusted(2, r.height() * 0.3, -2, -r.height() * 0.3);
        p.drawPath(roundedRect(stripe, std::min(stripe.width(), stripe.height()) / 2));
    }
}

// Straps above and below a watch case, from the picture edge to the case centre.
void paintStraps(QPainter& p, qreal cx, qreal halfWidth, qreal caseTop, qreal caseBottom,
                 qreal size, int height, const Palette& pal) {
    const qreal left = cx - halfWidth, right = cx + halfWidth;
    const qreal cy = (caseTop + caseBottom) / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(bandGradient(left, right, pal.strap));
    p.drawRect(QRectF(left, 0, right - left, height));
    // Stitched grooves along both edges.
    p.setPen(QPen(withAlpha(pal.strap.darker(200), 120), 1.2));
    const qreal inset = halfWidth * 0.16;
    p.drawLine(QPointF(left + inset, 0), QPointF(left + inset, height));
    p.drawLine(QPointF(right - inset, 0), QPointF(right - inset, height));
    p.setPen(QPen(withAlpha(pal.strap.lighter(150), 60), 1));
    p.drawLine(QPointF(left + inset + 1.2, 0), QPointF(left + inset + 1.2, height));
    p.drawLine(QPointF(right - inset + 1.2, 0), QPointF(right - inset + 1.2, height));
    // Keeper loop on the upper strap.
    const qreal loopHeight = std::round(size * 0.06 + 6);
    const qreal loopY = std::round((caseTop - loopHeight) * 0.35);
    if (loopY > 4 && loopY + loopHeight < caseTop - size * 0.12) {
        const QRectF loop(left - 2, loopY, right - left + 4, loopHeight);
        QLinearGradient g(0, loop.top(), 0, loop.bottom());
        g.setColorAt(0, pal.strap.lighter(140));
        g.setColorAt(0.5, pal.strap);
        g.setColorAt(1, pal.strap.darker(170));
        p.setPen(QPen(withAlpha(Qt::black, 90), 1));
        p.setBrush(g);
        p.drawPath(roundedRect(loop, 3));
    }
    // Holes on the lower strap.
    const qreal holeRadius = std::round(size * 0.018 + 2);
    const qreal step = std::round(size * 0.08 + 8);
    for (qreal y = caseBottom + size * 0.32; y + holeRadius + 3 < height; y += step) {
        if (y < cy) continue;
        QRadialGradient g(QPointF(cx, y - holeRadius * 0.4), holeRadius * 1.6);
        g.setColorAt(0, pal.strap.darker(400));
        g.setColorAt(1, pal.strap.darker(180));
        p.setPen(QPen(withAlpha(pal.strap.lighter(160), 90), 1));
        p.setBrush(g);
        p.drawEllipse(QPointF(cx, y), holeRadius, holeRadius);
    }
}

// Two lugs above and two below the case. They reach past the screen frame's
// corners, which a round case does not cover.
void paintLugs(QPainter& p, qreal cx, qreal cy, qreal outer, qreal lugWidth, qreal topY,
               qreal bottomY, qreal topRadius, qreal bottomRadius, const Palette& pal) {
    const QColor base = mix(pal.caseLight, pal.caseDark, 0.35);
    const qreal inner = std::min(lugWidth * 0.35, 12.0);
    p.setPen(QPen(withAlpha(Qt::black, 90), 1));
    for (int side : {-1, 1}) {
        const qreal x0 = side < 0 ? cx - outer : cx + outer - lugWidth;
        const qreal x1 = x0 + lugWidth;
        p.setBrush(side < 0 ? bandGradient(x0, x1, base) : bandGradient(x1, x0, base));
        const qreal tl = side < 0 ? topRadius : inner;
        const qreal tr = side < 0 ? inner : topRadius;
        const qreal bl = side < 0 ? bottomRadius : inner;
        const qreal br = side < 0 ? inner : bottomRadius;
        p.drawPath(roundedRect(QRectF(x0, topY, lugWidth, cy - topY + 1), tl, tr, 0, 0));
        p.drawPath(roundedRect(QRectF(x0, cy - 1, lugWidth, bottomY - cy + 1), 0, 0, br, bl));
    }
}

void paintBezelTicks(QPainter& p, const QPointF& c, qreal inner, qreal band, const QColor& color,
                     qreal skipFrom, qreal skipTo, const QColor& accent) {
    for (int i = 0; i < 60; ++i) {
        const qreal deg = i * 6.0;
        if (deg >= skipFrom && deg <= skipTo) continue;
        const qreal a = qDegreesToRadians(deg);
        const QPointF dir(std::cos(a), std::sin(a));
        if (i == 45) { // twelve o'clock: a triangle
            const qreal s = band * 0.32;
            QPainterPath tri;
            tri.moveTo(c + dir * (inner + band * 0.22));
            const QPointF across(-dir.y(), dir.x());
            tri.lineTo(c + dir * (inner + band * 0.82) + across * s);
            tri.lineTo(c + dir * (inner + band * 0.82) - across * s);
            tri.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(accent);
            p.drawPath(tri);
            continue;
        }
        const bool major = i % 5 == 0;
        p.setPen(QPen(withAlpha(color, major ? 230 : 150), major ? 2.2 : 1.0, Qt::SolidLine,
                      Qt::FlatCap));
        p.drawLine(c + dir * (inner + band * (major ? 0.2 : 0.5)), c + dir * (inner + band * 0.8));
    }
}

struct Picture {
    QImage image;
    bool roundScreen = false;
};

QImage newCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Superellipse |x/a|^n + |y/a|^n <= 1 around c; n = 2 is a circle, larger n
// is squarer.
QPainterPath superellipse(const QPointF& c, qreal a, qreal n) {
    QPainterPath path;
    constexpr int Steps = 720;
    for (int i = 0; i < Steps; ++i) {
        const qreal t = 2 * M_PI * i / Steps;
        const qreal ct = std::cos(t), st = std::sin(t);
        const QPointF pt(c.x() + a * std::copysign(std::pow(std::abs(ct), 2 / n), ct),
                         c.y() + a * std::copysign(std::pow(std::abs(st), 2 / n), st));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

Picture paintRoundWatch(const DeviceInfo& d, const Palette& pal, const PictureFonts& fonts) {
    const qreal size = d.screenWidth, r = size / 2;
    const qreal sx = d.screenX, sy = d.screenY;
    const QPointF c(sx + r, sy + r);
    const qreal avail = std::min({sx, sy, PreviewWidth - (sx + size), PreviewHeight - (sy + size)});
    const qreal buttonDepth = std::clamp(std::round(0.03 * size + 4), 6.0, 14.0);
    // A thinner bezel where that leaves room for the side buttons.
    const qreal wanted = std::round(0.13 * size + 8);
    const qreal withButtons = avail - buttonDepth - 2;
    const qreal b = std::max<qreal>(
        MinMargin,
        std::min(wanted,
                 withButtons >= std::max<qreal>(MinMargin, wanted * 0.4) ? withButtons : avail));
    const qreal caseR = r + b;
    // The case has to cover the corners of the screen rectangle and the black
    // frame around it, so a thin bezel makes it a cushion rather than a disc:
    // the exponent puts the frame corner (plus a pixel for anti-aliasing) on its edge.
    const qreal corner = r + ScreenFrame + 1.5;
    const qreal squareness = std::max(2.0, std::log(2.0) / std::log(caseR / corner));
    const qreal lugOuter = caseR * 0.84;
    const qreal lugWidth = std::round(0.18 * size + 6);
    const qreal lugExt = std::min(std::max(std::round(0.06 * size), 2.0), sy - b);

    const int needWidth = int(std::ceil(c.x() + caseR));
    const int width = std::max(
        needWidth, std::min(PreviewWidth, int(std::ceil(c.x() + caseR + buttonDepth)) + 2));
    const int needHeight = int(std::ceil(c.y() + caseR));
    const int height = std::max(needHeight, std::min(PreviewHeight, int(std::round(2 * c.y()))));
    const qreal lugTop = sy - b - lugExt;
    const qreal lugBottom = std::min<qreal>(height, sy + size + b + lugExt);

    QImage image = newCanvas(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const qreal strapHalf = lugOuter - lugWidth + 3;
    paintStraps(p, c.x(), strapHalf, c.y() - caseR, c.y() + caseR, size, height, pal);
    const qreal lugRadius = std::min(lugExt + b * 0.4, lugWidth * 0.5);
    paintLugs(p, c.x(), c.y(), lugOuter, lugWidth, lugTop, lugBottom, lugRadius, lugRadius, pal);

    // Side buttons along the case normal, under the case so that its edge
    // overlaps them.
    std::vector<qreal> offsets; // vertical position as a fraction of the case half size
    switch (watchButtons(d.name)) {
    case 1:
        offsets = {0};
        break;
    case 2:
        offsets = {-0.5, 0.5};
        break;
    default:
        offsets = {-0.5, 0.5, -0.55, 0, 0.55};
        break;
    }
    const qreal buttonLength = std::round(0.1 * size + 8);
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        const qreal side = (offsets.size() == 5 && i >= 2) ? -1 : 1;
        const qreal y = offsets[i];
        const qreal x = std::pow(1 - std::pow(std::abs(y), squareness), 1 / squareness);
        const qreal angle = std::atan2(std::copysign(std::pow(std::abs(y), squareness - 1), y),
                                       side * std::pow(x, squareness - 1));
        const QPointF base = c + QPointF(side * x, y) * caseR;
        QTransform placement;
        placement.translate(base.x(), base.y());
        placement.rotate(qRadiansToDegrees(angle));
        const QRectF button(-6, -buttonLength / 2, buttonDepth + 6, buttonLength);
        if (!fits(placement.mapRect(button), width, height)) continue;
        p.save();
        p.setTransform(placement, true);
        paintButton(p, button, pal, true, i == 0 && offsets.size() == 5);
        p.restore();
    }

    // Case, with a polished rim.
    const QRectF caseBox(c.x() - caseR, c.y() - caseR, 2 * caseR, 2 * caseR);
    p.setPen(QPen(withAlpha(Qt::black, 120), 1));
    p.setBrush(metalGradient(caseBox, pal.caseLight, pal.caseDark));
    p.drawPath(superellipse(c, caseR - 0.5, squareness));
    {
        QLinearGradient shine(caseBox.topLeft(), caseBox.center());
        shine.setColorAt(0, withAlpha(Qt::white, 150));
        shine.setColorAt(1, withAlpha(Qt::white, 0));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QBrush(shine), 1.3));
        p.drawPath(superellipse(c, caseR - 1.8, squareness));
    }

    // Bezel ring, then the black glass border around the display.
    const qreal rim = std::max(2.5, b * 0.26);
    const qreal bezelR = caseR - rim;
    const qreal glassR = r + std::max(1.5, std::min(b * 0.15, 6.0));
    if (bezelR > glassR + 1) {
        QRadialGradient g(c, bezelR, c - QPointF(bezelR, bezelR) * 0.35);
        g.setColorAt(0, pal.bezel.lighter(170));
        g.setColorAt(0.75, pal.bezel);
        g.setColorAt(1, pal.bezel.darker(140));
        p.setPen(QPen(withAlpha(Qt::black, 150), 1));
        p.setBrush(g);
        p.drawEllipse(c, bezelR, bezelR);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(Qt::white, 45), 1));
        p.drawArc(QRectF(c.x() - bezelR + 1, c.y() - bezelR + 1, 2 * bezelR - 2, 2 * bezelR - 2),
                  200 * 16, 140 * 16);
    }
    {
        QRadialGradient g(c, glassR, c - QPointF(glassR, glassR) * 0.4);
        g.setColorAt(0, rgb(0x1c2026));
        g.setColorAt(1, rgb(0x050607));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, glassR, glassR);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(Qt::white, 40), 1));
        p.drawArc(
            QRectF(c.x() - glassR + 0.8, c.y() - glassR + 0.8, 2 * glassR - 1.6, 2 * glassR - 1.6),
            100 * 16, 70 * 16);
    }

    // The name along the bottom of the bezel, else on a strap.
    const qreal band = bezelR - glassR;
    qreal sweep = 0;
    if (band >= 10)
        sweep =
            letterArc(p, d.name, fonts.nameFamily, c, glassR + band / 2, band, pal.marking, 150);
    if (band >= 8 && hasBezelTicks(d.name)) {
        const qreal skip = sweep > 0 ? sweep / 2 + 5 : -1;
        paintBezelTicks(p, c, glassR, band, pal.marking, 90 - skip, 90 + skip, pal.accent);
    }
    if (sweep == 0) {
        const QColor ink =
            isDark(pal.strap) ? withAlpha(rgb(0xdedede), 220) : withAlpha(rgb(0x2a2a2a), 220);
        const qreal below = height - lugBottom - 4;
        const qreal above = lugTop - 4;
        const qreal w = strapHalf * 1.7;
        if (below >= std::min(above, 28.0) && below >= 10)
            letterName(p, d.name, fonts.nameFamily,
                       QRectF(c.x() - w / 2, lugBottom + 2, w, std::min(below, 46.0)), ink, 16);
        else if (above >= 10)
            letterName(p, d.name, fonts.nameFamily,
                       QRectF(c.x() - w / 2, std::max(2.0, lugTop - 2 - std::min(above, 46.0)), w,
                              std::min(above, 46.0)),
                       ink, 16);
    }
    p.end();
    return {image, true};
}

Picture paintRectWatch(const DeviceInfo& d, const Palette& pal, const PictureFonts& fonts) {
    const qreal w = d.screenWidth, h = d.screenHeight, sx = d.screenX, sy = d.screenY;
    const QRectF screen(sx, sy, w, h);
    const QPointF c = screen.center();
    const qreal aR = PreviewWidth - (sx + w), aB = PreviewHeight - (sy + h);
    const qreal bx =
        std::min(sx, std::max<qreal>(MinMargin, std::min({std::round(0.10 * w + 8), sx, aR})));
    const qreal by =
        std::min(sy, std::max<qreal>(MinMargin, std::min({std::round(0.12 * h + 10), sy, aB})));
    const QRectF caseBox = screen.adjusted(-bx, -by, bx, by);
    const qreal buttonDepth = std::clamp(std::round(0.03 * w + 4), 6.0, 12.0);
    const int width =
        std::max(int(std::ceil(caseBox.right())),
                 std::min(PreviewWidth, int(std::ceil(caseBox.right() + buttonDepth)) + 2));
    const int height = std::max(int(std::ceil(caseBox.bottom())),
                                std::min(PreviewHeight, int(std::round(2 * c.y()))));
    const qreal lugOuter = w / 2 + ScreenFrame + 2 + 0.35 * (bx - MinMargin);
    const qreal lugWidth = std::round(0.17 * w + 6);
    const qreal lugExt = std::min(std::max(std::round(0.05 * w), 2.0), sy - by);
    const qreal lugTop = caseBox.top() - lugExt;
    const qreal lugBottom = std::min<qreal>(height, caseBox.bottom() + lugExt);

    QImage image = newCanvas(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const qreal strapHalf = lugOuter - lugWidth + 3;
    paintStraps(p, c.x(), strapHalf, caseBox.top(), caseBox.bottom(), std::min(w, h), height, pal);
    const qreal lugRadius = std::min(lugExt + by * 0.5, lugWidth * 0.5);
    paintLugs(p, c.x(), c.y(), lugOuter, lugWidth, lugTop, lugBottom,
              std::min(lugRadius, cornerLimit(lugOuter - w / 2, sy - lugTop)),
              std::min(lugRadius, cornerLimit(lugOuter - w / 2, lugBottom - (sy + h))), pal);

    // Side buttons.
    const qreal buttonLength = std::round(0.1 * h + 8);
    struct Side {
        int side;
        qreal offset;
    };
    std::vector<Side> buttons;
    switch (watchButtons(d.name)) {
    case 1:
        buttons = {{1, 0}};
        break;
    case 2:
        buttons = {{1, -0.24}, {1, 0.24}};
        break;
    default:
        buttons = {{1, -0.24}, {1, 0.24}, {-1, -0.3}, {-1, 0}, {-1, 0.3}};
        break;
    }
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const qreal y = c.y() + buttons[i].offset * h - buttonLength / 2;
        const QRectF r =
            buttons[i].side > 0
                ? QRectF(caseBox.right() - 6, y, buttonDepth + 6, buttonLength)
                : QRectF(caseBox.left() - buttonDepth, y, buttonDepth + 6, buttonLength);
        const QRectF outside =
            buttons[i].side > 0 ? r.adjusted(6, 0, 0, 0) : r.adjusted(0, 0, -6, 0);
        if (!fits(outside, width, height)) continue;
        paintButton(p, r, pal, true, i == 0 && buttons.size() == 5);
    }

    // Case, bezel and glass.
    const qreal caseRadius = std::min(bx, by) + 0.12 * std::min(w, h);
    p.setPen(QPen(withAlpha(Qt::black, 120), 1));
    p.setBrush(metalGradient(caseBox, pal.caseLight, pal.caseDark));
    p.drawPath(roundedRect(caseBox.adjusted(0.5, 0.5, -0.5, -0.5), caseRadius));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(Qt::white, 110), 1.2));
    p.drawPath(roundedRect(caseBox.adjusted(1.5, 1.5, -1.5, -1.5), caseRadius - 1.5));
    const qreal rim = std::max(2.5, std::min(bx, by) * 0.28);
    const QRectF bezelBox = caseBox.adjusted(rim, rim, -rim, -rim);
    {
        QLinearGradient g(bezelBox.topLeft(), bezelBox.bottomRight());
        g.setColorAt(0, pal.bezel.lighter(160));
        g.setColorAt(0.5, pal.bezel);
        g.setColorAt(1, pal.bezel.darker(130));
        p.setPen(QPen(withAlpha(Qt::black, 150), 1));
        p.setBrush(g);
        p.drawPath(roundedRect(bezelBox, caseRadius - rim));
    }
    const qreal glassMargin = std::max(1.5, std::min(bx, by) * 0.18);
    const QRectF glassBox = screen.adjusted(-glassMargin, -glassMargin, glassMargin, glassMargin);
    {
        QLinearGradient g(glassBox.topLeft(), glassBox.bottomRight());
        g.setColorAt(0, rgb(0x1c2026));
        g.setColorAt(1, rgb(0x050607));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(roundedRect(glassBox, glassMargin + 0.05 * std::min(w, h)));
    }

    // The name on the bezel below the glass, else above it, else on a strap.
    // Kept clear of the rounded corners.
    const qreal inset = 4 + (caseRadius - rim) * 0.6;
    const QRectF belowGlass(bezelBox.left() + inset, glassBox.bottom(),
                            bezelBox.width() - 2 * inset, bezelBox.bottom() - glassBox.bottom());
    const QRectF aboveGlass(bezelBox.left() + inset, bezelBox.top(), bezelBox.width() - 2 * inset,
                            glassBox.top() - bezelBox.top());
    const QColor ink =
        isDark(pal.strap) ? withAlpha(rgb(0xdedede), 220) : withAlpha(rgb(0x2a2a2a), 220);
    const qreal bandWidth = strapHalf * 1.7;
    const qreal below = std::min(height - lugBottom - 4, 46.0);
    const qreal above = std::min(lugTop - 4, 46.0);
    const QRectF belowStrap(c.x() - bandWidth / 2, lugBottom + 2, bandWidth, below);
    const QRectF aboveStrap(c.x() - bandWidth / 2, lugTop - 2 - above, bandWidth, above);
    const bool named = letterName(p, d.name, fonts.nameFamily, belowGlass, pal.marking, 16, 9) ||
                       letterName(p, d.name, fonts.nameFamily, aboveGlass, pal.marking, 16, 9) ||
                       letterName(p, d.name, fonts.nameFamily, belowStrap, ink, 16, 9) ||
                       letterName(p, d.name, fonts.nameFamily, aboveStrap, ink, 16, 9) ||
                       letterName(p, d.name, fonts.nameFamily, belowGlass, pal.marking, 16);
    if (!named) letterName(p, d.name, fonts.nameFamily, belowStrap, ink, 16);
    p.end();
    return {image, false};
}

// Margins of a bike computer or handheld body around its screen: the sides stay
// equal where there is room; the leading sides never leave the picture.
struct BodyMargins {
    qreal left, top, right, bottom;
};

BodyMargins bodyMargins(const DeviceInfo& d, qreal side, qreal top, qreal bottom) {
    const qreal aR = PreviewWidth - (d.screenX + d.screenWidth);
    const qreal aB = PreviewHeight - (d.screenY + d.screenHeight);
    BodyMargins m;
    m.left = std::min({side, qreal(d.screenX), std::max<qreal>(aR, MinMargin)});
    // A body that meets the picture's left edge keeps some room on the right
    // for its lettering.
    m.right = std::max(m.left, std::min({24.0, side, std::max<qreal>(aR, MinMargin)}));
    m.top = std::min(top, qreal(d.screenY));
    m.bottom = std::max<qreal>(std::min(bottom, aB), std::min<qreal>(MinMargin, bottom));
    return m;
}

QPainterPath bodyPath(const QRectF& body, const BodyMargins& m, qreal radius) {
    return roundedRect(body, std::min(radius, cornerLimit(m.left, m.top)),
                       std::min(radius, cornerLimit(m.right, m.top)),
                       std::min(radius, cornerLimit(m.right, m.bottom)),
                       std::min(radius, cornerLimit(m.left, m.bottom)));
}

void paintGlass(QPainter& p, const QRectF& glass, qreal radius) {
    QLinearGradient g(glass.topLeft(), glass.bottomRight());
    g.setColorAt(0, rgb(0x1d2127));
    g.setColorAt(0.5, rgb(0x0b0c0e));
    g.setColorAt(1, rgb(0x040405));
    p.setPen(QPen(withAlpha(Qt::black, 200), 1));
    p.setBrush(g);
    p.drawPath(roundedRect(glass, radius));
    // A faint reflection across the upper left of the glass.
    QPainterPath gloss;
    gloss.moveTo(glass.topLeft());
    gloss.lineTo(glass.left() + glass.width() * 0.55, glass.top());
    gloss.lineTo(glass.left(), glass.top() + glass.height() * 0.4);
    gloss.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Qt::white, 14));
    p.drawPath(gloss.intersected(roundedRect(glass, radius)));
}

void paintStartIcon(QPainter& p, const QRectF& r, const QColor& color) {
    const qreal s = std::min(r.width(), r.height()) * 0.42;
    const QPointF c = r.center();
    QPainterPath tri;
    tri.moveTo(c + QPointF(-s * 0.9, -s * 0.6));
    tri.lineTo(c + QPointF(-s * 0.05, 0));
    tri.lineTo(c + QPointF(-s * 0.9, s * 0.6));
    tri.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(tri);
    p.drawRect(QRectF(c.x() + s * 0.2, c.y() - s * 0.55, s * 0.7, s * 1.1));
}

void paintLapIcon(QPainter& p, const QRectF& r, const QColor& color) {
    const qreal s = std::min(r.width(), r.height()) * 0.36;
    const QPointF c = r.center();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(color, std::max(1.2, s * 0.28), Qt::SolidLine, Qt::FlatCap));
    p.drawArc(QRectF(c.x() - s, c.y() - s, 2 * s, 2 * s), 120 * 16, 270 * 16);
    QPainterPath head;
    const qreal a = qDegreesToRadians(-120.0);
    const QPointF tip = c + QPointF(std::cos(a), std::sin(a)) * s;
    head.moveTo(tip + QPointF(s * 0.55, -s * 0.1));
    head.lineTo(tip + QPointF(-s * 0.2, -s * 0.5));
    head.lineTo(tip + QPointF(-s * 0.05, s * 0.45));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(head);
}

Picture paintBikeComputer(const DeviceInfo& d, const Palette& pal, const PictureFonts& fonts) {
    const qreal w = d.screenWidth, h = d.screenHeight;
    const QRectF screen(d.screenX, d.screenY, w, h);
    const BodyMargins m = bodyMargins(d, std::round(0.10 * w + 8), std::round(0.13 * h + 10),
                                      std::round(0.2 * h + 14));
    const QRectF body = screen.adjusted(-m.left, -m.top, m.right, m.bottom);
    const qreal sideButton = 5;
    const int width =
        std::max(int(std::ceil(body.right())),
                 std::min(PreviewWidth, int(std::ceil(body.right() + sideButton)) + 2));
    const int height = int(std::ceil(body.bottom()));

    QImage image = newCanvas(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Power button on the left edge, lap/page button on the right edge.
    const qreal buttonLength = std::round(0.12 * h + 10);
    const QRectF power(body.left() - sideButton, body.top() + body.height() * 0.16, sideButton + 6,
                       buttonLength);
    if (fits(power.adjusted(0, 0, -6, 0), width, height)) paintButton(p, power, pal, true, false);
    const QRectF page(body.right() - 6, body.top() + body.height() * 0.16, sideButton + 6,
                      buttonLength);
    if (fits(page.adjusted(6, 0, 0, 0), width, height)) paintButton(p, page, pal, true, false);

    const qreal radius = 0.1 * std::min(w, h) + 10;
    const QPainterPath shell = bodyPath(body, m, radius);
    {
        QLinearGradient g(body.topLeft(), body.bottomLeft());
        g.setColorAt(0, pal.caseLight);
        g.setColorAt(0.5, mix(pal.caseLight, pal.caseDark, 0.6));
        g.setColorAt(1, pal.caseDark);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(shell);
    }
    const qreal rim = std::clamp(std::min({m.left, m.right, m.top}) * 0.22, 0.0, 7.0);
    BodyMargins inner{m.left - rim, m.top - rim, m.right - rim, m.bottom - rim};
    const QRectF front = body.adjusted(rim, rim, -rim, -rim);
    if (rim >= 1) {
        p.setPen(QPen(withAlpha(Qt::white, 50), 1));
        p.setBrush(pal.bezel);
        p.drawPath(bodyPath(front, inner, radius - rim));
        // Coloured accent line around the front.
        if (rim >= 3) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(withAlpha(pal.accent, 200), 1.4));
            p.drawPath(bodyPath(front.adjusted(-rim * 0.5, -rim * 0.5, rim * 0.5, rim * 0.5),
                                BodyMargins{m.left - rim * 0.5, m.top - rim * 0.5,
                                            m.right - rim * 0.5, m.bottom - rim * 0.5},
                                radius - rim * 0.5));
        }
    }

    // Glass over the upper front; buttons and the name below or beside it.
    const qreal glassSide = std::max(1.0, (m.left - rim) * 0.45);
    const qreal glassTop = std::max(1.0, (m.top - rim) * 0.9);
    const qreal glassBottom = std::max(1.0, std::min((m.bottom - rim) * 0.25, 14.0));
    const QRectF glass = screen.adjusted(-glassSide, -glassTop, glassSide, glassBottom);
    paintGlass(p, glass,
               std::min(radius - rim,
                        cornerLimit(glassSide + ScreenFrame + 1, glassTop + ScreenFrame + 1)));
    const QRectF nameBox(glass.left() + 6, glass.top(), glass.width() - 12,
                         screen.top() - glass.top());
    const QRectF keys(front.left() + 4, glass.bottom() + 2, front.width() - 8,
                      front.bottom() - glass.bottom() - 4);
    bool named = false;
    if (nameBox.height() >= 10) {
        letterName(p, d.name, fonts.nameFamily, nameBox.adjusted(0, 1, 0, -1), pal.marking, 18);
        named = true;
    }
    if (keys.height() >= 18) {
        const qreal bh = std::min(keys.height() * 0.5, 24.0);
        const qreal bw = std::min(w * 0.3, 96.0);
        const qreal y = keys.top() + (keys.height() - bh) * (named ? 0.45 : 0.3);
        const QRectF lap(keys.left() + keys.width() * 0.25 - bw / 2, y, bw, bh);
        const QRectF start(keys.left() + keys.width() * 0.75 - bw / 2, y, bw, bh);
        paintButton(p, lap, pal, false, false);
        paintButton(p, start, pal, false, false);
        paintLapIcon(p, lap, pal.marking);
        paintStartIcon(p, start, pal.marking);
        if (!named && keys.height() - bh >= 22) {
            letterName(p, d.name, fonts.nameFamily,
                       QRectF(keys.left(), y + bh + 2, keys.width(), keys.bottom() - y - bh - 2),
                       pal.marking, 18);
            named = true;
        }
    } else if (keys.height() >= 10 && !named) {
        letterName(p, d.name, fonts.nameFamily, keys, pal.marking, 18);
        named = true;
    }
    if (!named && m.right - rim >= 10) {
        // Upright along the right edge.
        const qreal band = m.right - rim - glassSide;
        p.save();
        p.translate(screen.right() + glassSide + band / 2, screen.center().y());
        p.rotate(-90);
        letterName(p, d.name, fonts.nameFamily, QRectF(-h / 2, -band / 2, h, band), pal.marking,
                   18);
        p.restore();
    }
    p.end();
    return {image, false};
}

Picture paintHandheld(const DeviceInfo& d, const Palette& pal, const PictureFonts& fonts) {
    const qreal w = d.screenWidth, h = d.screenHeight;
    const QRectF screen(d.screenX, d.screenY, w, h);
    const bool keypad = d.name.startsWith(QLatin1String("GPSMAP 6")) ||
                        d.name.startsWith(QLatin1String("GPSMAP 8"));
    const bool dome = d.name.startsWith(QLatin1String("GPSMAP"));
    const bool antenna = d.name.startsWith(QLatin1String("Rino"));
    const BodyMargins m =
        bodyMargins(d, std::round(0.13 * w + 12), std::round(0.15 * h + 14),
                    keypad ? std::round(0.55 * h + 20) : std::round(0.16 * h + 16));
    const QRectF body = screen.adjusted(-m.left, -m.top, m.right, m.bottom);
    const qreal sideButton = 5;
    const int width =
        std::max(int(std::ceil(body.right())),
                 std::min(PreviewWidth, int(std::ceil(body.right() + sideButton)) + 2));
    const int height = int(std::ceil(body.bottom()));

    QImage image = newCanvas(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Antenna above the body, drawn first so that the body overlaps it.
    if (dome && body.top() >= 12) {
        const qreal dh = std::min(body.top() - 2, 0.12 * h + 10);
        const QRectF r(body.center().x() - body.width() * 0.27, body.top() - dh,
                       body.width() * 0.54, dh + 20);
        QLinearGradient g(r.left(), 0, r.right(), 0);
        g.setColorAt(0, pal.strap.darker(140));
        g.setColorAt(0.4, pal.strap.lighter(180));
        g.setColorAt(1, pal.strap.darker(160));
        p.setPen(QPen(withAlpha(Qt::black, 120), 1));
        p.setBrush(g);
        p.drawPath(roundedRect(r, r.height() * 0.45, r.height() * 0.45, 4, 4));
    }
    if (antenna && body.top() >= 20) {
        const qreal ah = std::min(body.top() - 2, 0.45 * h);
        const qreal aw = std::round(0.11 * w + 6);
        const QRectF r(body.right() - aw - body.width() * 0.12, body.top() - ah, aw, ah + 20);
        p.setPen(QPen(withAlpha(Qt::black, 120), 1));
        p.setBrush(bandGradient(r.left(), r.right(), pal.strap.lighter(130)));
        p.drawPath(roundedRect(r, aw / 2, aw / 2, 2, 2));
    }
    // Power button on the right, and a push-to-talk key on the left of a Rino.
    const qreal buttonLength = std::round(0.1 * h + 12);
    const QRectF power(body.right() - 6, body.top() + body.height() * 0.12, sideButton + 6,
                       buttonLength);
    if (fits(power.adjusted(6, 0, 0, 0), width, height)) paintButton(p, power, pal, true, false);
    if (antenna) {
        const QRectF talk(body.left() - sideButton, body.top() + body.height() * 0.25,
                          sideButton + 6, buttonLength * 1.6);
        if (fits(talk.adjusted(0, 0, -6, 0), width, height)) paintButton(p, talk, pal, true, true);
    }

    // Rubber bumper, then the shell inside it.
    const qreal radius = 0.14 * std::min(w, h) + 14;
    {
        QLinearGradient g(body.topLeft(), body.topRight());
        g.setColorAt(0, pal.strap.lighter(150));
        g.setColorAt(0.5, pal.strap);
        g.setColorAt(1, pal.strap.darker(150));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(bodyPath(body, m, radius));
    }
    const qreal bumper = std::clamp(std::min({m.left, m.right, m.top}) * 0.3, 0.0, 9.0);
    const QRectF shellBox = body.adjusted(bumper, bumper, -bumper, -bumper);
    const BodyMargins inner{m.left - bumper, m.top - bumper, m.right - bumper, m.bottom - bumper};
    if (bumper >= 1) {
        p.setPen(QPen(withAlpha(Qt::white, 40), 1));
        p.setBrush(metalGradient(shellBox, pal.caseLight, pal.caseDark));
        p.drawPath(bodyPath(shellBox, inner, radius - bumper));
    }
    const qreal glassSide = std::max(1.0, (m.left - bumper) * 0.35);
    const qreal glassTop = std::max(1.0, (m.top - bumper) * 0.75);
    const qreal glassBottom = std::max(1.0, std::min((m.bottom - bumper) * 0.3, 12.0));
    const QRectF glass = screen.adjusted(-glassSide, -glassTop, glassSide, glassBottom);
    paintGlass(p, glass,
               std::min(radius * 0.5,
                        cornerLimit(glassSide + ScreenFrame + 1, glassTop + ScreenFrame + 1)));

    bool named = false;
    const QRectF nameBox(glass.left() + 6, glass.top(), glass.width() - 12,
                         screen.top() - glass.top());
    if (nameBox.height() >= 10) {
        letterName(p, d.name, fonts.nameFamily, nameBox.adjusted(0, 1, 0, -1), pal.marking, 18);
        named = true;
    }
    const QRectF below(shellBox.left() + 6, glass.bottom() + 3, shellBox.width() - 12,
                       shellBox.bottom() - glass.bottom() - 6);
    if (keypad && below.height() >= 60) {
        // Rocker in the middle, two keys on either side.
        const qreal rr = std::min(below.width() * 0.17, below.height() * 0.3);
        const QPointF rc(below.center().x(), below.top() + below.height() * 0.42);
        QRadialGradient g(rc, rr, rc - QPointF(rr, rr) * 0.4);
        g.setColorAt(0, pal.button.lighter(190));
        g.setColorAt(1, pal.button.darker(140));
        p.setPen(QPen(withAlpha(Qt::black, 140), 1));
        p.setBrush(g);
        p.drawEllipse(rc, rr, rr);
        p.setBrush(pal.button.darker(120));
        p.drawEllipse(rc, rr * 0.4, rr * 0.4);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(pal.marking, 200));
        for (int k = 0; k < 4; ++k) {
            p.save();
            p.translate(rc);
            p.rotate(90.0 * k);
            QPainterPath tri;
            tri.moveTo(0, -rr * 0.88);
            tri.lineTo(rr * 0.14, -rr * 0.66);
            tri.lineTo(-rr * 0.14, -rr * 0.66);
            tri.closeSubpath();
            p.drawPath(tri);
            p.restore();
        }
        const qreal kw = (below.width() / 2 - rr - 14) * 0.8;
        const qreal kh = std::min(rr * 0.62, 26.0);
        static const char* const labels[] = {"PAGE", "QUIT", "MENU", "MARK"};
        QFont labelFont(fonts.labelFamily);
        labelFont.setPixelSize(int(std::clamp(kh * 0.42, 7.0, 11.0)));
        for (int k = 0; k < 4; ++k) {
            const bool left = k < 2;
            const qreal x = left ? below.left() + 6 : below.right() - 6 - kw;
            const qreal y = rc.y() + (k % 2 == 0 ? -kh - 4 : 4);
            const QRectF key(x, y, kw, kh);
            paintButton(p, key, pal, false, false);
            p.setFont(labelFont);
            p.setPen(k == 3 ? pal.accent : withAlpha(pal.marking, 220));
            p.drawText(key, Qt::AlignCenter, QString::fromLatin1(labels[k]));
        }
        if (!named) {
            const qreal top = rc.y() + rr + 6;
            if (below.bottom() - top >= 10) {
                letterName(p, d.name, fonts.nameFamily,
                           QRectF(below.left(), top, below.width(), below.bottom() - top),
                           pal.marking, 18);
                named = true;
            }
        }
    } else if (!named && below.height() >= 10) {
        letterName(p, d.name, fonts.nameFamily, below, pal.marking, 18);
        named = true;
    }
    if (!named && m.right - bumper >= 10) {
        const qreal band = m.right - bumper - glassSide;
        p.save();
        p.translate(screen.right() + glassSide + band / 2, screen.center().y());
        p.rotate(-90);
        letterName(p, d.name, fonts.nameFamily, QRectF(-h / 2, -band / 2, h, band), pal.marking,
                   18);
        p.restore();
    }
    p.end();
    return {image, false};
}

bool insideRoundScreen(const DeviceInfo& d, int x, int y) {
    return roundScreenShowsPixel(d.screenWidth, x - d.screenX, y - d.screenY);
}

} // namespace

DeviceShape deviceShape(const DeviceInfo& device) {
    const QString& n = device.name;
    if (n.startsWith(QLatin1String("Edge"))) return DeviceShape::BikeComputer;
    if (hasPrefix(n, {"GPSMAP", "Oregon", "Rino", "Montana", "eTrex"}))
        return DeviceShape::Handheld;
    if (screenShape(device) == ScreenShape::Round) return DeviceShape::RoundWatch;
    return DeviceShape::RectWatch;
}

QImage paintDevicePicture(const DeviceInfo& device, const PictureFonts& fonts) {
    const Palette pal = paletteFor(device);
    Picture picture;
    switch (deviceShape(device)) {
    case DeviceShape::RoundWatch:
        picture = paintRoundWatch(device, pal, fonts);
        break;
    case DeviceShape::RectWatch:
        picture = paintRectWatch(device, pal, fonts);
        break;
    case DeviceShape::BikeComputer:
        picture = paintBikeComputer(device, pal, fonts);
        break;
    case DeviceShape::Handheld:
        picture = paintHandheld(device, pal, fonts);
        break;
    }
    QImage image = picture.image.convertToFormat(QImage::Format_ARGB32);
    // The screen is cut out pixel-exactly: no anti-aliasing into the display.
    for (int y = device.screenY; y < device.screenY + device.screenHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = device.screenX; x < device.screenX + device.screenWidth; ++x)
            if (!picture.roundScreen || insideRoundScreen(device, x, y)) line[x] = 0;
    }
    image.setDotsPerMeterX(3780); // 96 dpi: one picture pixel per screen pixel
    image.setDotsPerMeterY(3780);
    return image;
}

QString checkDevicePicture(const QImage& picture, const DeviceInfo& d) {
    if (picture.isNull()) return QStringLiteral("no picture");
    if (picture.width() < d.screenX + d.screenWidth ||
        picture.height() < d.screenY + d.screenHeight)
        return QStringLiteral("picture %1x%2 does not contain the screen")
            .arg(picture.width())
            .arg(picture.height());
    if (picture.width() > std::max(PreviewWidth, d.screenX + d.screenWidth + MinMargin + 1) ||
        picture.height() > std::max(PreviewHeight, d.screenY + d.screenHeight + MinMargin + 1))
        return QStringLiteral("picture %1x%2 exceeds the preview area")
            .arg(picture.width())
            .arg(picture.height());
    const bool round = deviceShape(d) == DeviceShape::RoundWatch;
    const int x0 = std::max(0, d.screenX - ScreenFrame);
    const int y0 = std::max(0, d.screenY - ScreenFrame);
    const int x1 = d.screenX + d.screenWidth + ScreenFrame;
    const int y1 = d.screenY + d.screenHeight + ScreenFrame;
    if (x1 > picture.width() || y1 > picture.height())
        return QStringLiteral("picture %1x%2 does not cover the screen frame")
            .arg(picture.width())
            .arg(picture.height());
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const bool inRect = x >= d.screenX && x < d.screenX + d.screenWidth && y >= d.screenY &&
                                y < d.screenY + d.screenHeight;
            const bool inScreen = inRect && (!round || insideRoundScreen(d, x, y));
            const int alpha = qAlpha(picture.pixel(x, y));
            if (inScreen && alpha != 0)
                return QStringLiteral("screen pixel (%1, %2) has alpha %3")
                    .arg(x)
                    .arg(y)
                    .arg(alpha);
            if (!inScreen && alpha != 255)
                return QStringLiteral("frame pixel (%1, %2) has alpha %3").arg(x).arg(y).arg(alpha);
        }
    }
    return {};
}

} // namespace zef::tools
