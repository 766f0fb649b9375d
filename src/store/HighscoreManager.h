#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The table of the best results, kept as four parallel sequences in
// ascending order of level, at most MaxEntries long.
namespace HighscoreManager {

inline constexpr int MaxEntries = 20;

inline std::vector<std::string> ScoreName;
inline std::vector<int32_t> ScoreLevel;
inline std::vector<double> ScoreDate;
inline std::vector<bool> ScoreNew;

// The table as stored under "Scores": a binary KeyList of "e" items, each
// itself a binary KeyList of "n" (name), "l" (level) and "d" (date).
std::string GetScores();
// Appends the entries of a stored table; the empty text gives the default table.
void LoadScores(const std::string& text);
// Enters a result, marks it as the new one and keeps the table sorted and short.
void AddScore(const std::string& name, int32_t level, double date);
// Drops the lowest entries beyond MaxEntries.
void TrimList();
// Whether a result of `value` would enter the table.
bool IsAHighscore(int32_t value);

}  // namespace HighscoreManager
