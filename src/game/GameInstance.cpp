#include "game/GameInstance.h"

#include <algorithm>

#include "app/App.h"
#include "game/BlankoutTimer.h"
#include "game/GameManager.h"
#include "platform/Alerts.h"
#include "platform/Canvas.h"
#include "platform/MessageDialog.h"
#include "platform/Random.h"
#include "store/HighscoreManager.h"
#include "store/Preferences.h"
#include "view/SoundAssets.h"

namespace {

constexpr int FadeStyle = 0;
constexpr int BoardSlideStyle = 1;
constexpr int ViewSlideStyle = 2;

constexpr int CorrectVolume = 50;
constexpr int FlipBoardVolume = 12;

int64_t cellCount(int32_t boardSize) {
  return boardSize > 0 ? int64_t(boardSize) * boardSize : 0;
}

}  // namespace

GameInstance::GameInstance() { Constructor(); }

GameInstance::~GameInstance() = default;

int32_t GameInstance::GridPosToIndex(int32_t column, int32_t row) const {
  return (row - 1) * BoardSize + (column - 1);
}

void GameInstance::IndexToGridPos(int32_t index, int32_t& column, int32_t& row) const {
  row = BoardSize != 0 ? index / BoardSize : 0;
  column = index - row * BoardSize;
}

void GameInstance::NewBoard(bool levelUp, bool animate, bool playSound) {
  ViewRef = GameManager::ViewRef;
  if (animate) AnimSetup();
  tmr.reset();
  DoingBlankout = false;

  bool grew = false;
  bool addedShape = false;
  if (levelUp && Score != 0) ApplyLevelRules(grew, addedShape);
  if (playSound) PlayAnswerSounds(grew || addedShape);

  DealBoard();
  CountDown = CountDownSeconds;
  if (animate) AnimDo(BoardSlideStyle, false);

  tmr = std::make_unique<BlankoutTimer>();
  tmr->ref = this;
  tmr->SetPeriod(TickMilliseconds);
  tmr->SetMode(platform::Timer::Multiple);
}

void GameInstance::ApplyLevelRules(bool& grew, bool& addedShape) {
  grew = Score == 3 || Score == 6 || Score == 20 || Score == 40 || (Score > 50 && Score % 10 == 0);
  addedShape = Score == 12 || Score == 30 || Score == 50;
  if (grew) BoardSize += 1;
  if (addedShape && !DisabledShapes.empty()) {
    AllowedShapes.push_back(DisabledShapes.back());
    DisabledShapes.pop_back();
  }
}

void GameInstance::PlayAnswerSounds(bool boardChanged) const {
  SoundAssets::PlayUnlessMuted(SoundAssets::CorrectSound(), CorrectVolume);
  if (boardChanged) SoundAssets::PlayUnlessMuted(SoundAssets::FlipBoard(), FlipBoardVolume);
}

// Every shape in play stands on the board the same number of times; only
// the cells the even split leaves over are drawn at random. Without any
// shape in play (only a damaged saved game gets here) the cells stay blank.
void GameInstance::DealBoard() {
  const int64_t cells = cellCount(BoardSize);
  const auto n = static_cast<int64_t>(AllowedShapes.size());
  Shape.clear();
  if (n == 0) {
    Shape.assign(static_cast<size_t>(cells), ShapeCode::Empty);
    return;
  }
  Shape.reserve(static_cast<size_t>(cells));
  const int64_t quota = cells / n;
  for (const int32_t shape : AllowedShapes) Shape.insert(Shape.end(), static_cast<size_t>(quota), shape);
  platform::Random random;
  while (static_cast<int64_t>(Shape.size()) < cells)
    Shape.push_back(AllowedShapes[static_cast<size_t>(random.InRange(0, static_cast<int>(n - 1)))]);
  std::shuffle(Shape.begin(), Shape.end(), random);
}

void GameInstance::Constructor() {
  GameEndDate.reset();
  IsGameOver = false;
  LastViewMode = ViewMode;
  ViewMode = ViewModes::Game;
  Score = 0;
  BoardSize = 2;
  AllowedShapes = {ShapeCode::Circle, ShapeCode::Square};
  DisabledShapes = {ShapeCode::Triangle, ShapeCode::Diamond, ShapeCode::Octagon};
  NewBoard(false, false, false);
}

void GameInstance::DoBlankout() {
  CountDown = 0;
  if (tmr) {
    tmr->SetMode(platform::Timer::Off);
    tmr.reset();
  }
  AnimSetup();
  const int64_t cells = cellCount(BoardSize);
  BlankoutTargetPiece = platform::Random().InRange(0, static_cast<int>(std::max<int64_t>(cells - 1, 0)));
  DoingBlankout = true;
  AnimDo(BoardSlideStyle, false);
}

void GameInstance::ClickSelector(int32_t index) {
  if (index < 0 || index >= static_cast<int32_t>(AllowedShapes.size())) {
    platform::Beep();
    return;
  }
  const bool onBoard = BlankoutTargetPiece >= 0 && BlankoutTargetPiece < static_cast<int32_t>(Shape.size());
  if (onBoard && Shape[static_cast<size_t>(BlankoutTargetPiece)] == AllowedShapes[static_cast<size_t>(index)])
    AnswerRight();
  else
    AnswerWrong();
}

void GameInstance::AnswerRight() {
  Score += 1;
  NewBoard(true, true, true);
  if (Preferences::LaunchCount == 3 && Score > 3 && !App::DisplayedReviewDialog) OfferShare();
}

// Asked once per run, in the third launch: the new board waits paused.
void GameInstance::OfferShare() {
  App::DisplayedReviewDialog = true;
  Preferences::Save();
  TimerPause();

  platform::MessageDialog dialog;
  dialog.Message =
      "Thank you for purchasing Pemola.\n\nPlease take a quick moment to let others know how you like the game.";
  dialog.Explanation = "You won't see this message again. You can always share later via the Help menu. Thank you!";
  dialog.ActionCaption = "Share on Facebook";
  dialog.CancelVisible = true;
  if (dialog.ShowModal() == platform::MessageDialog::Button::Action) App::LaunchShareOnFacebook();
}

void GameInstance::AnswerWrong() {
  AnimSetup();
  GameEndDate = platform::Date::Now();
  IsGameOver = true;
  AnimDo(FadeStyle, false);
  SoundAssets::PlayUnlessMuted(SoundAssets::GameOver());

  if (ViewRef && Score > 0 && HighscoreManager::IsAHighscore(Score) && GameManager::ShowHighscoreDialog)
    GameManager::ShowHighscoreDialog();
  else
    NewGame(true);
}

void GameInstance::AnimSetup() {
  // Screen captures come with the drawing; without a view nothing happens.
}

void GameInstance::AnimDo(int /*style*/, bool /*reverse*/) {
  if (!ViewRef) return;
  ViewRef->Refresh();
}

void GameInstance::NewGame(bool animate) {
  const bool fromOtherScreen = ViewMode != ViewModes::Game;
  if (animate) AnimSetup();
  Constructor();
  if (animate) AnimDo(ViewSlideStyle, fromOtherScreen);
}

void GameInstance::SkipLevels(int32_t count) {
  for (int32_t i = 0; i < count; ++i) {
    Score += 1;
    NewBoard(true, false, false);
  }
  if (ViewRef) ViewRef->Refresh();
}

bool GameInstance::TimerRunning() const { return tmr && tmr->Mode() > platform::Timer::Off; }

void GameInstance::TimerToggle() {
  if (!tmr) return;
  AnimSetup();
  if (TimerRunning()) {
    tmr->SetMode(platform::Timer::Off);
    AnimDo(FadeStyle, false);
    return;
  }
  const bool screenChanged = ViewMode != ViewModes::Game;
  if (screenChanged) {
    LastViewMode = ViewMode;
    ViewMode = ViewModes::Game;
  }
  tmr->SetMode(platform::Timer::Multiple);
  if (screenChanged)
    AnimDo(ViewSlideStyle, true);
  else
    AnimDo(FadeStyle, false);
}

bool GameInstance::IsPaused() const { return CountDown > 0 && tmr && tmr->Mode() == platform::Timer::Off; }

void GameInstance::TimerPause() {
  if (!TimerRunning()) return;
  AnimSetup();
  tmr->SetMode(platform::Timer::Off);
  AnimDo(FadeStyle, false);
}

void GameInstance::BoardReload() {
  SoundAssets::PlayUnlessMuted(SoundAssets::FlipPiece());
  NewBoard(false, true, false);
}
