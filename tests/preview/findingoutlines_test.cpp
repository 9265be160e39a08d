#include "previewfixture.h"

#include "preview/elementpainter.h"

namespace zef::testing {
namespace {

bool isOutline(QRgb c) {
    return (c | 0xFF000000u) == previewcolors::Outline;
}

// The areas the layout check marks are outlined only when the window or the
// render command asks, over the screen and the device picture alike.
TEST_F(PreviewFixture, FindingAreasAreOutlinedOnlyWhenAsked) {
    add(graphic(GraphicKind::RectangleFilled, 100, 100, 140, 120));
    add(graphic(GraphicKind::RectangleFilled, -30, 100, -10,
                120)); // off the screen, under the picture
    const QImage plain = render();

    renderer.viewState().outlines = {QRectF(100, 100, 40, 20), QRectF(-30, 100, 20, 20)};
    const QImage outlined = render();
    ASSERT_EQ(plain.size(), outlined.size());

    // Dashed, two pixels clear of each area: nothing else changes.
    const QRect around[] = {QRect(98, 98, 45, 25), QRect(-32, 98, 25, 25)};
    int onScreen = 0, onPicture = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            EXPECT_FALSE(isOutline(plain.pixel(x, y)));
            if (outlined.pixel(x, y) == plain.pixel(x, y)) continue;
            const QPoint p(x - device->screenX, y - device->screenY);
            ASSERT_TRUE(isOutline(outlined.pixel(x, y))) << x << "," << y;
            const auto onBorder = [&p](const QRect& r) {
                return r.contains(p) && !r.adjusted(1, 1, -1, -1).contains(p);
            };
            ASSERT_TRUE(onBorder(around[0]) || onBorder(around[1])) << p.x() << "," << p.y();
            ++(p.x() >= 0 ? onScreen : onPicture);
        }
    }
    EXPECT_GT(onScreen, 40);
    EXPECT_GT(onPicture, 20);
}

} // namespace
} // namespace zef::testing
