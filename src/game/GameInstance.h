#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Date.h"
#include "platform/Picture.h"

namespace platform {
class Canvas;
}
class BlankoutTimer;

// Shape codes. A board holds only Square to Octagon; Unknown (the marker on
// the asked-for cell) and Empty (a blanked cell) are for drawing alone.
namespace ShapeCode {
inline constexpr int32_t Unknown = -1;
inline constexpr int32_t Empty = 0;
inline constexpr int32_t Square = 1;
inline constexpr int32_t Circle = 2;
inline constexpr int32_t Triangle = 3;
inline constexpr int32_t Diamond = 4;
inline constexpr int32_t Octagon = 5;
}  // namespace ShapeCode

// The screen the view shows.
namespace ViewModes {
inline constexpr int32_t Game = 0;
inline constexpr int32_t About = 1;
inline constexpr int32_t Highscore = 2;
}  // namespace ViewModes

// Header buttons, as the hit test names them.
namespace HeaderButton {
inline constexpr int32_t None = 0;
inline constexpr int32_t New = 1;
inline constexpr int32_t Reload = 2;
inline constexpr int32_t Highscore = 3;
inline constexpr int32_t Help = 4;
}  // namespace HeaderButton

// The one running game: its board, the shapes in play, the score, the
// countdown and which screen is shown. It runs without any window; while no
// view is attached, nothing is drawn or animated.
class GameInstance {
 public:
  static constexpr int32_t CountDownSeconds = 5;
  static constexpr int TickMilliseconds = 1000;

  GameInstance();
  ~GameInstance();
  GameInstance(const GameInstance&) = delete;
  GameInstance& operator=(const GameInstance&) = delete;

  // Loads a saved game state text. Only BoardSize, Score, Shape,
  // AllowedShapes, DisabledShapes and CountDown change; a text that holds no
  // playable game starts a fresh game instead.
  void SetState(const std::string& text);
  // The state text of this game: a binary KeyList of the six fields above,
  // with CountDown always stored as a full countdown.
  std::string GetState() const;
  // Cell index of a column and row counted from 1.
  int32_t GridPosToIndex(int32_t column, int32_t row) const;
  // Column and row, counted from 0, of a cell index.
  void IndexToGridPos(int32_t index, int32_t& column, int32_t& row) const;
  // Deals the next board: levelUp applies the level rules to Score, animate
  // slides the new board in, playSound plays the answer sounds.
  void NewBoard(bool levelUp, bool animate, bool playSound);
  // A press in the view; true asks for the drag and release of this press.
  bool CallMouseDown(int x, int y);
  // Starts a fresh game on this object.
  void Constructor();
  // Ends the countdown at once and hides the board, marking one cell.
  void DoBlankout();
  // The player's answer: index is the position in the selector row.
  void ClickSelector(int32_t index);
  // Captures the screen before a visible change.
  void AnimSetup();
  // Plays the transition from the captured screen to the current one.
  void AnimDo(int style, bool reverse);
  void NewGame(bool animate);
  void SkipLevels(int32_t count);
  void TimerToggle();
  bool IsPaused() const;
  void TimerPause();
  // Show or leave the about and the highscore screen.
  void ToggleAbout();
  void ToggleHighscore();
  void CallMouseDrag(int x, int y);
  void CallMouseUp(int x, int y);
  // A new board of the same level.
  void BoardReload();
  // Moving the pointer without pressing changes nothing.
  void CallMouseMove(int x, int y);

  // The header button at a point of the view, as last laid out.
  int32_t MouseInButton(int x, int y) const;
  // Repaints the header bar at once.
  void RefreshHeader() const;

  // The board, one shape code per cell, row after row.
  std::vector<int32_t> Shape;
  int32_t BoardSize = 2;
  // Shapes in play, in selector order; and those still to come, the last first.
  std::vector<int32_t> AllowedShapes;
  std::vector<int32_t> DisabledShapes;
  int32_t Score = 0;
  int32_t CountDown = CountDownSeconds;
  std::unique_ptr<BlankoutTimer> tmr;
  bool DoingBlankout = false;
  int32_t BlankoutTargetPiece = 0;
  bool IsGameOver = false;
  std::optional<platform::Date> GameEndDate;
  int32_t ViewMode = ViewModes::Game;
  int32_t LastViewMode = ViewModes::Game;
  platform::Canvas* ViewRef = nullptr;

  // The layout as last drawn: header, board square, selector row and the
  // header button edges.
  int32_t HeaderHeight = 0;
  int32_t BoardX = 0, BoardY = 0, BoardWidth = 0, BoardHeight = 0;
  int32_t SelectorX = 0, SelectorY = 0, SelectorMaxX = 0;
  int32_t ButtonNewX = 0, ButtonReloadX = 0, ButtonHighscoreX = 0, ButtonHelpX = 0;
  // The screen before and after a change, while a transition runs.
  std::unique_ptr<platform::Picture> pAnimStart, pAnimEnd;
  // Pictures the drawing derives once and keeps: the header's gradient and
  // noise, its icons, the gloss over large titles, the screens' icons, and
  // the two darkening overlays.
  std::unique_ptr<platform::Picture> pHeader, pHeaderNoise;
  std::unique_ptr<platform::Picture> pHelpIcon, pHighscoreIcon, pReloadIcon;
  std::unique_ptr<platform::Picture> pPausedGloss, pBackArrow, pCloseIcon;
  std::unique_ptr<platform::Picture> pDarkOverlay, pDarkGlossOverlay;
  // The button where the current press began, and the one drawn pressed.
  int32_t iMouseInButton = HeaderButton::None;
  int32_t iButtonDown = HeaderButton::None;

 private:
  void ToggleScreen(int32_t screen);
  void PressButton(int32_t button);
  void ApplyLevelRules(bool& grew, bool& addedShape);
  void PlayAnswerSounds(bool boardChanged) const;
  void DealBoard();
  void AnswerRight();
  void AnswerWrong();
  void OfferShare();
  bool TimerRunning() const;
  std::unique_ptr<platform::Picture> Capture();
  void PlayTransition(int style, bool reverse);
  void FadeFrame(const platform::Picture& first, platform::Picture& second, double r);
  void BoardSlideFrame(const platform::Picture& first, const platform::Picture& second, double e);
  void ViewSlideFrame(const platform::Picture& first, const platform::Picture& second, double e);
};
