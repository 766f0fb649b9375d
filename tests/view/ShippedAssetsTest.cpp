// The eighteen files in resources/, read through the game's own loaders.
#include <gtest/gtest.h>

#include <set>

#include "platform/Picture.h"
#include "platform/Sound.h"
#include "support/ResourcesFolderScope.h"
#include "view/PictureAssets.h"
#include "view/SoundAssets.h"

using platform::Picture;

namespace {

class ShippedAssetsTest : public testing::Test {
 protected:
  ResourcesFolderScope scope{PEMOLA_SOURCE_RESOURCES};
};

bool AnyOpaque(const Picture& pic) {
  for (int y = 0; y < pic.PixelHeight(); y += 2)
    for (int x = 0; x < pic.PixelWidth(); x += 2)
      if (pic.MaskPixel(x, y) == 0) return true;
  return false;
}

}  // namespace

TEST_F(ShippedAssetsTest, PiecesAreTallerByAThirdAndTransparentAroundTheShape) {
  using Accessor = Picture* (*)();
  const Accessor pieces[] = {PictureAssets::PieceSquare,  PictureAssets::PieceCircle,
                             PictureAssets::PieceTriangle, PictureAssets::PieceDiamond,
                             PictureAssets::PieceOctagon, PictureAssets::PieceEmpty,
                             PictureAssets::PieceUnknown};
  for (size_t i = 0; i < std::size(pieces); ++i) {
    SCOPED_TRACE(i);
    Picture* pic = pieces[i]();
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->Width(), 256);
    EXPECT_EQ(pic->Height(), 333);  // 1.3 times as wide
    ASSERT_TRUE(pic->HasMask());
    EXPECT_EQ(pic->MaskPixel(0, 0), 255);      // the black ground shows at the corners
    EXPECT_EQ(pic->MaskPixel(255, 332), 255);
    EXPECT_EQ(pic->MaskPixel(128, 128), 0);   // the middle of the piece is solid
  }
}

TEST_F(ShippedAssetsTest, GlyphsAreLargeDarkShapesOnTransparency) {
  using Accessor = Picture* (*)();
  const Accessor glyphs[] = {PictureAssets::LargeHelp, PictureAssets::LargeHighscore,
                             PictureAssets::LargeReloadImage, PictureAssets::LargeArrowLeft,
                             PictureAssets::LargeClose};
  for (size_t i = 0; i < std::size(glyphs); ++i) {
    SCOPED_TRACE(i);
    Picture* glyph = glyphs[i]();
    ASSERT_NE(glyph, nullptr);
    EXPECT_GE(glyph->Width(), 256);
    EXPECT_GE(glyph->Height(), 256);
    ASSERT_TRUE(glyph->HasMask());
    EXPECT_EQ(glyph->MaskPixel(0, 0), 255);
    EXPECT_TRUE(AnyOpaque(*glyph));
    // Where the glyph is solid it is dark, so the tinted icon is solid there.
    auto icon = PictureAssets::TintedIcon(*glyph, 0xFFFFFF);
    ASSERT_TRUE(icon);
    EXPECT_TRUE(AnyOpaque(*icon));
    EXPECT_EQ(icon->MaskPixel(0, 0), 255);
  }
}

TEST_F(ShippedAssetsTest, NoiseTileAndIconHaveTheirSizes) {
  Picture* noise = PictureAssets::HeaderNoise();
  ASSERT_NE(noise, nullptr);
  EXPECT_EQ(noise->Width(), 64);
  EXPECT_EQ(noise->Height(), 64);
  EXPECT_FALSE(noise->HasMask());
  // Grey grain: many levels, every pixel neutral.
  std::set<uint32_t> levels;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const uint32_t p = noise->Pixel(x, y);
      EXPECT_EQ(p, (p & 0xFF) * 0x010101u);
      levels.insert(p);
    }
  EXPECT_GT(levels.size(), 50u);
  Picture* icon = PictureAssets::Icon();
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->Width(), 512);
  EXPECT_EQ(icon->Height(), 512);
}

TEST_F(ShippedAssetsTest, SoundsDecodeAndAreShort) {
  using Accessor = platform::Sound* (*)();
  const Accessor sounds[] = {SoundAssets::FlipPiece, SoundAssets::CorrectSound, SoundAssets::FlipBoard,
                             SoundAssets::GameOver};
  for (size_t i = 0; i < std::size(sounds); ++i) {
    SCOPED_TRACE(i);
    platform::Sound* sound = sounds[i]();
    ASSERT_NE(sound, nullptr);
    EXPECT_GT(sound->Duration(), 0.05);
    EXPECT_LT(sound->Duration(), 1.5);
  }
}
