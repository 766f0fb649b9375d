#include "game/GameInstance.h"

#include <algorithm>

#include "app/App.h"
#include "game/BlankoutTimer.h"
#include "game/GameManager.h"
#include "platform/Alerts.h"
#include "platform/Canvas.h"
#include "platform/MessageDialog.h"
#include "platform/Graphics.h"
#include "platform/Random.h"
#include "platform/Ticks.h"
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

// A 1 x 1 black picture whose mask level sets how strongly it darkens.
std::unique_ptr<platform::Picture> overlay(int maskLevel) {
  auto picture = platform::Picture::Create(1, 1);
  picture->SetPixel(0, 0, 0x000000);
  picture->SetMaskPixel(0, 0, maskLevel);
  return picture;
}

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

bool GameInstance::CallMouseDown(int x, int y) {
  if (ViewMode == ViewModes::About) {
    ToggleAbout();
    return false;
  }
  if (ViewMode == ViewModes::Highscore) {
    ToggleHighscore();
    return false;
  }
  if (const int32_t button = MouseInButton(x, y); button != HeaderButton::None) {
    iMouseInButton = button;
    iButtonDown = button;
    RefreshHeader();
    return true;
  }
  if (IsPaused()) {
    TimerToggle();
    return false;
  }
  if (y >= SelectorY && x >= SelectorX && x < SelectorMaxX && DoingBlankout && !AllowedShapes.empty()) {
    const double slot = double(SelectorMaxX - SelectorX) / double(AllowedShapes.size());
    ClickSelector(static_cast<int32_t>((x - SelectorX) / slot));
  }
  return false;
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
  pDarkOverlay = overlay(0x3F);
  pDarkGlossOverlay = overlay(0xEC);
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
  if (!ViewRef || pAnimStart) return;
  pAnimStart = Capture();
}

void GameInstance::AnimDo(int style, bool reverse) {
  if (!ViewRef) return;
  if (pAnimStart) {
    pAnimEnd = Capture();
    if (pAnimEnd) PlayTransition(style, reverse);
  }
  ViewRef->Refresh();
  pAnimEnd.reset();
  pAnimStart.reset();
}

std::unique_ptr<platform::Picture> GameInstance::Capture() {
  auto picture = platform::Picture::Create(ViewRef->Width(), ViewRef->Height(), ViewRef->DevicePixelRatio());
  if (picture) ViewRef->Paint(picture->Graphics());
  return picture;
}

// Frames are drawn as fast as they come, each placed by the time left, so
// a transition lasts the same on any machine; a frame is shown only when
// the clock has moved on.
void GameInstance::PlayTransition(int style, bool reverse) {
  const int64_t length = style == FadeStyle ? 10 : 15;
  const int64_t end = platform::Ticks() + length;
  platform::Picture& first = reverse ? *pAnimEnd : *pAnimStart;
  platform::Picture& second = reverse ? *pAnimStart : *pAnimEnd;
  if (style == ViewSlideStyle && (ViewMode != ViewModes::Game || LastViewMode != ViewModes::Game)) HeaderHeight = 0;

  int64_t now = platform::Ticks();
  int64_t shown = -1;
  do {
    if (now != shown) {
      shown = now;
      // The one frame drawn when the clock is already past the end shows the end.
      const double left = std::max(0.0, double(end - now) / double(length));
      if (style == FadeStyle)
        FadeFrame(first, second, reverse ? 1 - left : left);
      else if (style == BoardSlideStyle)
        BoardSlideFrame(first, second, reverse ? left : 1 - left);
      else
        ViewSlideFrame(first, second, reverse ? left : 1 - left);
    } else {
      platform::SleepBriefly();
    }
    now = platform::Ticks();
  } while (now < end);
}

void GameInstance::FadeFrame(const platform::Picture& first, platform::Picture& second, double r) {
  const int level = static_cast<int>(r * 255);
  platform::Graphics& mask = second.MaskGraphics();
  mask.SetForeColor(uint32_t(level) * 0x010101);
  mask.FillRect(0, 0, second.Width(), second.Height());
  ViewRef->PaintFrame(0, 0, ViewRef->Width(), ViewRef->Height(), [&](platform::Graphics& g) {
    g.DrawPicture(first, 0, 0);
    g.DrawPicture(second, 0, 0);
  });
}

void GameInstance::BoardSlideFrame(const platform::Picture& first, const platform::Picture& second, double e) {
  const int W = ViewRef->Width();
  const int oldX = static_cast<int>(BoardX * (1 - e) + e * -BoardWidth);
  const int newX = static_cast<int>((1 - e) * W + e * BoardX);
  ViewRef->PaintFrame(0, BoardY, W, BoardHeight, [&](platform::Graphics& g) {
    g.SetForeColor(0x000000);
    g.FillRect(0, BoardY, W, BoardHeight);
    g.DrawPicture(first, oldX, BoardY, BoardWidth, BoardHeight, BoardX, BoardY, BoardWidth, BoardHeight);
    g.DrawPicture(second, newX, BoardY, BoardWidth, BoardHeight, BoardX, BoardY, BoardWidth, BoardHeight);
  });
}

void GameInstance::ViewSlideFrame(const platform::Picture& first, const platform::Picture& second, double e) {
  const int W = ViewRef->Width();
  const int h = HeaderHeight;
  const int below = ViewRef->Height() - h;
  const int oldX = static_cast<int>(-W * e);
  const int newX = static_cast<int>(W - e * W);
  ViewRef->PaintFrame(0, h, W, below, [&](platform::Graphics& g) {
    g.DrawPicture(first, oldX, h, W, below, 0, h, W, below);
    g.DrawPicture(second, newX, h, W, below, 0, h, W, below);
  });
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

void GameInstance::ToggleAbout() { ToggleScreen(ViewModes::About); }

void GameInstance::ToggleHighscore() { ToggleScreen(ViewModes::Highscore); }

// Leaves the screen when it is shown, else opens it (from the game or the
// other screen), stopping a running countdown without dropping it.
void GameInstance::ToggleScreen(int32_t screen) {
  AnimSetup();
  LastViewMode = ViewMode;
  bool back = false;
  if (ViewMode == screen) {
    ViewMode = ViewModes::Game;
    back = true;
  } else {
    ViewMode = screen;
    if (tmr) tmr->SetMode(platform::Timer::Off);
  }
  AnimDo(ViewSlideStyle, back);
}

void GameInstance::CallMouseDrag(int x, int y) {
  const int32_t button = MouseInButton(x, y);
  if (button == iMouseInButton) {
    if (iButtonDown != button) {
      iButtonDown = button;
      RefreshHeader();
    }
  } else if (iButtonDown != HeaderButton::None) {
    iButtonDown = HeaderButton::None;
    RefreshHeader();
  }
}

void GameInstance::CallMouseUp(int x, int y) {
  const int32_t button = MouseInButton(x, y);
  if (iButtonDown != HeaderButton::None) {
    iButtonDown = HeaderButton::None;
    RefreshHeader();
  }
  if (button != iMouseInButton) return;
  iMouseInButton = HeaderButton::None;
  PressButton(button);
}

void GameInstance::PressButton(int32_t button) {
  switch (button) {
    case HeaderButton::New:
      SoundAssets::PlayUnlessMuted(SoundAssets::FlipPiece());
      NewGame(true);
      break;
    case HeaderButton::Reload:
      BoardReload();
      break;
    case HeaderButton::Highscore:
      ToggleHighscore();
      break;
    case HeaderButton::Help:
      ToggleAbout();
      break;
    default:
      break;
  }
}

void GameInstance::BoardReload() {
  SoundAssets::PlayUnlessMuted(SoundAssets::FlipPiece());
  NewBoard(false, true, false);
}

void GameInstance::CallMouseMove(int /*x*/, int /*y*/) {}

int32_t GameInstance::MouseInButton(int x, int y) const {
  if (y >= HeaderHeight) return HeaderButton::None;
  if (x > ButtonNewX) return HeaderButton::New;
  if (x > ButtonReloadX) return HeaderButton::Reload;
  if (x < ButtonHelpX) return HeaderButton::Help;
  if (x < ButtonHighscoreX) return HeaderButton::Highscore;
  return HeaderButton::None;
}

void GameInstance::RefreshHeader() const {
  if (!ViewRef) return;
  ViewRef->RefreshRect(0, 0, ViewRef->Width(), HeaderHeight);
  ViewRef->UpdateNow();
}
