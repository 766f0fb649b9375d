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
#include "store/KeyList.h"
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

// A side of 1000 (a million cells) lies far beyond any level a person can
// reach (the side grows by one every ten levels), and a score of a million
// likewise; larger values in a saved game can only come from damage, and
// would exhaust memory or overflow.
constexpr int32_t MaxSavedBoardSize = 1000;
constexpr int32_t MaxSavedScore = 1000000;

// The fields a state text carries, read before any of them is applied.
struct SavedState {
  int32_t boardSize = 0;
  int32_t score = 0;
  std::vector<int32_t> shape;
  std::vector<int32_t> allowedShapes;
  std::vector<int32_t> disabledShapes;
  int32_t countDown = 0;
};

std::string joinCodes(const std::vector<int32_t>& codes) {
  std::string text;
  for (const int32_t code : codes) {
    if (!text.empty()) text += ' ';
    text += std::to_string(code);
  }
  return text;
}

std::vector<int32_t> splitCodes(const std::string& text) {
  std::vector<int32_t> codes;
  if (text.empty()) return codes;
  size_t start = 0;
  while (true) {
    const size_t space = text.find(' ', start);
    codes.push_back(Variant::ReadInteger(text.substr(start, space == std::string::npos ? space : space - start)));
    if (space == std::string::npos) return codes;
    start = space + 1;
  }
}

bool isShapeCode(int32_t code) { return code >= ShapeCode::Square && code <= ShapeCode::Octagon; }

// Whether a read state can be played: a board of at least 2 x 2 whose cells
// all hold shapes, at least two shapes in play, and no shape both in play
// and still to come, or twice in either.
bool isPlayable(const SavedState& state) {
  if (state.boardSize < 2 || state.boardSize > MaxSavedBoardSize) return false;
  if (state.score < 0 || state.score > MaxSavedScore) return false;
  if (state.countDown < 0 || state.countDown > GameInstance::CountDownSeconds) return false;
  if (state.allowedShapes.size() < 2) return false;
  if (static_cast<int64_t>(state.shape.size()) != cellCount(state.boardSize)) return false;
  if (!std::all_of(state.shape.begin(), state.shape.end(), isShapeCode)) return false;
  std::vector<int32_t> shapes = state.allowedShapes;
  shapes.insert(shapes.end(), state.disabledShapes.begin(), state.disabledShapes.end());
  if (!std::all_of(shapes.begin(), shapes.end(), isShapeCode)) return false;
  std::sort(shapes.begin(), shapes.end());
  return std::adjacent_find(shapes.begin(), shapes.end()) == shapes.end();
}

SavedState readState(const std::string& text) {
  KeyList list;
  list.BinaryFormat = true;
  list.OptimizeBinaryLengthData = true;
  list.AddData(text);
  SavedState state;
  state.boardSize = list.GetItemV("BoardSize").IntegerValue();
  state.score = list.GetItemV("Score").IntegerValue();
  state.shape = splitCodes(list.GetItem("Shape"));
  state.allowedShapes = splitCodes(list.GetItem("AllowedShapes"));
  state.disabledShapes = splitCodes(list.GetItem("DisabledShapes"));
  state.countDown = list.GetItemV("CountDown").IntegerValue();
  return state;
}

}  // namespace

GameInstance::GameInstance() { Constructor(); }

GameInstance::~GameInstance() = default;

void GameInstance::SetState(const std::string& text) {
  SavedState state = readState(text);
  if (!isPlayable(state)) return Constructor();
  BoardSize = state.boardSize;
  Score = state.score;
  Shape = std::move(state.shape);
  AllowedShapes = std::move(state.allowedShapes);
  DisabledShapes = std::move(state.disabledShapes);
  CountDown = state.countDown;
}

std::string GameInstance::GetState() const {
  KeyList list;
  list.BinaryFormat = true;
  list.OptimizeBinaryLengthData = true;
  list.AddItem("BoardSize", BoardSize);
  list.AddItem("Score", Score);
  list.AddItem("Shape", joinCodes(Shape));
  list.AddItem("AllowedShapes", joinCodes(AllowedShapes));
  list.AddItem("DisabledShapes", joinCodes(DisabledShapes));
  list.AddItem("CountDown", CountDownSeconds);
  return list.GetData();
}

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
