// Keeping windows on screen, finding their screen and watching the screens,
// on fake screens and windows.
#include <gtest/gtest.h>

#include "app/WindowManager.h"
#include "platform/Screens.h"
#include "platform/Window.h"

namespace {

class FakeWindow : public platform::Window {
 public:
  FakeWindow(int32_t l, int32_t t, int32_t w, int32_t h) : left(l), top(t), width(w), height(h) {}
  int32_t Left() const override { return left; }
  int32_t Top() const override { return top; }
  int32_t Width() const override { return width; }
  int32_t Height() const override { return height; }
  void SetLeft(int32_t v) override { left = v; }
  void SetTop(int32_t v) override { top = v; }
  void SetWidth(int32_t v) override { width = v; }
  void SetHeight(int32_t v) override { height = v; }
  int32_t MinWidth() const override { return 200; }
  int32_t MinHeight() const override { return 300; }
  int32_t MaxWidth() const override { return 32000; }
  int32_t MaxHeight() const override { return 32000; }
  void Close() override {}
  platform::Rect Bounds() const { return {left, top, width, height}; }

  int32_t left, top, width, height;
};

class WindowPlacementTest : public testing::Test {
 protected:
  WindowPlacementTest() {
    ClearTables();
    platform::SetScreensSource([this] { return screens; });
    platform::Window::SetOpenWindowsSource([this] { return windows; });
  }
  ~WindowPlacementTest() override {
    platform::SetScreensSource(nullptr);
    platform::Window::SetOpenWindowsSource(nullptr);
    ClearTables();
  }
  static void ClearTables() {
    for (auto* list : {&WindowManager::iLeft, &WindowManager::iTop, &WindowManager::iWidth, &WindowManager::iHeight,
                       &WindowManager::iLastX, &WindowManager::iLastY, &WindowManager::iLastWidth,
                       &WindowManager::iLastHeight})
      list->clear();
    WindowManager::sKey.clear();
  }

  // A 1440 x 900 screen with a 24-pixel panel at its top.
  static platform::Screen Laptop(int32_t left = 0) { return {{left, 0, 1440, 900}, {left, 24, 1440, 876}}; }

  std::vector<platform::Screen> screens = {Laptop()};
  std::vector<platform::Window*> windows;
};

}  // namespace

TEST_F(WindowPlacementTest, KeepingAWindowOnScreen) {
  struct Case {
    const char* what;
    platform::Rect before, after;
  };
  const Case cases[] = {
      {"already on screen", {100, 100, 600, 400}, {100, 100, 600, 400}},
      {"too wide: as wide as the usable area, at its left", {300, 100, 2000, 400}, {0, 100, 1440, 400}},
      {"top above the usable area: 22 below its top", {100, 0, 600, 400}, {100, 46, 600, 400}},
      {"too tall: room left for a title bar", {100, 100, 600, 1200}, {100, 46, 600, 854}},
      {"off the left edge", {-300, 100, 600, 400}, {0, 100, 600, 400}},
      {"past the right edge", {1200, 100, 600, 400}, {840, 100, 600, 400}},
      {"past the bottom", {100, 800, 600, 400}, {100, 500, 600, 400}},
      {"on no screen: kept on the first", {5000, 5000, 600, 400}, {840, 500, 600, 400}},
  };
  for (const Case& c : cases) {
    FakeWindow w(c.before.Left, c.before.Top, c.before.Width, c.before.Height);
    WindowManager::CheckWindowBounds(&w);
    EXPECT_EQ(w.Bounds(), c.after) << c.what;
  }
}

TEST_F(WindowPlacementTest, ScreenOfAWindow) {
  screens = {Laptop(0), Laptop(1440)};
  struct Case {
    platform::Rect window;
    int32_t screen;
  };
  const Case cases[] = {
      {{100, 100, 600, 400}, 0},   {{1500, 100, 600, 400}, 1}, {{1400, 100, 600, 400}, 1},
      {{1140, 100, 600, 400}, 0},  // equal halves: the lower index
      {{9000, 9000, 10, 10}, 0},   // on no screen
  };
  for (const Case& c : cases) {
    FakeWindow w(c.window.Left, c.window.Top, c.window.Width, c.window.Height);
    EXPECT_EQ(WindowManager::GetScreenForWindow(&w), c.screen) << c.window.Left;
  }
  EXPECT_EQ(WindowManager::GetScreenForWindow(nullptr), -1);
}

TEST_F(WindowPlacementTest, StoredBoundsComeBackWithinLimitsAndOnScreen) {
  WindowManager::WindowBoundsFromString("main 120 80 0 0");
  FakeWindow w(10, 10, 600, 400);
  WindowManager::GetBounds(&w, "main");
  EXPECT_EQ(w.Bounds(), (platform::Rect{120, 80, 200, 300}));

  FakeWindow unknown(10, 10, 600, 400);
  WindowManager::GetBounds(&unknown, "other");
  EXPECT_EQ(unknown.Bounds(), (platform::Rect{10, 46, 600, 400})) << "no entry: own bounds, kept on screen";
}

TEST_F(WindowPlacementTest, KeysWithSpacesAndUnderscoresNameOneEntry) {
  FakeWindow first(100, 100, 600, 400);
  WindowManager::StoreBounds(&first, "high score");
  FakeWindow second(200, 150, 700, 500);
  WindowManager::StoreBounds(&second, "high_score");
  EXPECT_EQ(WindowManager::WindowBoundsString(), "high_score 200 150 700 500");
  FakeWindow restored(0, 0, 600, 400);
  WindowManager::GetBounds(&restored, "high score");
  EXPECT_EQ(restored.Bounds(), second.Bounds());
  WindowManager::StoreBounds(nullptr, "x");
  WindowManager::GetBounds(nullptr, "x");
  EXPECT_EQ(WindowManager::sKey.size(), 1u);
}

TEST_F(WindowPlacementTest, DisplayWatch) {
  FakeWindow w(1500, 100, 600, 400);
  windows = {&w};
  EXPECT_TRUE(WindowManager::CheckDisplayChange()) << "the first look always finds a change";
  EXPECT_EQ(w.Bounds(), (platform::Rect{840, 100, 600, 400})) << "windows are kept on a screen after a change";
  EXPECT_FALSE(WindowManager::CheckDisplayChange());

  screens.push_back(Laptop(1440));
  EXPECT_TRUE(WindowManager::CheckDisplayChange()) << "an added screen is a change";
  w.left = 1500;
  screens.pop_back();
  EXPECT_FALSE(WindowManager::CheckDisplayChange()) << "a removed screen alone is not";
  EXPECT_EQ(w.left, 1500) << "and moves no window";
  EXPECT_EQ(WindowManager::iLastX.size(), 1u);

  screens[0].Available.Height = 800;  // a dock appears
  EXPECT_TRUE(WindowManager::CheckDisplayChange());
}
