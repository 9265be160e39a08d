#include "preview/snapping.h"

#include <gtest/gtest.h>

#include <ostream>

namespace zef {
namespace {

SnapScene screen(qreal w, qreal h, bool round = false) {
    SnapScene s;
    s.screen = QRectF(0, 0, w, h);
    s.roundScreen = round;
    return s;
}

SnapScene withExtents(SnapScene s, std::vector<QRectF> extents) {
    s.extents = std::move(extents);
    return s;
}

SnapSubject box(QRectF r) {
    SnapSubject s;
    s.box = r;
    return s;
}

SnapSubject point(QPointF p, bool moveX = true, bool moveY = true) {
    SnapSubject s;
    s.points = {p};
    s.moveX = moveX;
    s.moveY = moveY;
    return s;
}

struct SnapCase {
    const char* reason;
    SnapScene scene;
    SnapSubject subject;
    qreal zoom;
    QPointF offset;
    // The guides expected, in order: vertical lines first, then horizontal
    // ones, spacing gaps, the circle.
    std::vector<SnapGuide> guides;
};

void PrintTo(const SnapCase& c, std::ostream* os) {
    *os << c.reason;
}

SnapGuide line(SnapSource source, qreal x1, qreal y1, qreal x2, qreal y2) {
    return {source, QLineF(x1, y1, x2, y2), {}, 0};
}
SnapGuide circle(qreal cx, qreal cy, qreal r) {
    return {SnapSource::Screen, {}, QPointF(cx, cy), r};
}

const SnapCase SnapCases[] = {
    {"centre 5 pixels left of the screen's centre line snaps onto it",
     screen(240, 400),
     box(QRectF(100, 50, 30, 20)),
     1,
     QPointF(5, 0),
     {line(SnapSource::Screen, 120, 0, 120, 400)}},
    {"at 4x the same 5 device pixels are 20 screen pixels: too far",
     screen(240, 400),
     box(QRectF(100, 50, 30, 20)),
     4,
     QPointF(0, 0),
     {}},
    {"at 4x a distance of one device pixel snaps",
     screen(240, 400),
     box(QRectF(104, 50, 30, 20)),
     4,
     QPointF(1, 0),
     {line(SnapSource::Screen, 120, 0, 120, 400)}},
    {"left edge 3 pixels in from the screen's edge",
     screen(240, 400),
     box(QRectF(3, 150, 30, 20)),
     1,
     QPointF(-3, 0),
     {line(SnapSource::Screen, 0, 0, 0, 400)}},
    {"another element's right edge, the guide spans both",
     withExtents(screen(240, 400), {QRectF(20, 100, 40, 40)}),
     box(QRectF(63, 160, 30, 20)),
     1,
     QPointF(-3, 0),
     {line(SnapSource::Element, 60, 100, 60, 180)}},
    {"bottom edge onto another element's top edge",
     withExtents(screen(240, 400), {QRectF(150, 300, 40, 40)}),
     box(QRectF(40, 275, 30, 20)),
     1,
     QPointF(0, 5),
     {line(SnapSource::Element, 40, 300, 190, 300)}},
    {"an axis that may not move does not snap",
     screen(240, 400),
     point(QPointF(118, 50), false, true),
     1,
     QPointF(0, 0),
     {}},
    {"a point onto a text anchor",
     [] {
         SnapScene s = screen(240, 400);
         s.anchors = {QPointF(60, 10)};
         return s;
     }(),
     point(QPointF(57, 300)),
     1,
     QPointF(3, 0),
     {line(SnapSource::Element, 60, 10, 60, 300)}},
    {"midway between two neighbours: equal gaps",
     withExtents(screen(240, 400), {QRectF(0, 100, 20, 100), QRectF(100, 100, 20, 100)}),
     box(QRectF(47, 120, 20, 10)),
     1,
     QPointF(3, 0),
     {line(SnapSource::Spacing, 20, 125, 50, 125), line(SnapSource::Spacing, 70, 125, 100, 125)}},
    {"the gap of the two neighbours on the left, continued",
     withExtents(screen(240, 400), {QRectF(0, 100, 20, 100), QRectF(40, 100, 20, 100)}),
     box(QRectF(83, 120, 30, 10)),
     1,
     QPointF(-3, 0),
     {line(SnapSource::Spacing, 20, 125, 40, 125), line(SnapSource::Spacing, 60, 125, 80, 125)}},
    {"neighbours outside the box's band do not count for spacing",
     withExtents(screen(240, 400), {QRectF(0, 300, 20, 20), QRectF(100, 300, 20, 20)}),
     box(QRectF(47, 105, 20, 10)),
     1,
     QPointF(0, 0),
     {}},
    {"round screen: a free point snaps radially onto the screen's circle",
     screen(240, 240, true),
     point(QPointF(220, 45)),
     1,
     QPointF(-4, 3),
     {circle(120, 120, 120)}},
    {"round screen: on the centre line, the point slides down onto an inset circle",
     screen(240, 240, true),
     point(QPointF(120, 17)),
     1,
     QPointF(0, 3),
     {line(SnapSource::Screen, 120, 0, 120, 240), circle(120, 120, 100)}},
    {"round screen: a box's far corner meets the circle",
     screen(240, 240, true),
     box(QRectF(175, 20, 20, 15)),
     1,
     QPointF(-3, 4),
     {circle(120, 120, 120)}},
    {"a rectangular screen has no circles",
     screen(240, 240),
     point(QPointF(220, 45)),
     1,
     QPointF(0, 0),
     {}},
};

class SnapPositionTest : public ::testing::TestWithParam<SnapCase> {};

TEST_P(SnapPositionTest, OffsetAndGuides) {
    const SnapCase& c = GetParam();
    const SnapResult r = snapPosition(c.scene, c.subject, c.zoom);
    EXPECT_NEAR(r.offset.x(), c.offset.x(), 0.06);
    EXPECT_NEAR(r.offset.y(), c.offset.y(), 0.06);
    ASSERT_EQ(r.guides.size(), c.guides.size());
    for (std::size_t i = 0; i < c.guides.size(); ++i) {
        EXPECT_EQ(r.guides[i].source, c.guides[i].source) << i;
        EXPECT_EQ(r.guides[i].line, c.guides[i].line) << i;
        EXPECT_EQ(r.guides[i].centre, c.guides[i].centre) << i;
        EXPECT_EQ(r.guides[i].radius, c.guides[i].radius) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SnapPositionTest, ::testing::ValuesIn(SnapCases));

TEST(SnapAlongRay, ARadiusSnapsToLinesAndConcentricCircles) {
    // A circle about the round screen's centre: its radius meets the inset circle.
    const RaySnap onCircle =
        snapAlongRay(screen(240, 240, true), QPointF(120, 120), QPointF(1, 0), 97, 1);
    EXPECT_DOUBLE_EQ(onCircle.length, 100);
    ASSERT_EQ(onCircle.guides.size(), 1u);
    EXPECT_TRUE(onCircle.guides[0].isCircle());
    // Along x onto the screen's right edge.
    const RaySnap onEdge = snapAlongRay(screen(240, 400), QPointF(100, 100), QPointF(1, 0), 137, 1);
    EXPECT_DOUBLE_EQ(onEdge.length, 140);
    ASSERT_EQ(onEdge.guides.size(), 1u);
    EXPECT_EQ(onEdge.guides[0].line, QLineF(240, 0, 240, 400));
    // Nothing near: unchanged; a ray never snaps behind its origin.
    EXPECT_DOUBLE_EQ(snapAlongRay(screen(240, 400), QPointF(100, 100), QPointF(1, 0), 70, 1).length,
                     70);
    EXPECT_DOUBLE_EQ(snapAlongRay(screen(240, 400), QPointF(3, 100), QPointF(1, 0), 2, 1).length,
                     2);
}

TEST(SnapAngle, SnapsToEighthTurnsWithinTheDistanceAlongTheArc) {
    struct Row {
        qreal radius, degrees, zoom, expected;
    };
    for (const Row r : {Row{50, 43, 1, 45}, // 1.7 pixels along the arc
                        Row{50, 30, 1, 30}, // 13 pixels away
                        Row{50, 43, 8, 43}, // 14 screen pixels at 8x
                        Row{5, 80, 1, 90},  // a small arc: 0.9 pixels
                        Row{100, -93, 1, -90}, Row{100, 271, 1, 270}}) {
        EXPECT_DOUBLE_EQ(snapAngle(QPointF(0, 0), r.radius, r.degrees, r.zoom).degrees, r.expected)
            << r.radius << " " << r.degrees;
    }
    const AngleSnap snapped = snapAngle(QPointF(10, 10), 50, 88, 1);
    ASSERT_EQ(snapped.guides.size(), 1u);
    EXPECT_NEAR(snapped.guides[0].line.p2().x(), 10, 1e-9);
    EXPECT_NEAR(snapped.guides[0].line.p2().y(), 60, 1e-9);
}

} // namespace
} // namespace zef
