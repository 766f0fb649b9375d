#include "view/ImagePlayEffectsLibrary.h"

#include <gtest/gtest.h>

#include "platform/Picture.h"

using ImagePlayEffectsLibrary::GradientWipe;

namespace {

// Every row of a vertical gradient, checked to be one colour across.
std::vector<uint32_t> Rows(const platform::Picture& pic) {
  std::vector<uint32_t> rows;
  for (int y = 0; y < pic.Height(); ++y) {
    rows.push_back(pic.Pixel(0, y));
    for (int x = 1; x < pic.Width(); ++x) EXPECT_EQ(pic.Pixel(x, y), rows.back()) << x << "," << y;
  }
  return rows;
}

std::vector<uint32_t> Columns(const platform::Picture& pic) {
  std::vector<uint32_t> columns;
  for (int x = 0; x < pic.Width(); ++x) {
    columns.push_back(pic.Pixel(x, 0));
    for (int y = 1; y < pic.Height(); ++y) EXPECT_EQ(pic.Pixel(x, y), columns.back()) << x << "," << y;
  }
  return columns;
}

}  // namespace

TEST(GradientWipeTest, GivesExactStepsAlongItsLength) {
  const std::vector<uint32_t> header = {0x979797, 0x3F3F3F};
  const std::vector<uint32_t> gloss = {0xFFFFFF, 0x7F7F7F};
  const std::vector<uint32_t> three = {0x000000, 0xFF0000, 0x00FF00};
  struct Case {
    int width;
    int height;
    bool vertical;
    std::vector<uint32_t> colours;
    std::vector<uint32_t> expected;
  };
  const std::vector<Case> cases = {
      {1, 4, true, header, {0x979797, 0x818181, 0x6B6B6B, 0x555555}},
      {1, 4, true, gloss, {0xFFFFFF, 0xDFDFDF, 0xBFBFBF, 0x9F9F9F}},
      {3, 4, true, header, {0x979797, 0x818181, 0x6B6B6B, 0x555555}},
      {4, 1, false, header, {0x979797, 0x818181, 0x6B6B6B, 0x555555}},
      {4, 2, false, gloss, {0xFFFFFF, 0xDFDFDF, 0xBFBFBF, 0x9F9F9F}},
      // Two segments of five; the sixth row is exactly the middle colour.
      // In the last row u = 1 - 0.8 is a hair below 0.2, so red is cut to 0x32.
      {1, 10, true, three,
       {0x000000, 0x330000, 0x660000, 0x990000, 0xCC0000,
        0xFF0000, 0xCC3300, 0x996600, 0x669900, 0x32CC00}},
      // Channels are cut, not rounded: 0.5 x 0xFF gives 0x7F.
      {1, 2, true, {0x000000, 0xFFFFFF}, {0x000000, 0x7F7F7F}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << (c.vertical ? " vertical" : ""));
    auto pic = GradientWipe(c.width, c.height, c.vertical, c.colours);
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->Width(), c.width);
    EXPECT_EQ(pic->Height(), c.height);
    EXPECT_FALSE(pic->HasMask());
    EXPECT_EQ(c.vertical ? Rows(*pic) : Columns(*pic), c.expected);
  }
}

TEST(GradientWipeTest, ShortStripIsStretchedOverTheWholePicture) {
  // Three colours over 9 rows: a strip of 8 rows stretched to 9.
  auto pic = GradientWipe(2, 9, true, {0x000000, 0xFF0000, 0x00FF00});
  ASSERT_TRUE(pic);
  const std::vector<uint32_t> rows = Rows(*pic);
  EXPECT_EQ(rows.front(), 0x000000u);
  EXPECT_LT(rows.back() >> 16, 0x80u);  // near the end of the second segment
  EXPECT_GT((rows.back() >> 8) & 0xFF, 0x80u);
  for (size_t i = 1; i < 4; ++i) EXPECT_GT(rows[i] >> 16, rows[i - 1] >> 16) << i;
}

TEST(GradientWipeTest, ArgumentsThatAllowNoPictureGiveNothing) {
  const std::vector<uint32_t> two = {0x979797, 0x3F3F3F};
  EXPECT_FALSE(GradientWipe(1, 4, true, {0x979797}));
  EXPECT_FALSE(GradientWipe(1, 4, true, {}));
  EXPECT_FALSE(GradientWipe(0, 4, true, two));
  EXPECT_FALSE(GradientWipe(1, 0, true, two));
  EXPECT_FALSE(GradientWipe(-1, 4, true, two));
  EXPECT_FALSE(GradientWipe(1, -4, false, two));
  // Fewer pixels along the gradient than segments leaves no strip to stretch.
  EXPECT_FALSE(GradientWipe(1, 1, true, {0x000000, 0x7F7F7F, 0xFFFFFF}));
}
