// The game screen on a 600 x 400 view: layout, the board in each phase, the
// selector and its key hints, missing pieces, and the pause screen.
#include "view/GameScreen.h"

#include <gtest/gtest.h>

#include "game/BlankoutTimer.h"
#include "store/Preferences.h"
#include "support/DrawingFixture.h"
#include "support/RecordingSurface.h"

using platform::Picture;

namespace {

class GameScreenTest : public DrawingTest {
 protected:
  // The centre of a board cell (column and row from 1), in view pixels.
  uint32_t CellCentre(const Picture& p, int column, int row, int dx = 34) const {
    return p.Pixel(game.BoardX + 3 + 68 * (column - 1) + dx, game.BoardY + 3 + 68 * (row - 1) + 34);
  }
  void Pause() { game.tmr->SetMode(platform::Timer::Off); }
};

}  // namespace

TEST_F(GameScreenTest, LayoutOfA600By400View) {
  auto screen = Render();
  EXPECT_EQ(game.HeaderHeight, 22);
  EXPECT_EQ(game.SelectorX, 161);
  EXPECT_EQ(game.SelectorY, 300);
  EXPECT_EQ(game.SelectorMaxX, 439);
  EXPECT_EQ(game.BoardX, 161);
  EXPECT_EQ(game.BoardY, 24);
  EXPECT_EQ(game.BoardWidth, 278);
  EXPECT_EQ(game.BoardHeight, 278);

  // Cells 68 wide start 3, 71, 139 and 207 into the board, across and down.
  using Runs_ = std::vector<std::pair<int, uint32_t>>;
  EXPECT_EQ(Runs(*screen, 24 + 3 + 10, 161, 439),
            (Runs_{{161, 0}, {164, Stand::Square}, {232, Stand::Circle}, {300, Stand::Triangle},
                   {368, Stand::Diamond}, {436, 0}}));
  std::vector<std::pair<int, uint32_t>> down;
  for (int y = 23; y < 300; ++y) {
    const uint32_t c = screen->Pixel(161 + 3 + 10, y);
    if (down.empty() || down.back().second != c) down.push_back({y, c});
  }
  EXPECT_EQ(down, (Runs_{{23, 0}, {27, Stand::Square}, {95, Stand::Circle}, {163, Stand::Triangle},
                         {231, Stand::Diamond}, {299, 0}}));
}

TEST_F(GameScreenTest, SelectorSlotsForTwoAndFiveShapes) {
  struct Case {
    std::vector<int32_t> shapes;
    int pieceTop, pieceSize, drawnHeight;
    std::vector<int> lefts;  // within the selector
  };
  const Case cases[] = {
      {{1, 2}, 1, 76, 98, {31, 170}},
      {{1, 2, 3, 4, 5}, 28, 55, 71, {0, 55, 110, 165, 220}},
  };
  const uint32_t colours[] = {0, Stand::Square, Stand::Circle, Stand::Triangle, Stand::Diamond, Stand::Octagon};
  Preferences::KeyboardHint = 2;  // no digits over the pieces
  game.DoingBlankout = true;      // and no dimming
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shapes.size());
    game.AllowedShapes = c.shapes;
    auto screen = Render();
    const int x0 = game.SelectorX;
    const int y0 = game.SelectorY;
    std::vector<std::pair<int, uint32_t>> expected;
    int end = 0;
    for (size_t i = 0; i < c.shapes.size(); ++i) {
      if (c.lefts[i] != end || i == 0) expected.push_back({x0 + end, 0});
      expected.push_back({x0 + c.lefts[i], colours[c.shapes[i]]});
      end = c.lefts[i] + c.pieceSize;
    }
    expected.push_back({x0 + end, 0});
    if (c.lefts[0] == 0) expected.erase(expected.begin());
    EXPECT_EQ(Runs(*screen, y0 + c.pieceTop + 10, x0, x0 + 278), expected);

    // The whole picture, top square and foot, from pieceTop down (the
    // scaling blends a few rows where they meet).
    const int x = x0 + c.lefts[0] + c.pieceSize / 2;
    EXPECT_EQ(screen->Pixel(x, y0 + c.pieceTop - 1), 0u);
    EXPECT_EQ(screen->Pixel(x, y0 + c.pieceTop), Stand::Square);
    EXPECT_EQ(screen->Pixel(x, y0 + c.pieceTop + c.pieceSize - 6), Stand::Square);
    EXPECT_EQ(screen->Pixel(x, y0 + c.pieceTop + c.pieceSize + 4), Stand::Foot);
    EXPECT_EQ(screen->Pixel(x, y0 + c.pieceTop + c.drawnHeight - 1), Stand::Foot);
    EXPECT_EQ(screen->Pixel(x, y0 + c.pieceTop + c.drawnHeight), 0u);
  }
}

TEST_F(GameScreenTest, EachPhaseShowsItsCellsAndDimsTheSelectorOnlyInTheCountdown) {
  struct Case {
    const char* phase;
    bool blankout, over;
    uint32_t ordinary, markedLeft, markedRight;
    bool dimmed;
  };
  const Case cases[] = {
      {"countdown", false, false, Stand::Square, Stand::Triangle, Stand::Triangle, true},
      {"blankout", true, false, Stand::Empty, Stand::Unknown, 0x000000, false},
      {"game over", true, true, Stand::Square, Stand::Unknown, Stand::Triangle, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.phase);
    game.DoingBlankout = c.blankout;
    game.IsGameOver = c.over;
    auto screen = Render();
    EXPECT_EQ(CellCentre(*screen, 1, 1), c.ordinary);
    EXPECT_EQ(CellCentre(*screen, 4, 4), c.ordinary == Stand::Square ? Stand::Triangle : Stand::Empty);
    EXPECT_EQ(CellCentre(*screen, 2, 2, 17), c.markedLeft);
    EXPECT_EQ(CellCentre(*screen, 2, 2, 51), c.markedRight);

    // The square in the selector: full red, or 63/255 of it under the overlay.
    const uint32_t piece = screen->Pixel(game.SelectorX + 31 + 38, game.SelectorY + 30);
    EXPECT_EQ(piece & 0xFFFF, 0u);
    if (c.dimmed)
      EXPECT_NEAR(Red(piece), 63, 1);
    else
      EXPECT_EQ(Red(piece), 0xFFu);
  }
}

TEST_F(GameScreenTest, KeyHintsFadeAfterTheFirstNumberKeyAnswerAndVanishAfterTheSecond) {
  struct Case {
    int32_t hint;
    uint32_t colour;
  };
  const Case cases[] = {{0, 0x5F5F5F}, {1, 0x3F3F3F}, {2, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hint);
    Preferences::KeyboardHint = c.hint;
    Recording rec(600, 400);
    GameScreen::Draw(game, rec.g);
    std::vector<const DrawnText*> digits;
    for (const DrawnText& t : rec.drawing().texts)
      if (t.text == "1" || t.text == "2") digits.push_back(&t);
    if (c.colour == 0) {
      EXPECT_TRUE(digits.empty());
      continue;
    }
    ASSERT_EQ(digits.size(), 2u);
    // Size max(11, 76 x 0.2); centred in slots of 139, baseline 2 above the foot.
    const int xs[] = {161 + 65, 161 + 204};
    for (size_t i = 0; i < 2; ++i) {
      EXPECT_EQ(digits[i]->text, std::to_string(i + 1));
      EXPECT_EQ(digits[i]->colour, c.colour);
      EXPECT_EQ(digits[i]->pixelSize, 15);
      EXPECT_EQ(digits[i]->x, xs[i]);
      EXPECT_EQ(digits[i]->y, 398);
    }
  }
}

TEST_F(GameScreenTest, MissingPiecePictureLeavesItsCellsEmpty) {
  struct Case {
    const char* file;
    bool blankout;
    int column, row;  // a cell that stays black
    int otherColumn, otherRow;
    uint32_t other;  // and a cell drawn as usual
  };
  const Case cases[] = {
      {"PieceTriangle.png", false, 3, 1, 1, 1, Stand::Square},
      {"PieceUnknown.png", true, 2, 2, 1, 1, Stand::Empty},
      {"PieceEmpty.png", true, 1, 1, 2, 2, Stand::Unknown},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    StandInAssets fresh;
    fresh.Remove(c.file);
    game.DoingBlankout = c.blankout;
    auto screen = Render();
    const int x = game.BoardX + 3 + 68 * (c.column - 1);
    const int y = game.BoardY + 3 + 68 * (c.row - 1);
    EXPECT_TRUE(AllOf(*screen, x, y, 68, 68, 0x000000));
    EXPECT_EQ(CellCentre(*screen, c.otherColumn, c.otherRow, 17), c.other);
  }
}

TEST_F(GameScreenTest, PausedGameShowsOnlyTheHeaderAndTheWord) {
  Pause();
  ASSERT_TRUE(game.IsPaused());
  auto screen = Render();
  EXPECT_EQ(game.HeaderHeight, 22);
  EXPECT_GT(Red(screen->Pixel(300, 0)), 0x80u);  // the header's gradient

  // "PAUSED" at size 92 (3 x 92 = 276 of the 278 of side), baseline 227;
  // the resume line at size 27.6, baseline 260. Nothing else below the bar.
  for (const uint32_t colour : {Stand::Square, Stand::Circle, Stand::Triangle, Stand::Diamond})
    EXPECT_EQ(CountOf(*screen, 0, 23, 600, 377, colour), 0) << std::hex << colour;
  EXPECT_TRUE(AllOf(*screen, 0, 23, 600, 227 - 92 - 23, 0x000000));
  EXPECT_TRUE(AllOf(*screen, 0, 270, 600, 130, 0x000000));
  EXPECT_TRUE(AllOf(*screen, 0, 23, 100, 377, 0x000000));

  // The word is white at its head and shaded towards its foot.
  EXPECT_GE(BrightestRed(*screen, 162, 227 - 66, 276, 12), 0xE0u);
  EXPECT_LE(BrightestRed(*screen, 162, 227 - 10, 276, 10), 0xB8u);
  EXPECT_GE(BrightestRed(*screen, 162, 227 - 10, 276, 10), 0x90u);
  ASSERT_TRUE(game.pPausedGloss);
  EXPECT_EQ(game.pPausedGloss->Height(), 110);  // the text height at size 92

  // The resume line in &h3F3F3F.
  EXPECT_EQ(BrightestRed(*screen, 0, 235, 600, 30), 0x3Fu);
  EXPECT_GT(CountOf(*screen, 0, 235, 600, 30, 0x3F3F3F), 0);
}

TEST_F(GameScreenTest, PausedWordSizeFitsTheSideButNeverFallsBelowEleven) {
  struct Case {
    int w, h;
    int size;
    double x, y;
  };
  // 600 x 60: side 28, narrower than "PAUSED" even at 11.
  const Case cases[] = {{600, 400, 92, 162, 227}, {600, 60, 11, 283, 33}};
  Pause();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.h);
    Recording rec(c.w, c.h);
    GameScreen::Draw(game, rec.g);
    const DrawnText* word = rec.drawing().Find("PAUSED");
    ASSERT_NE(word, nullptr);
    EXPECT_EQ(word->pixelSize, c.size);
    EXPECT_EQ(word->colour, 0xFFFFFFu);
    EXPECT_EQ(word->x, c.x);
    EXPECT_EQ(word->y, c.y);
    const DrawnText* resume = rec.drawing().Find("Click or press P to Resume");
    ASSERT_NE(resume, nullptr);
    EXPECT_EQ(resume->colour, 0x3F3F3Fu);
    EXPECT_NEAR(resume->y, c.y + std::max(9.0, c.size * 0.3) * 1.2, 1e-9);
    EXPECT_TRUE(rec.drawing().TextsIn(0x5F5F5F).empty());  // no selector digits
  }
}
