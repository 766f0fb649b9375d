#pragma once

#include <functional>
#include <string>

namespace platform {

// Opens an address in the user's browser; a failure says nothing.
void ShowURL(const std::string& url);
// Percent-encodes everything but unreserved characters.
std::string EncodeURLComponent(const std::string& text);

// Tests receive the addresses instead of a browser; empty restores it.
void SetShowURLHandler(std::function<void(const std::string&)> handler);

}  // namespace platform
