#include "previewfixture.h"

#include "preview/previewgeometry.h"
#include "preview/previewoverlay.h"

#include <QPainter>

namespace zef::testing {
namespace {

constexpr QSize ClientSize(1210, 871);

// The client area of a window painted whole, at the renderer's viewport.
class ZoomedPreviewTest : public PreviewFixture {
protected:
    ZoomedPreviewTest() {
        add(graphic(GraphicKind::CircleFilled, 60, 60, 0, 0, 40, 3, GreenBgr));
        add(graphic(GraphicKind::Line, 10, 150, 200, 190, 0, 1, RedBgr));
        add(valueElement(20, 220, 0, QStringLiteral("12:34"), WhiteBgr));
    }
    QImage paint() {
        renderer.InvalidateView(true, true, false, true);
        QImage target(ClientSize, QImage::Format_RGB32);
        target.fill(Qt::white);
        QPainter p(&target);
        renderer.RenderClientArea(p, ClientSize);
        return target;
    }
};

TEST_F(ZoomedPreviewTest, EachPixelOfTheContentBecomesASquareBlockOfTheSameColour) {
    const QImage one = paint();
    const QPoint scroll(100, 60);
    renderer.setViewport({3, scroll});
    ASSERT_EQ(renderer.viewState().viewport.scroll, scroll);
    const QImage three = paint();
    const PreviewViewport& v = renderer.viewState().viewport;
    const QRect area = preview::area();
    int compared = 0, differing = 0;
    // Every unzoomed pixel whose block lies wholly within the preview area.
    const QRect behind = v.fromClient(area).adjusted(1, 1, -1, -1);
    for (int y = behind.top(); y <= behind.bottom(); ++y)
        for (int x = behind.left(); x <= behind.right(); ++x) {
            const QRgb expected = one.pixel(x, y);
            const QPoint block = v.toClient(QPointF(x, y)).toPoint();
            for (int j = 0; j < 3; ++j)
                for (int i = 0; i < 3; ++i) {
                    ++compared;
                    if (three.pixel(block + QPoint(i, j)) != expected) ++differing;
                }
        }
    EXPECT_GT(compared, 100000);
    EXPECT_EQ(differing, 0);
    // Outside the preview area nothing of the enlarged content shows.
    EXPECT_EQ(three.pixel(area.left() - 1, 100), one.pixel(area.left() - 1, 100));
    EXPECT_EQ(three.pixel(preview::swatchRect().center()),
              one.pixel(preview::swatchRect().center()));
}

TEST_F(ZoomedPreviewTest, ThePixelGridLinesTheBlocksFromFourTimesOnAndCanBeSwitchedOff) {
    // An empty part of the screen: black blocks, the grid lighter on their edges.
    const QPoint pixel(300, 500);
    renderer.setViewport({4, QPoint(1000, 1800)});
    const PreviewViewport& v = renderer.viewState().viewport;
    const QPoint corner = v.deviceToClient(*device, QPointF(pixel)).toPoint();
    ASSERT_TRUE(preview::area().contains(corner + QPoint(4, 4)));
    QImage grid = paint();
    EXPECT_EQ(grid.pixel(corner + QPoint(2, 2)) | 0xFF000000u, Black);
    EXPECT_NE(grid.pixel(corner) | 0xFF000000u, Black);
    EXPECT_NE(grid.pixel(corner + QPoint(2, 0)) | 0xFF000000u, Black);
    renderer.viewState().pixelGrid = false;
    grid = paint();
    EXPECT_EQ(grid.pixel(corner) | 0xFF000000u, Black);
    // Below 4x there is no grid.
    renderer.viewState().pixelGrid = true;
    renderer.setViewport({3, QPoint(700, 1300)});
    const QImage three = paint();
    const QPoint corner3 =
        renderer.viewState().viewport.deviceToClient(*device, QPointF(pixel)).toPoint();
    EXPECT_EQ(three.pixel(corner3) | 0xFF000000u, Black);
}

TEST_F(ZoomedPreviewTest, PickingAndTheRepaintOfAMoveFollowTheZoom) {
    renderer.setViewport({3, QPoint(150, 90)});
    const PreviewViewport& v = renderer.viewState().viewport;
    // The filled circle about (60, 60): picked through any client pixel of its centre block.
    const QPoint centre = v.deviceToClient(*device, QPointF(60, 60)).toPoint();
    EXPECT_EQ(renderer.OnLButtonDown(centre + QPoint(2, 2)), 0);
    EXPECT_EQ(renderer.OnMouseMove(centre + QPoint(2, 2)), QStringLiteral("60 / 60"));
    renderer.OnLButtonUp();
    // Moving it repaints its old and new place, in enlarged client pixels.
    document.setSelection(0);
    LayoutElement& e = *document.selectedElement();
    e.rememberGeometry();
    e.prevX = e.x;
    e.x += 20;
    QRegion repainted;
    for (const QRect& r : renderer.InvalidateView(false, false, true, false)) repainted += r;
    for (const QPointF edge : {QPointF(20, 60), QPointF(100 + 20, 60)})
        EXPECT_TRUE(repainted.contains(v.deviceToClient(*device, edge).toPoint())) << edge.x();
}

TEST_F(ZoomedPreviewTest, TheOverlayIsDrawnWhereItsRectanglesSay) {
    renderer.setViewport({2, QPoint(0, 0)});
    PreviewViewState& view = renderer.viewState();
    view.guides = {{SnapSource::Screen, QLineF(240, 0, 240, 800), {}, 0}};
    view.handles = {QPointF(100, 100)};
    const QImage image = paint();
    const QPoint onGuide = view.viewport.deviceToClient(*device, QPointF(240, 100)).toPoint();
    EXPECT_EQ(image.pixel(onGuide), overlaycolors::ScreenGuide);
    const QPoint handle = view.viewport.deviceToClient(*device, QPointF(100.5, 100.5)).toPoint();
    EXPECT_EQ(image.pixel(handle), overlaycolors::HandleFill);
    QRegion rects;
    for (const QRect& r : renderer.invalidateOverlay()) rects += r;
    EXPECT_TRUE(rects.contains(onGuide));
    EXPECT_TRUE(rects.contains(handle));
    // Taken away, the preview shows through again.
    view.guides.clear();
    view.handles.clear();
    const QImage plain = paint();
    EXPECT_NE(plain.pixel(onGuide), overlaycolors::ScreenGuide);
}

} // namespace
} // namespace zef::testing

namespace zef::testing {
namespace {

class RoundZoomedPreviewTest : public PreviewFixture {
protected:
    RoundZoomedPreviewTest() : PreviewFixture(QStringLiteral("fenix 7")) {}
    QImage paint() {
        renderer.InvalidateView(true, true, false, true);
        QImage target(ClientSize, QImage::Format_RGB32);
        QPainter p(&target);
        renderer.RenderClientArea(p, ClientSize);
        return target;
    }
};

TEST_F(RoundZoomedPreviewTest, TheGridStaysWithinTheRoundScreen) {
    renderer.setViewport({4, QPoint(200, 450)});
    ASSERT_EQ(renderer.viewState().viewport.scroll, QPoint(200, 450));
    const PreviewViewport& v = renderer.viewState().viewport;
    const QPoint corner = v.deviceToClient(*device, QPointF(8, 8)).toPoint();   // the bezel
    const QPoint middle = v.deviceToClient(*device, QPointF(60, 60)).toPoint(); // within the circle
    ASSERT_TRUE(preview::area().contains(corner));
    ASSERT_TRUE(preview::area().contains(middle));
    const QImage grid = paint();
    renderer.viewState().pixelGrid = false;
    const QImage plain = paint();
    EXPECT_EQ(grid.pixel(corner), plain.pixel(corner));
    EXPECT_NE(grid.pixel(middle), plain.pixel(middle));
}

} // namespace
} // namespace zef::testing
