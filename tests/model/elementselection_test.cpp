#include "catalog/catalogs.h"
#include "common/builtonce.h"
#include "common/scriptedplatform.h"
#include "model/elementselection.h"
#include "model/layoutdocument.h"

#include <gtest/gtest.h>

using namespace zef;

namespace {

// A document of five graphics on "Edge 1030", element i at x = 10 * i, with
// the selection set beside it.
class SelectionTest : public ::testing::Test {
protected:
    SelectionTest() {
        const Catalogs& c = test::builtOnce<Catalogs>();
        doc.selectDevice(c.devices.findDeviceByName(QStringLiteral("Edge 1030")));
        ElementVector five;
        for (int i = 0; i < 5; ++i) {
            LayoutElement e(KindGraphic);
            e.setGraphicKind(GraphicKind::Line);
            e.x = 10 * i;
            e.x2 = 10 * i + 5;
            five.push_back(e);
        }
        doc.replaceLayout(five, -1, QStringLiteral("five.xml"));
    }
    std::vector<int> xs() const {
        std::vector<int> v;
        for (const LayoutElement& e : doc.elements()) v.push_back(e.x);
        return v;
    }

    ScriptedPlatform platform;
    LayoutDocument doc{test::builtOnce<Catalogs>(), platform};
    ElementSelection selection{doc};
};

using Rows = std::vector<int>;

TEST_F(SelectionTest, FollowsTheDocumentsSelectionFromElsewhere) {
    EXPECT_EQ(selection.rows(), Rows{4}); // the load selected the last element
    doc.setSelection(2);
    EXPECT_EQ(selection.rows(), Rows{2});
    selection.toggle(0);
    EXPECT_EQ(selection.rows(), (Rows{0, 2}));
    // The list selecting one line (a plain click there) makes it the only one.
    doc.setSelection(3);
    EXPECT_EQ(selection.rows(), Rows{3});
    doc.setSelection(-1);
    EXPECT_TRUE(selection.rows().empty());
}

TEST_F(SelectionTest, CtrlClickTogglesAndShiftExtendsARange) {
    selection.select(1);
    selection.toggle(3);
    EXPECT_EQ(selection.rows(), (Rows{1, 3}));
    EXPECT_EQ(doc.selection(), 3);
    // Taking out the current one makes the nearest one before it current.
    selection.toggle(3);
    EXPECT_EQ(selection.rows(), Rows{1});
    EXPECT_EQ(doc.selection(), 1);
    selection.toggle(1);
    EXPECT_TRUE(selection.rows().empty());
    EXPECT_EQ(doc.selection(), -1);
    selection.select(1);
    selection.extendTo(3);
    EXPECT_EQ(selection.rows(), (Rows{1, 2, 3}));
    EXPECT_EQ(doc.selection(), 3);
    selection.selectAll();
    EXPECT_EQ(selection.rows(), (Rows{0, 1, 2, 3, 4}));
    EXPECT_EQ(doc.selection(), 3);
}

TEST_F(SelectionTest, LinesInsertedOrRemovedElsewhereKeepTheSetOnItsElements) {
    selection.setRows({1, 3}, 3);
    emit doc.lineInserted(0);
    EXPECT_EQ(selection.rows(), (Rows{2, 4}));
    emit doc.lineRemoved(2);
    EXPECT_EQ(selection.rows(), Rows{3});
    // Removing the selected elements leaves the line after them selected.
    selection.setRows({1, 3}, 3);
    doc.removeElements(selection.rows());
    EXPECT_EQ(xs(), (std::vector<int>{0, 20, 40}));
    EXPECT_EQ(selection.rows(), Rows{1});
}

TEST_F(SelectionTest, NudgeMovesEverySelectedElementAsOneUndoStep) {
    selection.setRows({0, 2}, 2);
    selection.nudge(3, -1);
    EXPECT_EQ(xs(), (std::vector<int>{3, 10, 23, 30, 40}));
    EXPECT_EQ(doc.elements()[0].x2, 8); // lines move both points
    EXPECT_EQ(doc.elements()[0].y, -1);
    EXPECT_EQ(doc.history().count(), 1);
    doc.undo();
    EXPECT_EQ(xs(), (std::vector<int>{0, 10, 20, 30, 40}));
}

TEST_F(SelectionTest, DeleteCopyPasteAndCloneActOnAllSelectedInOrder) {
    selection.setRows({3, 1}, 1);
    selection.copy();
    ASSERT_EQ(doc.clipboardElements().size(), 2u);
    EXPECT_EQ(doc.clipboardElement().x, 10);
    // Pasted after the current element, in their order, beside the originals
    // (CopyOffset right and down), and selected.
    selection.select(4);
    selection.paste();
    EXPECT_EQ(xs(), (std::vector<int>{0, 10, 20, 30, 40, 14, 34}));
    EXPECT_EQ(selection.rows(), (Rows{5, 6}));
    EXPECT_EQ(doc.history().count(), 1);
    // The clipboard keeps its elements.
    selection.select(0);
    selection.paste();
    EXPECT_EQ(xs(), (std::vector<int>{0, 14, 34, 10, 20, 30, 40, 14, 34}));
    selection.setRows({0, 2}, 0);
    selection.clone();
    EXPECT_EQ(xs(), (std::vector<int>{0, 14, 34, 4, 38, 10, 20, 30, 40, 14, 34}));
    EXPECT_EQ(selection.rows(), (Rows{3, 4}));
    selection.remove();
    EXPECT_EQ(xs(), (std::vector<int>{0, 14, 34, 10, 20, 30, 40, 14, 34}));
    EXPECT_EQ(doc.selection(), 3);
    EXPECT_EQ(doc.history().count(), 4);
    doc.undo();
    EXPECT_EQ(doc.count(), 11);
    selection.setRows({0, 1, 2}, 0);
    selection.cut();
    EXPECT_EQ(doc.count(), 8);
    EXPECT_EQ(doc.clipboardElements().size(), 3u);
}

TEST_F(SelectionTest, PasteBeyondTheLimitAddsWhatFitsWithOneMessage) {
    const Catalogs& c = test::builtOnce<Catalogs>();
    doc.selectDevice(c.devices.findDeviceByName(QStringLiteral("D2 Bravo"))); // 30 elements
    selection.selectAll();
    selection.copy();
    for (int i = 0; i < 6; ++i) selection.paste(); // 5 + 6 * 5 = 35
    EXPECT_EQ(doc.count(), 30);
    ASSERT_EQ(platform.messageTexts().size(), 1);
    EXPECT_TRUE(platform.messageTexts().front().startsWith(LayoutDocument::limitMessage()));
}

} // namespace
