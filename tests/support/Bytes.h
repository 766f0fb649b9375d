#pragma once

// Byte strings for stored-format fixtures: Bytes({0x01, 0x0B}) + "LaunchCount".
#include <initializer_list>
#include <string>

inline std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (const int v : values) out += static_cast<char>(v);
  return out;
}

// One record of an optimised binary KeyList whose width is 1.
inline std::string Record1(const std::string& key, const std::string& content) {
  return Bytes({static_cast<int>(key.size())}) + key + Bytes({static_cast<int>(content.size())}) + content;
}
