#pragma once

#include <string>

namespace platform {

// A moment as the count of seconds since 1 January 1904, 00:00 local time,
// the form in which dates are stored in the preferences.
class Date {
 public:
  explicit Date(double totalSeconds = 0) : TotalSeconds(totalSeconds) {}
  static Date Now();

  // The date and the time of day in the user's locale, short forms.
  std::string ShortDate() const;
  std::string ShortTime() const;

  double TotalSeconds;
};

}  // namespace platform
