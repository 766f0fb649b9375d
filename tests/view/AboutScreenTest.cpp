// The about screen's layout from the view's size and the icon's.
#include "view/AboutScreen.h"

#include <gtest/gtest.h>

#include "Version.h"
#include "support/DrawingFixture.h"
#include "support/RecordingSurface.h"

namespace {

using AboutScreenTest = DrawingTest;

}  // namespace

TEST_F(AboutScreenTest, IconAndTitleFollowTheViewSize) {
  struct Case {
    int w, h;
    DrawnRect icon;
    int titleSize;
    double titleX, titleY;
    double makerX, makerY;
  };
  const Case cases[] = {
      // limW 400, limH 300: the 512 x 512 icon drawn 300 x 300; the maker
      // line is 255 wide at size 30, so the pair is centred from 322.
      {1200, 900, {322, 0, 300, 300}, 60, 622, 150, 622, 195},
      // Icon and maker line wider than the view: the icon stays 18 in.
      {100, 900, {18, 0, 33, 33}, 11, 51, 16, 51, 16 + 2 * 10.8 - 8.1},
  };
  game.ViewMode = ViewModes::About;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.w);
    Recording rec(c.w, c.h);
    GameScreen::Draw(game, rec.g);
    EXPECT_EQ(game.HeaderHeight, 0);
    const Drawing& d = rec.drawing();
    ASSERT_FALSE(d.pictures.empty());
    EXPECT_EQ(d.pictures[0], c.icon);
    const DrawnText* title = d.Find("Pemola");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->pixelSize, c.titleSize);
    EXPECT_EQ(title->colour, 0xFFFFFFu);
    EXPECT_EQ(title->x, c.titleX);
    EXPECT_EQ(title->y, c.titleY);
    const DrawnText* maker = d.Find(AboutScreen::MakerLine);
    ASSERT_NE(maker, nullptr);
    EXPECT_EQ(maker->colour, 0x7F7F7Fu);
    EXPECT_EQ(maker->x, c.makerX);
    EXPECT_NEAR(maker->y, c.makerY, 1e-9);
    // The version follows the title on its baseline, in the small grey type.
    const DrawnText* version = d.Find(std::string("  ") + PEMOLA_VERSION);
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->y, c.titleY);
    EXPECT_EQ(version->x, static_cast<int>(c.titleX + 3 * c.titleSize));
  }
}

TEST_F(AboutScreenTest, CloseMarkRuleHeadingAndBody) {
  game.ViewMode = ViewModes::About;
  Recording rec(1200, 900);
  GameScreen::Draw(game, rec.g);
  const Drawing& d = rec.drawing();
  // The close mark 31 high in the corner, after the icon and the title's gloss.
  EXPECT_NE(std::find(d.pictures.begin(), d.pictures.end(), DrawnRect{2, 2, 31, 31}), d.pictures.end());
  // The rule under the icon, a tenth of the width in from each side.
  EXPECT_NE(std::find(d.fills.begin(), d.fills.end(), DrawnRect{120, 300, 961, 1}), d.fills.end());
  const DrawnText* heading = d.Find("How to Play");
  ASSERT_NE(heading, nullptr);
  EXPECT_EQ(heading->x, 513);
  EXPECT_NEAR(heading->y, 337.8, 1e-9);
  // The body wraps at 1158 (1200 less two margins of 21): each paragraph
  // takes two lines here, with one empty line between paragraphs.
  std::vector<const DrawnText*> body;
  for (const DrawnText& t : d.texts)
    if (t.colour == 0xEEEEEE) body.push_back(&t);
  ASSERT_EQ(body.size(), 6u);
  EXPECT_EQ(body[0]->text.rfind("After the countdown", 0), 0u);
  EXPECT_EQ(body[0]->x, 21);
  EXPECT_EQ(body[0]->y, 394);
  EXPECT_NEAR(body[1]->y, 394 + 37.8, 1e-9);
  EXPECT_EQ(body[2]->text.rfind("Use Number Keys", 0), 0u);
  EXPECT_NEAR(body[2]->y, 394 + 3 * 37.8, 1e-9);
  EXPECT_EQ(body[4]->text.rfind("Use Space Bar", 0), 0u);
  EXPECT_NEAR(body[4]->y, 394 + 6 * 37.8, 1e-9);
  EXPECT_EQ(body[4]->text + " " + body[5]->text,
            "Use Space Bar to skip the countdown or load a new board of the same level.");
}
