// The window-bounds text: any text reads without harm, and the text written
// for the table it gave reads back into the same table.
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "app/WindowManager.h"

namespace {

void clearTable() {
  WindowManager::sKey.clear();
  WindowManager::iLeft.clear();
  WindowManager::iTop.clear();
  WindowManager::iWidth.clear();
  WindowManager::iHeight.clear();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  clearTable();
  WindowManager::WindowBoundsFromString(std::string(reinterpret_cast<const char*>(data), size));
  const auto keys = WindowManager::sKey;
  const std::vector<std::vector<int32_t>> numbers = {WindowManager::iLeft, WindowManager::iTop,
                                                     WindowManager::iWidth, WindowManager::iHeight};
  const std::string written = WindowManager::WindowBoundsString();
  clearTable();
  WindowManager::WindowBoundsFromString(written);
  FUZZ_CHECK(WindowManager::sKey == keys);
  FUZZ_CHECK(WindowManager::iLeft == numbers[0] && WindowManager::iTop == numbers[1] &&
             WindowManager::iWidth == numbers[2] && WindowManager::iHeight == numbers[3]);
  return 0;
}
