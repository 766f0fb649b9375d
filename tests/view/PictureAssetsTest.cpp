#include "view/PictureAssets.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "support/ResourcesFolderScope.h"
#include "view/SoundAssets.h"

using platform::Picture;

namespace {

constexpr int kLevels[] = {0, 1, 64, 128, 200, 254, 255};

// One pixel per grey level: black on white (an opaque picture of greys)
// and black on transparent (black, with the level as its mask).
std::unique_ptr<Picture> OnWhite() {
  auto glyph = Picture::Create(std::size(kLevels), 1);
  for (size_t i = 0; i < std::size(kLevels); ++i) glyph->SetPixel(i, 0, kLevels[i] * 0x010101u);
  return glyph;
}

std::unique_ptr<Picture> OnTransparent() {
  auto glyph = Picture::Create(std::size(kLevels), 1);
  for (size_t i = 0; i < std::size(kLevels); ++i) glyph->SetMaskPixel(i, 0, kLevels[i]);
  return glyph;
}

}  // namespace

TEST(PictureAssetsTest, GlyphOnWhiteOrOnTransparentGivesTheSameTintedIcon) {
  for (const uint32_t tint : {0xFFFFFFu, 0xDDDDDDu}) {
    auto a = PictureAssets::TintedIcon(*OnWhite(), tint);
    auto b = PictureAssets::TintedIcon(*OnTransparent(), tint);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->Width(), static_cast<int>(std::size(kLevels)));
    EXPECT_EQ(a->Height(), 1);
    for (size_t i = 0; i < std::size(kLevels); ++i) {
      SCOPED_TRACE(kLevels[i]);
      EXPECT_EQ(a->Pixel(i, 0), tint);
      EXPECT_EQ(b->Pixel(i, 0), tint);
      // The grey level v becomes the opacity (255 - v) / 255.
      EXPECT_EQ(a->MaskPixel(i, 0), kLevels[i]);
      EXPECT_EQ(b->MaskPixel(i, 0), kLevels[i]);
    }
  }
}

TEST(PictureAssetsTest, TintedIconLaysItsTintOnlyWhereTheGlyphIsDark) {
  auto icon = PictureAssets::TintedIcon(*OnTransparent(), 0xDDDDDD);
  auto ground = Picture::Create(std::size(kLevels), 1);
  ground->Graphics().DrawPicture(*icon, 0, 0);
  EXPECT_EQ(ground->Pixel(0, 0), 0xDDDDDDu);
  EXPECT_NEAR(ground->Pixel(3, 0) & 0xFF, 0xDD * 127 / 255, 1);
  EXPECT_EQ(ground->Pixel(6, 0), 0u);
}

class MissingAssetsTest : public testing::Test {
 protected:
  QTemporaryDir dir;
  ResourcesFolderScope scope{dir.path().toStdString()};
};

TEST_F(MissingAssetsTest, PictureIsPickedUpOnceItsFileAppears) {
  EXPECT_EQ(PictureAssets::PieceTriangle(), nullptr);
  EXPECT_EQ(PictureAssets::PieceTriangle(), nullptr);
  QImage file(8, 8, QImage::Format_ARGB32);
  file.fill(qRgba(255, 0, 0, 128));
  ASSERT_TRUE(file.save(dir.filePath("PieceTriangle.png")));

  Picture* triangle = PictureAssets::PieceTriangle();
  ASSERT_NE(triangle, nullptr);
  EXPECT_EQ(triangle->Width(), 8);
  EXPECT_EQ(PictureAssets::PieceSquare(), nullptr);  // the others stay missing
  // Kept for the run, even when the file goes away.
  ASSERT_TRUE(QFile::remove(dir.filePath("PieceTriangle.png")));
  EXPECT_EQ(PictureAssets::PieceTriangle(), triangle);
}

TEST_F(MissingAssetsTest, SoundIsTriedOnlyOnce) {
  EXPECT_EQ(SoundAssets::FlipPiece(), nullptr);
  ASSERT_TRUE(QFile::copy(QDir(PEMOLA_SOURCE_RESOURCES).filePath("FlipPiece.mp3"), dir.filePath("FlipPiece.mp3")));
  EXPECT_EQ(SoundAssets::FlipPiece(), nullptr);
  // A sound not asked for before is found.
  ASSERT_TRUE(QFile::copy(QDir(PEMOLA_SOURCE_RESOURCES).filePath("GameOver.mp3"), dir.filePath("GameOver.mp3")));
  EXPECT_NE(SoundAssets::GameOver(), nullptr);
}

TEST(MissingResourcesFolderTest, NoFolderGivesNothing) {
  ResourcesFolderScope scope("/nonexistent/pemola-resources");
  EXPECT_EQ(PictureAssets::Icon(), nullptr);
  EXPECT_EQ(SoundAssets::CorrectSound(), nullptr);
}
