#pragma once

#include <functional>
#include <optional>
#include <string>

namespace platform {

// The current user's own card. On Linux: the account's full name from the
// password database (its first comma-separated field), the first word as
// the first name and the rest as the last name.
struct Card {
  std::string FirstName;
  std::string LastName;
};

std::optional<Card> MyCard();

// Tests supply a card of their own (or none); an empty function restores the real one.
void SetMyCardSource(std::function<std::optional<Card>()> source);

}  // namespace platform
