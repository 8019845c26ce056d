#include "positions/PositionCompare.h"

#include <gtest/gtest.h>

using namespace kvt7;

namespace {

void Fill(PositionStore::Row& row, double value)
{
    for (int c = 1; c <= 19; ++c)
        row[std::size_t(c)] = value;
}

}  // namespace

TEST(PositionCompare, MarksDifferingCellsOfAxesInUseOnly)
{
    auto store = std::make_unique<PositionStore>();
    for (int n = 1; n <= 3; ++n) {
        Fill(store->PosiValue[std::size_t(n)], 0);
        Fill(store->PosiLoadBuffer[std::size_t(n)], 0);
        store->PosiLoadBuffer[std::size_t(n)][1] = QString(" 0");
    }
    store->PosiLoadBuffer[2][4] = QString(" 5");      // axis 1 position differs
    store->PosiLoadBuffer[2][9] = QString(" 7");      // axis 3 (not in use) differs
    store->PosiLoadBuffer[3][20] = QString("other");  // comment alone differs
    store->PosiLoadBuffer[3][13] = 1.0;               // axis 4 (not in use)
    const int differing = ComparePositions(*store, {true, true, false, false}, 1, 3);
    EXPECT_EQ(differing, 1);
    const auto rows = MarkedRows(*store, 1);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].positionNo, 2);
    for (int c = 1; c <= 19; ++c)
        EXPECT_EQ(rows[0].marked[std::size_t(c - 1)], c == 4) << c;
    ClearMarks(*store);
    EXPECT_TRUE(MarkedRows(*store, 1).empty());
}
