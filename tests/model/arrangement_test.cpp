#include "model/arrangement.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

const std::vector<QRectF> Three = {QRectF(10, 10, 20, 10), QRectF(50, 40, 30, 20),
                                   QRectF(25, 80, 10, 6)};
const QRectF Screen(0, 0, 240, 400);

TEST(Alignment, SeveralAlignToTheirOutermostEdgeOrJointCentre) {
    struct Row {
        Alignment alignment;
        std::vector<QPoint> moves;
    };
    // Joint bounds: 10..80 across, 10..86 down; centre (45, 48).
    const Row rows[] = {
        {Alignment::Left, {{0, 0}, {-40, 0}, {-15, 0}}},
        {Alignment::Right, {{50, 0}, {0, 0}, {45, 0}}},
        {Alignment::Centre, {{25, 0}, {-20, 0}, {15, 0}}},
        {Alignment::Top, {{0, 0}, {0, -30}, {0, -70}}},
        {Alignment::Bottom, {{0, 66}, {0, 26}, {0, 0}}},
        {Alignment::Middle, {{0, 33}, {0, -2}, {0, -35}}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(alignmentMoves(Three, r.alignment, Screen), r.moves) << int(r.alignment);
}

TEST(Alignment, ASingleExtentAlignsToTheScreen) {
    const std::vector<QRectF> one = {QRectF(10, 10, 21, 10)};
    EXPECT_EQ(alignmentMoves(one, Alignment::Centre, Screen), (std::vector<QPoint>{{100, 0}}));
    EXPECT_EQ(alignmentMoves(one, Alignment::Right, Screen), (std::vector<QPoint>{{209, 0}}));
    EXPECT_EQ(alignmentMoves(one, Alignment::Bottom, Screen), (std::vector<QPoint>{{0, 380}}));
    EXPECT_TRUE(alignmentMoves({}, Alignment::Left, Screen).empty());
}

TEST(Distribution, EqualGapsBetweenTheFirstAndTheLast) {
    // Across: 0..10, 12..32, 90..100 and 95..100 in document order; span
    // 0..100 holds 45 pixels of extents, so the three gaps are 55 / 3.
    const std::vector<QRectF> row = {QRectF(0, 0, 10, 5), QRectF(90, 0, 10, 5),
                                     QRectF(12, 0, 20, 5), QRectF(95, 50, 5, 5)};
    const std::vector<QPoint> moves = distributionMoves(row, Qt::Horizontal);
    // Sorted by left: 0 (first), 12, 90, 95 (last): 12 goes to 10 + 18.33,
    // 90 to 28.33 + 20 + 18.33 = 66.67.
    EXPECT_EQ(moves, (std::vector<QPoint>{{0, 0}, {-23, 0}, {16, 0}, {0, 0}}));
    // Down the same way; fewer than three do not move.
    const std::vector<QRectF> column = {QRectF(0, 0, 5, 10), QRectF(0, 100, 5, 10),
                                        QRectF(0, 20, 5, 10)};
    EXPECT_EQ(distributionMoves(column, Qt::Vertical),
              (std::vector<QPoint>{{0, 0}, {0, 0}, {0, 30}}));
    EXPECT_EQ(distributionMoves({QRectF(0, 0, 5, 5), QRectF(50, 0, 5, 5)}, Qt::Horizontal),
              (std::vector<QPoint>{{0, 0}, {0, 0}}));
}

} // namespace
} // namespace zef
