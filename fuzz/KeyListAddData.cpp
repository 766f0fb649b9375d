// KeyList's reader on data in one piece, with the form detected and preset.
// A binary list written again from the items it read must read back the same.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "platform/Alerts.h"
#include "store/KeyList.h"

namespace {

void checkRewrite(const KeyList& list) {
  KeyList writer;
  writer.BinaryFormat = true;
  writer.OptimizeBinaryLengthData = true;
  for (const auto& [key, content] : ItemsOf(list)) writer.AddItem(key, content);
  KeyList reader;
  reader.BinaryFormat = true;
  reader.AddData(writer.GetData());
  FUZZ_CHECK(ItemsOf(reader) == ItemsOf(list));
}

void lookUp(KeyList& list) {
  for (const char* key : {"", "e", "n", "LaunchCount", "Shape"}) {
    const bool present = list.HasItem(key);
    bool found = false;
    list.GetItem(key, found);
    FUZZ_CHECK(!found || present);
  }
  list.ReduceBuffer();
  list.GetData();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::SetMsgBoxHandler([](const std::string&) {});
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (const bool preset : {false, true}) {
    KeyList list;
    list.BinaryFormat = preset;
    list.AddData(bytes);
    if (list.BinaryFormat) checkRewrite(list);
    lookUp(list);
  }
  KeyList taking;
  taking.RemoveItemsAsFound = true;
  taking.AddData(bytes);
  bool found = true;
  for (int32_t i = 0; found && i <= taking.ItemCount(); ++i) taking.GetItem("e", found);
  return 0;
}
