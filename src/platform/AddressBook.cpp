#include "platform/AddressBook.h"

#include <pwd.h>
#include <unistd.h>

namespace platform {
namespace {

std::function<std::optional<Card>()>& source() {
  static std::function<std::optional<Card>()> fn;
  return fn;
}

std::optional<Card> fromPasswordDatabase() {
  const passwd* entry = getpwuid(getuid());
  if (!entry || !entry->pw_gecos) return std::nullopt;
  std::string fullName = entry->pw_gecos;
  fullName = fullName.substr(0, fullName.find(','));
  if (fullName.find_first_not_of(' ') == std::string::npos) return std::nullopt;
  const size_t start = fullName.find_first_not_of(' ');
  const size_t space = fullName.find(' ', start);
  Card card;
  card.FirstName = fullName.substr(start, space == std::string::npos ? std::string::npos : space - start);
  if (space != std::string::npos) {
    const size_t rest = fullName.find_first_not_of(' ', space);
    if (rest != std::string::npos) card.LastName = fullName.substr(rest);
  }
  return card;
}

}  // namespace

std::optional<Card> MyCard() { return source() ? source()() : fromPasswordDatabase(); }

void SetMyCardSource(std::function<std::optional<Card>()> fn) { source() = std::move(fn); }

}  // namespace platform
