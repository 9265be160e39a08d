#include "preview/previewgeometry.h"
#include "preview/previewviewport.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

DeviceInfo screenAt(int screenX, int screenY, int w, int h) {
    DeviceInfo d;
    d.screenX = screenX;
    d.screenY = screenY;
    d.screenWidth = w;
    d.screenHeight = h;
    return d;
}

TEST(ZoomSteps, StepInOutAndFit) {
    struct Row {
        int zoom, in, out, step;
    };
    for (const Row r : {Row{1, 2, 1, 1}, Row{2, 3, 1, 2}, Row{4, 6, 3, 4}, Row{5, 6, 4, 4},
                        Row{8, 8, 6, 8}, Row{0, 1, 1, 1}, Row{100, 8, 8, 8}}) {
        EXPECT_EQ(zoomIn(r.zoom), r.in) << r.zoom;
        EXPECT_EQ(zoomOut(r.zoom), r.out) << r.zoom;
        EXPECT_EQ(zoomStep(r.zoom), r.step) << r.zoom;
    }
    const QSize area(553, 819);
    EXPECT_EQ(fitZoom(QSize(176, 176), area), 3); // 528 wide
    EXPECT_EQ(fitZoom(QSize(90, 100), area), 6);  // 540 wide
    EXPECT_EQ(fitZoom(QSize(60, 60), area), 8);   // the largest step
    EXPECT_EQ(fitZoom(QSize(700, 900), area), 1); // never below 1x
}

TEST(PreviewViewport, IdentityIsTheUnzoomedMapping) {
    const DeviceInfo d = screenAt(40, 60, 240, 400);
    const PreviewViewport v;
    EXPECT_TRUE(v.isIdentity());
    for (const QPoint client : {QPoint(650, 35), QPoint(700, 100), QPoint(0, 0), QPoint(1200, 850)})
        EXPECT_EQ(v.devicePixelAt(d, client), preview::clientToScreen(d, client));
    EXPECT_EQ(v.toClient(QRect(700, 100, 10, 20)), QRect(700, 100, 10, 20));
    EXPECT_EQ(v.deviceToClient(d, QPointF(3, 4)), QPointF(693, 99));
}

TEST(PreviewViewport, EveryClientPixelOfADeviceBlockMapsBackToIt) {
    const DeviceInfo d = screenAt(40, 60, 240, 400);
    PreviewViewport v;
    v.zoom = 3;
    v.scroll = QPoint(31, 17);
    for (const QPoint device : {QPoint(0, 0), QPoint(10, 20), QPoint(-1, -1), QPoint(239, 399)}) {
        const QPointF corner = v.deviceToClient(d, QPointF(device));
        EXPECT_EQ(corner,
                  QPointF(650 - 31 + (40 + device.x()) * 3, 35 - 17 + (60 + device.y()) * 3));
        for (int dy = 0; dy < 3; ++dy)
            for (int dx = 0; dx < 3; ++dx)
                EXPECT_EQ(v.devicePixelAt(d, corner.toPoint() + QPoint(dx, dy)), device);
        EXPECT_EQ(v.devicePixelAt(d, corner.toPoint() + QPoint(3, 3)), device + QPoint(1, 1));
        EXPECT_EQ(v.clientToDevice(d, corner + QPointF(1.5, 1.5)),
                  QPointF(device) + QPointF(0.5, 0.5));
    }
    // The unzoomed pixels behind a client rectangle: partly covered blocks count.
    EXPECT_EQ(v.fromClient(QRect(650, 35, 4, 1)), QRect(660, 40, 2, 1));
}

TEST(PreviewViewport, ZoomAboutKeepsThePointUnderTheAnchorWithinTheContent) {
    const DeviceInfo d = screenAt(40, 60, 240, 400);
    const QSize content(320, 520), area(553, 819);
    const PreviewViewport one;
    const QPoint anchor(750, 300);
    const QPointF under = one.clientToDevice(d, QPointF(anchor));
    const PreviewViewport four = one.zoomedAbout(4, anchor, content, area);
    EXPECT_EQ(four.zoom, 4);
    EXPECT_NEAR(four.clientToDevice(d, QPointF(anchor)).x(), under.x(), 0.25);
    EXPECT_NEAR(four.clientToDevice(d, QPointF(anchor)).y(), under.y(), 0.25);
    EXPECT_EQ(four.scroll, QPoint(300, 795));
    // Near the right edge the scroll stops at the content's end; back at 1x
    // nothing scrolls.
    EXPECT_EQ(one.zoomedAbout(4, QPoint(1150, 300), content, area).scroll.x(), 320 * 4 - 553);
    EXPECT_EQ(four.zoomedAbout(1, anchor, content, area).scroll, QPoint(0, 0));
    EXPECT_EQ(four.maxScroll(content, area), QPoint(320 * 4 - 553, 520 * 4 - 819));
}

} // namespace
} // namespace zef
