#pragma once

// What the fuzz targets share: a check that stops the run on a broken
// property, and the items of a KeyList for comparing.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "store/KeyList.h"

#define FUZZ_CHECK(condition)                                                  \
  do {                                                                         \
    if (!(condition)) {                                                        \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                            \
    }                                                                          \
  } while (false)

inline std::vector<std::pair<std::string, std::string>> ItemsOf(const KeyList& list) {
  std::vector<std::pair<std::string, std::string>> items;
  for (int32_t i = 0; i < list.ItemCount(); ++i) {
    std::string key, content;
    list.BinGetItem(i, key, content);
    items.emplace_back(std::move(key), std::move(content));
  }
  return items;
}
