#include "view/KeyMap.h"

#include <array>
#include <cctype>
#include <string_view>

#include "app/App.h"
#include "game/GameInstance.h"
#include "store/Preferences.h"

namespace KeyMap {
namespace {

struct Row {
  bool (*applies)(const GameInstance& game, char key);
  void (*action)(GameInstance& game, char key);
};

bool onGameScreen(const GameInstance& game) { return game.ViewMode == ViewModes::Game; }

bool isDigit(char key) { return std::string_view("12345").find(key) != std::string_view::npos; }

// Tried from the top; the first row that applies is taken.
const std::array<Row, 11> Rows = {{
    {[](const GameInstance&, char k) { return k == 'p'; }, [](GameInstance& g, char) { g.TimerToggle(); }},
    {[](const GameInstance&, char k) { return k == 'h'; }, [](GameInstance& g, char) { g.ToggleHighscore(); }},
    {[](const GameInstance&, char k) { return k == 'i'; }, [](GameInstance& g, char) { g.ToggleAbout(); }},
    {[](const GameInstance& g, char) { return g.ViewMode == ViewModes::About; },
     [](GameInstance& g, char) { g.ToggleAbout(); }},
    {[](const GameInstance& g, char) { return g.ViewMode == ViewModes::Highscore; },
     [](GameInstance& g, char) { g.ToggleHighscore(); }},
    {[](const GameInstance& g, char) { return g.IsPaused(); }, [](GameInstance& g, char) { g.TimerToggle(); }},
    {[](const GameInstance& g, char k) { return k == Escape && onGameScreen(g); },
     [](GameInstance&, char) {
       if (Preferences::Fullscreen) App::ToggleFullscreen();
     }},
    {[](const GameInstance& g, char k) { return isDigit(k) && g.DoingBlankout; },
     [](GameInstance& g, char k) {
       Preferences::KeyboardHint += 1;
       g.ClickSelector(k - '1');
     }},
    {[](const GameInstance& g, char k) { return k == ' ' && g.DoingBlankout; },
     [](GameInstance& g, char) { g.NewBoard(false, true, false); }},
    {[](const GameInstance&, char k) { return k == ' '; }, [](GameInstance& g, char) { g.DoBlankout(); }},
    {[](const GameInstance& g, char k) { return k == 'r' && onGameScreen(g); },
     [](GameInstance& g, char) { g.BoardReload(); }},
}};

}  // namespace

void KeyDown(GameInstance& game, const std::string& key) {
  if (key.empty()) return;
  // A character beyond ASCII matches no letter, digit or space: "any other key".
  constexpr char OtherKey = 1;
  const char k = key.size() == 1 ? static_cast<char>(std::tolower(static_cast<unsigned char>(key[0]))) : OtherKey;
  for (const Row& row : Rows) {
    if (row.applies(game, k)) {
      row.action(game, k);
      return;
    }
  }
}

}  // namespace KeyMap
