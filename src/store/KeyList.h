#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "store/Variant.h"

// An ordered list of key/content byte strings with two stored forms.
//
// Binary form: a header byte W (1, 2 or 4), then for every item: the key's
// length (1 byte), the key, the content's length (W bytes, big-endian), the
// content. Text form: "<key>content</key>" for every item, keys in lower
// case. A list that is not told its form detects it from its first data.
//
// The reader takes data in pieces: every complete record becomes an item,
// and a record cut by the end of the data is read again, whole, once more
// data has arrived.
class KeyList {
 public:
  void AddData(const std::string& data);
  std::string GetItem(const std::string& key, bool& found);
  std::string GetItem(const std::string& key);
  void ReduceBuffer();
  std::string GetData();
  void AddItem(const std::string& key, const Variant& value);
  bool HasItem(const std::string& key) const;
  KeyList();
  Variant GetItemV(const std::string& key);
  void BinGetItem(int32_t index, std::string& key, std::string& content) const;
  int32_t BinUbound() const;
  void RemoveAllItems();
  int32_t ItemCount() const;
  bool GetItem(const std::string& key, Variant& value);
  std::string GetItemKey(int32_t index) const;
  std::string GetItem(int32_t index) const;
  void RemoveItem(const std::string& key);
  static std::string StrLong(double number);

  bool BinaryFormat = false;
  bool RemoveItemsAsFound = false;
  bool OptimizeBinaryLengthData = false;
  bool InVariantMode = false;

 private:
  int32_t ParseBinaryData();
  std::string ToString(const std::deque<std::string>& keys, const std::deque<std::string>& contents,
                       bool binary);
  void DetermineInputFormat();

  std::string findBinary(const std::string& key, bool& found);
  std::string findText(const std::string& key, bool& found);
  bool peekNextRecord(const std::string& key) const;
  std::string writeBinary(const std::deque<std::string>& keys, const std::deque<std::string>& contents);

  // Deques, so that taking items one by one from the front stays cheap.
  std::deque<std::string> sItemKey;
  std::deque<std::string> sItemContent;
  std::string sDataBuffer;
  int32_t iFarthestBufferPosition = 1;
  int32_t iFormatType = 0;
  bool bDidSaveHeader = false;
};
