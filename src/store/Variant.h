#pragma once

#include <cstdint>
#include <string>
#include <variant>

// A dynamically typed value: what KeyList::AddItem takes and GetItemV gives
// back. Only the kinds and conversions that the stored data relies on.
class Variant {
 public:
  Variant() = default;
  Variant(int32_t value) : value(value) {}
  Variant(double value) : value(value) {}
  Variant(bool value) : value(value) {}
  Variant(std::string value) : value(std::move(value)) {}
  Variant(const char* value) : value(std::string(value)) {}

  bool IsNumeric() const;

  // The value as text; a boolean gives TrueText or FalseText.
  std::string StringValue() const;
  // Text gives the decimal number at its start, or 0 when there is none.
  int32_t IntegerValue() const;
  double DoubleValue() const;
  // Text is true only when it is exactly TrueText.
  bool BooleanValue() const;

  static constexpr const char* TrueText = "True";
  static constexpr const char* FalseText = "False";

  // The decimal number at the start of text (after any blanks), 0 when
  // there is none. Integers are truncated toward zero and clamped to range.
  static double ReadDouble(const std::string& text);
  static int32_t ReadInteger(const std::string& text);

 private:
  std::variant<std::monostate, int32_t, double, bool, std::string> value;
};
