#include "previewfixture.h"

#include "model/elementselection.h"
#include "preview/dragcontroller.h"

#include <cmath>

namespace zef::testing {
namespace {

// A layout on "Edge 1050" (480 x 800) loaded as a file is, so that its state
// is the undo baseline, with the selection set and the drag controller of a
// window.
class DragTest : public PreviewFixture {
protected:
    void load(ElementVector elements) {
        document.replaceLayout(std::move(elements), -1, QStringLiteral("drag.xml"));
        render(); // value texts get their boxes, as after the window's first paint
    }
    const LayoutElement& at(int row) const { return document.elements()[std::size_t(row)]; }
    ElementGeometry geometry(int row) const { return geometryOf(at(row)); }

    // The client pixel in the middle of device pixel p's block at the viewport.
    QPoint client(QPointF p) const {
        const QPointF c =
            renderer.viewState().viewport.deviceToClient(*device, p + QPointF(0.5, 0.5));
        return QPoint(int(std::floor(c.x())), int(std::floor(c.y())));
    }
    // Press at device pixel from, move in a few steps to `to`, release there.
    DragOutcome drag(QPointF from, QPointF to, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        drags.press(client(from), modifiers);
        drags.move(client((from + to) / 2), modifiers);
        drags.move(client(to), modifiers);
        return drags.release(client(to), modifiers);
    }
    QPointF handle(int row, HandleRole role) const {
        for (const ElementHandle& h : elementHandles(at(row)))
            if (h.role == role) return h.at;
        ADD_FAILURE() << "no such handle";
        return {};
    }

    ElementSelection selection{document};
    DragController drags{document, renderer, selection};
};

struct BodyDragCase {
    const char* reason;
    LayoutElement element;
    QPointF pressAt; // on the element, by the preview's hit rules
    QPoint by;
    ElementGeometry expected;
};

class BodyDragTest : public DragTest, public ::testing::WithParamInterface<BodyDragCase> {};

TEST_P(BodyDragTest, MovesThePositionNotTheShape) {
    const BodyDragCase& c = GetParam();
    load({c.element});
    drags.setSnapping(false);
    const DragOutcome out = drag(c.pressAt, c.pressAt + QPointF(c.by));
    EXPECT_EQ(geometry(0), c.expected);
    EXPECT_EQ(at(0).stroke, c.element.stroke);
    EXPECT_EQ(document.history().count(), 1);
    EXPECT_EQ(drags.state(), DragController::State::Idle);
    EXPECT_TRUE(out.releaseHighlight); // the click's red highlight goes off again
}

const BodyDragCase BodyDragCases[] = {
    {"a line: both points",
     graphic(GraphicKind::Line, 50, 50, 150, 90, 0, 3),
     QPointF(100, 70),
     QPoint(13, 7),
     {63, 57, 163, 97, 0}},
    {"a filled rectangle: both corners",
     graphic(GraphicKind::RectangleFilled, 50, 50, 90, 80),
     QPointF(60, 60),
     QPoint(-20, 31),
     {30, 81, 70, 111, 0}},
    {"a circle: the centre, not the radius (pressed away from its handle)",
     graphic(GraphicKind::Circle, 200, 300, 0, 0, 40, 3),
     QPointF(200, 340),
     QPoint(-17, 9),
     {183, 309, 0, 0, 40}},
    {"an arc: the centre, not its angles",
     graphic(GraphicKind::Arc, 200, 300, 0, 90, 50),
     QPointF(247, 317),
     QPoint(10, 10),
     {210, 310, 0, 90, 50}},
    {"a direction arrow: the pivot, not its offset",
     graphic(GraphicKind::DirectionArrow, 200, 300, 7, 30, 20),
     QPointF(200, 300),
     QPoint(5, -5),
     {205, 295, 7, 30, 20}},
};

INSTANTIATE_TEST_SUITE_P(Kinds, BodyDragTest, ::testing::ValuesIn(BodyDragCases));

TEST_F(DragTest, AValueMovesItsAnchorFromAPressOnItsText) {
    load({valueElement(100, 200, 1, QStringLiteral("88:88"))});
    const LayoutElement& v = at(0);
    const QPointF onText(v.textLeft + v.textWidth / 2, v.textTop + v.textHeight / 2);
    drags.setSnapping(false);
    drag(onText, onText + QPointF(37, -21));
    EXPECT_EQ(geometry(0), (ElementGeometry{137, 179, 0, 0, 0}));
}

TEST_F(DragTest, APressWithoutMovementIsTheClickOfOld) {
    load({graphic(GraphicKind::RectangleFilled, 0, 0, 50, 50),
          graphic(GraphicKind::RectangleFilled, 100, 100, 150, 150)});
    const DragOutcome press = drags.press(client(QPointF(20, 20)), Qt::NoModifier);
    EXPECT_EQ(press.picked, 0);
    EXPECT_TRUE(press.holdHighlight);
    EXPECT_EQ(document.selection(), 0);
    // Jitter below the drag distance moves nothing.
    drags.move(client(QPointF(20, 20)) + QPoint(2, -2), Qt::NoModifier);
    const DragOutcome release = drags.release(client(QPointF(20, 20)), Qt::NoModifier);
    EXPECT_TRUE(release.releaseHighlight);
    EXPECT_FALSE(release.geometryChanged);
    EXPECT_EQ(geometry(0), (ElementGeometry{0, 0, 50, 50, 0}));
    EXPECT_EQ(document.history().count(), 0);
    // Beside every element: nothing changes.
    EXPECT_EQ(drags.press(client(QPointF(300, 300)), Qt::NoModifier).picked, -1);
    drags.release(client(QPointF(300, 300)), Qt::NoModifier);
    EXPECT_EQ(document.selection(), 0);
}

struct HandleDragCase {
    const char* reason;
    LayoutElement element;
    HandleRole role;
    QPoint by;
    ElementGeometry expected;
};

class HandleDragTest : public DragTest, public ::testing::WithParamInterface<HandleDragCase> {};

TEST_P(HandleDragTest, AHandleChangesOnlyItsMember) {
    const HandleDragCase& c = GetParam();
    load({c.element});
    drags.setSnapping(false);
    const QPointF from = handle(0, c.role);
    EXPECT_EQ(drags.handleAt(client(from)), c.role);
    drag(from, from + QPointF(c.by));
    EXPECT_EQ(geometry(0), c.expected);
    EXPECT_EQ(document.history().count(), 1);
}

const HandleDragCase HandleDragCases[] = {
    {"a line's second point",
     graphic(GraphicKind::Line, 50, 50, 150, 90),
     HandleRole::SecondPoint,
     QPoint(10, -30),
     {50, 50, 160, 60, 0}},
    {"a graph's first corner",
     graphic(GraphicKind::GraphLeftTop, 50, 50, 150, 90, 60),
     HandleRole::FirstPoint,
     QPoint(-10, 5),
     {40, 55, 150, 90, 60}},
    {"a circle's radius",
     graphic(GraphicKind::Circle, 200, 300, 0, 0, 40),
     HandleRole::Radius,
     QPoint(15, 40),
     {200, 300, 0, 0, 55}},
    {"an arc's end angle: a quarter turn on",
     graphic(GraphicKind::Arc, 200, 300, 0, 90, 50),
     HandleRole::EndAngle,
     QPoint(-50, -50),
     {200, 300, 0, 180, 50}},
    {"an arrow's offset",
     graphic(GraphicKind::DirectionTriangle, 200, 300, 0, 30, 20),
     HandleRole::Offset,
     QPoint(9, -12),
     {200, 300, 0, 42, 20}},
};

INSTANTIATE_TEST_SUITE_P(Kinds, HandleDragTest, ::testing::ValuesIn(HandleDragCases));

TEST_F(DragTest, SnapsToTheScreensCentreLineAltSuspendsIt) {
    // 40 pixels wide: centred on the 480-pixel screen at x = 220.
    load({graphic(GraphicKind::RectangleFilled, 10, 10, 50, 30)});
    drags.press(client(QPointF(20, 20)), Qt::NoModifier);
    drags.move(client(QPointF(20 + 206, 60)), Qt::NoModifier); // 4 pixels short
    EXPECT_EQ(at(0).x, 220);
    const std::vector<SnapGuide>& guides = renderer.viewState().guides;
    ASSERT_FALSE(guides.empty());
    EXPECT_EQ(guides.front().source, SnapSource::Screen);
    EXPECT_EQ(guides.front().line, QLineF(240, 0, 240, 800));
    // Alt held: the pointer's own place, and no guide.
    drags.move(client(QPointF(20 + 206, 60)), Qt::AltModifier);
    EXPECT_EQ(at(0).x, 216);
    EXPECT_TRUE(renderer.viewState().guides.empty());
    drags.release(client(QPointF(20 + 206, 60)), Qt::AltModifier);
    EXPECT_EQ(at(0).x, 216);
    // The View menu's toggle off: no snapping either.
    drags.setSnapping(false);
    drag(QPointF(230, 70), QPointF(233, 70));
    EXPECT_EQ(at(0).x, 219);
}

TEST_F(DragTest, SnapsToAnotherElementsEdge) {
    load({graphic(GraphicKind::RectangleFilled, 10, 400, 50, 430),
          graphic(GraphicKind::RectangleFilled, 200, 100, 260, 140)});
    // The left edge brought 3 pixels right of the other's right edge.
    drag(QPointF(20, 410), QPointF(273, 130));
    EXPECT_EQ(at(0).x, 260);
    EXPECT_EQ(at(0).x2, 300);
    EXPECT_TRUE(renderer.viewState().guides.empty()); // gone with the release
}

TEST_F(DragTest, ShiftKeepsTheMoveHorizontalEvenWhereTheHeightWouldSnap) {
    // The other element's top edge is 5 pixels below the dragged one's.
    load({graphic(GraphicKind::RectangleFilled, 300, 505, 320, 520),
          graphic(GraphicKind::RectangleFilled, 100, 500, 130, 520)});
    // Shift at the press would take the element out of the selection; held
    // during the drag it constrains.
    drags.press(client(QPointF(110, 510)), Qt::NoModifier);
    drags.move(client(QPointF(140, 512)), Qt::ShiftModifier);
    drags.release(client(QPointF(170, 514)), Qt::ShiftModifier);
    EXPECT_EQ(at(1).y, 500);
    EXPECT_EQ(at(1).x, 160);
    // Without Shift the same move snaps down onto that edge.
    drag(QPointF(170, 510), QPointF(170, 514));
    EXPECT_EQ(at(1).y, 505);
}

TEST_F(DragTest, EscPutsEverythingBackAndTheReleaseRecordsNothing) {
    load({graphic(GraphicKind::Line, 50, 50, 150, 90)});
    drags.press(client(QPointF(100, 70)), Qt::NoModifier);
    drags.move(client(QPointF(130, 120)), Qt::NoModifier);
    ASSERT_NE(geometry(0), (ElementGeometry{50, 50, 150, 90, 0}));
    const DragOutcome esc = drags.cancel();
    EXPECT_TRUE(esc.handled);
    EXPECT_FALSE(esc.update.empty());
    EXPECT_EQ(geometry(0), (ElementGeometry{50, 50, 150, 90, 0}));
    EXPECT_TRUE(renderer.viewState().guides.empty());
    // Further moves with the button still down do nothing.
    drags.move(client(QPointF(200, 200)), Qt::NoModifier);
    EXPECT_EQ(geometry(0), (ElementGeometry{50, 50, 150, 90, 0}));
    EXPECT_TRUE(drags.release(client(QPointF(200, 200)), Qt::NoModifier).releaseHighlight);
    EXPECT_EQ(document.history().count(), 0);
    EXPECT_FALSE(document.isModified());
    // Esc with no drag going on is not the drag's.
    EXPECT_FALSE(drags.cancel().handled);
}

TEST_F(DragTest, ADragOfManyStepsIsOneUndoStep) {
    load({graphic(GraphicKind::RectangleFilled, 100, 100, 130, 120)});
    drags.setSnapping(false);
    drags.press(client(QPointF(110, 110)), Qt::NoModifier);
    for (int i = 1; i <= 20; ++i) {
        const DragOutcome step = drags.move(client(QPointF(110 + 3 * i, 110 + i)), Qt::NoModifier);
        EXPECT_TRUE(step.geometryChanged) << i;
        EXPECT_FALSE(step.update.empty()) << i;
    }
    EXPECT_EQ(document.history().count(), 0); // nothing recorded while dragging
    drags.release(client(QPointF(170, 130)), Qt::NoModifier);
    EXPECT_EQ(document.history().count(), 1);
    EXPECT_EQ(at(0).x, 160);
    document.undo();
    EXPECT_EQ(geometry(0), (ElementGeometry{100, 100, 130, 120, 0}));
}

TEST_F(DragTest, APressAfterAReleaseThatNeverCameEndsTheDragFirst) {
    load({graphic(GraphicKind::RectangleFilled, 100, 100, 130, 120),
          graphic(GraphicKind::RectangleFilled, 300, 300, 330, 320)});
    drags.setSnapping(false);
    drags.press(client(QPointF(310, 310)), Qt::NoModifier);
    drags.move(client(QPointF(320, 330)), Qt::NoModifier);
    // The button was let go outside the window; the next press comes.
    const DragOutcome next = drags.press(client(QPointF(110, 110)), Qt::NoModifier);
    EXPECT_EQ(next.picked, 0);
    EXPECT_EQ(at(1).x, 310);
    EXPECT_EQ(document.history().count(), 1);
    // The first click's highlight goes off at this release, as it always did.
    EXPECT_TRUE(drags.release(client(QPointF(110, 110)), Qt::NoModifier).releaseHighlight);
}

TEST_F(DragTest, AtThreeTimesPickingAndDraggingLandOnTheSameDevicePixels) {
    const ElementVector layout = {graphic(GraphicKind::RectangleFilled, 100, 100, 104, 103),
                                  graphic(GraphicKind::Line, 120, 100, 160, 100)};
    struct Result {
        int picked;
        ElementGeometry moved;
        QString pointer;
    };
    const auto run = [&](int zoom, QPoint scroll) {
        load(layout);
        renderer.setViewport({zoom, scroll});
        drags.setSnapping(false);
        Result r;
        r.pointer = *renderer.OnMouseMove(client(QPointF(101, 102)));
        r.picked = drags.press(client(QPointF(101, 102)), Qt::NoModifier).picked;
        drags.move(client(QPointF(111, 109)), Qt::NoModifier);
        drags.move(client(QPointF(131, 129)), Qt::NoModifier);
        drags.release(client(QPointF(131, 129)), Qt::NoModifier);
        r.moved = geometry(r.picked);
        return r;
    };
    const Result one = run(1, QPoint());
    const Result three = run(3, QPoint(200, 150));
    EXPECT_EQ(one.picked, 0);
    EXPECT_EQ(three.picked, one.picked);
    EXPECT_EQ(three.pointer, one.pointer);
    EXPECT_EQ(one.moved, (ElementGeometry{130, 127, 134, 130, 0}));
    EXPECT_EQ(three.moved, one.moved);
}

TEST_F(DragTest, CtrlClickBuildsASelectionThatMovesTogether) {
    load({graphic(GraphicKind::RectangleFilled, 10, 10, 30, 30),
          graphic(GraphicKind::RectangleFilled, 100, 10, 120, 30),
          graphic(GraphicKind::RectangleFilled, 200, 10, 220, 30)});
    drag(QPointF(20, 20), QPointF(20, 20));
    drags.press(client(QPointF(210, 20)), Qt::ControlModifier);
    drags.release(client(QPointF(210, 20)), Qt::ControlModifier);
    EXPECT_EQ(selection.rows(), (std::vector<int>{0, 2}));
    EXPECT_EQ(document.selection(), 2);
    EXPECT_EQ(renderer.viewState().selectionBoxes.size(), 2u);
    // A press on one of them drags both; the other stays.
    drags.setSnapping(false);
    drag(QPointF(20, 20), QPointF(25, 60));
    EXPECT_EQ(at(0).x, 15);
    EXPECT_EQ(at(2).x, 205);
    EXPECT_EQ(at(2).y, 50);
    EXPECT_EQ(at(1).x, 100);
    EXPECT_EQ(document.history().count(), 1);
    // Ctrl+click again takes one out.
    drags.press(client(QPointF(15, 60)), Qt::ControlModifier);
    drags.release(client(QPointF(15, 60)), Qt::ControlModifier);
    EXPECT_EQ(selection.rows(), std::vector<int>{2});
}

TEST_F(DragTest, ARubberBandSelectsWhatItMeets) {
    load({graphic(GraphicKind::RectangleFilled, 10, 10, 30, 30),
          graphic(GraphicKind::Circle, 100, 100, 0, 0, 20),
          valueElement(300, 300, 2, QStringLiteral("12")),
          graphic(GraphicKind::RectangleFilled, 400, 400, 420, 420)});
    drags.press(client(QPointF(5, 5)), Qt::NoModifier);
    drags.move(client(QPointF(85, 85)), Qt::NoModifier); // meets the circle's box
    EXPECT_TRUE(renderer.viewState().rubberBand.has_value());
    drags.release(client(QPointF(85, 85)), Qt::NoModifier);
    EXPECT_EQ(selection.rows(), (std::vector<int>{0, 1}));
    EXPECT_FALSE(renderer.viewState().rubberBand.has_value());
    // With Ctrl the band adds; Esc takes the band's rows back out.
    drags.press(client(QPointF(290, 290)), Qt::ControlModifier);
    drags.move(client(QPointF(450, 450)), Qt::ControlModifier);
    EXPECT_EQ(selection.rows(), (std::vector<int>{0, 1, 2, 3}));
    drags.cancel();
    EXPECT_EQ(selection.rows(), (std::vector<int>{0, 1}));
    drags.release(client(QPointF(450, 450)), Qt::ControlModifier);
    // Without, it replaces.
    drag(QPointF(290, 290), QPointF(450, 450));
    EXPECT_EQ(selection.rows(), (std::vector<int>{2, 3}));
    EXPECT_EQ(document.history().count(), 0);
}

TEST_F(DragTest, TheOverlayShowsTheCurrentElementsHandles) {
    load({graphic(GraphicKind::Arc, 200, 300, 0, 90, 50), graphic(GraphicKind::Line, 0, 0, 9, 9)});
    selection.select(0);
    EXPECT_FALSE(drags.updateOverlay().empty());
    EXPECT_EQ(renderer.viewState().handles.size(), 3u);
    EXPECT_EQ(drags.cursorAt(client(handle(0, HandleRole::Radius))), Qt::SizeFDiagCursor);
    EXPECT_EQ(drags.cursorAt(client(QPointF(247, 317))), Qt::SizeAllCursor);
    EXPECT_EQ(drags.cursorAt(client(QPointF(400, 700))), Qt::ArrowCursor);
    selection.selectAll();
    drags.updateOverlay();
    EXPECT_TRUE(renderer.viewState().handles.empty());
    EXPECT_EQ(renderer.viewState().selectionBoxes.size(), 2u);
}

} // namespace
} // namespace zef::testing
