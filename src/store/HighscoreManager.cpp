#include "store/HighscoreManager.h"

#include <algorithm>
#include <numeric>

#include "store/KeyList.h"

namespace HighscoreManager {
namespace {

void append(const std::string& name, int32_t level, double date, bool isNew) {
  ScoreName.push_back(name);
  ScoreLevel.push_back(level);
  ScoreDate.push_back(date);
  ScoreNew.push_back(isNew);
}

void clearMarks() { std::fill(ScoreNew.begin(), ScoreNew.end(), false); }

void loadDefaultTable() {
  AddScore("Marika V.", 6, 0);
  AddScore("Benedek R.", 16, 0);
  AddScore("Tibby W.", 22, 0);
  AddScore("D. Quennell ", 2, 0);
  AddScore("Elmond J.", 31, 0);
  clearMarks();
}

void appendStoredEntry(const std::string& stored) {
  KeyList entry;
  entry.AddData(stored);
  append(entry.GetItem("n"), entry.GetItemV("l").IntegerValue(), entry.GetItemV("d").DoubleValue(), false);
}

// Ties keep their order, so among equal levels the older entry stays lower
// and is the first to be trimmed.
void sortByLevel() {
  std::vector<size_t> order(ScoreLevel.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [](size_t a, size_t b) { return ScoreLevel[a] < ScoreLevel[b]; });
  const auto names = ScoreName;
  const auto levels = ScoreLevel;
  const auto dates = ScoreDate;
  const auto marks = ScoreNew;
  for (size_t i = 0; i < order.size(); ++i) {
    ScoreName[i] = names[order[i]];
    ScoreLevel[i] = levels[order[i]];
    ScoreDate[i] = dates[order[i]];
    ScoreNew[i] = marks[order[i]];
  }
}

}  // namespace

std::string GetScores() {
  KeyList table;
  table.BinaryFormat = true;
  table.OptimizeBinaryLengthData = true;
  for (size_t i = 0; i < ScoreName.size(); ++i) {
    KeyList entry;
    entry.BinaryFormat = true;
    entry.OptimizeBinaryLengthData = true;
    entry.AddItem("n", ScoreName[i]);
    entry.AddItem("l", ScoreLevel[i]);
    entry.AddItem("d", ScoreDate[i]);
    table.AddItem("e", entry.GetData());
  }
  return table.GetData();
}

void LoadScores(const std::string& text) {
  if (text.empty()) return loadDefaultTable();
  KeyList table;
  table.RemoveItemsAsFound = true;
  table.AddData(text);
  // Only the binary form takes items away as they are found; text found in
  // the stored string holds no entries. A record that has only begun to
  // arrive counts as present but is never found, which also ends the loop.
  while (table.BinaryFormat && table.HasItem("e")) {
    bool found = false;
    const std::string stored = table.GetItem("e", found);
    if (!found) break;
    appendStoredEntry(stored);
  }
  TrimList();
}

void AddScore(const std::string& name, int32_t level, double date) {
  clearMarks();
  append(name, level, date, true);
  sortByLevel();
  TrimList();
}

void TrimList() {
  if (ScoreName.size() <= MaxEntries) return;
  const auto excess = static_cast<std::ptrdiff_t>(ScoreName.size() - MaxEntries);
  ScoreName.erase(ScoreName.begin(), ScoreName.begin() + excess);
  ScoreLevel.erase(ScoreLevel.begin(), ScoreLevel.begin() + excess);
  ScoreDate.erase(ScoreDate.begin(), ScoreDate.begin() + excess);
  ScoreNew.erase(ScoreNew.begin(), ScoreNew.begin() + excess);
}

bool IsAHighscore(int32_t value) {
  if (ScoreLevel.size() < MaxEntries) return true;
  return ScoreLevel.front() < value;
}

}  // namespace HighscoreManager
