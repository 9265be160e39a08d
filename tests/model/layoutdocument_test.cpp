#include "catalog/catalogs.h"
#include "common/builtonce.h"
#include "common/scriptedplatform.h"
#include "model/elementgeometry.h"
#include "model/layoutdocument.h"

#include <gtest/gtest.h>

#include <QRect>

#include <limits>

using namespace zef;

namespace {

const Catalogs& catalogs() {
    return test::builtOnce<Catalogs>();
}

class DocumentTest : public ::testing::Test {
protected:
    ScriptedPlatform platform;
    LayoutDocument doc{catalogs(), platform};

    void selectDevice(const char* name) {
        const int index = catalogs().devices.findDeviceByName(QString::fromUtf8(name));
        ASSERT_GE(index, 0) << name;
        doc.selectDevice(index);
    }
    void add(ElementKind kind) {
        doc.setNewElementKind(kind);
        doc.addNew();
    }
    // An edit of the selected element as the property panel makes it.
    void editX(int x) {
        doc.selectedElement()->x = x;
        doc.refresh();
    }
    int limitMessages() const {
        return static_cast<int>(platform.messageTexts().count(LayoutDocument::limitMessage()));
    }
};

} // namespace

TEST_F(DocumentTest, AddWithoutDeviceDoesNothing) {
    add(KindValue);
    EXPECT_EQ(doc.count(), 0);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DocumentTest, LimitCountsNoSeparators) {
    selectDevice("D2 Bravo"); // 30 elements
    for (int i = 0; i < 4; ++i) add(KindSeparator);
    for (int i = 0; i < 30; ++i) add(KindValue);
    EXPECT_EQ(doc.count(), 34);
    EXPECT_EQ(limitMessages(), 0);
    // Full now, whatever kind is asked for: a separator is refused too.
    add(KindSeparator);
    add(KindGraphic);
    EXPECT_EQ(doc.count(), 34);
    EXPECT_EQ(limitMessages(), 2);
}

TEST_F(DocumentTest, BatchReportsRefusalsOnce) {
    selectDevice("D2 Bravo");
    doc.beginAddBatch();
    const LayoutElement e(KindValue);
    for (int i = 0; i < 1000; ++i) doc.addElement(&e, true, true);
    EXPECT_EQ(doc.endAddBatch(), 970);
    EXPECT_EQ(doc.count(), 30);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.startsWith(LayoutDocument::limitMessage()));
    EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("970")));
}

TEST_F(DocumentTest, BatchAnnouncesItsLinesOnceAndStaysLinear) {
    selectDevice("D2 Bravo");
    int inserted = 0, resets = 0, lastSelection = -2;
    QObject::connect(&doc, &LayoutDocument::lineInserted, [&](int) { ++inserted; });
    QObject::connect(&doc, &LayoutDocument::linesReset, [&] { ++resets; });
    QObject::connect(&doc, &LayoutDocument::selectionChanged,
                     [&](int row) { lastSelection = row; });
    doc.beginAddBatch();
    const LayoutElement separator(KindSeparator);
    for (int i = 0; i < 100000; ++i) doc.addElement(&separator, false, true);
    EXPECT_EQ(doc.endAddBatch(), 0);
    EXPECT_EQ(doc.count(), 100000);
    EXPECT_EQ(inserted, 0);
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(lastSelection, 99999);
    EXPECT_EQ(doc.selection(), 99999);
}

TEST_F(DocumentTest, NewElementsGetTheirKindDefaults) {
    selectDevice("Edge 1030");
    add(KindDynamicColor);
    add(KindSeparator);
    EXPECT_EQ(doc.elements()[0].replaceColor, 0x563412u);
    EXPECT_EQ(doc.elements()[1].text,
              QStringLiteral("----------------- Seperator ------------------"));
    EXPECT_EQ(doc.elements()[1].text.size(), 46);
}

TEST_F(DocumentTest, AddInsertsAfterSelection) {
    selectDevice("Edge 1030");
    for (int i = 0; i < 5; ++i) {
        add(KindValue);
        doc.selectedElement()->x = i;
    }
    doc.setSelection(2);
    add(KindGraphic);
    EXPECT_EQ(doc.selection(), 3);
    EXPECT_EQ(doc.elements()[3].kind, KindGraphic);
    doc.setSelection(-1);
    add(KindSeparator);
    EXPECT_EQ(doc.selection(), 6);
    EXPECT_EQ(doc.elements().back().kind, KindSeparator);
}

TEST_F(DocumentTest, CloneCopiesTheSelectedElementAfterIt) {
    selectDevice("Edge 1030");
    add(KindGraphic);
    add(KindValue);
    doc.setSelection(0);
    doc.selectedElement()->x = 42;
    doc.cloneSelected();
    ASSERT_EQ(doc.count(), 3);
    EXPECT_EQ(doc.selection(), 1);
    // The same element, beside the original.
    LayoutElement moved = doc.elements()[1];
    EXPECT_EQ(moved.x, 42 + CopyOffset);
    EXPECT_EQ(moved.y, doc.elements()[0].y + CopyOffset);
    applyGeometry(moved, movedBy(moved, -CopyOffset, -CopyOffset));
    EXPECT_TRUE(isSameContent(doc.elements()[0], moved));
}

// A copy that would leave the screen goes the other way on that axis.
TEST_F(DocumentTest, CopiesStayOnTheScreen) {
    selectDevice("Edge 1030");
    const DeviceInfo& d = *doc.device();
    LayoutElement line(KindGraphic);
    line.x = d.screenWidth - 2;
    line.y = 5;
    line.x2 = d.screenWidth - 1;
    line.y2 = 10;
    ASSERT_TRUE(doc.addElement(&line, true, false));
    doc.cloneSelected();
    ASSERT_EQ(doc.count(), 2);
    EXPECT_EQ(doc.elements()[1].x, d.screenWidth - 2 - CopyOffset);
    EXPECT_EQ(doc.elements()[1].x2, d.screenWidth - 1 - CopyOffset);
    EXPECT_EQ(doc.elements()[1].y, 5 + CopyOffset);
}

TEST_F(DocumentTest, RemoveSelectsTheNextOrTheNewLast) {
    selectDevice("Edge 1030");
    for (int i = 0; i < 3; ++i) add(KindValue);
    doc.setSelection(2);
    doc.removeSelected();
    EXPECT_EQ(doc.count(), 2);
    EXPECT_EQ(doc.selection(), 1);
    doc.setSelection(0);
    doc.removeSelected();
    EXPECT_EQ(doc.selection(), 0);
    doc.removeSelected();
    EXPECT_EQ(doc.count(), 0);
    EXPECT_EQ(doc.selection(), -1);
    EXPECT_EQ(doc.countsText(), QStringLiteral("Val:0, Graph:0, DC:0, Total:0"));
    doc.removeSelected(); // nothing selected: nothing happens
    EXPECT_EQ(doc.count(), 0);
}

TEST_F(DocumentTest, CountsLine) {
    selectDevice("Edge 1030");
    for (ElementKind k : {KindValue, KindSeparator, KindValue, KindGraphic, KindSeparator,
                          KindValue, KindDynamicColor, KindGraphic, KindSeparator, KindSeparator})
        add(k);
    EXPECT_EQ(doc.countsText(), QStringLiteral("Val:3, Graph:2, DC:1, Total:6"));
}

TEST_F(DocumentTest, MovesAtTheEdgesChangeNothing) {
    selectDevice("Edge 1030");
    add(KindValue);
    add(KindGraphic);
    doc.replaceLayout(doc.elements(), -1, QStringLiteral("x.xml"));
    doc.commit();
    doc.setSelection(0);
    doc.moveSelectedUp();
    doc.setSelection(1);
    doc.moveSelectedDown();
    EXPECT_EQ(doc.history().count(), 0);
    EXPECT_FALSE(doc.isModified());

    doc.moveSelectedUp();
    EXPECT_EQ(doc.selection(), 0);
    EXPECT_EQ(doc.elements()[0].kind, KindGraphic);
    EXPECT_TRUE(doc.isModified());
    doc.moveSelectedDown(); // the exact reverse
    EXPECT_EQ(doc.elements()[1].kind, KindGraphic);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(DocumentTest, CopyCutPaste) {
    selectDevice("Edge 1030");
    doc.pasteElement(); // empty clipboard
    EXPECT_EQ(doc.count(), 0);
    add(KindGraphic);
    doc.selectedElement()->x = 17;
    doc.cutSelected();
    EXPECT_EQ(doc.count(), 0);
    doc.pasteElement();
    doc.pasteElement();
    ASSERT_EQ(doc.count(), 2);
    EXPECT_EQ(doc.elements()[1].x, 17 + CopyOffset);
    EXPECT_EQ(doc.clipboardElement().x, 17);
}

TEST_F(DocumentTest, FirstAddIsNotUndoableTheSecondIs) {
    selectDevice("Edge 1030");
    add(KindValue);
    EXPECT_EQ(doc.history().count(), 0);
    add(KindGraphic);
    EXPECT_EQ(doc.history().count(), 1);
    doc.undo();
    ASSERT_EQ(doc.count(), 1);
    EXPECT_EQ(doc.elements()[0].kind, KindValue);
    // The recorded selection (row 1, the added line) no longer exists.
    EXPECT_EQ(doc.selection(), -1);
    doc.undo(); // nothing left
    EXPECT_EQ(doc.count(), 1);
}

TEST_F(DocumentTest, UndoAfterLoad) {
    selectDevice("Edge 1030");
    add(KindValue);
    add(KindValue);
    doc.replaceLayout(doc.elements(), -1, QStringLiteral("a.xml"));
    doc.refresh(); // the commit after a load adopts the loaded state
    doc.undo();
    EXPECT_EQ(doc.count(), 2);
    EXPECT_EQ(doc.history().count(), 0);

    doc.setSelection(1);
    const int loadedX = doc.elements()[1].x;
    editX(5);
    EXPECT_TRUE(doc.isModified());
    doc.undo();
    EXPECT_EQ(doc.elements()[1].x, loadedX);
    EXPECT_FALSE(doc.isModified());
    // The undo's own commit used up the skip and recorded nothing; the next
    // edit records again.
    EXPECT_EQ(doc.history().count(), 0);
    EXPECT_FALSE(doc.history().skipsNextRecord());
    editX(6);
    EXPECT_EQ(doc.history().count(), 1);
}

TEST_F(DocumentTest, UndoingTheRemovalOfTheOnlyElementLeavesTheNextEditUndoable) {
    selectDevice("Edge 1030");
    add(KindValue);
    editX(3);
    doc.removeSelected();
    ASSERT_EQ(doc.count(), 0);
    doc.undo();
    ASSERT_EQ(doc.count(), 1);
    EXPECT_FALSE(doc.history().skipsNextRecord()) << "the restoring commit took the skip";
    doc.setSelection(0);
    editX(9);
    ASSERT_TRUE(doc.canUndo());
    doc.undo();
    EXPECT_EQ(doc.elements()[0].x, 3);
}

// Opening is not editing: showing a loaded layout (the preview draws every
// value, the panel shows any of them) leaves it unmodified.
TEST_F(DocumentTest, ShowingALoadedLayoutChangesNothing) {
    const auto& vt = catalogs().valueTypes;
    selectDevice("Edge 1030");
    LayoutElement speed(KindValue);
    speed.valueType = vt.positionById(60); // "Current speed": pattern "$V"
    LayoutElement gear(KindValue);
    gear.valueType = vt.positionByCode(SelectValueTypes, QStringLiteral("BG"));
    ASSERT_GT(gear.valueType, 0);
    LayoutElement fixed(KindValue);
    fixed.fixedText = true;
    const ElementVector loaded{speed, gear, fixed, LayoutElement(KindGraphic)};
    for (const bool append : {false, true}) {
        SCOPED_TRACE(append ? "append" : "load");
        doc.replaceLayout(append ? ElementVector{} : loaded, -1, QStringLiteral("a.xml"));
        if (append) {
            doc.appendElements(loaded);
            doc.markSaved();
        }
        EXPECT_FALSE(doc.isModified());
        for (LayoutElement& e : doc.elementsForDrawing()) {
            if (e.kind != KindValue) continue;
            valueElementText(e, TextMode::Preview, vt);
            valueElementText(e, TextMode::Edit, vt);
        }
        EXPECT_FALSE(doc.isModified());
        EXPECT_FALSE(doc.hasUncommittedChange());
        EXPECT_EQ(doc.elements()[0].text, QStringLiteral("$V"));
        EXPECT_FALSE(doc.elements()[0].sampleText.isEmpty());
    }
}

TEST_F(DocumentTest, RingKeepsTheLatestHundredSteps) {
    selectDevice("Edge 1030");
    add(KindValue);
    doc.replaceLayout(doc.elements(), -1, QStringLiteral("a.xml"));
    doc.refresh();
    doc.setSelection(0);
    for (int i = 1; i <= 101; ++i) editX(i);
    EXPECT_EQ(doc.history().count(), 100);
    EXPECT_EQ(doc.history().size(), 100u);
    for (int i = 0; i < 100; ++i) doc.undo();
    // The oldest state (x 0) is lost; the 100th undo reaches x 1.
    EXPECT_EQ(doc.elements()[0].x, 1);
    doc.undo();
    EXPECT_EQ(doc.elements()[0].x, 1);
}

TEST_F(DocumentTest, RingWrapsWhenUndoingAcrossItsStart) {
    selectDevice("Edge 1030");
    add(KindValue);
    doc.replaceLayout(doc.elements(), -1, QStringLiteral("a.xml"));
    doc.refresh();
    doc.setSelection(0);
    for (int i = 1; i <= 105; ++i) editX(i);
    // Newest snapshot went to slot 4 (105 steps: 100 slots, wrapped by 5).
    EXPECT_EQ(doc.history().position(), 4);
    for (int i = 0; i < 6; ++i) doc.undo();
    EXPECT_EQ(doc.elements()[0].x, 99);
    EXPECT_EQ(doc.history().position(), 98);
}

TEST_F(DocumentTest, ModifiedFollowsTheSavedCopy) {
    selectDevice("Edge 1030");
    add(KindValue);
    EXPECT_TRUE(doc.isModified());
    doc.markSaved();
    EXPECT_FALSE(doc.isModified());
    doc.selectedElement()->y = 3;
    EXPECT_TRUE(doc.isModified());
}

TEST_F(DocumentTest, ScaleToDevice) {
    selectDevice("D2 Charlie"); // 240 x 240
    add(KindValue);
    doc.selectedElement()->x = 100;
    add(KindGraphic);
    LayoutElement& arc = *doc.selectedElement();
    arc.setGraphicKind(GraphicKind::Arc);
    arc.x2 = 270;
    arc.y2 = 90;
    arc.radius = 50;
    add(KindDynamicColor);
    doc.setDesignDevice(doc.selectedDevice());
    EXPECT_FALSE(doc.canScaleToDevice());

    selectDevice("D2 Mach 1"); // 416 x 416
    ASSERT_TRUE(doc.canScaleToDevice());
    doc.scaleToDevice();
    EXPECT_EQ(doc.elements()[0].x, 173);
    EXPECT_EQ(doc.elements()[0].prevX, 100);
    EXPECT_EQ(doc.elements()[0].stroke, 1);
    EXPECT_EQ(doc.elements()[0].radius, 1) << "radius 0 is raised to 1";
    EXPECT_EQ(doc.elements()[1].x2, 270);
    EXPECT_EQ(doc.elements()[1].y2, 90);
    EXPECT_EQ(doc.elements()[1].radius, 86);
    EXPECT_EQ(doc.elements()[2].radius, 0) << "dynamic colours are not scaled";
    EXPECT_EQ(doc.designDevice(), doc.selectedDevice());
    EXPECT_FALSE(doc.canScaleToDevice());

    doc.setDesignDevice(doc.selectedDevice());
    selectDevice("D2 Charlie");
    doc.scaleToDevice(); // 416 -> 240: stroke 1 gives 0.577, raised to 1
    EXPECT_EQ(doc.elements()[0].stroke, 1);
    EXPECT_EQ(doc.elements()[0].x, 99);
}

// Products beyond the 32-bit range saturate instead of wrapping.
TEST_F(DocumentTest, ScaleToDeviceSaturates) {
    const struct {
        std::int32_t before;
        std::int32_t after; // 240 -> 416 wide
    } cases[] = {
        {2000000000, std::numeric_limits<std::int32_t>::max()},
        {-2000000000, std::numeric_limits<std::int32_t>::min()},
        {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max()},
        {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::min()},
        {1000000000, 1733333376}, // still in range: the single-precision product
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        doc.clearElements();
        selectDevice("D2 Charlie"); // 240 x 240
        add(KindGraphic);
        doc.selectedElement()->x = c.before;
        doc.selectedElement()->x2 = c.before;
        doc.selectedElement()->stroke = c.before;
        doc.setDesignDevice(doc.selectedDevice());
        selectDevice("D2 Mach 1"); // 416 x 416
        doc.scaleToDevice();
        const LayoutElement& e = doc.elements()[0];
        EXPECT_EQ(e.x, c.after);
        EXPECT_EQ(e.x2, c.after);
        EXPECT_EQ(e.stroke, std::max(c.after, 1));
    }
}

TEST_F(DocumentTest, SmallerDeviceDropsWhatItLacks) {
    selectDevice("Edge 1030"); // H
    const auto& vt = catalogs().valueTypes;
    add(KindGraphic);
    doc.selectedElement()->setGraphicKind(GraphicKind::GraphRightTop); // an "(H)" graph
    add(KindValue);
    int hType = -1, plainType = -1;
    for (int i = 0; i < static_cast<int>(vt.valueTypes.size()); ++i) {
        if (vt.valueTypes[i].level == 500 && hType < 0) hType = i;
        if (vt.valueTypes[i].level == 30 && i > 0 && plainType < 0) plainType = i;
    }
    ASSERT_GT(hType, 0);
    doc.selectedElement()->valueType = hType;
    add(KindValue);
    doc.selectedElement()->valueType = plainType;

    selectDevice("D2 Bravo"); // L
    EXPECT_EQ(doc.elements()[0].graphicKind(), GraphicKind::Line);
    EXPECT_EQ(doc.elements()[1].valueType, 0);
    EXPECT_EQ(doc.elements()[2].valueType, plainType);
    selectDevice("Edge 1030"); // switching back restores nothing
    EXPECT_EQ(doc.elements()[1].valueType, 0);
}

// --- redo and the user's undo steps ----------------------------------------------

namespace {

class DocumentStepsTest : public DocumentTest {
protected:
    // Three values after a load, so that every later change is a step.
    void SetUp() override {
        selectDevice("Edge 1030");
        for (int i = 0; i < 3; ++i) add(KindValue);
        for (int i = 0; i < 3; ++i) doc.elementsForDrawing()[i].x = 0;
        doc.replaceLayout(doc.elements(), -1, QStringLiteral("a.xml"));
        doc.refresh();
    }
    void editXOf(int row, int x) {
        doc.setSelection(row);
        editX(x);
    }
    std::vector<int> xs() const {
        std::vector<int> v;
        for (const auto& e : doc.elements()) v.push_back(e.x);
        return v;
    }
    // One keystroke in a field: the panel writes the member inside a scope.
    void typeX(const void* field, int x) {
        const LayoutDocument::EditScope scope(doc, field);
        editX(x);
    }
};

} // namespace

TEST_F(DocumentStepsTest, RedoGivesBackTheStateAndTheSelection) {
    editXOf(0, 5);
    editXOf(2, 7);
    doc.setSelection(1);
    EXPECT_FALSE(doc.canRedo());

    doc.undo();
    EXPECT_EQ(xs(), (std::vector<int>{5, 0, 0}));
    EXPECT_EQ(doc.selection(), 2);
    doc.undo();
    EXPECT_EQ(xs(), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(doc.selection(), 0);
    EXPECT_FALSE(doc.canUndo());
    EXPECT_FALSE(doc.isModified());

    doc.redo();
    EXPECT_EQ(xs(), (std::vector<int>{5, 0, 0}));
    EXPECT_EQ(doc.selection(), 0);
    doc.redo();
    EXPECT_EQ(xs(), (std::vector<int>{5, 0, 7}));
    // Redo selects what the change was made on, as undo does.
    EXPECT_EQ(doc.selection(), 2);
    EXPECT_FALSE(doc.canRedo());
    doc.redo(); // nothing left
    EXPECT_EQ(xs(), (std::vector<int>{5, 0, 7}));

    // Undo and redo alternate over the same steps.
    doc.undo();
    doc.redo();
    doc.undo();
    EXPECT_EQ(xs(), (std::vector<int>{5, 0, 0}));
    EXPECT_EQ(doc.history().count(), 1);
}

TEST_F(DocumentStepsTest, ANewChangeClearsWhatCanBeRedone) {
    editXOf(0, 5);
    editXOf(0, 6);
    doc.undo();
    doc.undo();
    EXPECT_EQ(doc.history().redoCount(), 2);
    editXOf(1, 9);
    EXPECT_FALSE(doc.canRedo());
    doc.redo();
    EXPECT_EQ(xs(), (std::vector<int>{0, 9, 0}));
    doc.undo();
    EXPECT_EQ(xs(), (std::vector<int>{0, 0, 0}));
    // A load starts a new history: nothing to redo either.
    doc.redo();
    doc.undo();
    doc.replaceLayout(doc.elements(), -1, QStringLiteral("b.xml"));
    EXPECT_FALSE(doc.canRedo());
    EXPECT_FALSE(doc.canUndo());
}

TEST_F(DocumentStepsTest, HundredStepsEachWayAlsoAcrossTheRingsStart) {
    const struct {
        int edits;
        int oldestX; // the state 100 undos reach
    } cases[] = {{101, 1}, {105, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edits);
        SetUp();
        for (int i = 1; i <= c.edits; ++i) editXOf(0, i);
        for (int i = 0; i < 100; ++i) doc.undo();
        EXPECT_EQ(doc.elements()[0].x, c.oldestX);
        EXPECT_FALSE(doc.canUndo());
        EXPECT_EQ(doc.history().redoCount(), 100);
        for (int i = 0; i < 100; ++i) doc.redo();
        EXPECT_EQ(doc.elements()[0].x, c.edits);
        EXPECT_FALSE(doc.canRedo());
        for (int i = 0; i < 100; ++i) doc.undo();
        EXPECT_EQ(doc.elements()[0].x, c.oldestX);
    }
}

TEST_F(DocumentStepsTest, TheKeystrokesOfOneFieldAreOneStep) {
    int fieldX = 0, fieldY = 0;
    doc.setSelection(0);
    typeX(&fieldX, 5);
    typeX(&fieldX, 50);
    typeX(&fieldX, 500);
    EXPECT_EQ(doc.history().count(), 1);
    doc.finishEdit(); // the field is left
    typeX(&fieldX, 501);
    EXPECT_EQ(doc.history().count(), 2);
    typeX(&fieldY, 502); // another field
    EXPECT_EQ(doc.history().count(), 3);
    editX(503); // another command's change
    typeX(&fieldY, 504);
    EXPECT_EQ(doc.history().count(), 5);
    doc.setSelection(1); // the same field of another element
    typeX(&fieldY, 505);
    EXPECT_EQ(doc.history().count(), 6);

    doc.undo();
    doc.undo();
    doc.undo();
    doc.undo();
    EXPECT_EQ(xs(), (std::vector<int>{501, 0, 0}));
    doc.undo();
    EXPECT_EQ(xs(), (std::vector<int>{500, 0, 0}));
    doc.undo();
    EXPECT_EQ(xs(), (std::vector<int>{0, 0, 0}));
    // Undo ends the edit: typing again in the same field is a new step.
    typeX(&fieldX, 7);
    typeX(&fieldX, 70);
    doc.undo();
    EXPECT_EQ(xs(), (std::vector<int>{0, 0, 0}));
}

namespace {

struct AddPlacementCase {
    const char* device;
    ElementKind kind;
};

class AddPlacementTest : public DocumentTest,
                         public ::testing::WithParamInterface<AddPlacementCase> {};

} // namespace

TEST_P(AddPlacementTest, AddPutsAWhiteElementInTheMiddleOfTheScreen) {
    const AddPlacementCase& c = GetParam();
    selectDevice(c.device);
    add(c.kind);
    const DeviceInfo& d = *doc.device();
    const LayoutElement& e = doc.elements().at(0);
    EXPECT_EQ(e.color, 0xFFFFFFu);
    const QPoint middle(d.screenWidth / 2, d.screenHeight / 2);
    if (c.kind == KindValue) {
        EXPECT_EQ(e.x, middle.x());
        EXPECT_NEAR(e.y, middle.y(), d.screenHeight / 8);
        EXPECT_EQ(e.hAlignment, 1) << "centre-aligned";
        EXPECT_FALSE(e.text.isEmpty()) << "a value without value type and text draws nothing";
        EXPECT_FALSE(e.fixedText);
        EXPECT_EQ(e.valueType, 0);
    } else {
        // A box around the middle, a quarter of the screen across, on the
        // screen also where a round screen cuts the corners.
        const QRect box(QPoint(e.x, e.y), QPoint(e.x2, e.y2));
        EXPECT_NEAR(box.center().x(), middle.x(), 1);
        EXPECT_NEAR(box.center().y(), middle.y(), 1);
        EXPECT_NEAR(box.width(), d.screenWidth / 4, 2);
        EXPECT_NEAR(box.height(), d.screenHeight / 4, 2);
        EXPECT_GT(e.radius, 0);
        EXPECT_EQ(e.stroke, 1);
    }
    // The element record's own defaults stay as they are.
    const LayoutElement fresh(c.kind);
    EXPECT_EQ(fresh.color, 0u);
    EXPECT_EQ(fresh.x, 0);
}

INSTANTIATE_TEST_SUITE_P(RectangularAndRound, AddPlacementTest,
                         ::testing::Values(AddPlacementCase{"Edge 1030", KindValue},
                                           AddPlacementCase{"Edge 1030", KindGraphic},
                                           AddPlacementCase{"fenix 7", KindValue},
                                           AddPlacementCase{"fenix 7", KindGraphic}));
