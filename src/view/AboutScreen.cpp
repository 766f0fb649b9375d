#include "view/AboutScreen.h"

#include <algorithm>
#include <string>

#include "Version.h"
#include "game/GameInstance.h"
#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "view/GameScreen.h"
#include "view/ImagePlayEffectsLibrary.h"
#include "view/PictureAssets.h"

namespace AboutScreen {
namespace {

constexpr const char* HowToPlay =
    "After the countdown on each level you'll be asked to select which shape was in a given position."
    "\n\n"
    "Use Number Keys (1-5) or Mouse to select a shape at the bottom of the screen."
    "\n\n"
    "Use Space Bar to skip the countdown or load a new board of the same level.";

int trunc(double v) { return static_cast<int>(v); }

void ShadeTitle(GameInstance& game, platform::Graphics& g, int x, int y, double width) {
  const int height = trunc(g.TextHeight());
  if (!game.pPausedGloss || game.pPausedGloss->Height() != height) {
    game.pPausedGloss = platform::Picture::Create(1, height);
    auto mask = ImagePlayEffectsLibrary::GradientWipe(1, height, true, {0xFFFFFF, 0x7F7F7F});
    if (game.pPausedGloss && mask) game.pPausedGloss->MaskGraphics().DrawPicture(*mask, 0, 0);
  }
  if (game.pPausedGloss)
    g.DrawPicture(*game.pPausedGloss, x, trunc(y - g.TextAscent() + 2), trunc(width), height, 0, 0, 1, height);
}

}  // namespace

void DrawAbout(GameInstance& game, platform::Graphics& g) {
  const int W = g.Width();
  const int H = g.Height();
  game.HeaderHeight = 0;

  const platform::Picture* icon = PictureAssets::Icon();
  int IW = 0;
  int IH = 0;
  if (icon) {
    const double limW = std::min(512.0, W / 3.0);
    const double limH = std::min(512.0, H / 3.0);
    const double s = std::min(limW / icon->Width(), limH / icon->Height());
    IW = trunc(s * icon->Width());
    IH = trunc(s * icon->Height());
  }

  g.SetTextFont("System");
  g.SetTextSize(std::max(9.0, (IW + IH) * 0.05));
  const double cw = g.StringWidth(MakerLine);
  const int ix = trunc(std::max(18.0, W / 2.0 - (IW + cw) / 2));
  if (icon) g.DrawPicture(*icon, ix, 0, IW, IH, 0, 0, icon->Width(), icon->Height());

  g.SetTextFont(GameScreen::FontName);
  g.SetForeColor(0xFFFFFF);
  const double size = std::max(11.0, (IW + IH) * 0.1);
  g.SetTextSize(size);
  const int tx = ix + IW;
  const int ty = trunc(IH / 2.0);
  g.DrawString("Pemola", tx, ty);
  const double titleWidth = g.StringWidth("Pemola");
  ShadeTitle(game, g, tx, ty, titleWidth);

  g.SetForeColor(0x7F7F7F);
  g.SetTextSize(std::max(9.0, size / 2));
  g.DrawString(std::string("  ") + PEMOLA_VERSION, trunc(tx + titleWidth), ty);
  const double cy = ty + 2 * g.TextHeight() - g.TextAscent();
  g.DrawString(MakerLine, tx, cy);
  const int lineY = trunc(std::max<double>(IH, cy + g.TextHeight()));

  if (!game.pCloseIcon && PictureAssets::LargeClose())
    game.pCloseIcon = PictureAssets::TintedIcon(*PictureAssets::LargeClose(), 0xDDDDDD);
  if (const platform::Picture* close = game.pCloseIcon.get()) {
    const int ch = trunc(std::max(16.0, (W + H) * 0.015));
    const int cw2 = trunc(close->Width() * (double(ch) / close->Height()));
    g.DrawPicture(*close, 2, 2, cw2, ch, 0, 0, close->Width(), close->Height());
  }

  const int margin = trunc(W * 0.1);
  g.SetForeColor(0x555555);
  g.DrawLine(margin, lineY, W - margin, lineY);

  g.SetTextSize(std::max(13.0, (W + H) * 0.015));
  const double th = g.TextHeight();
  g.SetForeColor(0xFFFFFF);
  const std::string heading = "How to Play";
  g.DrawString(heading, trunc(W / 2.0 - g.StringWidth(heading) / 2), lineY + th);

  g.SetForeColor(0xEEEEEE);
  const int bm = trunc((W + H) * 0.01);
  g.DrawString(HowToPlay, bm, trunc(lineY + th + th + th / 2), W - 2 * bm);
}

}  // namespace AboutScreen
