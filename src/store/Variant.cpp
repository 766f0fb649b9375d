#include "store/Variant.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Where the optional sign, the digits and an optional fraction start and end.
struct NumberSpan {
  size_t begin = 0;
  size_t end = 0;
  bool negative = false;
  bool hasIntegerDigits = false;
};

NumberSpan findNumber(const std::string& text) {
  NumberSpan span;
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    span.negative = text[i] == '-';
    ++i;
  }
  span.begin = i;
  while (i < text.size() && isDigit(text[i])) ++i;
  span.hasIntegerDigits = i > span.begin;
  if (i < text.size() && text[i] == '.') {
    size_t fraction = i + 1;
    while (fraction < text.size() && isDigit(text[fraction])) ++fraction;
    if (fraction > i + 1 || span.hasIntegerDigits) i = fraction;
  }
  span.end = i;
  return span;
}

bool hasNonZeroDigit(const std::string& text, size_t begin, size_t end) {
  for (size_t i = begin; i < end && text[i] != '.'; ++i) {
    if (text[i] != '0') return true;
  }
  return false;
}

}  // namespace

bool Variant::IsNumeric() const {
  return std::holds_alternative<int32_t>(value) || std::holds_alternative<double>(value);
}

std::string Variant::StringValue() const {
  if (const auto* s = std::get_if<std::string>(&value)) return *s;
  if (const auto* b = std::get_if<bool>(&value)) return *b ? TrueText : FalseText;
  if (const auto* i = std::get_if<int32_t>(&value)) return std::to_string(*i);
  if (const auto* d = std::get_if<double>(&value)) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, *d);
    return std::string(buffer, result.ptr);
  }
  return {};
}

int32_t Variant::IntegerValue() const {
  if (const auto* i = std::get_if<int32_t>(&value)) return *i;
  if (const auto* b = std::get_if<bool>(&value)) return *b ? 1 : 0;
  if (const auto* d = std::get_if<double>(&value)) {
    constexpr double low = std::numeric_limits<int32_t>::min();
    constexpr double high = std::numeric_limits<int32_t>::max();
    if (std::isnan(*d)) return 0;
    return static_cast<int32_t>(std::clamp(std::trunc(*d), low, high));
  }
  return ReadInteger(StringValue());
}

double Variant::DoubleValue() const {
  if (const auto* d = std::get_if<double>(&value)) return *d;
  if (const auto* i = std::get_if<int32_t>(&value)) return *i;
  if (const auto* b = std::get_if<bool>(&value)) return *b ? 1 : 0;
  return ReadDouble(StringValue());
}

bool Variant::BooleanValue() const {
  if (const auto* b = std::get_if<bool>(&value)) return *b;
  if (IsNumeric()) return DoubleValue() != 0;
  return StringValue() == TrueText;
}

double Variant::ReadDouble(const std::string& text) {
  const NumberSpan span = findNumber(text);
  if (span.end == span.begin) return 0;
  double result = 0;
  const auto parsed = std::from_chars(text.data() + span.begin, text.data() + span.end, result,
                                      std::chars_format::fixed);
  if (parsed.ec == std::errc::result_out_of_range) {
    // Too large for a double, or so small that it rounds to zero.
    result = hasNonZeroDigit(text, span.begin, span.end) ? std::numeric_limits<double>::infinity() : 0;
  }
  return span.negative ? -result : result;
}

int32_t Variant::ReadInteger(const std::string& text) { return Variant(ReadDouble(text)).IntegerValue(); }
