#include "previewfixture.h"

#include "catalog/devicecatalog.h"
#include "preview/elementpainter.h"

#include <QPainter>

#include <random>
#include <set>
#include <string>
#include <vector>

namespace zef::testing {
namespace {

constexpr QSize ClientSize(1210, 871);

QRegion regionOf(const std::vector<QRect>& rects) {
    QRegion r;
    for (const QRect& rect : rects) r += rect;
    return r;
}

class InvalidateViewTest : public PreviewFixture {};

TEST_F(InvalidateViewTest, WholeViewInvalidatesSwatchesAndPreviewAndCommits) {
    add(graphic(GraphicKind::RectangleFilled, 0, 0, 10, 10));
    const auto rects = renderer.InvalidateView(true, true, false, true);
    ASSERT_EQ(rects.size(), 12u);
    EXPECT_EQ(rects[0], QRect(590, 29, 30, 19));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(rects[std::size_t(1 + i)], QRect(590, 554 + 29 * i, 29, 20));
    EXPECT_EQ(rects[11], QRect(650, 35, 553, 819));
    EXPECT_TRUE(renderer.repaintSwatch());
    EXPECT_TRUE(renderer.repaintDcSwatches());
    EXPECT_TRUE(renderer.repaintPreview());
    EXPECT_FALSE(document.hasUncommittedChange());
}

TEST_F(InvalidateViewTest, ElementAreaWithoutSelectionDoesNothingMoreAndDoesNotCommit) {
    add(graphic(GraphicKind::RectangleFilled, 0, 0, 10, 10));
    const auto rects = renderer.InvalidateView(true, false, true, false);
    EXPECT_EQ(rects, std::vector<QRect>{preview::swatchRect()});
    EXPECT_TRUE(renderer.repaintSwatch());
    EXPECT_FALSE(renderer.repaintPreview());
    EXPECT_TRUE(document.hasUncommittedChange());
}

TEST_F(InvalidateViewTest, SwatchesOnlyCommitWithoutPreview) {
    add(graphic(GraphicKind::RectangleFilled, 0, 0, 10, 10));
    const auto rects = renderer.InvalidateView(false, true, false, false);
    EXPECT_EQ(rects.size(), 10u);
    EXPECT_FALSE(renderer.repaintPreview());
    EXPECT_FALSE(document.hasUncommittedChange());
}

TEST_F(InvalidateViewTest, SelectedValueRepaintsTheWholePreview) {
    add(valueElement(10, 10, 0, QStringLiteral("x")));
    document.setSelection(0);
    EXPECT_EQ(renderer.InvalidateView(false, false, true, false),
              std::vector<QRect>{preview::area()});
    EXPECT_TRUE(renderer.repaintPreview());
}

TEST_F(InvalidateViewTest, MovedLineRepaintsItsOldAndNewRectanglesOnly) {
    LayoutElement line = graphic(GraphicKind::Line, 10, 10, 30, 10, 0, 1);
    line.rememberGeometry();
    add(line);
    document.setSelection(0);
    document.elementsForDrawing()[0].x = 300;
    document.elementsForDrawing()[0].x2 = 320;
    document.elementsForDrawing()[0].y = document.elementsForDrawing()[0].y2 = 700;
    const auto rects = renderer.InvalidateView(false, false, true, false);
    ASSERT_EQ(rects.size(), 2u);
    const QPoint o = preview::screenOrigin(*device);
    EXPECT_TRUE(rects[0].contains(o + QPoint(10, 10)) && rects[0].contains(o + QPoint(30, 10)));
    EXPECT_TRUE(rects[1].contains(o + QPoint(300, 700)) && rects[1].contains(o + QPoint(320, 700)));
    EXPECT_FALSE(regionOf(rects).contains(o + QPoint(150, 300)));
    // The new geometry is now the remembered one.
    const LayoutElement& e = document.elements()[0];
    EXPECT_EQ(std::vector<int>({e.prevX, e.prevY, e.prevX2, e.prevY2}),
              std::vector<int>({300, 700, 320, 700}));
}

// Every kind: the rectangles of a move cover every pixel the element paints at
// its old and at its new geometry.
struct MoveCase {
    const char* name;
    LayoutElement before;
    LayoutElement after;
};

std::ostream& operator<<(std::ostream& os, const MoveCase& c) {
    return os << c.name;
}

const MoveCase MoveCases[] = {
    {"Line", graphic(GraphicKind::Line, 10, 10, 60, 40, 0, 3),
     graphic(GraphicKind::Line, 200, 300, 150, 380, 0, 5)},
    {"Circle", graphic(GraphicKind::Circle, 60, 60, 0, 0, 30, 4),
     graphic(GraphicKind::Circle, 300, 400, 0, 0, 50, 2)},
    {"CircleFilled", graphic(GraphicKind::CircleFilled, 60, 60, 0, 0, 30),
     graphic(GraphicKind::CircleFilled, 300, 400, 0, 0, 50)},
    {"Rectangle", graphic(GraphicKind::Rectangle, 10, 10, 60, 40, 0, 6),
     graphic(GraphicKind::Rectangle, 200, 300, 150, 380, 0, 1)},
    {"RectangleFilled", graphic(GraphicKind::RectangleFilled, 10, 10, 60, 40),
     graphic(GraphicKind::RectangleFilled, 200, 300, 150, 380)},
    {"BarHorizontal", graphic(GraphicKind::RectangleHorizontalFill, 10, 10, 60, 40),
     graphic(GraphicKind::RectangleHorizontalFill, 200, 300, 150, 380)},
    {"BarVertical", graphic(GraphicKind::RectangleVerticalFill, 10, 10, 60, 40),
     graphic(GraphicKind::RectangleVerticalFill, 200, 300, 150, 380)},
    {"Arc", graphic(GraphicKind::Arc, 60, 60, 270, 90, 30, 5),
     graphic(GraphicKind::Arc, 300, 400, 0, 300, 60, 3)},
    {"ArcFilled", graphic(GraphicKind::ArcFilled, 60, 60, 270, 90, 30, 5),
     graphic(GraphicKind::ArcFilled, 300, 400, 0, 300, 60, 3)},
    {"Arrow", graphic(GraphicKind::DirectionArrow, 60, 100, 0, 40, 30, 4),
     graphic(GraphicKind::DirectionArrow, 300, 400, 0, 0, 50, 6)},
    {"ArrowBelowItsPivot", graphic(GraphicKind::DirectionArrow, 60, 100, 0, -40, 30, 4),
     graphic(GraphicKind::DirectionArrow, 300, 400, 0, -20, 50, 6)},
    {"Triangle", graphic(GraphicKind::DirectionTriangle, 60, 100, 0, 40, 30, 4),
     graphic(GraphicKind::DirectionTriangle, 300, 400, 0, 10, 50, 6)},
    {"GraphLeftTop", graphic(GraphicKind::GraphLeftTop, 10, 10, 100, 60, 0, 7),
     graphic(GraphicKind::GraphLeftTop, 200, 300, 400, 380, 0, 3)},
    {"GraphRightTop", graphic(GraphicKind::GraphRightTop, 10, 10, 100, 60, 0, 7),
     graphic(GraphicKind::GraphRightTop, 200, 300, 400, 380, 0, 3)},
    {"GraphLeftBottom", graphic(GraphicKind::GraphLeftBottom, 10, 10, 100, 60, 0, 7),
     graphic(GraphicKind::GraphLeftBottom, 200, 300, 400, 380, 0, 3)},
    {"GraphRightBottom", graphic(GraphicKind::GraphRightBottom, 10, 10, 100, 60, 0, 7),
     graphic(GraphicKind::GraphRightBottom, 200, 300, 400, 380, 0, 3)},
    {"StrokeZeroLine", graphic(GraphicKind::Line, 10, 10, 60, 40, 0, 0),
     graphic(GraphicKind::Line, 200, 300, 150, 380, 0, 0)},
};

class MoveRepaintTest : public PreviewFixture, public ::testing::WithParamInterface<MoveCase> {
protected:
    // Client points where the element alone changes the preview.
    std::vector<QPoint> painted(const LayoutElement& e) {
        document.elementsForDrawing().clear();
        const QImage empty = render();
        document.elementsForDrawing() = {e};
        const QImage image = render();
        std::vector<QPoint> points;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != empty.pixel(x, y))
                    points.push_back(preview::origin() + QPoint(x, y));
        return points;
    }
};

TEST_P(MoveRepaintTest, RectanglesCoverTheOldAndTheNewPixels) {
    renderer.viewState().randomPool.assign(1024, 30000);
    LayoutElement before = GetParam().before;
    const std::vector<QPoint> old = painted(before);
    const std::vector<QPoint> now = painted(GetParam().after);
    ASSERT_FALSE(old.empty());
    ASSERT_FALSE(now.empty());

    LayoutElement moved = GetParam().after;
    moved.prevX = before.x;
    moved.prevY = before.y;
    moved.prevX2 = before.x2;
    moved.prevY2 = before.y2;
    moved.prevRadius = before.radius;
    moved.prevStroke = before.stroke;
    document.elementsForDrawing() = {moved};
    document.setSelection(0);
    const QRegion region = regionOf(renderer.InvalidateView(false, false, true, false));
    for (const QPoint& p : old) ASSERT_TRUE(region.contains(p)) << p.x() << "," << p.y();
    for (const QPoint& p : now) ASSERT_TRUE(region.contains(p)) << p.x() << "," << p.y();
    // Far less than the whole preview.
    EXPECT_FALSE(region.contains(preview::screenOrigin(*device) + QPoint(470, 790)));
}

INSTANTIATE_TEST_SUITE_P(Kinds, MoveRepaintTest, ::testing::ValuesIn(MoveCases),
                         [](const auto& info) { return std::string(info.param.name); });

class ClientAreaTest : public PreviewFixture {
protected:
    PaintResult paint(const QRegion& region = QRegion()) {
        QImage target(ClientSize, QImage::Format_RGB32);
        target.fill(Qt::white);
        QPainter p(&target);
        PaintResult r = renderer.RenderClientArea(p, ClientSize, region);
        p.end();
        screen = target;
        return r;
    }
    QRgb screenAt(int dx, int dy) const {
        const QPoint c = preview::screenOrigin(*device) + QPoint(dx, dy);
        return screen.pixel(c) | 0xFF000000u;
    }
    QImage screen; // what the painter received
};

TEST_F(ClientAreaTest, PaintsSwatchesScreenAndSummaryWhenFlagged) {
    renderer.viewState().swatchColor = RedBgr;
    for (int i = 0; i < 10; ++i) renderer.viewState().dcSwatchColors[std::size_t(i)] = Bgr(i * 20);
    add(graphic(GraphicKind::RectangleFilled, 0, 0, 20, 20, 0, 1, GreenBgr));
    document.setDesignDevice(3);
    renderer.InvalidateView(true, true, false, true);
    const PaintResult r = paint();

    EXPECT_EQ(screen.pixel(600, 35), Red);
    EXPECT_EQ(screen.pixel(619, 47), Red);
    EXPECT_EQ(screen.pixel(620, 47), Background);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(screen.pixel(600, 560 + 29 * i), color::toArgb(Bgr(i * 20))) << i;
    EXPECT_EQ(screen.pixel(300, 300), Background);
    EXPECT_EQ(screenAt(10, 10), Green);
    EXPECT_EQ(screenAt(30, 30), Black);

    EXPECT_TRUE(r.previewPainted);
    EXPECT_EQ(r.summaryText, DeviceCatalog::deviceSummaryText(*device));
    EXPECT_TRUE(r.scaleToDeviceEnabled);
    EXPECT_FALSE(renderer.repaintSwatch() || renderer.repaintDcSwatches() ||
                 renderer.repaintPreview());
    EXPECT_TRUE(r.paintTimeText().endsWith(QStringLiteral(" ms")));
}

TEST_F(ClientAreaTest, ScaleToDeviceIsEnabledOnlyForAnotherDesignDevice) {
    for (auto [design, enabled] :
         {std::pair{-1, false}, std::pair{document.selectedDevice(), false}, std::pair{0, true}}) {
        document.setDesignDevice(design);
        renderer.InvalidateView(false, false, false, true);
        EXPECT_EQ(paint().scaleToDeviceEnabled, enabled) << design;
    }
}

TEST_F(ClientAreaTest, UnflaggedPartsKeepWhatWasLastPainted) {
    renderer.viewState().swatchColor = RedBgr;
    add(graphic(GraphicKind::RectangleFilled, 0, 0, 20, 20, 0, 1, GreenBgr));
    renderer.InvalidateView(true, true, false, true);
    paint();

    // A paint the system asks for alone (the window uncovered): no flags set.
    renderer.viewState().swatchColor = GreenBgr;
    document.elementsForDrawing()[0].color = RedBgr;
    const PaintResult r = paint();
    EXPECT_FALSE(r.previewPainted);
    EXPECT_EQ(screen.pixel(600, 35), Red);
    EXPECT_EQ(screenAt(10, 10), Green);

    // Only the swatch is asked for: the preview stays as it was.
    renderer.InvalidateView(true, false, false, false);
    paint();
    EXPECT_EQ(screen.pixel(600, 35), Green);
    EXPECT_EQ(screenAt(10, 10), Green);
}

TEST_F(ClientAreaTest, OnlyTheUpdateRegionReachesThePainter) {
    add(graphic(GraphicKind::RectangleFilled, 0, 0, 20, 20, 0, 1, GreenBgr));
    renderer.InvalidateView(false, false, false, true);
    const QRect part(preview::screenOrigin(*device), QSize(10, 10));
    paint(part);
    EXPECT_EQ(screenAt(5, 5), Green);
    EXPECT_EQ(screenAt(15, 15), 0xFFFFFFFFu); // left as the painter had it
    EXPECT_EQ(screen.pixel(600, 35), 0xFFFFFFFFu);
}

// On a 2x screen (QT_SCALE_FACTOR=2) the client area keeps its size in client
// pixels, each one 2x2 screen pixels.
class ClientAreaAtTwiceTheScaleTest : public PreviewFixture {
protected:
    QImage paint() {
        QImage target(ClientSize * 2, QImage::Format_RGB32);
        target.setDevicePixelRatio(2);
        target.fill(Qt::white);
        QPainter p(&target);
        renderer.RenderClientArea(p, ClientSize);
        return target;
    }
    // Client pixels within rect whose 2x2 screen pixels are not all alike.
    static int blendedBlocks(const QImage& image, const QRect& rect) {
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QRgb c = image.pixel(2 * x, 2 * y);
                if (image.pixel(2 * x + 1, 2 * y) != c || image.pixel(2 * x, 2 * y + 1) != c ||
                    image.pixel(2 * x + 1, 2 * y + 1) != c)
                    ++count;
            }
        return count;
    }
};

TEST_F(ClientAreaAtTwiceTheScaleTest, DeviceScreenHasSquarePixelsAndThePictureIsSmooth) {
    // A circle and a diagonal line have edges at every angle; a text has its own
    // anti-aliased edges, all of them in device pixels.
    add(graphic(GraphicKind::CircleFilled, 60, 60, 0, 0, 40, 3, GreenBgr));
    add(graphic(GraphicKind::Line, 10, 150, 200, 190, 0, 1, RedBgr));
    add(valueElement(20, 220, 0, QStringLiteral("12:34"), WhiteBgr));
    renderer.InvalidateView(true, true, false, true);
    const QImage image = paint();

    // Inside the screen's edge, where the smoothed edge of the picture ends.
    EXPECT_EQ(blendedBlocks(image, preview::screenRect(*device).adjusted(1, 1, -1, -1)), 0);
    const QPoint green = preview::screenOrigin(*device) + QPoint(60, 60);
    EXPECT_EQ(image.pixel(2 * green) | 0xFF000000u, Green);
    // The picture around the screen is enlarged smoothly: its curved and slanted
    // edges fall between the screen pixels.
    const QRect around = preview::frameRect(*device).adjusted(-30, -30, 30, 30) & preview::area();
    EXPECT_GT(blendedBlocks(image, around), 100);
    // The swatches and the background are filled at the full resolution.
    EXPECT_EQ(blendedBlocks(image, preview::swatchRect()), 0);
}

TEST_F(ClientAreaAtTwiceTheScaleTest, AMoveToAnotherScaleRedrawsEverything) {
    add(graphic(GraphicKind::RectangleFilled, 0, 0, 20, 20, 0, 1, GreenBgr));
    renderer.InvalidateView(true, true, false, true);
    QImage once(ClientSize, QImage::Format_RGB32);
    QPainter p(&once);
    renderer.RenderClientArea(p, ClientSize);
    p.end();
    // No flags set: the window only moved to a 2x screen.
    const QImage image = paint();
    const QPoint green = preview::screenOrigin(*device) + QPoint(10, 10);
    EXPECT_EQ(image.pixel(2 * green) | 0xFF000000u, Green);
    EXPECT_EQ(renderer.clientImage().size(), ClientSize * 2);
}

TEST(ClientAreaNoDevice, ShowsBackgroundAndSwatchesOnly) {
    ScriptedPlatform platform;
    LayoutDocument document(sharedCatalogs(), platform);
    PreviewRenderer renderer(document);
    renderer.viewState().swatchColor = RedBgr;
    QImage target(ClientSize, QImage::Format_RGB32);
    QPainter p(&target);
    renderer.InvalidateView(false, false, false, true);
    const PaintResult r = renderer.RenderClientArea(p, ClientSize);
    p.end();
    EXPECT_FALSE(r.previewPainted);
    EXPECT_EQ(target.pixel(600, 35), Red);
    EXPECT_EQ(target.pixel(800, 300), Background);
    EXPECT_TRUE(renderer.RenderPreviewImage().isNull());
    EXPECT_EQ(renderer.OnMouseMove(QPoint(800, 300)), std::nullopt);
    EXPECT_EQ(renderer.OnLButtonDown(QPoint(800, 300)), -1);
}

// The value-type check of dynamic colours.
class DynamicColourCheckTest : public PreviewFixture {
protected:
    void SetUp() override {
        noneType =
            sharedCatalogs().valueTypes.positionByCode(SelectValueTypes, QStringLiteral("FX"));
        speedType =
            sharedCatalogs().valueTypes.positionByCode(SelectValueTypes, QStringLiteral("CS"));
    }
    LayoutElement value(int type, Bgr color) {
        LayoutElement v = valueElement(10, 10, 0, QStringLiteral("x"), color);
        v.fixedText = false;
        v.valueType = type;
        return v;
    }
    LayoutElement dc(Bgr replace) {
        LayoutElement d(KindDynamicColor);
        d.replaceColor = replace;
        return d;
    }
    int noneType = 0;
    int speedType = 0;
};

TEST_F(DynamicColourCheckTest, WarnsOncePerPaintForValuesWithoutValueType) {
    add(value(noneType, RedBgr));
    add(value(noneType, RedBgr));
    add(dc(RedBgr));
    add(dc(RedBgr));
    PaintResult r;
    render(&r);
    EXPECT_TRUE(r.dcWarning);
    EXPECT_FALSE(r.selectValueTypeForSelection);
    renderer.showDcWarning(r);
    EXPECT_EQ(
        platform.messageTexts(),
        QStringList{QStringLiteral("Please select a value type if a dynamic color is used!")});
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
}

TEST_F(DynamicColourCheckTest, NoWarningWhenTheValuesHaveATypeOrAnotherColour) {
    add(value(speedType, RedBgr));
    add(value(noneType, GreenBgr));
    add(dc(RedBgr));
    PaintResult r;
    render(&r);
    EXPECT_FALSE(r.dcWarning);
    renderer.showDcWarning(r);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DynamicColourCheckTest, SelectedValueWithoutTypeAsksForTheValueTypeList) {
    add(value(noneType, RedBgr));
    add(dc(RedBgr));
    document.setSelection(0);
    PaintResult r;
    render(&r);
    EXPECT_TRUE(r.dcWarning);
    EXPECT_TRUE(r.selectValueTypeForSelection);
}

TEST_F(DynamicColourCheckTest, HighlightedDynamicColourIsNotChecked) {
    add(value(noneType, RedBgr));
    add(dc(RedBgr));
    document.setSelection(1);
    renderer.viewState().highlightSelected = true;
    PaintResult r;
    render(&r);
    EXPECT_FALSE(r.dcWarning);
}

// The mouse over the preview.
class PreviewMouseTest : public PreviewFixture {
protected:
    QPoint client(int dx, int dy) const { return preview::screenOrigin(*device) + QPoint(dx, dy); }
};

TEST_F(PreviewMouseTest, PointerTextShowsScreenPixelsFromMinus49) {
    struct Row {
        int dx, dy;
        const char* text;
    };
    for (Row r : {Row{-50, 0, "-- / --"}, Row{-49, 0, "-49 / 0"}, Row{0, -50, "-- / --"},
                  Row{10, 20, "10 / 20"}, Row{900, 1200, "900 / 1200"}}) {
        EXPECT_EQ(renderer.OnMouseMove(client(r.dx, r.dy)), QString::fromLatin1(r.text));
        EXPECT_EQ(renderer.pointer(), QPoint(r.dx, r.dy));
    }
}

TEST_F(PreviewMouseTest, ClickWithHighlightOffHoldsItUntilTheRelease) {
    add(graphic(GraphicKind::RectangleFilled, 0, 0, 50, 50));
    EXPECT_EQ(renderer.OnLButtonDown(client(20, 20)), 0);
    EXPECT_TRUE(renderer.holdHighlight());
    EXPECT_TRUE(renderer.OnLButtonUp());
    EXPECT_FALSE(renderer.OnLButtonUp());
}

TEST_F(PreviewMouseTest, ClickWithHighlightOnLeavesItOn) {
    add(graphic(GraphicKind::RectangleFilled, 0, 0, 50, 50));
    renderer.viewState().highlightSelected = true;
    EXPECT_EQ(renderer.OnLButtonDown(client(20, 20)), 0);
    EXPECT_FALSE(renderer.OnLButtonUp());
}

TEST_F(PreviewMouseTest, ClickBesideEveryElementChangesNothing) {
    add(graphic(GraphicKind::RectangleFilled, 0, 0, 50, 50));
    EXPECT_EQ(renderer.OnLButtonDown(client(200, 200)), -1);
    EXPECT_FALSE(renderer.holdHighlight());
    EXPECT_FALSE(renderer.OnLButtonUp());
}

TEST_F(PreviewMouseTest, DrawnValueIsPickedByItsTextBox) {
    add(valueElement(200, 100, 1, QStringLiteral("88888")));
    EXPECT_EQ(renderer.OnLButtonDown(client(200, 105)), -1); // never drawn: empty box
    render();
    EXPECT_EQ(renderer.OnLButtonDown(client(200, 105)), 0);
}

// A repaint of part of the preview draws there what a whole repaint draws:
// graphics of every kind, also with wide pens, big radii, far-off or negative
// places and arrows with offsets, seen through small and thin regions.
class PartialRepaintTest : public PreviewFixture {};

TEST_F(PartialRepaintTest, DrawsWhatTheWholeRepaintDraws) {
    for (int k = 0; k < GraphicKindCount; ++k) {
        const GraphicKind kind = graphicKindAt(k);
        const bool angles = isArc(kind);
        add(graphic(kind, 40 + 25 * k, 60 + 40 * k, angles ? 30 : 90 + 25 * k,
                    angles ? 300 : 110 + 40 * k, 12 + k, 1 + k % 5));
        add(graphic(kind, 470 - 20 * k, 700 - 30 * k, angles ? -45 : 400 - 20 * k,
                    angles ? 45 : 650 - 30 * k, 30, 9));
        add(graphic(kind, -15, 30 * k, angles ? 0 : 20, angles ? 180 : 30 * k + 10, 18, 3));
    }
    add(valueElement(240, 400, 1, QStringLiteral("123")));
    QImage whole(ClientSize, QImage::Format_RGB32);
    {
        QPainter p(&whole);
        renderer.InvalidateView(true, true, false, true);
        renderer.RenderClientArea(p, ClientSize);
    }
    const QRect area = preview::area();
    std::mt19937 random(7);
    for (int i = 0; i < 60; ++i) {
        const int w = 1 + int(random() % (i % 3 == 0 ? 3 : 120));
        const int h = 1 + int(random() % (i % 3 == 1 ? 3 : 120));
        const QRect part(area.left() + int(random() % unsigned(area.width() - w)),
                         area.top() + int(random() % unsigned(area.height() - h)), w, h);
        QImage partial(ClientSize, QImage::Format_RGB32);
        partial.fill(Qt::magenta);
        {
            QPainter p(&partial);
            renderer.InvalidateView(false, false, false, true);
            renderer.RenderClientArea(p, ClientSize, QRegion(part));
        }
        for (int y = part.top(); y <= part.bottom(); ++y)
            for (int x = part.left(); x <= part.right(); ++x)
                ASSERT_EQ(partial.pixel(x, y), whole.pixel(x, y))
                    << "at " << x << "," << y << " in a repaint of " << part.x() << ","
                    << part.y() << " " << part.width() << "x" << part.height();
    }
}

} // namespace
} // namespace zef::testing
