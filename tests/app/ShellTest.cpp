// Launch, the switch between the two game windows, and the menu bar, on
// real (offscreen) windows.
#include <gtest/gtest.h>

#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/WinGame.h"
#include "app/WinGameFullscreen.h"
#include "app/WindowManager.h"
#include "support/Recorders.h"
#include "view/GameView.h"

#include <QMouseEvent>
#include <filesystem>

namespace {

class ShellTest : public testing::Test {
 protected:
  ShellTest() {
    WindowManager::sKey.clear();
    // Every test starts as a first launch.
    if (const auto file = Preferences::GetPrefFile(false)) std::filesystem::remove(*file);
  }
  ~ShellTest() override {
    App::DelayPreload.reset();
    App::tmrDC.reset();
    GameManager::GameWindowSource = nullptr;
    Recorders::CloseWindows();
    GameManager::game.reset();
    for (auto* list : {&WindowManager::iLeft, &WindowManager::iTop, &WindowManager::iWidth, &WindowManager::iHeight})
      list->clear();
    WindowManager::sKey.clear();
  }

  Recorders recorders;
};

}  // namespace

TEST_F(ShellTest, FirstLaunchOpensFullscreenAfterTheNormalWindow) {
  App::Event_Open();
  ASSERT_TRUE(GameManager::game);
  EXPECT_TRUE(Preferences::Fullscreen);
  EXPECT_EQ(Preferences::LaunchCount, 1);
  ASSERT_TRUE(WinGameFullscreen::IfOpen());
  EXPECT_FALSE(WinGame::IfOpen()) << "the normal window closes once the fullscreen one is shown";
  EXPECT_EQ(WindowManager::sKey, std::vector<std::string>{"main"}) << "its close stored its bounds";
  EXPECT_EQ(WindowManager::iWidth.at(0), 600);
  EXPECT_EQ(GameManager::game->ViewRef, static_cast<platform::Canvas*>(WinGameFullscreen::IfOpen()->view()));
  EXPECT_EQ(GameManager::GetGameWindow(), WinGameFullscreen::IfOpen());
  ASSERT_TRUE(App::DelayPreload && App::tmrDC);
  EXPECT_EQ(App::DelayPreload->Period(), 10);
  EXPECT_EQ(App::DelayPreload->Mode(), platform::Timer::Single);
  EXPECT_EQ(App::tmrDC->Period(), 3000);
  EXPECT_EQ(App::tmrDC->Mode(), platform::Timer::Multiple);
}

TEST_F(ShellTest, SavedGameIsResumedAtItsLevel) {
  {
    GameInstance saved;
    saved.SkipLevels(12);
    Preferences::GameData = saved.GetState();
  }
  Preferences::Save();
  Preferences::GameData.clear();
  App::Event_Open();
  EXPECT_EQ(GameManager::game->Score, 12);
  EXPECT_EQ(GameManager::game->BoardSize, 4);
  EXPECT_EQ(GameManager::game->CountDown, 5);
  EXPECT_FALSE(GameManager::game->IsPaused());
}

TEST_F(ShellTest, ToggleFullscreenBothWays) {
  App::Event_Open();
  App::ToggleFullscreen();
  EXPECT_FALSE(Preferences::Fullscreen);
  ASSERT_TRUE(WinGame::IfOpen());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(WinGameFullscreen::IfOpen());
  EXPECT_EQ(GameManager::game->ViewRef, static_cast<platform::Canvas*>(WinGame::IfOpen()->view()));
  WinGame::IfOpen()->setGeometry(150, 120, 640, 480);

  App::ToggleFullscreen();
  EXPECT_TRUE(Preferences::Fullscreen);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(WinGame::IfOpen());
  ASSERT_TRUE(WinGameFullscreen::IfOpen());
  EXPECT_EQ(WindowManager::WindowBoundsString(), "main 150 120 640 480");

  App::ToggleFullscreen();
  EXPECT_EQ(WinGame::IfOpen()->geometry(), QRect(150, 120, 640, 480)) << "the normal window comes back where it was";
}

TEST_F(ShellTest, DeactivationPausesARunningCountdown) {
  App::Event_Open();
  App::Event_Deactivate();
  EXPECT_TRUE(GameManager::game->IsPaused());
  GameManager::game->DoBlankout();
  App::Event_Deactivate();
  EXPECT_FALSE(GameManager::game->IsPaused());
}

TEST_F(ShellTest, MenuEntriesInOrder) {
  struct Row {
    const char* name;
    const char* caption;
    const char* shortcut;
  };
  const std::vector<Row> expected = {
      {"FileNewGame", "New Game", "Ctrl+N"},          {"FileReload", "Reload this Level", "Ctrl+R"},
      {"FileClose", "Close Window", "Ctrl+W"},        {"UntitledSeparator0", "-", ""},
      {"FilePauseResume", "Pause/Resume", "Ctrl+P"},  {"FileHighscore", "Highscore", "Ctrl+Shift+H"},
      {"UntitledSeparator", "-", ""},                 {"FileMute", "Mute", "Ctrl+M"},
      {"UntitledSeparator1", "-", ""},                {"FileFullscreen", "Fullscreen", "Ctrl+F"},
      {"FileQuit", "&Quit", "Ctrl+Q"},                {"FileAbout", "About", ""},
      {"EditUndo", "&Undo", "Ctrl+Z"},                {"UntitledMenu1", "-", ""},
      {"EditCut", "Cu&t", "Ctrl+X"},                  {"EditCopy", "&Copy", "Ctrl+C"},
      {"EditPaste", "&Paste", "Ctrl+V"},              {"EditClear", "&Delete", ""},
      {"UntitledMenu0", "-", ""},                     {"EditSelectAll", "Select &All", "Ctrl+A"},
      {"HelpWebsite", "Website...", ""},              {"HelpContact", "Contact Developer...", ""},
      {"UntitledSeparator2", "-", ""},                {"HelpShareOnFacebook", "Share on Facebook...", ""},
  };
  std::vector<Row> actual;
  std::vector<std::string> menus;
  for (const auto& menu : MenuBar1::Get().Menus()) {
    menus.push_back(menu.Name + " " + menu.Caption);
    for (const auto& e : menu.Entries) actual.push_back({e.Name.c_str(), e.Caption.c_str(), e.Shortcut.c_str()});
  }
  EXPECT_EQ(menus, (std::vector<std::string>{"FileMenu &Game", "EditMenu &Edit", "HelpMenu Help"}));
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_STREQ(actual[i].name, expected[i].name);
    EXPECT_STREQ(actual[i].caption, expected[i].caption) << expected[i].name;
    EXPECT_EQ(platform::MenuBar::KeySequence(actual[i].shortcut).toString().toStdString(), expected[i].shortcut)
        << expected[i].name;
  }
}

TEST_F(ShellTest, MenuHandlers) {
  App::Event_Open();
  GameInstance& game = *GameManager::game;
  game.SkipLevels(3);
  App::MenuAction("FileReload");
  EXPECT_EQ(game.Score, 3);
  App::MenuAction("FilePauseResume");
  EXPECT_TRUE(game.IsPaused());
  App::MenuAction("FileHighscore");
  EXPECT_EQ(game.ViewMode, ViewModes::Highscore);
  App::MenuAction("FileAbout");
  EXPECT_EQ(game.ViewMode, ViewModes::About);
  recorders.sounds.clear();
  App::MenuAction("FileNewGame");
  EXPECT_EQ(game.Score, 0);
  EXPECT_EQ(recorders.sounds, (std::vector<PlayedSound>{{"FlipPiece.mp3", 100}}));

  App::MenuAction("FileMute");
  App::Event_EnableMenuItems();
  EXPECT_EQ(MenuBar1::Get().Child("FileMute")->Caption, "Unmute");
  App::MenuAction("FileMute");
  App::Event_EnableMenuItems();
  EXPECT_EQ(MenuBar1::Get().Child("FileMute")->Caption, "Mute");

  for (const char* entry : {"HelpWebsite", "HelpContact", "HelpShareOnFacebook"}) App::MenuAction(entry);
  EXPECT_EQ(recorders.urls, (std::vector<std::string>{
                                "http://www.larkfen.com/pemola.html", "http://www.larkfen.com/contact.html?s=Pemola",
                                "https://www.facebook.com/sharer.php?u=http%3A%2F%2Fwww.larkfen.com%2Fpemola%2F"}));
  EXPECT_FALSE(App::MenuAction("EditCopy")) << "editing entries have no handler of the game's";
}

TEST_F(ShellTest, FullscreenMenuShowsAtTheEdges) {
  App::Event_Open();
  WinGameFullscreen* window = WinGameFullscreen::IfOpen();
  ASSERT_TRUE(window);
  EXPECT_FALSE(window->MenuBarVisible()) << "hidden on the first screen";
  const int W = window->view()->width();
  const int H = window->view()->height();
  struct Move {
    int x, y;
    bool visible;
  };
  const Move moves[] = {{W / 2, H / 2, false}, {W / 2, 0, true},    {W / 2, H / 2, false}, {0, H / 2, true},
                        {W / 2, H / 2, false}, {W - 1, 50, true},   {W - 2, 50, false},    {50, H - 1, true},
                        {50, H - 2, false},    {-5, -5, true},      {1, 1, false}};
  for (const Move& m : moves) {
    QMouseEvent move(QEvent::MouseMove, QPointF(m.x, m.y), window->mapToGlobal(QPointF(m.x, m.y)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window->view(), &move);
    EXPECT_EQ(window->MenuBarVisible(), m.visible) << m.x << "," << m.y;
  }
}
