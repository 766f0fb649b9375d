#include "store/KeyList.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/Alerts.h"

namespace {

// Positions are 32-bit, so the buffer stops growing short of 2 GiB.
constexpr size_t MaxBufferSize = std::numeric_limits<int32_t>::max() - 1;
constexpr size_t MaxKeyLength = 255;
constexpr int MaxFractionDigits = 25;

// 1-based position of needle at or after position from (below 1 counts as 1), 0 when absent.
int64_t findFrom(const std::string& haystack, const std::string& needle, int64_t from) {
  const size_t start = static_cast<size_t>(std::max<int64_t>(from, 1) - 1);
  const size_t found = haystack.find(needle, start);
  return found == std::string::npos ? 0 : static_cast<int64_t>(found) + 1;
}

std::string lowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

int widthFor(size_t largestContent) {
  if (largestContent <= 0xFF) return 1;
  if (largestContent <= 0xFFFF) return 2;
  return 4;
}

// A big-endian length of 1, 2 or 4 bytes; the 4-byte one is signed.
int64_t readLength(const unsigned char* bytes, int width) {
  switch (width) {
    case 1:
      return bytes[0];
    case 2:
      return (bytes[0] << 8) | bytes[1];
    default:
      return static_cast<int32_t>((uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) |
                                  (uint32_t{bytes[2]} << 8) | bytes[3]);
  }
}

void appendBigEndian(std::string& out, uint32_t number, int width) {
  for (int shift = (width - 1) * 8; shift >= 0; shift -= 8) {
    out += static_cast<char>((number >> shift) & 0xFF);
  }
}

// A non-negative finite number in fixed notation with at most 25 fraction
// digits, without trailing zeros or a trailing point.
std::string fixedDigits(double number) {
  char buffer[400];
  char* end = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed).ptr;
  const char* point = std::find(buffer, end, '.');
  if (end - point > MaxFractionDigits + 1) {
    end = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed, MaxFractionDigits).ptr;
  }
  std::string text(buffer, end);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

}  // namespace

void KeyList::AddData(const std::string& data) {
  if (data.size() > MaxBufferSize - sDataBuffer.size()) return;
  sDataBuffer += data;
  if (iFormatType == 0) DetermineInputFormat();
  if (BinaryFormat) iFarthestBufferPosition = ParseBinaryData();
}

std::string KeyList::GetItem(const std::string& key, bool& found) {
  return BinaryFormat ? findBinary(key, found) : findText(key, found);
}

std::string KeyList::GetItem(const std::string& key) {
  bool found = false;
  return GetItem(key, found);
}

void KeyList::ReduceBuffer() {
  const int64_t used = std::clamp<int64_t>(iFarthestBufferPosition - 1, 0,
                                           static_cast<int64_t>(sDataBuffer.size()));
  sDataBuffer.erase(0, static_cast<size_t>(used));
  iFarthestBufferPosition = 1;
}

std::string KeyList::GetData() { return ToString(sItemKey, sItemContent, BinaryFormat); }

void KeyList::AddItem(const std::string& key, const Variant& value) {
  sItemKey.push_back(key);
  if (value.IsNumeric()) {
    sItemContent.push_back(StrLong(value.DoubleValue()));
  } else {
    sItemContent.push_back(value.StringValue());
  }
}

bool KeyList::HasItem(const std::string& key) const {
  if (!BinaryFormat) return sDataBuffer.find("<" + key + ">") != std::string::npos;
  if (std::find(sItemKey.begin(), sItemKey.end(), key) != sItemKey.end()) return true;
  return peekNextRecord(key);
}

KeyList::KeyList() { iFarthestBufferPosition = 1; }

Variant KeyList::GetItemV(const std::string& key) { return Variant(GetItem(key)); }

void KeyList::BinGetItem(int32_t index, std::string& key, std::string& content) const {
  key = sItemKey[index];
  content = sItemContent[index];
}

int32_t KeyList::BinUbound() const { return ItemCount() - 1; }

void KeyList::RemoveAllItems() {
  sItemKey.clear();
  sItemContent.clear();
}

int32_t KeyList::ItemCount() const { return static_cast<int32_t>(sItemKey.size()); }

bool KeyList::GetItem(const std::string& key, Variant& value) {
  bool found = false;
  value = Variant(GetItem(key, found));
  return found;
}

std::string KeyList::GetItemKey(int32_t index) const { return sItemKey[index]; }

std::string KeyList::GetItem(int32_t index) const { return sItemContent[index]; }

void KeyList::RemoveItem(const std::string& key) {
  size_t i = 0;
  while (i < sItemKey.size()) {
    if (sItemKey[i] == key) {
      sItemKey.erase(sItemKey.begin() + i);
      sItemContent.erase(sItemContent.begin() + i);
    } else {
      ++i;
    }
  }
}

// Formats like the pattern "-#.#########################": no digit for a zero
// integer part, up to 25 fraction digits without trailing zeros, and no point
// when there is no fraction. So 0 gives "" and 0.25 gives ".25". A fraction
// is written in its shortest form that reads back exactly (0.1 as ".1"), or
// rounded to 25 digits when that form is longer.
std::string KeyList::StrLong(double number) {
  if (!std::isfinite(number)) {
    char buffer[16];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, number).ptr);
  }
  std::string text = fixedDigits(std::fabs(number));
  if (text.front() == '0') text.erase(0, 1);
  // A negative number that rounds to zero at 25 digits is written as zero.
  if (number < 0 && !text.empty()) text.insert(0, 1, '-');
  return text;
}

int32_t KeyList::ParseBinaryData() {
  const int64_t n = static_cast<int64_t>(sDataBuffer.size());
  // 1-based, like the positions.
  const unsigned char* at = reinterpret_cast<const unsigned char*>(sDataBuffer.data()) - 1;
  // After an unknown width the stored position is 0; never read before the buffer.
  int64_t p = std::max<int64_t>(iFarthestBufferPosition, 1);
  if (iFormatType == -1) {
    iFormatType = p <= n ? at[p] : 0;
    ++p;
  }
  const int width = iFormatType;
  if (width != 1 && width != 2 && width != 4) {
    platform::MsgBox("Critical err: Input Format unknown: " + std::to_string(width));
    return 0;
  }
  while (p < n) {
    const int64_t keyLength = at[p];
    const int64_t lengthAt = p + 1 + keyLength;
    if (lengthAt + width - 1 > n) return static_cast<int32_t>(p);
    const int64_t contentLength = readLength(at + lengthAt, width);
    const int64_t end = lengthAt + width + contentLength;
    // Cut short (a negative length never completes), or followed by exactly
    // one stray byte: read it again, whole, once more data has come.
    if (contentLength < 0 || end > n + 1 || end == n) return static_cast<int32_t>(p);
    sItemKey.emplace_back(sDataBuffer, static_cast<size_t>(p), static_cast<size_t>(keyLength));
    sItemContent.emplace_back(sDataBuffer, static_cast<size_t>(lengthAt + width - 1),
                              static_cast<size_t>(contentLength));
    p = end;
  }
  return static_cast<int32_t>(p);
}

std::string KeyList::ToString(const std::deque<std::string>& keys, const std::deque<std::string>& contents,
                              bool binary) {
  if (keys.size() != contents.size()) {
    platform::MsgBox("Critical error: UBounds don't match!");
    return {};
  }
  if (binary) return writeBinary(keys, contents);
  std::string out;
  for (size_t i = 0; i < keys.size(); ++i) {
    const std::string tag = lowerAscii(keys[i]);
    out += "<" + tag + ">" + contents[i] + "</" + tag + ">";
  }
  return out;
}

// Text when a short tag, its content's end and a closing tag all lie near
// the start; anything else is binary.
void KeyList::DetermineInputFormat() {
  if (BinaryFormat) {
    iFormatType = -1;
    return;
  }
  // Binary data starts with its width byte, which text never does: a stored
  // name that looks like a tag must not turn a binary list into text.
  const char first = sDataBuffer.empty() ? '\0' : sDataBuffer[0];
  const bool widthByte = first == 1 || first == 2 || first == 4;
  const int64_t a = findFrom(sDataBuffer, "<", 1);
  bool text = !widthByte && a >= 1 && a <= 29;
  if (text) {
    const int64_t b = findFrom(sDataBuffer, ">", a + 1);
    const int64_t c = findFrom(sDataBuffer, "</", b + 1);
    const int64_t d = findFrom(sDataBuffer, ">", c + 1);
    text = a < b && b - a <= 32 && c < d && d - c <= 32;
  }
  iFormatType = text ? -2 : -1;
  BinaryFormat = !text;
}

std::string KeyList::findBinary(const std::string& key, bool& found) {
  const auto at = std::find(sItemKey.begin(), sItemKey.end(), key);
  found = at != sItemKey.end();
  if (!found) return {};
  const auto index = at - sItemKey.begin();
  std::string content = sItemContent[index];
  if (RemoveItemsAsFound) {
    sItemKey.erase(at);
    sItemContent.erase(sItemContent.begin() + index);
  }
  return content;
}

std::string KeyList::findText(const std::string& key, bool& found) {
  found = false;
  const std::string open = "<" + key + ">";
  const size_t tag = sDataBuffer.find(open);
  if (tag == std::string::npos) return {};
  const size_t start = tag + open.size();
  const std::string close = "</" + key + ">";
  const size_t end = sDataBuffer.find(close, start);
  if (end == std::string::npos) return {};
  found = true;
  const auto after = static_cast<int32_t>(end + close.size() + 1);
  iFarthestBufferPosition = std::max(iFarthestBufferPosition, after);
  return sDataBuffer.substr(start, end - start);
}

// Whether the record that has begun to arrive carries the key. Only a key
// that has fully arrived counts, and no record at all matches nothing.
bool KeyList::peekNextRecord(const std::string& key) const {
  const int64_t p = iFarthestBufferPosition;
  const int64_t n = static_cast<int64_t>(sDataBuffer.size());
  if (p < 1 || p > n) return false;
  const size_t keyLength = static_cast<unsigned char>(sDataBuffer[static_cast<size_t>(p - 1)]);
  if (keyLength != key.size() || p + static_cast<int64_t>(keyLength) > n) return false;
  return sDataBuffer.compare(static_cast<size_t>(p), keyLength, key) == 0;
}

std::string KeyList::writeBinary(const std::deque<std::string>& keys, const std::deque<std::string>& contents) {
  size_t largest = 0;
  for (const std::string& content : contents) largest = std::max(largest, content.size());
  const int width = OptimizeBinaryLengthData ? widthFor(largest) : 4;
  iFormatType = width;
  std::string out;
  if (!bDidSaveHeader || OptimizeBinaryLengthData) out += static_cast<char>(width);
  bDidSaveHeader = true;
  for (size_t i = 0; i < keys.size(); ++i) {
    // The key length takes one byte; a longer key is written cut to 255 bytes.
    const size_t keyLength = std::min(keys[i].size(), MaxKeyLength);
    out += static_cast<char>(keyLength);
    out.append(keys[i], 0, keyLength);
    appendBigEndian(out, static_cast<uint32_t>(contents[i].size()), width);
    out += contents[i];
  }
  return out;
}
