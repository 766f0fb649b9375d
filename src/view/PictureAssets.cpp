#include "view/PictureAssets.h"

#include <array>
#include <string>

#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "platform/Resources.h"

namespace PictureAssets {
namespace {

enum Asset {
  kPieceSquare,
  kPieceCircle,
  kPieceTriangle,
  kPieceDiamond,
  kPieceOctagon,
  kPieceEmpty,
  kPieceUnknown,
  kLargeHelp,
  kLargeHighscore,
  kLargeReloadImage,
  kLargeArrowLeft,
  kLargeClose,
  kHeaderNoise,
  kIcon,
  kAssetCount
};

constexpr std::array<const char*, kAssetCount> kFiles = {
    "PieceSquare.png",     "PieceCircle.png",      "PieceTriangle.png", "PieceDiamond.png",
    "PieceOctagon.png",    "PieceEmpty.png",       "PieceUnknown.png",  "LargeHelp.png",
    "LargeHighscore.png",  "LargeReloadImage.png", "LargeArrowLeft.png", "LargeClose.png",
    "HeaderNoise.bmp",     "Icon.png"};

std::array<std::unique_ptr<platform::Picture>, kAssetCount>& Kept() {
  static std::array<std::unique_ptr<platform::Picture>, kAssetCount> pictures;
  return pictures;
}

platform::Picture* Get(Asset asset) {
  std::unique_ptr<platform::Picture>& kept = Kept()[asset];
  if (!kept) {
    const std::string folder = platform::ResourcesFolder();
    if (!folder.empty()) kept = platform::Picture::Open(folder + "/" + kFiles[asset]);
  }
  return kept.get();
}

}  // namespace

platform::Picture* PieceSquare() { return Get(kPieceSquare); }
platform::Picture* PieceCircle() { return Get(kPieceCircle); }
platform::Picture* PieceTriangle() { return Get(kPieceTriangle); }
platform::Picture* PieceDiamond() { return Get(kPieceDiamond); }
platform::Picture* PieceOctagon() { return Get(kPieceOctagon); }
platform::Picture* PieceEmpty() { return Get(kPieceEmpty); }
platform::Picture* PieceUnknown() { return Get(kPieceUnknown); }
platform::Picture* LargeHelp() { return Get(kLargeHelp); }
platform::Picture* LargeHighscore() { return Get(kLargeHighscore); }
platform::Picture* LargeReloadImage() { return Get(kLargeReloadImage); }
platform::Picture* LargeArrowLeft() { return Get(kLargeArrowLeft); }
platform::Picture* LargeClose() { return Get(kLargeClose); }
platform::Picture* HeaderNoise() { return Get(kHeaderNoise); }
platform::Picture* Icon() { return Get(kIcon); }

std::unique_ptr<platform::Picture> TintedIcon(const platform::Picture& glyph, uint32_t tint) {
  const int w = glyph.Width();
  const int h = glyph.Height();
  auto icon = platform::Picture::Create(w, h, glyph.DevicePixelRatio());
  if (!icon) return nullptr;
  icon->Graphics().SetForeColor(tint);
  icon->Graphics().FillRect(0, 0, w, h);
  platform::Graphics& mask = icon->MaskGraphics();
  mask.SetForeColor(0xFFFFFF);
  mask.FillRect(0, 0, w, h);
  mask.DrawPicture(glyph, 0, 0);
  return icon;
}

void Forget() {
  for (auto& kept : Kept()) kept.reset();
}

}  // namespace PictureAssets
