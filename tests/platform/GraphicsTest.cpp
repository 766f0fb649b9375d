#include "platform/Graphics.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "platform/FixedTextMetrics.h"
#include "platform/FontChoice.h"
#include "platform/Picture.h"

using platform::Graphics;
using platform::Picture;

namespace {

// Which pixels of a row are not black, as a string of '#' and '.'.
std::string Row(const Picture& pic, int y) {
  std::string row;
  for (int x = 0; x < pic.PixelWidth(); ++x) row += pic.Pixel(x, y) ? '#' : '.';
  return row;
}

std::string Column(const Picture& pic, int x) {
  std::string column;
  for (int y = 0; y < pic.PixelHeight(); ++y) column += pic.Pixel(x, y) ? '#' : '.';
  return column;
}

// Four 2 x 2 quadrants: red, green / blue, white.
std::unique_ptr<Picture> Quadrants() {
  auto pic = Picture::Create(4, 4);
  const uint32_t colours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
  for (int i = 0; i < 4; ++i) {
    pic->Graphics().SetForeColor(colours[i]);
    pic->Graphics().FillRect((i % 2) * 2, (i / 2) * 2, 2, 2);
  }
  return pic;
}

}  // namespace

TEST(GraphicsTest, FillAndLinesCoverExactlyTheirPixels) {
  auto pic = Picture::Create(8, 6);
  Graphics& g = pic->Graphics();
  g.SetForeColor(0xFFFFFF);
  g.FillRect(1, 1, 3, 2);
  g.DrawLine(6, 0, 6, 4);  // both ends drawn
  g.DrawLine(7, 5, 2, 5);  // drawn from right to left
  g.FillRect(0, 0, 0, 5);  // empty
  g.FillRect(0, 0, -2, 5);
  EXPECT_EQ(Row(*pic, 0), "......#.");
  EXPECT_EQ(Row(*pic, 1), ".###..#.");
  EXPECT_EQ(Row(*pic, 2), ".###..#.");
  EXPECT_EQ(Row(*pic, 3), "......#.");
  EXPECT_EQ(Row(*pic, 4), "......#.");
  EXPECT_EQ(Row(*pic, 5), "..######");
  EXPECT_EQ(pic->Pixel(1, 1), 0xFFFFFFu);
}

TEST(GraphicsTest, DiagonalLineJoinsItsEnds) {
  auto pic = Picture::Create(5, 5);
  pic->Graphics().SetForeColor(0xFFFFFF);
  pic->Graphics().DrawLine(0, 0, 4, 4);
  for (int i = 0; i < 5; ++i) EXPECT_NE(pic->Pixel(i, i), 0u) << i;
  EXPECT_EQ(pic->Pixel(4, 0), 0u);
}

TEST(GraphicsTest, SourceRectangleIsScaledIntoTheDestination) {
  auto source = Quadrants();
  auto pic = Picture::Create(12, 8);
  // The blue quadrant stretched to 4 x 4, the right half squeezed to 2 x 4.
  pic->Graphics().DrawPicture(*source, 0, 0, 4, 4, 0, 2, 2, 2);
  pic->Graphics().DrawPicture(*source, 8, 0, 2, 4, 2, 0, 2, 4);
  // The whole picture shrunk to half.
  pic->Graphics().DrawPicture(*source, 4, 4, 2, 2, 0, 0, 4, 4);
  EXPECT_EQ(pic->Pixel(0, 0), 0x0000FFu);
  EXPECT_EQ(pic->Pixel(3, 3), 0x0000FFu);
  EXPECT_EQ(pic->Pixel(4, 0), 0u);
  EXPECT_EQ(pic->Pixel(8, 0), 0x00FF00u);
  EXPECT_EQ(pic->Pixel(9, 3), 0xFFFFFFu);
  EXPECT_EQ(pic->Pixel(10, 0), 0u);
  EXPECT_EQ(pic->Pixel(4, 4), 0xFF0000u);
  EXPECT_EQ(pic->Pixel(5, 5), 0xFFFFFFu);
  EXPECT_EQ(pic->Pixel(6, 6), 0u);
}

TEST(GraphicsTest, DrawingAtManyPlacesMatchesOneCallForEach) {
  struct Case {
    const char* what;
    int w, h, sx, sy, sw, sh;
    bool overlay;
  };
  const Case cases[] = {
      {"own size", 4, 4, 0, 0, 4, 4, false},
      {"part, enlarged", 3, 5, 0, 2, 2, 2, false},
      {"shrunk", 2, 2, 0, 0, 4, 4, false},
      {"overlay", 3, 3, 0, 0, 1, 1, true},
  };
  // The first place lies outside the part, the last across its edge.
  const std::vector<platform::Place> places = {{-9, -9}, {0, 0}, {5, 1}, {2, 6}, {9, 8}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::unique_ptr<Picture> source = Quadrants();
    if (c.overlay) {
      source = Picture::Create(1, 1);
      source->SetPixel(0, 0, 0xFFFFFF);
      source->SetMaskPixel(0, 0, 0x80);
    } else {
      source->SetMaskPixel(0, 0, 255);  // with a hole, so order and blending show
    }
    auto one = Picture::Create(14, 12);
    auto many = Picture::Create(14, 12);
    Graphics a = one->Graphics().Clip(1, 1, 11, 10);
    Graphics b = many->Graphics().Clip(1, 1, 11, 10);
    for (const platform::Place& p : places) a.DrawPicture(*source, p.x, p.y, c.w, c.h, c.sx, c.sy, c.sw, c.sh);
    b.DrawPictureAt(*source, places, c.w, c.h, c.sx, c.sy, c.sw, c.sh);
    int differ = 0, drawn = 0;
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 14; ++x) {
        differ += one->Pixel(x, y) != many->Pixel(x, y);
        drawn += many->Pixel(x, y) != 0;
      }
    EXPECT_EQ(differ, 0);
    EXPECT_GT(drawn, 0);
    EXPECT_EQ(Row(*many, 11), "..............");  // the part's edge holds
    EXPECT_EQ(Column(*many, 12), "............");
  }
}

TEST(GraphicsTest, NaturalSizeDrawingIsAnExactCopy) {
  auto source = Quadrants();
  auto pic = Picture::Create(6, 6);
  pic->Graphics().DrawPicture(*source, 1, 2);
  EXPECT_EQ(pic->Pixel(1, 2), 0xFF0000u);
  EXPECT_EQ(pic->Pixel(4, 2), 0x00FF00u);
  EXPECT_EQ(pic->Pixel(1, 5), 0x0000FFu);
  EXPECT_EQ(pic->Pixel(4, 5), 0xFFFFFFu);
  EXPECT_EQ(Row(*pic, 1), "......");
  EXPECT_EQ(Column(*pic, 5), "......");
}

TEST(GraphicsTest, ClipMovesTheOriginAndCutsAtItsEdges) {
  auto pic = Picture::Create(8, 4);
  pic->Graphics().SetForeColor(0xFFFFFF);
  Graphics part = pic->Graphics().Clip(2, 1, 3, 2);
  EXPECT_EQ(part.Width(), 3);
  EXPECT_EQ(part.Height(), 2);
  EXPECT_EQ(part.ForeColor(), 0xFFFFFFu);  // the pen carries over
  part.FillRect(-5, -5, 50, 50);
  EXPECT_EQ(Row(*pic, 0), "........");
  EXPECT_EQ(Row(*pic, 1), "..###...");
  EXPECT_EQ(Row(*pic, 2), "..###...");
  EXPECT_EQ(Row(*pic, 3), "........");

  // A part of a part is cut by both.
  auto again = Picture::Create(8, 4);
  again->Graphics().SetForeColor(0xFFFFFF);
  Graphics inner = again->Graphics().Clip(2, 1, 3, 2).Clip(2, 0, 10, 10);
  inner.DrawLine(0, 0, 0, 3);
  inner.DrawPicture(*Quadrants(), 1, 0);
  EXPECT_EQ(Column(*again, 4), ".##.");
  EXPECT_EQ(Column(*again, 5), "....");
}

TEST(GraphicsTest, HighDensityPictureDrawsLogicalPixelsAsDevicePixels) {
  auto pic = Picture::Create(4, 3, 2);
  ASSERT_TRUE(pic);
  EXPECT_EQ(pic->Width(), 4);
  EXPECT_EQ(pic->PixelWidth(), 8);
  EXPECT_EQ(pic->PixelHeight(), 6);
  Graphics& g = pic->Graphics();
  EXPECT_EQ(g.Width(), 4);
  EXPECT_EQ(g.DevicePixelRatio(), 2);
  g.SetForeColor(0xFFFFFF);
  g.FillRect(1, 0, 1, 1);
  g.DrawLine(3, 1, 3, 2);
  EXPECT_EQ(Row(*pic, 0), "..##....");
  EXPECT_EQ(Row(*pic, 1), "..##....");
  EXPECT_EQ(Row(*pic, 2), "......##");
  EXPECT_EQ(Row(*pic, 5), "......##");

  // A capture at the same ratio lands pixel for pixel; a source rectangle
  // is in logical pixels.
  auto capture = Picture::Create(4, 3, 2);
  capture->Graphics().DrawPicture(*pic, 0, 0);
  for (int y = 0; y < 6; ++y) EXPECT_EQ(Row(*capture, y), Row(*pic, y));
  auto part = Picture::Create(4, 3, 2);
  part->Graphics().DrawPicture(*pic, 0, 0, 1, 1, 1, 0, 1, 1);
  EXPECT_EQ(Row(*part, 0), "##......");
  EXPECT_EQ(Row(*part, 1), "##......");
  EXPECT_EQ(Row(*part, 2), "........");

  // A plain picture drawn at its logical size covers twice its pixels
  // (smoothed where its colours meet).
  auto plain = Quadrants();
  auto sharp = Picture::Create(4, 4, 2);
  sharp->Graphics().DrawPicture(*plain, 0, 0);
  EXPECT_EQ(sharp->Pixel(1, 1), 0xFF0000u);
  EXPECT_EQ(sharp->Pixel(6, 1), 0x00FF00u);
  EXPECT_EQ(sharp->Pixel(6, 6), 0xFFFFFFu);
}

// Text is shaped once and drawn from its glyphs later; the pixels must be
// the toolkit's own drawing of the text at the same baseline, at any
// position, size and pixel ratio, the first time and from the cache.
TEST(GraphicsTest, TextLooksAsTheToolkitDrawsIt) {
  struct Case {
    const char* text;
    double size;
    double x, y;
    double ratio;
  };
  const Case cases[] = {
      {" \u2784 Level 12 \u2784 ", 31.2, 10.5, 30.25, 1},  // circled digits from a fallback font
      {" New ", 15, 3.3, 20.7, 1},
      {"Click or press P to Resume", 11, 0, 12, 1},
      {" \u2780 Level 1 \u2780 ", 15, 4.5, 18.5, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    platform::Font font;
    font.name = "Arial Rounded MT Bold";
    font.size = c.size;
    QImage expected(320 * c.ratio, 60 * c.ratio, QImage::Format_RGB32);
    expected.setDevicePixelRatio(c.ratio);
    expected.fill(Qt::black);
    {
      QPainter p(&expected);
      p.setFont(platform::ChooseFont(font));
      p.setPen(Qt::white);
      p.drawText(QPointF(c.x, c.y), QString::fromUtf8(c.text));
    }
    for (int pass = 0; pass < 2; ++pass) {
      auto picture = Picture::Create(320, 60, c.ratio);
      platform::Graphics& g = picture->Graphics();
      g.SetTextMetrics(nullptr);
      g.SetTextFont(font.name);
      g.SetTextSize(c.size);
      g.SetForeColor(0xFFFFFF);
      g.DrawString(c.text, c.x, c.y);
      int differing = 0;
      for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
          differing += picture->Pixel(x, y) != (expected.pixel(x, y) & 0xFFFFFFu);
      EXPECT_EQ(differing, 0) << "pass " << pass;
    }
  }
}

TEST(GraphicsTest, FixedMetricsMeasureBySizeAndCharacters) {
  auto pic = Picture::Create(10, 10);
  Graphics& g = pic->Graphics();
  g.SetTextMetrics(std::make_shared<platform::FixedTextMetrics>());
  g.SetTextFont("Arial Rounded MT Bold");
  g.SetTextSize(15);
  EXPECT_EQ(g.TextHeight(), 18);
  EXPECT_EQ(g.StringWidth("PAUSED"), 45);
  EXPECT_EQ(g.StringWidth(" \u2780 "), 22.5);  // the circled digit is one character
  EXPECT_EQ(g.Clip(0, 0, 5, 5).TextHeight(), 18);
}

TEST(GraphicsTest, DefaultMetricsApplyWhereNoneAreSet) {
  auto pic = Picture::Create(10, 10);
  Graphics::SetDefaultTextMetrics(std::make_shared<platform::FixedTextMetrics>(2, 1, 1));
  pic->Graphics().SetTextSize(10);
  EXPECT_EQ(pic->Graphics().TextHeight(), 20);
  EXPECT_EQ(pic->Graphics().StringWidth("abc"), 30);
  Graphics::SetDefaultTextMetrics(nullptr);
  EXPECT_NE(pic->Graphics().StringWidth("abc"), 30);
}

TEST(GraphicsTest, InstalledFontsGiveSensibleMetrics) {
  auto pic = Picture::Create(10, 10);
  Graphics& g = pic->Graphics();
  g.SetTextFont("Arial Rounded MT Bold");
  g.SetTextSize(20);
  EXPECT_GT(g.TextHeight(), 15);
  EXPECT_LT(g.TextHeight(), 40);
  EXPECT_GT(g.TextAscent(), 10);
  EXPECT_LT(g.TextAscent(), g.TextHeight());
  EXPECT_GT(g.StringWidth("WW"), g.StringWidth("W"));
  EXPECT_GT(g.StringWidth("\u2784"), 5);  // from the fallback font
  g.SetTextSize(40);
  EXPECT_GT(g.TextHeight(), 30);
}

// Widths are remembered per font: switching between fonts and texts
// must give each its own width, the same as the toolkit measures.
TEST(GraphicsTest, RememberedWidthsBelongToTheirFont) {
  auto pic = Picture::Create(10, 10);
  Graphics& g = pic->Graphics();
  g.SetTextMetrics(nullptr);
  g.SetTextFont("Arial Rounded MT Bold");
  for (int round = 0; round < 2; ++round) {
    for (const double size : {15.0, 30.0}) {
      for (const char* text : {" New ", "Level 1"}) {
        platform::Font font;
        font.name = "Arial Rounded MT Bold";
        font.size = size;
        g.SetTextSize(size);
        EXPECT_DOUBLE_EQ(g.StringWidth(text),
                         QFontMetricsF(platform::ChooseFont(font)).horizontalAdvance(QString::fromUtf8(text)))
            << text << " at " << size << ", round " << round;
      }
    }
  }
}

TEST(GraphicsTest, WrapBreaksBetweenWordsAndAtLineEnds) {
  auto pic = Picture::Create(10, 10);
  Graphics& g = pic->Graphics();
  g.SetTextMetrics(std::make_shared<platform::FixedTextMetrics>(1.2, 0.9, 0.1));
  g.SetTextSize(10);  // one pixel per character
  struct Case {
    const char* text;
    double width;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"one two three", 0, {"one two three"}},
      {"one two three", 7, {"one two", "three"}},
      {"one two three", 8, {"one two", "three"}},
      {"one two three", 3, {"one", "two", "thr", "ee"}},
      {"one\n\ntwo", 20, {"one", "", "two"}},
      {"a\r\nb\rc", 0, {"a", "b", "c"}},
      {"", 5, {""}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(g.WrapLines(c.text, c.width), c.lines) << c.text << " in " << c.width;
  }
}

TEST(GraphicsTest, CondenseShortensWithAnEllipsis) {
  auto pic = Picture::Create(10, 10);
  Graphics& g = pic->Graphics();
  g.SetTextMetrics(std::make_shared<platform::FixedTextMetrics>(1.2, 0.9, 0.1));
  g.SetTextSize(10);
  struct Case {
    const char* text;
    double width;
    const char* shown;
  };
  const Case cases[] = {
      {"Highscore", 9, "Highscore"},
      {"Highscore", 8, "Highsco\u2026"},
      {"Ab cdef", 4, "Ab\u2026"},
      {"\u2780\u2781\u2782", 2, "\u2780\u2026"},
      {"Highscore", 1, "\u2026"},
      {"Highscore", 0.5, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(g.Condensed(c.text, c.width), c.shown) << c.text;
}

TEST(GraphicsTest, TextIsDrawnOnItsBaselineWithinTheClip) {
  auto pic = Picture::Create(60, 40);
  Graphics& g = pic->Graphics();
  g.SetForeColor(0xFFFFFF);
  g.SetTextFont("Arial Rounded MT Bold");
  g.SetTextSize(16);
  Graphics part = g.Clip(0, 0, 60, 20);
  part.DrawString("HH", 2, 18);
  part.DrawString("HH", 2, 38);  // below the part: cut off
  bool above = false;
  bool inside = false;
  bool below = false;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x) {
      if (!pic->Pixel(x, y)) continue;
      if (y <= 18) inside = true;
      if (y > 18) below = true;
      if (y < 18 - 16) above = true;
    }
  EXPECT_TRUE(inside);
  EXPECT_FALSE(below);  // capital letters sit on the baseline
  EXPECT_FALSE(above);
}

TEST(GraphicsTest, WrappedTextTakesOneTextHeightPerLine) {
  auto pic = Picture::Create(40, 60);
  Graphics& g = pic->Graphics();
  g.SetForeColor(0xFFFFFF);
  g.SetTextSize(10);
  g.SetTextMetrics(std::make_shared<platform::FixedTextMetrics>(2, 0.9, 1));
  g.DrawString("I I", 1, 10, 10);  // two lines, 20 pixels apart
  auto inkIn = [&](int top, int bottom) {
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < 40; ++x)
        if (pic->Pixel(x, y)) return true;
    return false;
  };
  EXPECT_TRUE(inkIn(0, 11));
  EXPECT_FALSE(inkIn(12, 20));
  EXPECT_TRUE(inkIn(20, 31));
  EXPECT_FALSE(inkIn(32, 60));
}
