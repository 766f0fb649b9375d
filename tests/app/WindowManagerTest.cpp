#include "app/WindowManager.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "support/StoreState.h"

namespace WindowManager {
namespace {

using Entry = std::tuple<std::string, int32_t, int32_t, int32_t, int32_t>;

std::vector<Entry> table() {
  std::vector<Entry> entries;
  for (size_t i = 0; i < sKey.size(); ++i) entries.emplace_back(sKey[i], iLeft[i], iTop[i], iWidth[i], iHeight[i]);
  return entries;
}

class WindowBoundsTextTest : public testing::Test {
 protected:
  StoreState state;
};

TEST_F(WindowBoundsTextTest, WritesEveryEntryInTableOrder) {
  EXPECT_EQ(WindowBoundsString(), "");
  WindowBoundsFromString("main 120 80 600 400");
  EXPECT_EQ(WindowBoundsString(), "main 120 80 600 400");
  sKey.push_back("about_box");
  iLeft.push_back(-1440);
  iTop.push_back(0);
  iWidth.push_back(7);
  iHeight.push_back(2147483647);
  EXPECT_EQ(WindowBoundsString(), "main 120 80 600 400,about_box -1440 0 7 2147483647");
}

TEST_F(WindowBoundsTextTest, ReadsBackTheTableItWrote) {
  WindowBoundsFromString("main 120 80 600 400,main -5 -6 0 0,x_y 1 2 3 4");
  const auto written = table();
  const std::string text = WindowBoundsString();
  StoreState::ClearTables();
  WindowBoundsFromString(text);
  EXPECT_EQ(table(), written);
  EXPECT_EQ(written.size(), 3u);
}

TEST_F(WindowBoundsTextTest, ReadingAppendsAndCountsUnreadableNumbersAsZero) {
  struct Case {
    std::string text;
    std::vector<Entry> entries;
  };
  const Case cases[] = {
      {"", {}},
      {"main", {{"main", 0, 0, 0, 0}}},
      {"main 1 2", {{"main", 1, 2, 0, 0}}},
      {"main x 2 3.7 -4", {{"main", 0, 2, 3, -4}}},
      {"main 1 2 3 4 5 6", {{"main", 1, 2, 3, 4}}},
      {"main 1  2 3 4", {{"main", 1, 0, 2, 3}}},
      {"main 99999999999 0 0 0", {{"main", 2147483647, 0, 0, 0}}},
      {"a 1 1 1 1,", {{"a", 1, 1, 1, 1}, {"", 0, 0, 0, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    StoreState::ClearTables();
    WindowBoundsFromString(c.text);
    EXPECT_EQ(table(), c.entries);
  }
  StoreState::ClearTables();
  WindowBoundsFromString("main 1 2 3 4");
  WindowBoundsFromString("main 5 6 7 8");
  EXPECT_EQ(table(), (std::vector<Entry>{{"main", 1, 2, 3, 4}, {"main", 5, 6, 7, 8}}));
}

}  // namespace
}  // namespace WindowManager
