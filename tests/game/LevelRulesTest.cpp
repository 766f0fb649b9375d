// The level table, the even split of a board and the shuffle.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "support/GamePlay.h"
#include "support/Recorders.h"

namespace {

using Shapes = std::vector<int32_t>;

struct Level {
  int32_t firstScore, lastScore;
  int32_t boardSize;
  Shapes allowed, disabled;
};

// Circle 2, square 1, then octagon 5, diamond 4 and triangle 3 join.
const std::vector<Level> LevelTable = {
    {0, 2, 2, {2, 1}, {3, 4, 5}},          {3, 5, 3, {2, 1}, {3, 4, 5}},
    {6, 11, 4, {2, 1}, {3, 4, 5}},         {12, 19, 4, {2, 1, 5}, {3, 4}},
    {20, 29, 5, {2, 1, 5}, {3, 4}},        {30, 39, 5, {2, 1, 5, 4}, {3}},
    {40, 49, 6, {2, 1, 5, 4}, {3}},        {50, 59, 6, {2, 1, 5, 4, 3}, {}},
    {60, 69, 7, {2, 1, 5, 4, 3}, {}},      {70, 79, 8, {2, 1, 5, 4, 3}, {}},
    {80, 80, 9, {2, 1, 5, 4, 3}, {}},
};

const Level& ExpectedAt(int32_t score) {
  return *std::find_if(LevelTable.begin(), LevelTable.end(),
                       [&](const Level& l) { return score >= l.firstScore && score <= l.lastScore; });
}

// Every shape in play at least quota times, the rest spread over them, and
// nothing else on the board.
void ExpectEvenSplit(const GameInstance& game) {
  const auto cells = static_cast<size_t>(game.BoardSize * game.BoardSize);
  ASSERT_EQ(game.Shape.size(), cells);
  const size_t n = game.AllowedShapes.size();
  const size_t quota = cells / n;
  const size_t leftOver = cells - quota * n;
  std::map<int32_t, size_t> counts;
  for (const int32_t s : game.Shape) ++counts[s];
  size_t counted = 0;
  for (const int32_t s : game.AllowedShapes) {
    EXPECT_GE(counts[s], quota) << "shape " << s;
    EXPECT_LE(counts[s], quota + leftOver) << "shape " << s;
    counted += counts[s];
  }
  EXPECT_EQ(counted, cells) << "the board holds a shape that is not in play";
}

void ExpectLevel(const GameInstance& game) {
  const Level& want = ExpectedAt(game.Score);
  EXPECT_EQ(game.BoardSize, want.boardSize);
  EXPECT_EQ(game.AllowedShapes, want.allowed);
  EXPECT_EQ(game.DisabledShapes, want.disabled);
  ExpectEvenSplit(game);
}

class LevelRulesTest : public testing::Test {
 protected:
  Recorders recorders;
  GameInstance game;
};

}  // namespace

TEST_F(LevelRulesTest, NewGameStartsWithTwoCirclesAndTwoSquares) {
  EXPECT_EQ(game.Score, 0);
  EXPECT_EQ(game.CountDown, 5);
  EXPECT_EQ(game.ViewMode, 0);
  ASSERT_TRUE(game.tmr);
  EXPECT_EQ(game.tmr->Mode(), platform::Timer::Multiple);
  EXPECT_EQ(game.tmr->Period(), 1000);
  Shapes sorted = game.Shape;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, (Shapes{1, 1, 2, 2}));
  ExpectLevel(game);
}

TEST_F(LevelRulesTest, SkipLevelsWalksTheTable) {
  for (int32_t score = 1; score <= 80; ++score) {
    game.SkipLevels(1);
    ASSERT_EQ(game.Score, score);
    SCOPED_TRACE(score);
    ExpectLevel(game);
  }
}

TEST_F(LevelRulesTest, RightAnswersWalkTheTable) {
  for (int32_t score = 1; score <= 80; ++score) {
    Answer(game, true);
    ASSERT_EQ(game.Score, score);
    SCOPED_TRACE(score);
    ExpectLevel(game);
  }
}

TEST_F(LevelRulesTest, SkipLevelsInOneCallMatchesStepByStep) {
  game.SkipLevels(12);
  EXPECT_EQ(game.Score, 12);
  EXPECT_EQ(game.BoardSize, 4);
  EXPECT_EQ(game.AllowedShapes, (Shapes{2, 1, 5}));
  EXPECT_EQ(game.DisabledShapes, (Shapes{3, 4}));
}

TEST_F(LevelRulesTest, LevelUpAtScoreZeroChangesNothing) {
  game.NewBoard(true, false, false);
  ExpectLevel(game);
  EXPECT_EQ(game.BoardSize, 2);
}

TEST_F(LevelRulesTest, SideKeepsGrowingEveryTenLevels) {
  game.SkipLevels(200);
  EXPECT_EQ(game.BoardSize, 200 / 10 + 1);
  ExpectEvenSplit(game);
}

TEST_F(LevelRulesTest, NoShapeLeftToJoinBringsInNothing) {
  game.SkipLevels(50);
  game.AllowedShapes = {2, 1};
  game.DisabledShapes.clear();
  game.Score = 11;
  game.SkipLevels(1);  // score 12 would bring in a shape
  EXPECT_EQ(game.AllowedShapes, (Shapes{2, 1}));
}

TEST_F(LevelRulesTest, NonPositiveSkipOnlyRedraws) {
  FakeCanvas canvas;
  game.ViewRef = &canvas;
  const Shapes board = game.Shape;
  for (const int32_t count : {0, -1, -1000}) {
    game.SkipLevels(count);
    EXPECT_EQ(game.Score, 0);
    EXPECT_EQ(game.Shape, board);
  }
  EXPECT_EQ(canvas.refreshes, 3);
}

TEST_F(LevelRulesTest, BoardWithoutShapesInPlayStaysBlank) {
  game.AllowedShapes.clear();
  game.BoardSize = 3;
  game.NewBoard(false, false, false);
  EXPECT_EQ(game.Shape, Shapes(9, 0));
  game.DoBlankout();
  EXPECT_EQ(game.Score, 0);
  for (const int32_t index : {0, 1, -1}) game.ClickSelector(index);
  EXPECT_EQ(recorders.beeps, 3);
}

TEST_F(LevelRulesTest, GridIndexConversions) {
  game.SkipLevels(12);  // a 4 x 4 board
  struct Case {
    int32_t column, row, index;
  };
  for (const Case c : {Case{1, 1, 0}, Case{4, 1, 3}, Case{1, 2, 4}, Case{4, 4, 15}, Case{2, 3, 9}}) {
    EXPECT_EQ(game.GridPosToIndex(c.column, c.row), c.index);
    int32_t column = -1, row = -1;
    game.IndexToGridPos(c.index, column, row);
    EXPECT_EQ(column, c.column - 1);
    EXPECT_EQ(row, c.row - 1);
  }
  game.BoardSize = 0;
  int32_t column = -1, row = -1;
  game.IndexToGridPos(7, column, row);
  EXPECT_EQ(row, 0);
  EXPECT_EQ(column, 7);
}

// Over many deals each arrangement of two circles and two squares must turn
// up about equally often. Six arrangements, 12000 deals: each expects 2000.
// The chi-square bound of 60 (5 degrees of freedom) is far beyond chance
// (p < 1e-10), yet a board that is never shuffled, or one cell that always
// keeps its shape, lands in the thousands.
TEST_F(LevelRulesTest, BoardsAreShuffledUniformly) {
  constexpr int Deals = 12000;
  std::map<Shapes, int> seen;
  for (int i = 0; i < Deals; ++i) {
    game.NewBoard(false, false, false);
    ++seen[game.Shape];
  }
  ASSERT_EQ(seen.size(), 6u);
  const double expected = Deals / 6.0;
  double chiSquare = 0;
  for (const auto& [board, count] : seen) chiSquare += (count - expected) * (count - expected) / expected;
  EXPECT_LT(chiSquare, 60.0);
}

// The cells the even split leaves over are drawn among the shapes in play:
// on a 3 x 3 board with two shapes, the ninth cell is either about half the
// time.
TEST_F(LevelRulesTest, LeftOverCellsAreDrawnAtRandom) {
  game.SkipLevels(3);
  ASSERT_EQ(game.BoardSize, 3);
  constexpr int Deals = 4000;
  int moreCircles = 0;
  for (int i = 0; i < Deals; ++i) {
    game.NewBoard(false, false, false);
    moreCircles += std::count(game.Shape.begin(), game.Shape.end(), 2) == 5;
  }
  // Binomial(4000, 0.5): standard deviation about 32; 250 is nearly 8 of them.
  EXPECT_NEAR(moreCircles, Deals / 2, 250);
}
