#include "app/WindowManager.h"

#include "store/Variant.h"

namespace WindowManager {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    const size_t at = text.find(separator, start);
    parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
    if (at == std::string::npos) return parts;
    start = at + 1;
  }
}

int32_t field(const std::vector<std::string>& fields, size_t index) {
  return index < fields.size() ? Variant::ReadInteger(fields[index]) : 0;
}

void appendEntry(const std::string& piece) {
  const std::vector<std::string> fields = split(piece, ' ');
  sKey.push_back(fields[0]);
  iLeft.push_back(field(fields, 1));
  iTop.push_back(field(fields, 2));
  iWidth.push_back(field(fields, 3));
  iHeight.push_back(field(fields, 4));
}

}  // namespace

std::string WindowBoundsString() {
  std::string text;
  for (size_t i = 0; i < sKey.size(); ++i) {
    if (i > 0) text += ",";
    text += sKey[i] + " " + std::to_string(iLeft[i]) + " " + std::to_string(iTop[i]) + " " +
            std::to_string(iWidth[i]) + " " + std::to_string(iHeight[i]);
  }
  return text;
}

void WindowBoundsFromString(const std::string& text) {
  if (text.empty()) return;
  for (const std::string& piece : split(text, ',')) appendEntry(piece);
}

}  // namespace WindowManager
