// The highscore screen: how many rows fit, best first, the new entry's
// band, and the date column.
#include "view/HighscoreScreen.h"

#include <gtest/gtest.h>

#include "store/HighscoreManager.h"
#include "support/DrawingFixture.h"
#include "support/RecordingSurface.h"

namespace {

// A table of `count` entries "P0" (worst) to "P<count-1>" (best), with the
// game on the highscore screen. The real table is put back afterwards.
class HighscoreScreenTest : public DrawingTest {
 protected:
  HighscoreScreenTest()
      : names(HighscoreManager::ScoreName),
        levels(HighscoreManager::ScoreLevel),
        dates(HighscoreManager::ScoreDate),
        fresh(HighscoreManager::ScoreNew) {
    game.ViewMode = ViewModes::Highscore;
  }
  ~HighscoreScreenTest() override {
    HighscoreManager::ScoreName = names;
    HighscoreManager::ScoreLevel = levels;
    HighscoreManager::ScoreDate = dates;
    HighscoreManager::ScoreNew = fresh;
  }

  void Table(int count, int newIndex = -1) {
    HighscoreManager::ScoreName.clear();
    HighscoreManager::ScoreLevel.clear();
    HighscoreManager::ScoreDate.assign(count, 0);
    HighscoreManager::ScoreNew.assign(count, false);
    for (int i = 0; i < count; ++i) {
      HighscoreManager::ScoreName.push_back("P" + std::to_string(i));
      HighscoreManager::ScoreLevel.push_back(i + 1);
    }
    if (newIndex >= 0) HighscoreManager::ScoreNew[newIndex] = true;
  }

  // The names drawn, top to bottom.
  static std::vector<const DrawnText*> Names(const Drawing& d) {
    std::vector<const DrawnText*> found;
    for (const DrawnText& t : d.texts)
      if (t.text.size() >= 2 && t.text[0] == 'P' && t.x == 2) found.push_back(&t);
    return found;
  }

 private:
  std::vector<std::string> names;
  std::vector<int32_t> levels;
  std::vector<double> dates;
  std::vector<bool> fresh;
};

}  // namespace

TEST_F(HighscoreScreenTest, RowsThatFitBestFirst) {
  struct Case {
    int h, entries;
    int size;          // the text size the rows are drawn at
    int barHeight;
    double firstBaseline, step;
    int rows;          // how many are drawn
  };
  const Case cases[] = {
      // Ten rows need 180 of the 378 below the bar: size 15 stays.
      {400, 10, 15, 22, 22 + 13.5, 18, 10},
      // 600 x 200, twenty rows: size 12 shrinks to 11 and still only 14 fit.
      {200, 20, 11, 18, 18 + 9.9, 13.2, 14},
      // Too short even at 11: six of ten rows.
      {100, 10, 11, 17, 17 + 9.9, 13.2, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.h);
    Table(c.entries);
    Recording rec(600, c.h);
    GameScreen::Draw(game, rec.g);
    EXPECT_EQ(game.HeaderHeight, c.barHeight);
    const auto names = Names(rec.drawing());
    ASSERT_EQ(static_cast<int>(names.size()), c.rows);
    for (int k = 0; k < c.rows; ++k) {
      SCOPED_TRACE(k);
      EXPECT_EQ(names[k]->text, "P" + std::to_string(c.entries - 1 - k));
      EXPECT_EQ(names[k]->pixelSize, c.size);
      EXPECT_NEAR(names[k]->y, c.firstBaseline + k * c.step, 1e-9);
      EXPECT_EQ(names[k]->colour, 0xEEEEEEu);
      // The level at 49% of the width on the same baseline.
      const DrawnText* level = rec.drawing().Find(std::to_string(c.entries - k));
      ASSERT_NE(level, nullptr);
      EXPECT_EQ(level->x, 294);
      EXPECT_EQ(level->y, names[k]->y);
    }
    const DrawnText* title = rec.drawing().Find("Highscores");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->colour, 0x000000u);  // the shadow first, the white above it
  }
}

TEST_F(HighscoreScreenTest, NewEntryAloneOnTheDarkBandInPaleGreen) {
  Table(10, 7);  // third row from the top
  Recording rec(600, 400);
  GameScreen::Draw(game, rec.g);
  EXPECT_EQ(rec.drawing().TextsIn(0xD6FFD3), (std::vector<std::string>{"P7", "8"}));
  EXPECT_EQ(Names(rec.drawing()).size(), 10u);

  auto screen = Render();
  // Row 3's baseline is 22 + 13.5 + 2 x 18 = 71.5: the band covers rows
  // trunc(71.5 - 13.5 + 1) = 59 for 17 rows, between the lines at 58 and 76.
  std::vector<int> band;
  for (int y = 22; y < 400; ++y)
    if (screen->Pixel(595, y) == 0x202020) band.push_back(y);
  ASSERT_EQ(band.size(), 17u);
  EXPECT_EQ(band.front(), 59);
  EXPECT_EQ(screen->Pixel(595, 58), 0x333333u);
  EXPECT_EQ(screen->Pixel(595, 76), 0x333333u);
  EXPECT_GT(CountOf(*screen, 0, 59, 600, 17, 0xD6FFD3), 0);
  EXPECT_EQ(CountOf(*screen, 0, 22, 600, 59 - 22, 0xD6FFD3), 0);
  EXPECT_EQ(CountOf(*screen, 0, 76, 600, 400 - 76, 0xD6FFD3), 0);
  EXPECT_GT(CountOf(*screen, 0, 22, 600, 378, 0xEEEEEE), 0);
}

TEST_F(HighscoreScreenTest, DateShownOnlyForEntriesThatHaveOne) {
  Table(3);
  HighscoreManager::ScoreDate[1] = 3.7e9;  // a moment in 2021
  Recording rec(600, 400);
  GameScreen::Draw(game, rec.g);
  std::vector<const DrawnText*> dates;
  for (const DrawnText& t : rec.drawing().texts)
    if (t.x == 450) dates.push_back(&t);
  ASSERT_EQ(dates.size(), 1u);
  EXPECT_EQ(dates[0]->text, platform::Date(3.7e9).ShortDate() + " " + platform::Date(3.7e9).ShortTime());
  EXPECT_EQ(dates[0]->y, Names(rec.drawing())[1]->y);  // P1, the middle row
}
