#include "view/HighscoreScreen.h"

#include <algorithm>
#include <string>

#include "game/GameInstance.h"
#include "platform/Date.h"
#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "store/HighscoreManager.h"
#include "view/GameScreen.h"
#include "view/HeaderBar.h"
#include "view/PictureAssets.h"

namespace HighscoreScreen {
namespace {

int trunc(double v) { return static_cast<int>(v); }

void DrawBar(GameInstance& game, platform::Graphics& g, int W, int HH) {
  HeaderBar::DrawBackground(game, g, W, HH);
  g.SetTextFont(GameScreen::FontName);
  const std::string title = "Highscores";
  const int x = trunc(W / 2.0 - g.StringWidth(title) / 2);
  const int ty = trunc((HH - 1) / 2.0 - g.TextHeight() / 2 + g.TextAscent());
  g.SetForeColor(0x000000);
  g.DrawString(title, x, ty + 1);
  g.SetForeColor(0xFFFFFF);
  g.DrawString(title, x, ty);

  if (!game.pBackArrow && PictureAssets::LargeArrowLeft())
    game.pBackArrow = PictureAssets::TintedIcon(*PictureAssets::LargeArrowLeft(), 0xFFFFFF);
  const int A = trunc(std::max(9, HH - 8));
  g.SetForeColor(0x3F3F3F);
  g.DrawLine(trunc(A * 1.4), 0, trunc(A * 1.4), HH - 4);
  if (const platform::Picture* arrow = game.pBackArrow.get())
    g.DrawPicture(*arrow, trunc(A * 0.2), trunc(HH / 2.0 - A / 2.0), A, A, 0, 0, arrow->Width(), arrow->Height());
  HeaderBar::DrawGlossAndNoise(game, g, W, HH);
}

std::string DateText(double totalSeconds) {
  const platform::Date date(totalSeconds);
  return date.ShortDate() + " " + date.ShortTime();
}

}  // namespace

void DrawHighscore(GameInstance& game, platform::Graphics& g) {
  const int W = g.Width();
  const int H = g.Height();
  g.SetTextFont("System");
  double size = std::max(11.0, (W + H) * 0.015);
  g.SetTextSize(size);
  const int HH = trunc(g.TextHeight() + 4);
  game.HeaderHeight = HH;
  DrawBar(game, g, W, HH);

  const auto& names = HighscoreManager::ScoreName;
  const auto& levels = HighscoreManager::ScoreLevel;
  const auto& dates = HighscoreManager::ScoreDate;
  const auto& fresh = HighscoreManager::ScoreNew;
  const size_t n = std::min({names.size(), levels.size(), dates.size(), fresh.size()});
  while (H - HH < g.TextHeight() * double(n) && size > 11) g.SetTextSize(--size);

  const double ascent = g.TextAscent();
  const double textHeight = g.TextHeight();
  double y = HH;
  for (size_t k = n; k-- > 0;) {
    y += ascent;
    if (y > H) break;
    if (fresh[k]) {
      g.SetForeColor(0x202020);
      g.FillRect(0, trunc(y - ascent + 1), W, trunc(textHeight - 1));
      g.SetForeColor(0xD6FFD3);
    } else {
      g.SetForeColor(0xEEEEEE);
    }
    g.DrawString(names[k], 2, y, trunc(W * 0.49), true);
    g.DrawString(std::to_string(levels[k]), trunc(W * 0.49), y, trunc(W / 4.0), true);
    if (dates[k] > 0) g.DrawString(DateText(dates[k]), trunc(W * 0.75), y, trunc(W / 4.0), true);
    g.SetForeColor(0x333333);
    y += textHeight - ascent;
    g.DrawLine(0, trunc(y), W, trunc(y));
  }
}

}  // namespace HighscoreScreen
