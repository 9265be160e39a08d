#include "snapping.h"

#include "catalog/deviceinfo.h"
#include "catalog/screenshape.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>

namespace zef {

namespace {

// Matching guides are found again after the move; positions within this are
// the same.
constexpr qreal Same = 1e-6;

// The snapping of one axis is written for x; y is x of the transposed scene.
QPointF transposed(QPointF p) {
    return {p.y(), p.x()};
}
QRectF transposed(const QRectF& r) {
    return {r.y(), r.x(), r.height(), r.width()};
}
QLineF transposed(const QLineF& l) {
    return {transposed(l.p1()), transposed(l.p2())};
}

// A vertical line that can be snapped to, and the stretch (in y) of what it
// belongs to, from which the drawn guide starts.
struct LineTarget {
    qreal x;
    qreal top, bottom;
    SnapSource source;
};

std::vector<LineTarget> verticalTargets(const SnapScene& scene) {
    std::vector<LineTarget> targets;
    const QRectF& s = scene.screen;
    for (qreal x : {s.left(), s.center().x(), s.right()})
        targets.push_back({x, s.top(), s.bottom(), SnapSource::Screen});
    for (const QRectF& r : scene.extents)
        for (qreal x : {r.left(), r.center().x(), r.right()})
            targets.push_back({x, r.top(), r.bottom(), SnapSource::Element});
    for (const QPointF& p : scene.anchors)
        targets.push_back({p.x(), p.y(), p.y(), SnapSource::Element});
    return targets;
}

// The x values of the subject that snap to vertical lines.
std::vector<qreal> verticalFeatures(const SnapSubject& subject) {
    std::vector<qreal> xs;
    if (subject.box) {
        xs.push_back(subject.box->left());
        xs.push_back(subject.box->center().x());
        xs.push_back(subject.box->right());
    }
    for (const QPointF& p : subject.points) xs.push_back(p.x());
    return xs;
}

// The subject's stretch in y, for drawing guides.
std::pair<qreal, qreal> verticalSpan(const SnapSubject& subject) {
    qreal top = std::numeric_limits<qreal>::max(), bottom = std::numeric_limits<qreal>::lowest();
    if (subject.box) {
        top = subject.box->top();
        bottom = subject.box->bottom();
    }
    for (const QPointF& p : subject.points) {
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    return {top, bottom};
}

SnapSubject transposed(const SnapSubject& s) {
    SnapSubject t;
    if (s.box) t.box = transposed(*s.box);
    for (const QPointF& p : s.points) t.points.push_back(transposed(p));
    t.moveX = s.moveY;
    t.moveY = s.moveX;
    return t;
}

SnapScene transposed(const SnapScene& s) {
    SnapScene t;
    t.screen = transposed(s.screen);
    t.roundScreen = s.roundScreen;
    for (const QRectF& r : s.extents) t.extents.push_back(transposed(r));
    for (const QPointF& p : s.anchors) t.anchors.push_back(transposed(p));
    return t;
}

// Equal spacing along x: the box placed midway between its nearest neighbours
// left and right, or at the gap that a neighbour keeps to its own neighbour.
struct SpacingCandidate {
    qreal offset = 0;
    // The gaps made equal, as (from, to) in x; drawn at the box's middle.
    std::vector<std::pair<qreal, qreal>> gaps;
};

std::vector<SpacingCandidate> spacingCandidates(const SnapScene& scene, const QRectF& box,
                                                qreal distance) {
    const auto overlapsBand = [&box](const QRectF& r) {
        return r.top() <= box.bottom() && r.bottom() >= box.top();
    };
    // The nearest extent in the band whose right edge lies at or left of `edge`.
    const auto nearestLeftOf = [&](qreal edge, qreal centre) -> const QRectF* {
        const QRectF* found = nullptr;
        for (const QRectF& r : scene.extents)
            if (overlapsBand(r) && r.center().x() < centre && r.right() <= edge &&
                (!found || r.right() > found->right()))
                found = &r;
        return found;
    };
    const auto nearestRightOf = [&](qreal edge, qreal centre) -> const QRectF* {
        const QRectF* found = nullptr;
        for (const QRectF& r : scene.extents)
            if (overlapsBand(r) && r.center().x() > centre && r.left() >= edge &&
                (!found || r.left() < found->left()))
                found = &r;
        return found;
    };

    std::vector<SpacingCandidate> candidates;
    const qreal w = box.width();
    const QRectF* left = nearestLeftOf(box.left() + distance, box.center().x());
    const QRectF* right = nearestRightOf(box.right() - distance, box.center().x());
    if (left && right && right->left() - left->right() >= w) {
        const qreal target = (left->right() + right->left() - w) / 2;
        candidates.push_back(
            {target - box.left(), {{left->right(), target}, {target + w, right->left()}}});
    }
    if (left) {
        if (const QRectF* further = nearestLeftOf(left->left(), left->center().x())) {
            const qreal gap = left->left() - further->right();
            if (gap > 0) {
                const qreal target = left->right() + gap;
                candidates.push_back({target - box.left(),
                                      {{further->right(), left->left()}, {left->right(), target}}});
            }
        }
    }
    if (right) {
        if (const QRectF* further = nearestRightOf(right->right(), right->center().x())) {
            const qreal gap = further->left() - right->right();
            if (gap > 0) {
                const qreal target = right->left() - gap;
                candidates.push_back(
                    {target - box.right(),
                     {{target, right->left()}, {right->right(), further->left()}}});
            }
        }
    }
    return candidates;
}

// The snap along x: the nearest vertical target or spacing within `distance`.
struct AxisSnap {
    bool found = false;
    qreal offset = 0;
    std::vector<std::pair<qreal, qreal>> gaps; // when the spacing snapped
};

AxisSnap snapAxis(const SnapScene& scene, const SnapSubject& subject,
                  const std::vector<LineTarget>& targets, qreal distance) {
    AxisSnap best;
    qreal bestDistance = distance;
    const auto consider = [&](qreal offset) {
        if (std::abs(offset) <= bestDistance && (!best.found || std::abs(offset) < bestDistance)) {
            best.found = true;
            best.offset = offset;
            best.gaps.clear();
            bestDistance = std::abs(offset);
            return true;
        }
        return false;
    };
    for (qreal f : verticalFeatures(subject))
        for (const LineTarget& t : targets) consider(t.x - f);
    if (subject.box)
        for (SpacingCandidate& c : spacingCandidates(scene, *subject.box, distance))
            if (consider(c.offset)) best.gaps = std::move(c.gaps);
    return best;
}

// The guides of the vertical lines the moved subject now lies on, one per x,
// each from what it belongs to across to the subject.
std::vector<SnapGuide> verticalGuides(const SnapSubject& moved,
                                      const std::vector<LineTarget>& targets) {
    const auto [top, bottom] = verticalSpan(moved);
    std::map<qreal, SnapGuide> byX;
    for (qreal f : verticalFeatures(moved)) {
        for (const LineTarget& t : targets) {
            if (std::abs(t.x - f) > Same) continue;
            const qreal from = std::min(t.top, top), to = std::max(t.bottom, bottom);
            auto [it, added] =
                byX.try_emplace(t.x, SnapGuide{t.source, QLineF(t.x, from, t.x, to), {}, 0});
            if (!added) {
                QLineF& l = it->second.line;
                l.setP1(QPointF(t.x, std::min(l.y1(), from)));
                l.setP2(QPointF(t.x, std::max(l.y2(), to)));
                // The screen's own lines are drawn as such.
                if (t.source == SnapSource::Screen) it->second.source = SnapSource::Screen;
            }
        }
    }
    std::vector<SnapGuide> guides;
    guides.reserve(byX.size());
    for (auto& [x, g] : byX) guides.push_back(g);
    return guides;
}

std::vector<SnapGuide> spacingGuides(const std::vector<std::pair<qreal, qreal>>& gaps,
                                     const SnapSubject& moved) {
    std::vector<SnapGuide> guides;
    if (!moved.box) return guides;
    const qreal y = moved.box->center().y();
    for (const auto& [from, to] : gaps)
        guides.push_back({SnapSource::Spacing, QLineF(from, y, to, y), {}, 0});
    return guides;
}

SnapSubject movedBy(const SnapSubject& s, QPointF offset) {
    SnapSubject m = s;
    if (m.box) m.box = m.box->translated(offset);
    for (QPointF& p : m.points) p += offset;
    return m;
}

std::vector<qreal> screenCircleRadii(const SnapScene& scene) {
    std::vector<qreal> radii;
    if (!scene.roundScreen) return radii;
    for (qreal inset : RoundScreenInsets) {
        const qreal r = scene.screen.width() / 2 - inset;
        if (r > 0) radii.push_back(r);
    }
    return radii;
}

// The points of the subject that snap onto circles.
std::vector<QPointF> circleFeatures(const SnapSubject& s, QPointF centre) {
    std::vector<QPointF> points = s.points;
    if (s.box) {
        // The corner farthest from the centre is the one that meets a circle
        // about it first.
        const QRectF& b = *s.box;
        QPointF far = b.topLeft();
        for (QPointF c : {b.topRight(), b.bottomLeft(), b.bottomRight()})
            if (QLineF(centre, c).length() > QLineF(centre, far).length()) far = c;
        points.push_back(far);
    }
    return points;
}

struct CircleSnap {
    bool found = false;
    QPointF offset;
    qreal radius = 0;
};

// Onto one of the circles: radially when both axes are free, else sliding
// along the free axis only.
CircleSnap snapToCircle(const SnapScene& scene, const SnapSubject& s, bool xFree, bool yFree,
                        qreal distance) {
    CircleSnap best;
    if (!xFree && !yFree) return best;
    const QPointF c = scene.screen.center();
    qreal bestDistance = distance;
    for (const QPointF& p : circleFeatures(s, c)) {
        const QPointF v = p - c;
        const qreal d = std::hypot(v.x(), v.y());
        for (qreal r : screenCircleRadii(scene)) {
            QPointF offset;
            if (xFree && yFree) {
                if (d <= 0) continue;
                offset = v * ((r - d) / d);
            } else if (yFree) {
                if (std::abs(v.x()) > r) continue;
                const qreal h = std::sqrt(r * r - v.x() * v.x());
                offset = QPointF(0, (v.y() < 0 ? -h : h) - v.y());
            } else {
                if (std::abs(v.y()) > r) continue;
                const qreal w = std::sqrt(r * r - v.y() * v.y());
                offset = QPointF((v.x() < 0 ? -w : w) - v.x(), 0);
            }
            const qreal moved = std::hypot(offset.x(), offset.y());
            if (moved <= bestDistance) {
                best = {true, offset, r};
                bestDistance = moved;
            }
        }
    }
    return best;
}

qreal snapDistance(qreal zoom) {
    return SnapDistancePixels / std::max<qreal>(zoom, 1e-3);
}

} // namespace

SnapScene SnapScene::forScreen(const DeviceInfo& d) {
    SnapScene scene;
    scene.screen = QRectF(0, 0, d.screenWidth, d.screenHeight);
    scene.roundScreen = screenShape(d) == ScreenShape::Round;
    return scene;
}

SnapResult snapPosition(const SnapScene& scene, const SnapSubject& subject, qreal zoom) {
    const qreal distance = snapDistance(zoom);
    const std::vector<LineTarget> xTargets = verticalTargets(scene);
    const SnapScene tScene = transposed(scene);
    const SnapSubject tSubject = transposed(subject);
    const std::vector<LineTarget> yTargets = verticalTargets(tScene);

    AxisSnap x, y;
    if (subject.moveX) x = snapAxis(scene, subject, xTargets, distance);
    if (subject.moveY) y = snapAxis(tScene, tSubject, yTargets, distance);

    SnapResult result;
    result.offset = QPointF(x.offset, y.offset);
    const CircleSnap circle =
        snapToCircle(scene, movedBy(subject, result.offset), subject.moveX && !x.found,
                     subject.moveY && !y.found, distance);
    if (circle.found) result.offset += circle.offset;

    const SnapSubject moved = movedBy(subject, result.offset);
    const SnapSubject tMoved = transposed(moved);
    for (const SnapGuide& g : verticalGuides(moved, xTargets)) result.guides.push_back(g);
    for (SnapGuide g : verticalGuides(tMoved, yTargets)) {
        g.line = transposed(g.line);
        result.guides.push_back(g);
    }
    for (const SnapGuide& g : spacingGuides(x.gaps, moved)) result.guides.push_back(g);
    for (SnapGuide g : spacingGuides(y.gaps, tMoved)) {
        g.line = transposed(g.line);
        result.guides.push_back(g);
    }
    if (circle.found)
        result.guides.push_back({SnapSource::Screen, {}, scene.screen.center(), circle.radius});
    return result;
}

RaySnap snapAlongRay(const SnapScene& scene, QPointF origin, QPointF direction, qreal length,
                     qreal zoom) {
    const qreal distance = snapDistance(zoom);
    RaySnap best{length, {}};
    qreal bestDistance = distance;
    bool found = false;
    const auto consider = [&](qreal t, const SnapGuide& guide) {
        if (t < 0 || std::abs(t - length) > bestDistance) return;
        if (found && std::abs(t - length) >= bestDistance) return;
        found = true;
        bestDistance = std::abs(t - length);
        best = {t, {guide}};
    };
    // A ray nearly along a line never meets it where it matters.
    constexpr qreal Steep = 0.3;
    const QPointF end = origin + direction * length;
    if (std::abs(direction.x()) >= Steep)
        for (const LineTarget& l : verticalTargets(scene))
            consider((l.x - origin.x()) / direction.x(),
                     {l.source,
                      QLineF(l.x, std::min(l.top, end.y()), l.x, std::max(l.bottom, end.y())),
                      {},
                      0});
    if (std::abs(direction.y()) >= Steep)
        for (const LineTarget& l : verticalTargets(transposed(scene)))
            consider((l.x - origin.y()) / direction.y(),
                     {l.source,
                      QLineF(std::min(l.top, end.x()), l.x, std::max(l.bottom, end.x()), l.x),
                      {},
                      0});
    const QPointF c = scene.screen.center();
    const QPointF w = origin - c;
    const qreal b = QPointF::dotProduct(direction, w);
    for (qreal r : screenCircleRadii(scene)) {
        const qreal disc = b * b - QPointF::dotProduct(w, w) + r * r;
        if (disc < 0) continue;
        for (qreal t : {-b - std::sqrt(disc), -b + std::sqrt(disc)})
            consider(t, {SnapSource::Screen, {}, c, r});
    }
    if (found) {
        // Lines are drawn up to the snapped handle.
        const QPointF at = origin + direction * best.length;
        for (SnapGuide& g : best.guides) {
            if (g.isCircle()) continue;
            if (g.line.x1() == g.line.x2())
                g.line = QLineF(g.line.x1(), std::min(g.line.y1(), at.y()), g.line.x2(),
                                std::max(g.line.y2(), at.y()));
            else
                g.line = QLineF(std::min(g.line.x1(), at.x()), g.line.y1(),
                                std::max(g.line.x2(), at.x()), g.line.y2());
        }
    }
    return best;
}

AngleSnap snapAngle(QPointF centre, qreal radius, qreal degrees, qreal zoom) {
    const qreal nearest = std::round(degrees / SnapAngleStep) * SnapAngleStep;
    const qreal arc =
        std::max<qreal>(radius, 1) * std::abs(nearest - degrees) * std::numbers::pi / 180;
    if (arc > snapDistance(zoom)) return {degrees, {}};
    const qreal a = nearest * std::numbers::pi / 180;
    const QPointF end = centre + QPointF(std::cos(a), std::sin(a)) * std::max<qreal>(radius, 1);
    return {nearest, {{SnapSource::Element, QLineF(centre, end), {}, 0}}};
}

} // namespace zef
