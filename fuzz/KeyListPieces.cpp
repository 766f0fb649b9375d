// KeyList's binary reader on the same data in one piece and in pieces of
// pseudo-random sizes (the first byte seeds them): the items must agree,
// and a lookup that finds an item must also see it present. One difference
// is allowed: when the data ends in a single byte after a complete record,
// the whole data holds that record back, while in pieces it may have been
// read before the byte arrived, and a call that reads no record takes back
// none read earlier.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "platform/Alerts.h"
#include "store/KeyList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  platform::SetMsgBoxHandler([](const std::string&) {});
  uint32_t seed = data[0];
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

  KeyList whole;
  whole.BinaryFormat = true;
  whole.AddData(bytes);

  KeyList pieces;
  pieces.BinaryFormat = true;
  size_t at = 0;
  while (at < bytes.size()) {
    seed = seed * 1103515245u + 12345u;
    const size_t length = 1 + (seed >> 16) % 17;
    pieces.AddData(bytes.substr(at, length));
    at += length;
    bool found = false;
    pieces.GetItem("k", found);
    FUZZ_CHECK(!found || pieces.HasItem("k"));
  }
  auto items = ItemsOf(pieces);
  const auto expected = ItemsOf(whole);
  if (items.size() == expected.size() + 1) items.pop_back();
  FUZZ_CHECK(items == expected);
  return 0;
}
