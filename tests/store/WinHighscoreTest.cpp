// The name dialog after a qualifying game: its proposal, Add and Skip.
#include <gtest/gtest.h>

#include "platform/AddressBook.h"
#include "platform/Dialog.h"
#include "store/HighscoreManager.h"
#include "store/WinHighscore.h"
#include "support/GamePlay.h"
#include "support/Recorders.h"

namespace {

class WinHighscoreTest : public testing::Test {
 protected:
  WinHighscoreTest() {
    platform::Dialog::SetShowObserver([this](platform::Dialog&) { ++shown; });
    platform::SetMyCardSource([this] { return card; });
    GameManager::ViewRef = &canvas;
    GameManager::ShowHighscoreDialog = WinHighscore::Show;
    GameManager::game = std::make_unique<GameInstance>();
  }
  ~WinHighscoreTest() override {
    platform::Dialog::SetShowObserver(nullptr);
    platform::SetMyCardSource(nullptr);
    GameManager::game.reset();
    HighscoreManager::ScoreName.clear();
    HighscoreManager::ScoreLevel.clear();
    HighscoreManager::ScoreDate.clear();
    HighscoreManager::ScoreNew.clear();
  }

  // Loses a game on purpose at the given score; the dialog opens.
  platform::Dialog& LoseAt(int32_t score) {
    GameInstance& game = *GameManager::game;
    game.SkipLevels(score);
    Answer(game, false);
    EXPECT_TRUE(WinHighscore::IfOpen());
    return WinHighscore::IfOpen()->Window();
  }

  Recorders recorders;
  FakeCanvas canvas;
  std::optional<platform::Card> card;
  int shown = 0;
};

}  // namespace

TEST_F(WinHighscoreTest, AddEntersTheNameLevelAndEndDate) {
  platform::Dialog& dialog = LoseAt(6);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(dialog.Text("lblMessage"), "You made it to level 7! Add your name to the highscore list?");
  EXPECT_EQ(dialog.Text("btnCancel"), "Skip");
  EXPECT_EQ(dialog.Text("btnAdd"), "Add");
  const double ended = GameManager::game->GameEndDate->TotalSeconds;
  dialog.SetText("textName", "Ada");
  dialog.Press("btnAdd");
  EXPECT_EQ(HighscoreManager::ScoreName, std::vector<std::string>{"Ada"});
  EXPECT_EQ(HighscoreManager::ScoreLevel, std::vector<int32_t>{7});
  EXPECT_EQ(HighscoreManager::ScoreDate, std::vector<double>{ended});
  EXPECT_EQ(HighscoreManager::ScoreNew, std::vector<bool>{true});
  EXPECT_EQ(GameManager::game->Score, 0);
  EXPECT_EQ(GameManager::game->ViewMode, ViewModes::Highscore);
  EXPECT_TRUE(GameManager::game->IsPaused()) << "the highscore screen stops the new countdown";
  EXPECT_FALSE(WinHighscore::IfOpen());
  EXPECT_TRUE(Preferences::UserName.empty()) << "a typed name is not kept as the proposal";
}

TEST_F(WinHighscoreTest, SkipChangesNothingButStartsAnew) {
  platform::Dialog& dialog = LoseAt(3);
  EXPECT_TRUE(GameManager::game->IsGameOver) << "the game stays lost until a button acts";
  dialog.Press("btnCancel");
  EXPECT_TRUE(HighscoreManager::ScoreName.empty());
  EXPECT_EQ(GameManager::game->Score, 0);
  EXPECT_FALSE(GameManager::game->IsGameOver);
  EXPECT_EQ(GameManager::game->ViewMode, ViewModes::Game);
}

TEST_F(WinHighscoreTest, AnEmptyNameIsAccepted) {
  LoseAt(2).Press("btnAdd");
  EXPECT_EQ(HighscoreManager::ScoreName, std::vector<std::string>{""});
}

TEST_F(WinHighscoreTest, ProposalFromTheUsersCard) {
  struct Case {
    std::optional<platform::Card> card;
    std::string userName;  // set before the dialog opens
    std::string proposed;
  };
  const Case cases[] = {
      {platform::Card{"Ada", "Lovelace"}, "", "Ada Lovelace"},
      {platform::Card{"", "Lovelace"}, "", " Lovelace"},
      {platform::Card{"", ""}, "", " "},
      {platform::Card{"Ada", ""}, "", "Ada "},
      {platform::Card{"Ada", "de  la Mer"}, "", "Ada de la Mer"},
      {std::nullopt, "", ""},
      {platform::Card{"Ada", "Lovelace"}, "Grace", "Grace"},
  };
  for (const Case& c : cases) {
    card = c.card;
    Preferences::UserName = c.userName;
    GameManager::game->NewGame(false);
    platform::Dialog& dialog = LoseAt(1);
    EXPECT_EQ(dialog.Text("textName"), c.proposed);
    EXPECT_EQ(Preferences::UserName, c.proposed);
    dialog.Press("btnCancel");
  }
}
