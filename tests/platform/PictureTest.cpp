#include "platform/Picture.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <string>

#include "platform/Graphics.h"

using platform::Picture;

namespace {

std::unique_ptr<Picture> Filled(int w, int h, uint32_t rgb, double ratio = 1) {
  auto pic = Picture::Create(w, h, ratio);
  pic->Graphics().SetForeColor(rgb);
  pic->Graphics().FillRect(0, 0, w, h);
  return pic;
}

int Channel(uint32_t rgb) { return rgb & 0xFF; }

}  // namespace

TEST(PictureTest, NewPictureIsOpaqueBlackOfItsSize) {
  auto pic = Picture::Create(3, 2);
  ASSERT_TRUE(pic);
  EXPECT_EQ(pic->Width(), 3);
  EXPECT_EQ(pic->Height(), 2);
  EXPECT_FALSE(pic->HasMask());
  EXPECT_EQ(pic->Pixel(2, 1), 0u);
  EXPECT_EQ(pic->MaskPixel(2, 1), 0);
}

TEST(PictureTest, ImpossibleSizesGiveNothing) {
  EXPECT_FALSE(Picture::Create(0, 5));
  EXPECT_FALSE(Picture::Create(5, 0));
  EXPECT_FALSE(Picture::Create(-1, 5));
  EXPECT_FALSE(Picture::Create(5, 5, 0));
  EXPECT_FALSE(Picture::Create(1 << 30, 1 << 30));
}

TEST(PictureTest, PixelWritesOutsideArePassedOver) {
  auto pic = Picture::Create(2, 2);
  pic->SetPixel(1, 1, 0x123456);
  pic->SetPixel(2, 0, 0xFFFFFF);
  pic->SetPixel(-1, 0, 0xFFFFFF);
  pic->SetMaskPixel(5, 5, 200);
  EXPECT_EQ(pic->Pixel(1, 1), 0x123456u);
  EXPECT_EQ(pic->Pixel(2, 0), 0u);
  EXPECT_EQ(pic->MaskPixel(5, 5), 0);
}

// A mask level v draws its pixel at the opacity (255 - v) / 255, however
// the mask was made: one level over the whole mask, single pixel writes,
// or drawing on the mask's own surface.
TEST(PictureTest, MaskLevelSetsTheOpacityOfEveryWayOfMakingIt) {
  struct Case {
    int level;
    int expected;  // a white picture drawn over black
  };
  const Case cases[] = {{0, 255}, {64, 191}, {128, 127}, {191, 64}, {255, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level);
    const uint32_t grey = c.level * 0x010101u;

    auto uniform = Filled(4, 4, 0xFFFFFF);
    uniform->MaskGraphics().SetForeColor(grey);
    uniform->MaskGraphics().FillRect(0, 0, 4, 4);

    auto pixels = Filled(4, 4, 0xFFFFFF);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x) pixels->SetMaskPixel(x, y, c.level);

    auto painted = Filled(4, 4, 0xFFFFFF);
    painted->MaskGraphics().SetForeColor(grey);
    painted->MaskGraphics().FillRect(0, 0, 4, 2);
    painted->MaskGraphics().FillRect(0, 2, 4, 2);

    for (Picture* source : {uniform.get(), pixels.get(), painted.get()}) {
      EXPECT_EQ(source->MaskPixel(3, 3), c.level);
      auto target = Picture::Create(4, 4);
      target->Graphics().DrawPicture(*source, 0, 0);
      EXPECT_NEAR(Channel(target->Pixel(1, 1)), c.expected, 1);
      // Stretched, the same opacity.
      auto large = Picture::Create(16, 16);
      large->Graphics().DrawPicture(*source, 0, 0, 16, 16, 0, 0, 4, 4);
      EXPECT_NEAR(Channel(large->Pixel(8, 8)), c.expected, 1);
    }
  }
}

TEST(PictureTest, UniformMaskKeepsItsLevelWherePartOfItIsRedrawn) {
  auto pic = Filled(4, 1, 0xFFFFFF);
  pic->MaskGraphics().SetForeColor(0x808080);
  pic->MaskGraphics().FillRect(0, 0, 4, 1);
  pic->MaskGraphics().SetForeColor(0x000000);
  pic->MaskGraphics().FillRect(0, 0, 1, 1);
  EXPECT_EQ(pic->MaskPixel(0, 0), 0);
  EXPECT_EQ(pic->MaskPixel(1, 0), 128);

  auto target = Picture::Create(4, 1);
  target->Graphics().DrawPicture(*pic, 0, 0);
  EXPECT_EQ(target->Pixel(0, 0), 0xFFFFFFu);
  EXPECT_NEAR(Channel(target->Pixel(3, 0)), 127, 1);
}

// Drawn pictures keep composed and scaled copies; every kind of change
// must reach the next drawing.
TEST(PictureTest, ChangingThePictureAfterDrawingItShowsInTheNextDrawing) {
  struct Case {
    const char* change;
    void (*apply)(Picture&);
    uint32_t before;
    uint32_t after;
  };
  const Case cases[] = {
      {"colour", [](Picture& p) { p.Graphics().SetForeColor(0x0000FF); p.Graphics().FillRect(0, 0, 8, 8); },
       0xFF0000, 0x0000FF},
      {"mask pixels", [](Picture& p) { p.MaskGraphics().SetForeColor(0xFFFFFF); p.MaskGraphics().FillRect(0, 0, 8, 7); },
       0xFF0000, 0x000000},
      {"uniform mask", [](Picture& p) { p.MaskGraphics().SetForeColor(0xFFFFFF); p.MaskGraphics().FillRect(0, 0, 8, 8); },
       0xFF0000, 0x000000},
  };
  for (const Case& c : cases) {
    for (const int size : {4, 16}) {  // scaled copies are kept for shrinking and enlarging
      SCOPED_TRACE(testing::Message() << c.change << " " << size);
      auto pic = Filled(8, 8, 0xFF0000);
      pic->SetMaskPixel(7, 7, 255);  // a mask image, composed when drawn
      for (int pass = 0; pass < 2; ++pass) {
        auto target = Picture::Create(size, size);
        target->Graphics().DrawPicture(*pic, 0, 0, size, size, 0, 0, 8, 8);
        EXPECT_EQ(target->Pixel(size / 4, size / 4), pass == 0 ? c.before : c.after);
        if (pass == 0) c.apply(*pic);
      }
    }
  }
}

// A tiled drawing must match the tiles drawn one by one, cut at the
// rectangle, whatever the mask, the pixel ratio or the size asked before.
TEST(PictureTest, TiledDrawingMatchesTheTilesDrawnOneByOne) {
  struct Case {
    const char* mask;
    double ratio;
  };
  const Case cases[] = {{"none", 1}, {"uniform", 1}, {"pixels", 1}, {"none", 2}, {"pixels", 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mask << " at ratio " << c.ratio);
    auto tile = Picture::Create(3, 2);
    const uint32_t colours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF};
    for (int i = 0; i < 6; ++i) tile->SetPixel(i % 3, i / 3, colours[i]);
    if (std::string(c.mask) == "uniform") {
      tile->MaskGraphics().SetForeColor(0x7F7F7F);
      tile->MaskGraphics().FillRect(0, 0, 3, 2);
    } else if (std::string(c.mask) == "pixels") {
      tile->SetMaskPixel(1, 0, 255);
      tile->SetMaskPixel(2, 1, 128);
    }
    for (const int width : {4, 8, 11}) {  // the strip is remade when a wider one is needed
      auto tiled = Filled(12, 9, 0x808080, c.ratio);
      auto oneByOne = Filled(12, 9, 0x808080, c.ratio);
      tiled->Graphics().Clip(1, 2, width, 5).DrawPictureTiled(*tile, 0, 0, width, 5);
      platform::Graphics part = oneByOne->Graphics().Clip(1, 2, width, 5);
      for (int y = 0; y < 5; y += 2)
        for (int x = 0; x < width; x += 3) part.DrawPicture(*tile, x, y);
      for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 12; ++x) ASSERT_EQ(tiled->Pixel(x, y), oneByOne->Pixel(x, y)) << width << ": " << x << "," << y;
    }
  }
}

TEST(PictureTest, TiledDrawingShowsTheTileAsItIsNow) {
  auto tile = Filled(2, 2, 0xFF0000);
  auto target = Picture::Create(6, 2);
  target->Graphics().DrawPictureTiled(*tile, 0, 0, 6, 2);
  EXPECT_EQ(target->Pixel(5, 1), 0xFF0000u);
  tile->SetPixel(1, 1, 0x0000FF);
  target->Graphics().DrawPictureTiled(*tile, 0, 0, 6, 2);
  EXPECT_EQ(target->Pixel(5, 1), 0x0000FFu);
  EXPECT_EQ(target->Pixel(4, 1), 0xFF0000u);
}

TEST(PictureTest, StretchedSinglePixelIsATranslucentFill) {
  auto overlay = Picture::Create(1, 1);
  overlay->MaskGraphics().SetForeColor(0x3F3F3F);
  overlay->MaskGraphics().FillRect(0, 0, 1, 1);
  auto target = Filled(10, 10, 0xFFFFFF);
  target->Graphics().DrawPicture(*overlay, 2, 2, 6, 6, 0, 0, 1, 1);
  EXPECT_EQ(target->Pixel(1, 1), 0xFFFFFFu);
  EXPECT_NEAR(Channel(target->Pixel(2, 2)), 63, 1);  // white under black at 192/255
  EXPECT_NEAR(Channel(target->Pixel(7, 7)), 63, 1);
  EXPECT_EQ(target->Pixel(8, 8), 0xFFFFFFu);
}

// The sanitizers would see a drawing into the freed pixels.
TEST(PictureTest, GraphicsKeptAfterItsPictureIsGoneDrawsNothing) {
  auto pic = Picture::Create(4, 4);
  platform::Graphics part = pic->Graphics().Clip(1, 1, 2, 2);
  pic.reset();
  part.FillRect(0, 0, 2, 2);
  part.DrawString("x", 0, 1);
}

class PictureFileTest : public testing::Test {
 protected:
  std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
  QTemporaryDir dir;
};

TEST_F(PictureFileTest, PngAlphaBecomesTheMaskAndColourIsKept) {
  QImage file(3, 1, QImage::Format_ARGB32);
  file.setPixel(0, 0, qRgba(0x10, 0x20, 0x30, 255));
  file.setPixel(1, 0, qRgba(0xFF, 0x00, 0x00, 64));
  file.setPixel(2, 0, qRgba(0x00, 0x00, 0xFF, 0));
  ASSERT_TRUE(file.save(QString::fromStdString(Path("a.png"))));

  auto pic = Picture::Open(Path("a.png"));
  ASSERT_TRUE(pic);
  EXPECT_TRUE(pic->HasMask());
  EXPECT_EQ(pic->Pixel(0, 0), 0x102030u);
  EXPECT_EQ(pic->MaskPixel(0, 0), 0);
  EXPECT_EQ(pic->Pixel(1, 0), 0xFF0000u);
  EXPECT_EQ(pic->MaskPixel(1, 0), 191);
  EXPECT_EQ(pic->MaskPixel(2, 0), 255);

  auto target = Filled(3, 1, 0xFFFFFF);
  target->Graphics().DrawPicture(*pic, 0, 0);
  EXPECT_EQ(target->Pixel(0, 0), 0x102030u);
  EXPECT_EQ(target->Pixel(2, 0), 0xFFFFFFu);  // fully transparent: the ground shows
  const uint32_t half = target->Pixel(1, 0);
  EXPECT_EQ(half >> 16, 0xFFu);
  EXPECT_NEAR(Channel(half), 191, 1);
}

TEST_F(PictureFileTest, OpaqueFilesHaveNoMask) {
  QImage file(64, 64, QImage::Format_RGB32);
  file.fill(qRgb(1, 2, 3));
  ASSERT_TRUE(file.save(QString::fromStdString(Path("n.bmp"))));
  ASSERT_TRUE(file.save(QString::fromStdString(Path("o.png"))));
  for (const char* name : {"n.bmp", "o.png"}) {
    auto pic = Picture::Open(Path(name));
    ASSERT_TRUE(pic) << name;
    EXPECT_FALSE(pic->HasMask());
    EXPECT_EQ(pic->Width(), 64);
    EXPECT_EQ(pic->Pixel(63, 63), 0x010203u);
  }
}

TEST_F(PictureFileTest, UnreadableFilesGiveNothing) {
  QFile bad(dir.filePath("bad.png"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a picture");
  bad.close();
  EXPECT_FALSE(Picture::Open(Path("bad.png")));
  EXPECT_FALSE(Picture::Open(Path("missing.png")));
  EXPECT_FALSE(Picture::Open(""));
}
