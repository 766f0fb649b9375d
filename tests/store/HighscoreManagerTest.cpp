#include "store/HighscoreManager.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "store/KeyList.h"
#include "support/Bytes.h"
#include "support/StoreState.h"

namespace HighscoreManager {
namespace {

using Entry = std::tuple<std::string, int32_t, double, bool>;

std::vector<Entry> table() {
  std::vector<Entry> entries;
  for (size_t i = 0; i < ScoreName.size(); ++i)
    entries.emplace_back(ScoreName[i], ScoreLevel[i], ScoreDate[i], ScoreNew[i]);
  return entries;
}

// A full table with levels 5, 10, 11, ..., 28.
void fillTable() {
  AddScore("lowest", 5, 0);
  for (int32_t level = 10; level < 29; ++level) AddScore("p" + std::to_string(level), level, 100.0 * level);
  ASSERT_EQ(ScoreName.size(), 20u);
}

const std::string TibbyEntry = Bytes({0x01}) + Record1("n", "Tibby W.") + Record1("l", "7") + Record1("d", "3500000000");
const std::string TibbyTable = Bytes({0x01}) + Record1("e", TibbyEntry);

class HighscoreManagerTest : public testing::Test {
 protected:
  StoreState state;
};

TEST_F(HighscoreManagerTest, StoredStringOfTheWorkedExample) {
  ASSERT_EQ(TibbyEntry.size(), 29u);
  ASSERT_EQ(TibbyTable.size(), 33u);
  AddScore("Tibby W.", 7, 3500000000.0);
  EXPECT_EQ(GetScores(), TibbyTable);

  StoreState::ClearTables();
  LoadScores(TibbyTable);
  EXPECT_EQ(table(), (std::vector<Entry>{{"Tibby W.", 7, 3500000000.0, false}}));
  EXPECT_TRUE(state.messages.empty());
}

TEST_F(HighscoreManagerTest, AnEmptyTableIsStoredAsTheHeaderAlone) {
  EXPECT_EQ(GetScores(), Bytes({0x01}));
}

TEST_F(HighscoreManagerTest, FirstStartGivesTheDefaultTable) {
  LoadScores("");
  const std::vector<Entry> expected = {{"D. Quennell ", 2, 0, false},
                                       {"Marika V.", 6, 0, false},
                                       {"Benedek R.", 16, 0, false},
                                       {"Tibby W.", 22, 0, false},
                                       {"Elmond J.", 31, 0, false}};
  EXPECT_EQ(table(), expected);
}

TEST_F(HighscoreManagerTest, AnyValueQualifiesWhileTheTableIsNotFull) {
  LoadScores("");
  for (const int32_t value : {-5, 0, 1, 2, 100}) EXPECT_TRUE(IsAHighscore(value)) << value;
}

TEST_F(HighscoreManagerTest, AFullTableTakesOnlyResultsAboveItsLowest) {
  fillTable();
  EXPECT_FALSE(IsAHighscore(4));
  EXPECT_FALSE(IsAHighscore(5));
  EXPECT_TRUE(IsAHighscore(6));

  AddScore("new", 7, 1.0);
  ASSERT_EQ(ScoreName.size(), 20u);
  EXPECT_EQ(ScoreLevel.front(), 7);
  EXPECT_EQ(ScoreName.front(), "new");
  EXPECT_TRUE(ScoreNew.front());
  EXPECT_EQ(std::count(ScoreNew.begin(), ScoreNew.end(), true), 1);
  EXPECT_TRUE(std::is_sorted(ScoreLevel.begin(), ScoreLevel.end()));
}

TEST_F(HighscoreManagerTest, AResultBelowAFullTableIsAddedAndTrimmedAway) {
  fillTable();
  AddScore("too low", 1, 0);
  EXPECT_EQ(ScoreName.size(), 20u);
  EXPECT_EQ(ScoreName.front(), "lowest");
  EXPECT_EQ(std::count(ScoreNew.begin(), ScoreNew.end(), true), 0);
}

TEST_F(HighscoreManagerTest, OnlyTheLatestEntryIsMarked) {
  AddScore("first", 10, 0);
  AddScore("second", 3, 0);
  EXPECT_EQ(table(), (std::vector<Entry>{{"second", 3, 0, true}, {"first", 10, 0, false}}));
}

TEST_F(HighscoreManagerTest, EqualLevelsKeepTheOlderEntryLower) {
  AddScore("older", 8, 0);
  AddScore("newer", 8, 0);
  EXPECT_EQ(ScoreName, (std::vector<std::string>{"older", "newer"}));
}

TEST_F(HighscoreManagerTest, StoredTableReadsBackWithoutMarks) {
  AddScore("", 3, 0);
  AddScore("Ann <3", 12, 3456789012.0);
  AddScore("Zoë", 40, 3500000000.5);
  const std::string stored = GetScores();
  const auto before = table();

  StoreState::ClearTables();
  LoadScores(stored);
  ASSERT_EQ(ScoreName.size(), before.size());
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(ScoreName[i], std::get<0>(before[i]));
    EXPECT_EQ(ScoreLevel[i], std::get<1>(before[i]));
    EXPECT_EQ(ScoreDate[i], std::get<2>(before[i]));
    EXPECT_FALSE(ScoreNew[i]);
  }
}

TEST_F(HighscoreManagerTest, LoadingKeepsTheStoredOrderAndTheLast20) {
  KeyList stored;
  stored.BinaryFormat = true;
  stored.OptimizeBinaryLengthData = true;
  for (int32_t i = 0; i < 25; ++i) {
    KeyList entry;
    entry.BinaryFormat = true;
    entry.OptimizeBinaryLengthData = true;
    entry.AddItem("n", "p" + std::to_string(i));
    entry.AddItem("l", 100 - i);
    entry.AddItem("d", 0.0);
    stored.AddItem("e", entry.GetData());
  }
  LoadScores(stored.GetData());
  ASSERT_EQ(ScoreName.size(), 20u);
  EXPECT_EQ(ScoreName.front(), "p5");
  EXPECT_EQ(ScoreLevel.front(), 95);
  EXPECT_EQ(ScoreName.back(), "p24");
  // Unsorted as stored: the first entry decides, though others are lower.
  EXPECT_FALSE(IsAHighscore(95));
  EXPECT_TRUE(IsAHighscore(96));
}

TEST_F(HighscoreManagerTest, DamagedStoredTablesAreReadAsFarAsTheyGo) {
  struct Case {
    const char* what;
    std::string stored;
    std::vector<Entry> entries;
  };
  const Case cases[] = {
      {"entry without items", Bytes({0x01}) + Record1("e", Bytes({0x01})), {{"", 0, 0, false}}},
      {"entry cut short", Bytes({0x01}) + Record1("e", TibbyEntry.substr(0, 20)), {{"Tibby W.", 7, 0, false}}},
      {"table cut inside its second entry",
       (TibbyTable + Record1("e", TibbyEntry)).substr(0, 40),
       {{"Tibby W.", 7, 3500000000.0, false}}},
      {"other keys only", Bytes({0x01}) + Record1("x", TibbyEntry), {}},
      {"text holding <e>", "<e>" + TibbyEntry + "</e>", {}},
      {"text with an open <e>", "<x>y</x><e>", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StoreState::ClearTables();
    LoadScores(c.stored);
    EXPECT_EQ(table(), c.entries);
  }
}

}  // namespace
}  // namespace HighscoreManager

namespace HighscoreManager {

// A name that looks like markup must not make the stored table read as
// the text form, which holds no entries: the whole table would be lost.
TEST_F(HighscoreManagerTest, NamesThatLookLikeTagsKeepTheTable) {
  for (const std::string name : {"<b>x</b>", "<e>1</e>", "<a></a>"}) {
    StoreState::ClearTables();
    AddScore(name, 9, 0);
    AddScore("Ann", 4, 0);
    const std::string stored = GetScores();
    StoreState::ClearTables();
    LoadScores(stored);
    EXPECT_EQ(ScoreName, (std::vector<std::string>{"Ann", name})) << name;
  }
}

}  // namespace HighscoreManager
