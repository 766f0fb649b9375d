#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class Window;

// A small dialog window of fixed size, built from named controls placed in
// points from its top-left corner, in the system font. Shown within a
// parent window it is window-modal and does not wait: its buttons act.
class Dialog {
 public:
  enum class Role { Plain, Default, Cancel };

  Dialog(const std::string& title, int width, int height);
  ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  void AddLabel(const std::string& name, int left, int top, int width, int height, const std::string& text);
  // A one-line text field showing cue while it is empty.
  void AddTextField(const std::string& name, int left, int top, int width, int height, const std::string& cue);
  // Default answers Return, Cancel answers Escape.
  void AddButton(const std::string& name, int left, int top, int width, int height, const std::string& caption,
                 Role role, std::function<void()> action);
  // The keyboard visits the controls in this order.
  void SetTabOrder(const std::vector<std::string>& names);

  std::string Text(const std::string& name) const;
  void SetText(const std::string& name, const std::string& text);
  void FocusAndSelectAll(const std::string& name);

  void ShowWithin(Window* parent);
  void Close();
  bool IsOpen() const;
  // Acts as a press of the named button.
  void Press(const std::string& name);

  // Tests see every dialog that is shown (and may answer it); while set,
  // no real window appears.
  static void SetShowObserver(std::function<void(Dialog&)> observer);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl;
};

}  // namespace platform
