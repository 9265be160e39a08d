#include "previewfixture.h"

#include "model/elementselection.h"
#include "preview/arrangecommands.h"

namespace zef::testing {
namespace {

// Three filled rectangles and an outlined one of stroke 3 on "Edge 1050",
// loaded as a file.
class ArrangeTest : public PreviewFixture {
protected:
    ArrangeTest() {
        document.replaceLayout({graphic(GraphicKind::RectangleFilled, 10, 10, 30, 20),
                                graphic(GraphicKind::RectangleFilled, 100, 50, 140, 60),
                                graphic(GraphicKind::RectangleFilled, 60, 100, 70, 105),
                                graphic(GraphicKind::Rectangle, 200, 200, 220, 220, 0, 3),
                                LayoutElement(KindSeparator)},
                               -1, QStringLiteral("arrange.xml"));
    }
    const LayoutElement& at(int row) const { return document.elements()[std::size_t(row)]; }

    ElementSelection selection{document};
};

TEST_F(ArrangeTest, AlignMovesEachToTheOutermostEdgeInOneStep) {
    selection.setRows({0, 1, 2, 4});
    alignSelection(document, renderer, selection, Alignment::Right);
    EXPECT_EQ(at(0).x, 120);
    EXPECT_EQ(at(0).x2, 140);
    EXPECT_EQ(at(1).x, 100);
    EXPECT_EQ(at(2).x, 130);
    EXPECT_EQ(at(0).y, 10); // across only
    EXPECT_EQ(document.history().count(), 1);
    alignSelection(document, renderer, selection, Alignment::Top);
    EXPECT_EQ(at(1).y, 10);
    EXPECT_EQ(at(2).y2, 15);
    EXPECT_EQ(document.history().count(), 2);
    document.undo();
    EXPECT_EQ(at(1).y, 50);
}

TEST_F(ArrangeTest, EdgesAreThePaintedOnes) {
    // The outline of stroke 3 paints a pixel beyond its corner points.
    selection.setRows({0, 3});
    alignSelection(document, renderer, selection, Alignment::Left);
    EXPECT_EQ(at(0).x, 10);
    EXPECT_EQ(at(3).x, 11);
}

TEST_F(ArrangeTest, ASingleElementIsCentredOnTheScreen) {
    selection.select(1);
    alignSelection(document, renderer, selection, Alignment::Centre);
    EXPECT_EQ(at(1).x, 220); // 40 wide on a 480-pixel screen
    alignSelection(document, renderer, selection, Alignment::Middle);
    EXPECT_EQ(at(1).y, 395); // 10 high on 800
}

TEST_F(ArrangeTest, DistributeMakesTheGapsEqual) {
    // Across: 10..30, 60..70, 100..140: gaps 30 and 30 already; down: 10..20,
    // 50..60, 100..105: the middle one moves to leave 35 above and below.
    selection.setRows({0, 1, 2});
    distributeSelection(document, renderer, selection, Qt::Horizontal);
    EXPECT_EQ(document.history().count(), 0); // nothing to do: no step
    distributeSelection(document, renderer, selection, Qt::Vertical);
    EXPECT_EQ(at(1).y, 55);
    EXPECT_EQ(at(0).y, 10);
    EXPECT_EQ(at(2).y, 100);
    EXPECT_EQ(document.history().count(), 1);
}

} // namespace
} // namespace zef::testing
