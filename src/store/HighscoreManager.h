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

// Whether a result of `value` would enter the table.
bool IsAHighscore(int32_t value);

}  // namespace HighscoreManager
