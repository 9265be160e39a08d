// The mouse on the preview of the designer window: dragging elements and
// handles, snapping, Esc, zoom and scrolling, selecting several elements and
// what the commands do with them.

#include "windowtestsupport.h"

#include "common/layoutelements.h"

#include "model/elementgeometry.h"
#include "preview/elementhandles.h"
#include "preview/previewgeometry.h"
#include "ui/editorcommand.h"
#include "ui/layoutcheckview.h"
#include "ui/previewinteraction.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

namespace zef::test {
namespace {

class PreviewMouseTest : public WindowTest {
protected:
    // A text, a line, a circle and an arc on "Edge 130" (230 x 303), loaded
    // as a file is (nothing to undo), nothing selected, painted once.
    void load(ElementVector elements, const char* device = "Edge 130") {
        chooseDevice(device);
        doc().replaceLayout(std::move(elements), doc().selectedDevice(), startFile);
        doc().setSelection(-1);
        paint();
    }
    void loadFour() {
        load({valueElement(40, 30, 0, QStringLiteral("88")),
              graphicElement(GraphicKind::Line, 100, 100, 140, 130, 0, 3),
              graphicElement(GraphicKind::Circle, 60, 200, 0, 0, 25, 2),
              graphicElement(GraphicKind::Arc, 170, 220, 0, 90, 30, 4)});
    }
    void paint() {
        QTest::qWait(1);
        dlg->templateArea()->repaint();
    }

    const LayoutElement& at(int row) { return doc().elements()[std::size_t(row)]; }
    QAction* action(EditorCommand id) { return dlg->action(id); }
    const PreviewViewport& viewport() { return dlg->renderer().viewState().viewport; }

    // The client point in the middle of device pixel p at the current zoom.
    QPoint client(QPoint p) {
        const QPointF c = viewport().deviceToClient(*doc().device(), QPointF(p) + QPointF(.5, .5));
        return QPoint(int(std::floor(c.x())), int(std::floor(c.y())));
    }
    // A device pixel on which the preview picks the row (scanning its extent).
    QPoint pickPoint(int row) {
        const auto extent = dlg->renderer().elementExtent(at(row));
        EXPECT_TRUE(extent.has_value()) << "row " << row;
        if (!extent) return {};
        const QRect box = extent->bounds.toAlignedRect();
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (dlg->renderer().ElementAtPoint(x, y) == row &&
                    dlg->previewInteraction().drags().handleAt(client({x, y})) == HandleRole::None)
                    return {x, y};
        ADD_FAILURE() << "nothing of row " << row << " can be picked";
        return {};
    }

    void mouse(QEvent::Type type, QPoint clientPoint, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers modifiers = {}) {
        QWidget* area = dlg->templateArea();
        QMouseEvent event(type, QPointF(clientPoint), area->mapToGlobal(QPointF(clientPoint)),
                          button, held, modifiers);
        QApplication::sendEvent(area, &event);
    }
    void press(QPoint device, Qt::KeyboardModifiers modifiers = {}) {
        mouse(QEvent::MouseButtonPress, client(device), Qt::LeftButton, Qt::LeftButton, modifiers);
    }
    void moveTo(QPoint device, Qt::KeyboardModifiers modifiers = {}) {
        mouse(QEvent::MouseMove, client(device), Qt::NoButton, Qt::LeftButton, modifiers);
    }
    void release(QPoint device, Qt::KeyboardModifiers modifiers = {}) {
        mouse(QEvent::MouseButtonRelease, client(device), Qt::LeftButton, Qt::NoButton, modifiers);
    }
    void clickAt(QPoint device, Qt::KeyboardModifiers modifiers = {}) {
        press(device, modifiers);
        release(device, modifiers);
    }
    // Press at device pixel from, move there in steps, release.
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
        press(from, modifiers);
        moveTo(from + (to - from) / 2, modifiers);
        moveTo(to, modifiers);
        release(to, modifiers);
    }
    void wheel(QPoint clientPoint, int angle, Qt::KeyboardModifiers modifiers) {
        QWidget* area = dlg->templateArea();
        QWheelEvent event(QPointF(clientPoint), area->mapToGlobal(QPointF(clientPoint)), QPoint(),
                          QPoint(0, angle), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(area, &event);
    }
    int undoSteps() {
        int steps = 0;
        while (doc().canUndo() && steps < 10) {
            doc().undo();
            ++steps;
        }
        return steps;
    }
    std::vector<int> listRows() { return dlg->elementList().selectedRows(); }
};

// A drag moves the position by the pointer's way in device pixels: a line's
// two points, a circle's and an arc's centre (their radius and angles stay);
// the panel follows; the drag is one undo step.
TEST_F(PreviewMouseTest, DraggingMovesElementsByTheWayOfThePointer) {
    loadFour();
    dlg->action(EditorCommand::Snapping)->setChecked(false);
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        const ElementGeometry before = geometryOf(at(row));
        const QPoint from = pickPoint(row);
        drag(from, from + QPoint(7, -5));
        EXPECT_EQ(doc().selection(), row);
        ElementGeometry expected = before;
        expected.x += 7;
        expected.y -= 5;
        if (at(row).kind == KindGraphic && at(row).graphicKind() == GraphicKind::Line) {
            expected.x2 += 7;
            expected.y2 -= 5;
        }
        EXPECT_EQ(geometryOf(at(row)), expected);
        EXPECT_EQ(ui().x.edit->text(), QString::number(expected.x));
        EXPECT_EQ(ui().y.edit->text(), QString::number(expected.y));
    }
    EXPECT_EQ(undoSteps(), 4);
    EXPECT_EQ(at(1).x, 100);
    EXPECT_EQ(at(1).x2, 140);
}

// A press without a move is the click of old: it selects, holds the highlight
// while the button is down, and changes nothing.
TEST_F(PreviewMouseTest, APressWithoutMovingIsAClick) {
    loadFour();
    const QPoint p = pickPoint(2);
    press(p);
    EXPECT_EQ(doc().selection(), 2);
    EXPECT_TRUE(ui().highlight->isChecked());
    release(p);
    EXPECT_FALSE(ui().highlight->isChecked());
    EXPECT_FALSE(doc().canUndo());
    EXPECT_FALSE(doc().isModified());
}

// A handle changes its member only: the line's second point, the circle's
// radius, the arc's end angle.
TEST_F(PreviewMouseTest, AHandleChangesItsMemberOnly) {
    loadFour();
    dlg->action(EditorCommand::Snapping)->setChecked(false);
    struct Case {
        int row;
        HandleRole role;
        QPoint by;
    } cases[] = {{1, HandleRole::SecondPoint, {5, 4}},
                 {2, HandleRole::Radius, {6, 0}},
                 {3, HandleRole::EndAngle, {-20, 20}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        clickAt(pickPoint(c.row));
        QPoint handle;
        for (const ElementHandle& h : elementHandles(at(c.row)))
            if (h.role == c.role) handle = h.at.toPoint();
        const LayoutElement before = at(c.row);
        EXPECT_EQ(dlg->previewInteraction().drags().handleAt(client(handle)), c.role);
        drag(handle, handle + c.by);
        const LayoutElement& after = at(c.row);
        EXPECT_EQ(after.x, before.x);
        EXPECT_EQ(after.y, before.y);
        switch (c.role) {
        case HandleRole::SecondPoint:
            EXPECT_EQ(after.x2, before.x2 + 5);
            EXPECT_EQ(after.y2, before.y2 + 4);
            EXPECT_EQ(ui().x2.edit->text(), QString::number(after.x2));
            break;
        case HandleRole::Radius:
            EXPECT_EQ(after.radius, before.radius + 6);
            EXPECT_EQ(after.x2, before.x2);
            break;
        default:
            EXPECT_NE(after.y2, before.y2); // the end angle turned
            EXPECT_EQ(after.x2, before.x2);
            EXPECT_EQ(after.radius, before.radius);
            break;
        }
    }
}

// Snapping is on by default: a rectangle dragged near the screen's centre
// line lands on it; Alt held or the View toggle off leave it where the
// pointer put it; Shift keeps the move horizontal.
TEST_F(PreviewMouseTest, SnappingAndItsExceptions) {
    // 19 pixels wide: centred on the 230-wide screen its left edge is at 105
    // or 106 (the centres 114.5 and 115.5 are as near to 115).
    load({graphicElement(GraphicKind::RectangleFilled, 20, 20, 39, 39)});
    EXPECT_TRUE(action(EditorCommand::Snapping)->isChecked());
    drag({25, 25}, {25 + 83, 25});
    const QRectF box = dlg->renderer().elementExtent(at(0))->bounds;
    EXPECT_LE(std::abs(box.center().x() - 115), 0.5) << at(0).x;

    doc().replaceLayout({graphicElement(GraphicKind::RectangleFilled, 20, 20, 39, 39)},
                        doc().selectedDevice(), startFile);
    drag({25, 25}, {25 + 83, 25}, Qt::AltModifier);
    EXPECT_EQ(at(0).x, 103);

    // Shift held after the press (with the press it adds to the selection).
    action(EditorCommand::Snapping)->setChecked(false);
    press({110, 25});
    moveTo({110 + 2, 25 + 20}, Qt::ShiftModifier);
    moveTo({110 + 3, 25 + 40}, Qt::ShiftModifier);
    release({110 + 3, 25 + 40}, Qt::ShiftModifier);
    EXPECT_EQ(at(0).x, 103);
    EXPECT_EQ(at(0).y, 60);

    // Another element's edge: dragged to a pixel beside the box below, the
    // rectangle's left edge lines up with it.
    action(EditorCommand::Snapping)->setChecked(true);
    doc().replaceLayout({graphicElement(GraphicKind::RectangleFilled, 20, 20, 39, 39),
                         graphicElement(GraphicKind::RectangleFilled, 150, 200, 199, 219)},
                        doc().selectedDevice(), startFile);
    drag({25, 25}, {25 + 129, 25 + 100});
    EXPECT_EQ(dlg->renderer().elementExtent(at(0))->bounds.left(),
              dlg->renderer().elementExtent(at(1))->bounds.left());
}

// Esc during a drag puts everything back and leaves the window open (Esc
// otherwise closes it); the release after it changes nothing.
TEST_F(PreviewMouseTest, EscPutsTheDragBack) {
    loadFour();
    const QPoint from = pickPoint(1);
    press(from);
    moveTo(from + QPoint(30, 30));
    EXPECT_NE(at(1).x, 100);
    QTest::keyClick(&dlg->elementList(), Qt::Key_Escape);
    EXPECT_EQ(at(1).x, 100);
    EXPECT_EQ(at(1).y2, 130);
    release(from + QPoint(30, 30));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_FALSE(doc().canUndo());
}

// At 3x the same device pixels are picked and the same moves made as at 1x;
// the pointer read-out stays in device pixels.
TEST_F(PreviewMouseTest, AtThreeTimesPickingAndDraggingUseDevicePixels) {
    loadFour();
    action(EditorCommand::Snapping)->setChecked(false);
    const QPoint p = pickPoint(1);
    action(EditorCommand::ZoomIn)->trigger();
    action(EditorCommand::ZoomIn)->trigger();
    ASSERT_EQ(viewport().zoom, 3);
    paint();
    QStringList labels;
    for (const QLabel* label : dlg->templateArea()->findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("3x"))) << "the zoom is shown";
    EXPECT_EQ(dlg->renderer().ElementAtPoint(p.x(), p.y()), 1);
    mouse(QEvent::MouseMove, client(p), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(ui().pointer->text(), PreviewRenderer::pointerText(p));
    drag(p, p + QPoint(4, 3));
    EXPECT_EQ(doc().selection(), 1);
    EXPECT_EQ(at(1).x, 104);
    EXPECT_EQ(at(1).y, 103);
    EXPECT_EQ(at(1).x2, 144);
    // The keys place points at the device pixel under the pointer.
    mouse(QEvent::MouseMove, client({30, 40}), Qt::NoButton, Qt::NoButton);
    QTest::keyClick(&dlg->elementList(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(at(1).x, 30);
    EXPECT_EQ(at(1).y, 40);

    action(EditorCommand::ActualSize)->trigger();
    EXPECT_EQ(viewport().zoom, 1);
    EXPECT_TRUE(viewport().isIdentity());
}

// Ctrl+wheel zooms about the pointer: the device pixel under it stays there.
// The wheel alone scrolls where the zoomed device does not fit; scroll bars
// show then, and only then.
TEST_F(PreviewMouseTest, WheelZoomsAndScrolls) {
    loadFour();
    QScrollBar* bars[2] = {};
    int found = 0;
    for (auto* bar : dlg->templateArea()->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly))
        if (found < 2) bars[found++] = bar;
    ASSERT_EQ(found, 2);
    EXPECT_TRUE(bars[0]->isHidden() && bars[1]->isHidden()) << "Edge 130 fits at 1x";

    // Up to 3x the device still nearly fits and the scroll cannot keep the
    // pixel in place; from 4x on it can.
    const QPoint pointer = client({100, 150});
    for (int zoom : {2, 3, 4, 6, 8}) {
        const QPoint under = viewport().devicePixelAt(*doc().device(), pointer);
        wheel(pointer, 120, Qt::ControlModifier);
        EXPECT_EQ(viewport().zoom, zoom);
        if (zoom >= 4) {
            EXPECT_EQ(viewport().devicePixelAt(*doc().device(), pointer), under);
        }
    }
    EXPECT_FALSE(bars[0]->isHidden() && bars[1]->isHidden());
    const QPoint scrolled = viewport().scroll;
    wheel(pointer, -120, Qt::NoModifier);
    EXPECT_GT(viewport().scroll.y(), scrolled.y());
    wheel(pointer, -120, Qt::ControlModifier);
    EXPECT_EQ(viewport().zoom, 6);
}

// The findings' outlines would mark old places during a drag: they are away
// while it lasts, and the check runs once at its end.
TEST_F(PreviewMouseTest, FindingsWaitForTheDragsEnd) {
    load({graphicElement(GraphicKind::RectangleFilled, -10, 50, 20, 60),
          graphicElement(GraphicKind::RectangleFilled, 100, 100, 119, 119)});
    ASSERT_FALSE(dlg->layoutCheck().findings().empty());
    const auto& outlines = dlg->renderer().viewState().outlines;
    ASSERT_EQ(outlines.size(), 1U);
    press({110, 110});
    moveTo({112, 110});
    moveTo({115, 110});
    EXPECT_TRUE(outlines.empty());
    release({115, 110});
    QTest::qWait(1);
    EXPECT_EQ(outlines.size(), 1U);
    // Dragged off the screen, the second one is found too.
    drag({115, 110}, {250, 110});
    QTest::qWait(1);
    EXPECT_EQ(outlines.size(), 2U);
}

// A drag held beyond the shown part of the zoomed preview scrolls it, and the
// element goes on with the pointer's device pixel; the release ends both.
TEST_F(PreviewMouseTest, ADragBeyondTheViewScrollsIt) {
    load({graphicElement(GraphicKind::RectangleFilled, 100, 100, 119, 119)},
         "Venu 4 45mm / D2 Air X15");
    action(EditorCommand::Snapping)->setChecked(false);
    dlg->previewInteraction().zoomTo(4, client({110, 110}));
    ASSERT_EQ(viewport().zoom, 4);
    press({110, 110});
    moveTo({112, 110});
    const QSize view = dlg->renderer().viewState().viewSize;
    const QPoint outside = preview::origin() + QPoint(view.width() + 30, view.height() / 2);
    mouse(QEvent::MouseMove, outside, Qt::NoButton, Qt::LeftButton);
    const int scrollBefore = viewport().scroll.x();
    const int xBefore = at(0).x;
    QTest::qWait(200);
    EXPECT_GT(viewport().scroll.x(), scrollBefore);
    EXPECT_GT(at(0).x, xBefore);
    mouse(QEvent::MouseButtonRelease, outside, Qt::LeftButton, Qt::NoButton);
    const int scrollAfter = viewport().scroll.x();
    QTest::qWait(100);
    EXPECT_EQ(viewport().scroll.x(), scrollAfter);
    EXPECT_TRUE(doc().canUndo());
}

// The scroll bars span what can be scrolled at every zoom, back at 1x too:
// the "Venu 4 45mm" picture is larger than the preview even at 1x.
TEST_F(PreviewMouseTest, ScrollBarsFollowTheZoom) {
    load({}, "Venu 4 45mm / D2 Air X15");
    const auto bars = dlg->templateArea()->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(bars.size(), 2);
    const QSize content = dlg->renderer().contentSize();
    for (EditorCommand command : {EditorCommand::ActualSize, EditorCommand::ZoomIn,
                                  EditorCommand::ZoomToFit, EditorCommand::ActualSize}) {
        for (int i = 0; i < 5; ++i) action(EditorCommand::ZoomIn)->trigger();
        action(command)->trigger();
        SCOPED_TRACE(viewport().zoom);
        const QPoint limit = viewport().maxScroll(content, dlg->renderer().viewState().viewSize);
        for (QScrollBar* bar : bars) {
            const int expected = bar->orientation() == Qt::Horizontal ? limit.x() : limit.y();
            EXPECT_EQ(bar->maximum(), bar->isHidden() ? bar->maximum() : expected);
            EXPECT_EQ(bar->isHidden(), expected == 0);
        }
        const QPoint before = viewport().scroll;
        wheel(preview::origin() + QPoint(100, 100), -120, Qt::NoModifier);
        if (limit.y() > before.y()) {
            EXPECT_GT(viewport().scroll.y(), before.y());
        }
    }
}

// Rubber band and Ctrl+click in the preview and in the list select sets; the
// list shows them; the panel shows the last clicked element and edits it alone.
TEST_F(PreviewMouseTest, SelectingSeveral) {
    loadFour();
    // A band from empty space over the circle and the arc.
    drag({20, 160}, {215, 270});
    EXPECT_EQ(dlg->selection().rows(), (std::vector<int>{2, 3}));
    EXPECT_EQ(listRows(), (std::vector<int>{2, 3}));

    clickAt(pickPoint(0));
    clickAt(pickPoint(1), Qt::ControlModifier);
    EXPECT_EQ(dlg->selection().rows(), (std::vector<int>{0, 1}));
    EXPECT_EQ(doc().selection(), 1);
    clickAt(pickPoint(0), Qt::ControlModifier);
    EXPECT_EQ(dlg->selection().rows(), (std::vector<int>{1}));
    // A plain click on one of several selected selects it alone.
    clickAt(pickPoint(0), Qt::ControlModifier);
    clickAt(pickPoint(0));
    EXPECT_EQ(dlg->selection().rows(), (std::vector<int>{0}));
    clickAt(pickPoint(1));

    // Ctrl+click in the list adds the row; the panel shows it.
    ElementListView& list = dlg->elementList();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list.visualRect(rows().index(2)).center());
    EXPECT_EQ(dlg->selection().rows(), (std::vector<int>{1, 2}));
    EXPECT_EQ(doc().selection(), 2);
    EXPECT_EQ(ui().x.edit->text(), QStringLiteral("60"));
    type(ui().x.edit, QStringLiteral("70"));
    QTest::keyClick(ui().x.edit, Qt::Key_Return);
    EXPECT_EQ(at(2).x, 70);
    EXPECT_EQ(at(1).x, 100);

    list.setFocus();
    QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(dlg->selection().count(), 4);
    EXPECT_EQ(listRows().size(), 4U);
}

// Several selected: a drag moves them all, Ctrl+arrow nudges them all, Delete,
// Cut and Paste take them all in their order; each is one undo step.
TEST_F(PreviewMouseTest, CommandsActOnEverySelectedElement) {
    loadFour();
    action(EditorCommand::Snapping)->setChecked(false);
    clickAt(pickPoint(1));
    clickAt(pickPoint(2), Qt::ControlModifier);
    drag(pickPoint(1), pickPoint(1) + QPoint(3, 2));
    EXPECT_EQ(at(1).x, 103);
    EXPECT_EQ(at(2).x, 63);
    EXPECT_EQ(at(2).y, 202);
    ASSERT_EQ(dlg->selection().count(), 2);

    ElementListView& list = dlg->elementList();
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(at(1).x, 104);
    EXPECT_EQ(at(2).x, 64);
    EXPECT_EQ(ui().x.edit->text(), QString::number(at(doc().selection()).x));

    QTest::keyClick(&list, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(doc().count(), 2);
    EXPECT_EQ(doc().clipboardElements().size(), 2U);
    doc().setSelection(1);
    QTest::keyClick(&list, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(doc().count(), 4);
    EXPECT_EQ(at(2).graphicKind(), GraphicKind::Line);
    EXPECT_EQ(at(3).graphicKind(), GraphicKind::Circle);
    EXPECT_EQ(dlg->selection().rows(), (std::vector<int>{2, 3}));

    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(doc().count(), 2);
    doc().undo();
    EXPECT_EQ(doc().count(), 4);
    doc().undo(); // the paste
    doc().undo(); // the cut
    EXPECT_EQ(doc().count(), 4);
    EXPECT_EQ(at(1).x, 104);
    doc().undo(); // the nudge
    EXPECT_EQ(at(1).x, 103);
    doc().undo(); // the drag
    EXPECT_EQ(at(1).x, 100);
    EXPECT_EQ(at(2).x, 60);
}

// Arrange: align the selected extents on an edge; distribute makes the gaps
// between three equal, the outer two staying.
TEST_F(PreviewMouseTest, AlignAndDistribute) {
    load({graphicElement(GraphicKind::RectangleFilled, 10, 10, 29, 29),
          graphicElement(GraphicKind::RectangleFilled, 50, 60, 59, 79),
          graphicElement(GraphicKind::RectangleFilled, 200, 100, 219, 109)});
    dlg->selection().selectAll();
    action(EditorCommand::DistributeHorizontally)->trigger();
    // Extents 10..29, 50..59 (10 wide), 200..219: gaps of (200 - 30 - 10) / 2.
    EXPECT_EQ(at(0).x, 10);
    EXPECT_EQ(at(1).x, 30 + 80);
    EXPECT_EQ(at(2).x, 200);

    action(EditorCommand::AlignTop)->trigger();
    for (int row = 0; row < 3; ++row) EXPECT_EQ(at(row).y, 10) << row;
    action(EditorCommand::AlignRight)->trigger();
    EXPECT_EQ(ui().x.edit->text(), QString::number(at(doc().selection()).x)) << "the panel follows";
    EXPECT_EQ(at(0).x2, 219);
    EXPECT_EQ(at(1).x2, 219);
    EXPECT_EQ(at(2).x2, 219);
    EXPECT_EQ(undoSteps(), 3);
}

} // namespace
} // namespace zef::test
