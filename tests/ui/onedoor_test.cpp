// Every change a user makes in the window is one undo step that shows the
// unsaved mark at once, and undo gives back exactly what it changed.

#include "windowtestsupport.h"

#include "cli/documentio.h"
#include "common/layoutelements.h"
#include "files/filestestsupport.h"
#include "preview/previewgeometry.h"
#include "ui/layoutcheckview.h"
#include "ui/previewinteraction.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>

namespace zef::test {
namespace {

class OneDoorTest : public WindowTest {
protected:
    // Loaded as from a file: nothing unsaved, nothing to undo.
    void load(ElementVector elements, const char* device) {
        chooseDevice(device);
        doc().replaceLayout(std::move(elements), doc().selectedDevice(), startFile);
        ASSERT_FALSE(doc().isModified());
    }
    QAction* action(EditorCommand id) { return dlg->action(id); }
};

// A check box that only writes a flag is a step of its own: the mark shows at
// once, and Ctrl+Z takes exactly that flag back.
TEST_F(OneDoorTest, FlagCheckBoxesAreStepsOfTheirOwn) {
    LayoutElement graph = graphicElement(GraphicKind::GraphLeftTop, 10, 10, 110, 60, 0, 4);
    LayoutElement dc(KindDynamicColor);
    dc.replaceColor = graph.color;
    dc.dcValue[0] = 100;
    const struct {
        const char* name;
        int row;
        QCheckBox* box;
        bool LayoutElement::*flag; // nullptr: a dynamic colour row's flag
        bool hide;
    } cases[] = {
        {"Mark min/max values", 0, ui().maxOnly, &LayoutElement::maxOnly, false},
        {"day/night", 0, ui().dayNight, &LayoutElement::dayNight, false},
        {"Invert color order", 1, ui().invertColor, &LayoutElement::invertColor, false},
        {"hide", 1, ui().dcRows[0].hide, nullptr, true},
        {"blink", 1, ui().dcRows[0].blink, nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        load({graph, dc}, "Edge 1030");
        clickRow(c.row);
        ASSERT_TRUE(c.box->isEnabled());
        const auto flag = [&] {
            const LayoutElement& e = doc().elements()[std::size_t(c.row)];
            return c.flag ? e.*c.flag : (c.hide ? e.dcHide[0] : e.dcBlink[0]);
        };
        ASSERT_FALSE(flag());
        click(c.box);
        EXPECT_TRUE(flag());
        EXPECT_TRUE(dlg->isWindowModified());
        ASSERT_TRUE(doc().canUndo());
        action(EditorCommand::Undo)->trigger();
        EXPECT_FALSE(flag());
        EXPECT_FALSE(dlg->isWindowModified());
        EXPECT_FALSE(c.box->isChecked());
        EXPECT_FALSE(doc().canUndo());
    }
}

// Opening is not editing: a graph whose stored number of values is not what
// its width gives opens unmodified and keeps its number until it is resized.
TEST_F(OneDoorTest, ShowingAGraphDoesNotRewriteItsNumberOfValues) {
    LayoutElement graph = graphicElement(GraphicKind::GraphLeftTop, 10, 10, 110, 60, 0, 4);
    graph.nrValues = 3;
    const QString file = dir.filePath(QStringLiteral("graph.xml"));
    {
        ScriptedPlatform quiet;
        LayoutDocument writer(catalogs(), quiet);
        writer.selectDevice(catalogs().devices.findDeviceByName(QStringLiteral("Edge 1030")));
        writer.addElement(&graph, true, true);
        ASSERT_TRUE(writeLayoutFile(writer, file, nullptr));
    }
    ASSERT_EQ(loadLayout(doc(), file, false).status, LoadStatus::Loaded);
    clickRow(0);
    EXPECT_EQ(ui().nrValues.edit->text(), QStringLiteral("3"));
    EXPECT_FALSE(dlg->isWindowModified());
    EXPECT_FALSE(doc().canUndo());
}

// Undo of Scale to device gives back the device the layout was made for, so a
// second scale from there is not offered; redo scales again.
TEST_F(OneDoorTest, ScaleToDeviceUndoesWithItsDesignDevice) {
    LayoutElement value = valueElement(100, 200, 0, QStringLiteral("88"));
    load({value}, "Edge 1050");
    const int edge1050 = doc().selectedDevice();
    clickRow(0);
    chooseDevice("Edge 530");
    ASSERT_TRUE(action(EditorCommand::ScaleToDevice)->isEnabled());
    action(EditorCommand::ScaleToDevice)->trigger();
    const ElementVector scaled = doc().elements();
    EXPECT_NE(scaled[0].x, 100);
    EXPECT_EQ(ui().x.edit->text(), QString::number(scaled[0].x)) << "the panel shows the scale";
    EXPECT_FALSE(action(EditorCommand::ScaleToDevice)->isEnabled());

    action(EditorCommand::Undo)->trigger();
    EXPECT_EQ(doc().elements()[0].x, 100);
    EXPECT_EQ(doc().designDevice(), edge1050);
    EXPECT_TRUE(action(EditorCommand::ScaleToDevice)->isEnabled());
    chooseDevice("Edge 1050");
    EXPECT_FALSE(action(EditorCommand::ScaleToDevice)->isEnabled());
    chooseDevice("Edge 530");

    action(EditorCommand::Redo)->trigger();
    EXPECT_TRUE(isSameLayout(doc().elements(), scaled));
    EXPECT_EQ(doc().designDevice(), doc().selectedDevice());
    EXPECT_FALSE(action(EditorCommand::ScaleToDevice)->isEnabled());
}

// A graphic switched to an arc gets a sweep and a radius that show, and
// back to a line a second point a radius away.
TEST_F(OneDoorTest, SwitchingToAnArcGivesAVisibleArc) {
    chooseDevice("Edge 1030");
    add(KindGraphic);
    choose(ui().graphicKind, QStringLiteral("Arc dyn. filled"));
    const LayoutElement arc = element();
    EXPECT_GT(arc.y2 - arc.x2, 0) << "a sweep";
    EXPECT_GT(arc.radius, 0);
    EXPECT_EQ(ui().x2.edit->text(), QString::number(arc.x2));
    EXPECT_EQ(ui().radius.edit->text(), QString::number(arc.radius));
    choose(ui().graphicKind, QStringLiteral("Line"));
    EXPECT_EQ(element().x2, arc.x + arc.radius);
    EXPECT_EQ(element().y2, arc.y + arc.radius);
    // Each switch one step.
    action(EditorCommand::Undo)->trigger();
    EXPECT_EQ(element().x2, arc.x2);
}

// Space keeps its meaning where the keyboard focus is, wherever the pointer
// rests: a blank in the Text field, day/night in the element list, also over a
// preview that scrolls.
TEST_F(OneDoorTest, SpaceIsNotTakenByAPreviewThatScrolls) {
    LayoutElement text = valueElement(40, 40, 0, QStringLiteral("a"));
    load({text}, "Edge 1030");
    action(EditorCommand::ZoomIn)->trigger();
    action(EditorCommand::ZoomIn)->trigger();
    const QPoint over = preview::screenOrigin(*doc().device()) + QPoint(30, 30);
    QTest::mouseMove(dlg->templateArea(), over);
    clickRow(0);
    QTest::mouseMove(dlg->templateArea(), over);

    ElementListView& list = dlg->elementList();
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_TRUE(element().dayNight);

    click(ui().fixedText);
    ASSERT_TRUE(ui().text->isEnabled());
    type(ui().text, QStringLiteral("a b"));
    EXPECT_EQ(element().text, QStringLiteral("a b"));
}

// Shift+Up on an element without a second point moves the one selection:
// a Delete after it removes one element.
TEST_F(OneDoorTest, ShiftUpWithoutASecondPointMovesTheOneSelection) {
    load({valueElement(10, 10, 0, QStringLiteral("1")),
          valueElement(10, 40, 0, QStringLiteral("2")),
          valueElement(10, 70, 0, QStringLiteral("3"))},
         "Edge 1030");
    clickRow(2);
    ElementListView& list = dlg->elementList();
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(list.selectedRows(), std::vector<int>{1});
    EXPECT_EQ(doc().selection(), 1);
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(doc().count(), 2);
}

// The outlines of findings stay away for the whole drag, even when something
// asks for the findings meanwhile.
TEST_F(OneDoorTest, FindingOutlinesStayAwayDuringADrag) {
    LayoutElement value = valueElement(40, 40, 0, QStringLiteral("88"));
    load({value, value}, "Edge 1030"); // two texts on one place: an overlap
    LayoutCheckView& check = dlg->layoutCheck();
    ASSERT_FALSE(check.findings().empty());
    ASSERT_FALSE(dlg->renderer().viewState().outlines.empty());
    check.setHeld(true);
    EXPECT_TRUE(dlg->renderer().viewState().outlines.empty());
    doc().moveElements({1}, 2, 0); // still overlapping: a finding at the new place
    check.schedule();
    check.findings(); // the list or the findings line asks
    EXPECT_TRUE(dlg->renderer().viewState().outlines.empty());
    check.setHeld(false);
    QCoreApplication::processEvents();
    check.findings();
    EXPECT_EQ(dlg->renderer().viewState().outlines.empty(), check.findings().empty());
}

} // namespace
} // namespace zef::test
