#include "store/Preferences.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <cstdlib>
#include <limits>

#include "store/KeyList.h"
#include "support/Bytes.h"
#include "support/StoreState.h"

namespace {

const std::vector<std::string> DefaultScoreNames = {"D. Quennell ", "Marika V.", "Benedek R.", "Tibby W.",
                                                    "Elmond J."};

// A stored file of the given items, in the form Save writes.
std::string storedFile(const std::vector<std::pair<std::string, Variant>>& items) {
  KeyList list;
  list.BinaryFormat = true;
  list.OptimizeBinaryLengthData = true;
  for (const auto& [key, value] : items) list.AddItem(key, value);
  return list.GetData();
}

void expectDefaults() {
  EXPECT_EQ(Preferences::LaunchCount, 1);
  EXPECT_TRUE(Preferences::Fullscreen);
  EXPECT_EQ(Preferences::KeyboardHint, 0);
  EXPECT_EQ(Preferences::UserName, "");
  EXPECT_FALSE(Preferences::SoundMute);
  EXPECT_EQ(Preferences::GameData, "");
  EXPECT_TRUE(WindowManager::sKey.empty());
  EXPECT_EQ(HighscoreManager::ScoreName, DefaultScoreNames);
}

class PreferencesTest : public testing::Test {
 protected:
  StoreState state;
};

TEST_F(PreferencesTest, FirstStartLoadsDefaultsAndCreatesNothing) {
  Preferences::Load();
  expectDefaults();
  EXPECT_TRUE(state.messages.empty());
  EXPECT_FALSE(QDir(QString::fromStdString(StoreState::SupportFolder())).exists());
}

TEST_F(PreferencesTest, TheFileLiesInTheUsersLibraryFolder) {
  const std::string library = std::getenv("XDG_DATA_HOME");
  EXPECT_FALSE(Preferences::GetPrefFile(false).has_value());
  EXPECT_EQ(Preferences::GetPrefFile(true), library + "/Application Support/com.larkfen.pemola/preferences");
  EXPECT_EQ(Preferences::GetPrefFile(false), library + "/Application Support/com.larkfen.pemola/preferences");
}

TEST_F(PreferencesTest, ARelativeDataHomeFallsBackToTheHomeFolder) {
  const std::string saved = std::getenv("XDG_DATA_HOME");
  setenv("XDG_DATA_HOME", "relative/share", 1);
  EXPECT_EQ(platform::LibraryFolder(), std::string(std::getenv("HOME")) + "/.local/share");
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(platform::LibraryFolder(), std::string(std::getenv("HOME")) + "/.local/share");
  setenv("XDG_DATA_HOME", saved.c_str(), 1);
}

TEST_F(PreferencesTest, SaveThenLoadGivesEverythingBackWithOneMoreLaunch) {
  Preferences::LaunchCount = 6;
  Preferences::Fullscreen = false;
  Preferences::KeyboardHint = 3;
  Preferences::UserName = "Zoë";
  Preferences::SoundMute = true;
  Preferences::GameData = std::string("\x01\x00\x05", 3) + "saved";
  WindowManager::WindowBoundsFromString("main 120 80 600 400");
  HighscoreManager::AddScore("Ann", 9, 3500000000.0);
  Preferences::Save();

  StoreState::ResetVariables();
  StoreState::ClearTables();
  Preferences::Load();
  EXPECT_EQ(Preferences::LaunchCount, 7);
  EXPECT_FALSE(Preferences::Fullscreen);
  EXPECT_EQ(Preferences::KeyboardHint, 3);
  EXPECT_EQ(Preferences::UserName, "Zoë");
  EXPECT_TRUE(Preferences::SoundMute);
  EXPECT_EQ(Preferences::GameData, std::string("\x01\x00\x05", 3) + "saved");
  EXPECT_EQ(WindowManager::WindowBoundsString(), "main 120 80 600 400");
  EXPECT_EQ(HighscoreManager::ScoreName, std::vector<std::string>{"Ann"});
  EXPECT_EQ(HighscoreManager::ScoreDate, std::vector<double>{3500000000.0});
  EXPECT_FALSE(HighscoreManager::ScoreNew[0]);
  EXPECT_TRUE(state.messages.empty());
}

std::string record2(const std::string& key, const std::string& content) {
  return Bytes({static_cast<int>(key.size())}) + key +
         Bytes({static_cast<int>(content.size() >> 8), static_cast<int>(content.size() & 0xFF)}) + content;
}

TEST_F(PreferencesTest, TheFileHoldsEightItemsInTheNarrowestWidth) {
  Preferences::LaunchCount = 7;
  Preferences::GameData = std::string(300, 'g');
  Preferences::Save();
  const std::string expected = Bytes({0x02}) + record2("LaunchCount", "7") + record2("Fullscreen", "True") +
                               record2("KeyboardHint", "") + record2("UserName", "") +
                               record2("SoundMute", "False") + record2("GameData", std::string(300, 'g')) +
                               record2("WindowBounds", "") + record2("Scores", Bytes({0x01}));
  EXPECT_EQ(StoreState::ReadPrefFile(), expected);

  Preferences::Load();
  EXPECT_EQ(Preferences::LaunchCount, 8);
  EXPECT_EQ(Preferences::KeyboardHint, 0);
  EXPECT_EQ(Preferences::UserName, "");
  EXPECT_TRUE(HighscoreManager::ScoreName.empty());
}

TEST_F(PreferencesTest, MissingItemsTakeTheirDefaults) {
  struct Case {
    const char* what;
    std::string file;
    bool fullscreen;
    bool mute;
  };
  const Case cases[] = {
      {"no Fullscreen", storedFile({{"LaunchCount", 2}}), true, false},
      {"Fullscreen false", storedFile({{"Fullscreen", false}}), false, false},
      {"Fullscreen in other text", storedFile({{"Fullscreen", "true"}}), false, false},
      {"no SoundMute", storedFile({{"Fullscreen", true}}), true, false},
      {"SoundMute true", storedFile({{"SoundMute", true}}), true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StoreState::Reset();
    StoreState::WritePrefFile(c.file);
    Preferences::Load();
    EXPECT_EQ(Preferences::Fullscreen, c.fullscreen);
    EXPECT_EQ(Preferences::SoundMute, c.mute);
  }
  EXPECT_TRUE(state.messages.empty());
}

TEST_F(PreferencesTest, FilesWithoutItemsLoadDefaults) {
  struct Case {
    const char* what;
    std::string file;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"empty file", "", {}},
      {"a single byte 02", Bytes({0x02}), {}},
      {"header 3", Bytes({0x03}) + Record1("LaunchCount", "9"), {"Critical err: Input Format unknown: 3"}},
      {"text", "<launchcount>9</launchcount>", {"Critical err: Input Format unknown: 60"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StoreState::Reset();
    state.messages.clear();
    StoreState::WritePrefFile(c.file);
    Preferences::Load();
    expectDefaults();
    EXPECT_EQ(state.messages, c.messages);
  }
}

TEST_F(PreferencesTest, AFileCutShortKeepsTheItemsBeforeTheCut) {
  const std::string scores = Bytes({0x01}) + Record1("e", Bytes({0x01}) + Record1("n", "Ann") + Record1("l", "9"));
  const std::string file = storedFile({{"LaunchCount", 4},
                                       {"Fullscreen", false},
                                       {"KeyboardHint", 5},
                                       {"UserName", "Bo"},
                                       {"SoundMute", true},
                                       {"GameData", "gd"},
                                       {"WindowBounds", "main 1 2 3 4"},
                                       {"Scores", scores}});
  const size_t fullscreenAt = file.find("Fullscreen") - 1;
  const size_t userNameAt = file.find("UserName") - 1;
  struct Case {
    const char* what;
    size_t length;
    int32_t launchCount;
    bool fullscreen;
    int32_t keyboardHint;
    std::string userName;
    size_t scores;
  };
  const Case cases[] = {
      {"inside the first key", 5, 1, true, 0, "", 5},
      {"inside the Fullscreen key", fullscreenAt + 4, 5, true, 0, "", 5},
      {"after the Fullscreen key", fullscreenAt + 11, 5, true, 0, "", 5},
      // One byte of the next record holds back the complete one before it.
      {"one byte into KeyboardHint", fullscreenAt + 18, 5, true, 0, "", 5},
      {"inside the UserName content", userNameAt + 10, 5, false, 5, "", 5},
      {"inside the scores", file.size() - 1, 5, false, 5, "Bo", 5},
      {"whole", file.size(), 5, false, 5, "Bo", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StoreState::Reset();
    StoreState::WritePrefFile(file.substr(0, c.length));
    Preferences::Load();
    EXPECT_EQ(Preferences::LaunchCount, c.launchCount);
    EXPECT_EQ(Preferences::Fullscreen, c.fullscreen);
    EXPECT_EQ(Preferences::KeyboardHint, c.keyboardHint);
    EXPECT_EQ(Preferences::UserName, c.userName);
    EXPECT_EQ(HighscoreManager::ScoreName.size(), c.scores);
  }
  EXPECT_TRUE(state.messages.empty());
}

TEST_F(PreferencesTest, TheLaunchCountStopsAtItsLargestValue) {
  StoreState::WritePrefFile(storedFile({{"LaunchCount", std::numeric_limits<int32_t>::max()}}));
  Preferences::Load();
  EXPECT_EQ(Preferences::LaunchCount, std::numeric_limits<int32_t>::max());
}

TEST_F(PreferencesTest, AFailedSaveLeavesTheOldFileWhole) {
  const std::string old = storedFile({{"LaunchCount", 3}, {"UserName", "old"}});
  StoreState::WritePrefFile(old);
  Preferences::UserName = std::string(1000, 'n');
  for (const int64_t failAfter : {0, 1, 10, 500, 1019}) {
    SCOPED_TRACE(failAfter);
    platform::SetWriteFailureAfter(failAfter);
    Preferences::Save();
    EXPECT_EQ(StoreState::ReadPrefFile(), old);
    EXPECT_EQ(StoreState::FolderEntries(), QStringList{"preferences"});
  }
  platform::SetWriteFailureAfter(-1);
  Preferences::Save();
  Preferences::Load();
  EXPECT_EQ(Preferences::UserName, std::string(1000, 'n'));
  EXPECT_TRUE(state.messages.empty());
}

TEST_F(PreferencesTest, ASaveThatCannotCreateItsFoldersWritesNothing) {
  QDir().mkpath(QString::fromStdString(platform::LibraryFolder()));
  QFile blocker(QString::fromStdString(StoreState::SupportFolder()));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.write("not a folder");
  blocker.close();
  Preferences::Save();
  EXPECT_EQ(platform::ReadWholeFile(StoreState::SupportFolder()), "not a folder");
  EXPECT_FALSE(Preferences::GetPrefFile(true).has_value());
  Preferences::Load();
  expectDefaults();
  EXPECT_TRUE(state.messages.empty());
}

TEST_F(PreferencesTest, AMissingLibraryFolderIsCreatedBySave) {
  const std::string saved = std::getenv("XDG_DATA_HOME");
  const std::string fresh = std::string(std::getenv("HOME")) + "/fresh/data";
  setenv("XDG_DATA_HOME", fresh.c_str(), 1);
  Preferences::KeyboardHint = 4;
  Preferences::Save();
  const bool written = platform::ItemExists(fresh + "/Application Support/com.larkfen.pemola/preferences");
  QDir(QString::fromStdString(std::string(std::getenv("HOME")) + "/fresh")).removeRecursively();
  setenv("XDG_DATA_HOME", saved.c_str(), 1);
  EXPECT_TRUE(written);
}

}  // namespace
