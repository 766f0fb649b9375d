#include "view/HeaderBar.h"

#include <algorithm>
#include <string>

#include "game/GameInstance.h"
#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "view/ImagePlayEffectsLibrary.h"
#include "view/PictureAssets.h"

namespace HeaderBar {
namespace {

constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t Black = 0x000000;
constexpr uint32_t EdgeGrey = 0x3F3F3F;
constexpr uint32_t PausedTitle = 0xBFBFBF;

int trunc(double v) { return static_cast<int>(v); }

// " ➀ " to " ➄ " while the countdown runs, nothing otherwise.
std::string CountdownMark(int32_t countDown) {
  static const char* const marks[] = {" \u2780 ", " \u2781 ", " \u2782 ", " \u2783 ", " \u2784 "};
  return countDown >= 1 && countDown <= 5 ? marks[countDown - 1] : "";
}

void EnsureIcon(std::unique_ptr<platform::Picture>& icon, platform::Picture* glyph) {
  if (!icon && glyph) icon = PictureAssets::TintedIcon(*glyph, White);
}

void DrawScaled(platform::Graphics& g, const platform::Picture* picture, int x, int y, int w, int h) {
  if (picture) g.DrawPicture(*picture, x, y, w, h, 0, 0, picture->Width(), picture->Height());
}

void DrawPressed(const GameInstance& game, platform::Graphics& g, int x, int w, int h) {
  if (game.pDarkGlossOverlay) g.DrawPicture(*game.pDarkGlossOverlay, x, 0, w, h, 0, 0, 1, 1);
}

void DrawEdge(platform::Graphics& g, int x, int h) {
  g.SetForeColor(EdgeGrey);
  g.DrawLine(x, 0, x, h);
}

void DrawShadowedText(platform::Graphics& g, const std::string& text, int x, int y, uint32_t colour) {
  g.SetForeColor(Black);
  g.DrawString(text, x, y + 1);
  g.SetForeColor(colour);
  g.DrawString(text, x, y);
}

void DrawHelpButton(GameInstance& game, platform::Graphics& g, int HH) {
  EnsureIcon(game.pHelpIcon, PictureAssets::LargeHelp());
  int w = 0;
  int ix = 0;
  if (const platform::Picture* icon = game.pHelpIcon.get()) {
    const double s = std::min(HH * 0.8 / icon->Width(), HH * 0.8 / icon->Height());
    w = trunc(s * icon->Width());
    const int h = trunc(s * icon->Height());
    ix = trunc((HH - w) / 2.0);
    DrawScaled(g, icon, ix, trunc(HH / 2.0 - h / 2.0), w, h);
  }
  game.ButtonHelpX = w + 2 * ix;
  if (game.iButtonDown == HeaderButton::Help) DrawPressed(game, g, 0, game.ButtonHelpX, HH);
  DrawEdge(g, game.ButtonHelpX, HH);
}

void DrawHighscoreButton(GameInstance& game, platform::Graphics& g, int HH) {
  EnsureIcon(game.pHighscoreIcon, PictureAssets::LargeHighscore());
  const int S = trunc(HH * 0.8);
  const int margin = trunc((HH - S) / 2.0);
  DrawScaled(g, game.pHighscoreIcon.get(), game.ButtonHelpX + margin, trunc(HH / 2.0 - S / 2.0), S, S);
  game.ButtonHighscoreX = game.ButtonHelpX + S + 2 * margin;
  if (game.iButtonDown == HeaderButton::Highscore)
    DrawPressed(game, g, game.ButtonHelpX, game.ButtonHighscoreX - game.ButtonHelpX, HH);
  DrawEdge(g, game.ButtonHighscoreX, HH);
}

void DrawNewButton(GameInstance& game, platform::Graphics& g, int W, int HH, int ty) {
  const std::string label = " New ";
  const int x = trunc(W - g.StringWidth(label) - 1);
  DrawShadowedText(g, label, x, ty, White);
  game.ButtonNewX = x - 4;
  DrawEdge(g, game.ButtonNewX, HH);
  if (game.iButtonDown == HeaderButton::New) DrawPressed(game, g, game.ButtonNewX, W - game.ButtonNewX, HH);
}

void DrawReloadButton(GameInstance& game, platform::Graphics& g, int HH) {
  EnsureIcon(game.pReloadIcon, PictureAssets::LargeReloadImage());
  const int S = trunc(HH * 0.9);
  const int margin = trunc((HH - S) / 2.0);
  game.ButtonReloadX = game.ButtonNewX - HH;
  DrawScaled(g, game.pReloadIcon.get(), game.ButtonReloadX + margin, trunc(HH / 2.0 - S / 2.0), S, S);
  DrawEdge(g, game.ButtonReloadX, HH);
  if (game.iButtonDown == HeaderButton::Reload) DrawPressed(game, g, game.ButtonReloadX, HH - 1, HH);
}

}  // namespace

void Draw(GameInstance& game, platform::Graphics& g) {
  const int HH = game.HeaderHeight;
  const int W = g.Width();
  DrawBackground(game, g, W, HH);

  const int ty = trunc((HH - 1) / 2.0 - g.TextHeight() / 2 + g.TextAscent());
  const std::string mark = CountdownMark(game.CountDown);
  const std::string title = mark + "Level " + std::to_string(game.Score + 1) + mark;
  DrawShadowedText(g, title, trunc(W / 2.0 - g.StringWidth(title) / 2), ty,
                   game.IsPaused() ? PausedTitle : White);

  DrawHelpButton(game, g, HH);
  DrawHighscoreButton(game, g, HH);
  DrawNewButton(game, g, W, HH, ty);
  DrawReloadButton(game, g, HH);
  DrawGlossAndNoise(game, g, W, HH);
}

void DrawBackground(GameInstance& game, platform::Graphics& g, int width, int height) {
  if (!game.pHeader || game.pHeader->Height() < height)
    game.pHeader = ImagePlayEffectsLibrary::GradientWipe(1, height, true, {0x979797, 0x3F3F3F});
  if (game.pHeader) DrawScaled(g, game.pHeader.get(), 0, 0, width, height);
}

void DrawGlossAndNoise(GameInstance& game, platform::Graphics& g, int width, int height) {
  if (game.pDarkGlossOverlay)
    g.DrawPicture(*game.pDarkGlossOverlay, 0, trunc(height / 2.0), width, trunc(height / 2.0), 0, 0, 1, 1);
  DrawHeaderNoise(game, g, 0, 0, width, height);
}

void DrawHeaderNoise(GameInstance& game, platform::Graphics& g, int x, int y, int w, int h) {
  if (!game.pHeaderNoise) {
    const platform::Picture* noise = PictureAssets::HeaderNoise();
    if (!noise) return;
    game.pHeaderNoise = platform::Picture::Create(noise->Width(), noise->Height());
    if (!game.pHeaderNoise) return;
    game.pHeaderNoise->Graphics().DrawPicture(*noise, 0, 0);
    platform::Graphics& mask = game.pHeaderNoise->MaskGraphics();
    mask.SetForeColor(0xFEFEFD);
    mask.FillRect(0, 0, noise->Width(), noise->Height());
  }
  // The tile is laid at steps of its own size, 64 pixels, from the corner.
  g.Clip(x, y, w, h).DrawPictureTiled(*game.pHeaderNoise, 0, 0, w, h);
}

}  // namespace HeaderBar
