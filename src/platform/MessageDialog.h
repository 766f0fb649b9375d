#pragma once

#include <functional>
#include <string>

namespace platform {

// A modal dialog with a message, an explanation, an action button and an
// optional cancel button, shown over the active window.
class MessageDialog {
 public:
  enum class Button { Action, Cancel };

  std::string Message;
  std::string Explanation;
  std::string ActionCaption = "OK";
  bool CancelVisible = false;

  Button ShowModal() const;

  // Tests answer the dialog themselves; an empty handler restores the real one.
  static void SetHandler(std::function<Button(const MessageDialog&)> handler);
};

}  // namespace platform
