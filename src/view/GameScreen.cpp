#include "view/GameScreen.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "game/GameInstance.h"
#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "store/Preferences.h"
#include "view/AboutScreen.h"
#include "view/HeaderBar.h"
#include "view/HighscoreScreen.h"
#include "view/ImagePlayEffectsLibrary.h"
#include "view/PictureAssets.h"

namespace GameScreen {
namespace {

int trunc(double v) { return static_cast<int>(v); }

platform::Picture* PiecePicture(int32_t piece) {
  switch (piece) {
    case ShapeCode::Unknown: return PictureAssets::PieceUnknown();
    case ShapeCode::Empty: return PictureAssets::PieceEmpty();
    case ShapeCode::Square: return PictureAssets::PieceSquare();
    case ShapeCode::Circle: return PictureAssets::PieceCircle();
    case ShapeCode::Triangle: return PictureAssets::PieceTriangle();
    case ShapeCode::Diamond: return PictureAssets::PieceDiamond();
    case ShapeCode::Octagon: return PictureAssets::PieceOctagon();
    default: return nullptr;
  }
}

// One piece picture at each of the places: k = size / its width, and the
// top square alone unless fullHeight.
void DrawPieceAt(platform::Graphics& g, int32_t piece, const std::vector<platform::Place>& places, int size,
                 bool fullHeight) {
  const platform::Picture* picture = PiecePicture(piece);
  if (!picture || size <= 0 || places.empty()) return;
  const int pw = picture->Width();
  const int ph = picture->Height();
  const double k = double(size) / pw;
  const int width = trunc(k * pw);
  const int sourceHeight = fullHeight ? ph : pw;
  const int height = trunc(k * sourceHeight);
  g.DrawPictureAt(*picture, places, width, height, 0, 0, pw, sourceHeight);
}

// The shading laid over large titles: transparent at the top, towards half
// dark at the foot of the line.
void EnsurePausedGloss(GameInstance& game, int height) {
  if (game.pPausedGloss && game.pPausedGloss->Height() == height) return;
  game.pPausedGloss = platform::Picture::Create(1, height);
  if (!game.pPausedGloss) return;
  auto mask = ImagePlayEffectsLibrary::GradientWipe(1, height, true, {0xFFFFFF, 0x7F7F7F});
  if (mask) game.pPausedGloss->MaskGraphics().DrawPicture(*mask, 0, 0);
}

void DrawPauseScreen(GameInstance& game, platform::Graphics& g, int side) {
  const int W = g.Width();
  const int H = g.Height();
  g.SetTextFont(FontName);
  double size = 11;
  do {
    size += 1;
    g.SetTextSize(size);
  } while (g.StringWidth("PAUSED") <= side && size < 4096);
  size = std::max(11.0, size - 1);
  g.SetTextSize(size);

  const double width = g.StringWidth("PAUSED");
  const double textHeight = g.TextHeight();
  const double ascent = g.TextAscent();
  const int x = trunc(W / 2.0 - width / 2);
  const int y = trunc(H / 2.0 - textHeight / 2 + ascent);
  g.SetForeColor(0xFFFFFF);
  g.DrawString("PAUSED", x, y);

  EnsurePausedGloss(game, trunc(textHeight));
  if (game.pPausedGloss)
    g.DrawPicture(*game.pPausedGloss, x, trunc(y - ascent + 2), trunc(width), game.pPausedGloss->Height(), 0, 0,
                  1, game.pPausedGloss->Height());

  g.SetForeColor(0x3F3F3F);
  g.SetTextSize(std::max(9.0, size * 0.3));
  const std::string resume = "Click or press P to Resume";
  g.DrawString(resume, trunc(W / 2.0 - g.StringWidth(resume) / 2), y + g.TextHeight());
}

}  // namespace

void Draw(GameInstance& game, platform::Graphics& g) {
  const int W = g.Width();
  const int H = g.Height();
  game.HeaderHeight = 0;
  g.SetForeColor(0x000000);
  g.FillRect(0, 0, W, H);
  if (game.ViewMode == ViewModes::About) return AboutScreen::DrawAbout(game, g);
  if (game.ViewMode == ViewModes::Highscore) return HighscoreScreen::DrawHighscore(game, g);

  g.SetTextFont(FontName);
  const bool paused = game.IsPaused();
  g.SetTextSize(std::max(11.0, (W + H) * 0.015));
  game.HeaderHeight = trunc(g.TextHeight() + 4);
  HeaderBar::Draw(game, g);

  const int selectorHeight = trunc(H / 4.0);
  const int side = trunc(std::min<double>(W, H - selectorHeight - game.HeaderHeight));
  if (paused) return DrawPauseScreen(game, g, side);
  if (side <= 0) return;

  game.SelectorY = H - selectorHeight;
  game.SelectorX = trunc(W / 2.0 - side / 2.0);
  game.SelectorMaxX = game.SelectorX + side;
  platform::Graphics selector = g.Clip(game.SelectorX, game.SelectorY, side, selectorHeight);
  DrawSelector(game, selector);

  game.BoardX = trunc(W / 2.0 - side / 2.0);
  game.BoardY = trunc((H - selectorHeight - game.HeaderHeight + 4) / 2.0 - side / 2.0 + game.HeaderHeight);
  game.BoardWidth = game.BoardHeight = side;
  platform::Graphics board = g.Clip(game.BoardX, game.BoardY, side, side);
  DrawBoard(game, board);
}

void DrawBoard(const GameInstance& game, platform::Graphics& g) {
  const int32_t N = game.BoardSize;
  if (N <= 0) return;
  const double cell = (g.Width() - 6) / double(N);
  const double offset = (g.Width() - cell * N) / 2;
  const bool showShapes = !game.DoingBlankout || game.IsGameOver;
  const bool marking = game.DoingBlankout || game.IsGameOver;
  const int size = trunc(cell);
  // The cells are gathered by piece and each piece is drawn at all of its
  // cells in one go. Cells never overlap, so the only order that matters is
  // the unknown piece over the marked cell, drawn last.
  std::array<std::vector<platform::Place>, ShapeCode::Octagon - ShapeCode::Unknown + 1> byPiece;
  std::vector<platform::Place> marked;
  const auto add = [&](int32_t piece, int x, int y) {
    if (piece >= ShapeCode::Unknown && piece <= ShapeCode::Octagon)
      byPiece[static_cast<size_t>(piece - ShapeCode::Unknown)].push_back({x, y});
  };
  for (int32_t r = 1; r <= N; ++r) {
    const int y = trunc(offset + cell * (r - 1));
    for (int32_t c = 1; c <= N; ++c) {
      const int32_t index = game.GridPosToIndex(c, r);
      const int x = trunc(offset + cell * (c - 1));
      if (showShapes) {
        if (index < static_cast<int32_t>(game.Shape.size())) add(game.Shape[static_cast<size_t>(index)], x, y);
      } else if (index != game.BlankoutTargetPiece) {
        add(ShapeCode::Empty, x, y);
      }
      if (marking && index == game.BlankoutTargetPiece) marked.push_back({x, y});
    }
  }
  for (size_t i = 0; i < byPiece.size(); ++i)
    DrawPieceAt(g, static_cast<int32_t>(i) + ShapeCode::Unknown, byPiece[i], size, false);
  DrawPieceAt(g, ShapeCode::Unknown, marked, size, false);
}

void DrawPiece(platform::Graphics& g, int32_t piece, int x, int y, int size, bool fullHeight) {
  DrawPieceAt(g, piece, {{x, y}}, size, fullHeight);
}

void DrawSelector(const GameInstance& game, platform::Graphics& g) {
  const int gw = g.Width();
  const int gh = g.Height();
  const auto n = static_cast<int>(game.AllowedShapes.size());
  if (n > 0) {
    const int slot = gw / n;
    const int pieceSize = trunc(std::min(double(slot), gh / 1.3));
    const int pieceTop = trunc(gh - pieceSize * 1.3);
    const bool digits = Preferences::KeyboardHint <= 1;
    if (digits) {
      g.SetForeColor(Preferences::KeyboardHint == 0 ? 0x5F5F5F : 0x3F3F3F);
      g.SetTextSize(std::max(11.0, pieceSize * 0.2));
    }
    for (int i = 0; i < n; ++i) {
      const int left = i * slot;
      DrawPiece(g, game.AllowedShapes[static_cast<size_t>(i)], trunc(left + slot / 2.0 - pieceSize / 2.0), pieceTop,
                pieceSize, true);
      if (digits) {
        const std::string digit = std::to_string(i + 1);
        g.DrawString(digit, trunc(left + slot / 2.0 - g.StringWidth(digit) / 2), gh - 2);
      }
    }
  }
  if (!game.DoingBlankout && game.pDarkOverlay) g.DrawPicture(*game.pDarkOverlay, 0, 0, gw, gh, 0, 0, 1, 1);
}

}  // namespace GameScreen
