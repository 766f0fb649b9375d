#pragma once

#include <QMenuBar>
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// A menu bar as the program describes it: menus of named entries with a
// caption ("&" marks the access letter, "-" makes a separator) and an
// optional shortcut ("Cmd+Shift+H"; Cmd is Ctrl here, and Qt turns it back
// into Cmd on macOS). Each window shows a copy of its own; a caption set on
// the model reaches every copy.
class MenuBar {
 public:
  enum class Kind { Normal, Quit, About, Edit };

  struct Entry {
    std::string Name;
    std::string Caption;
    std::string Shortcut;
    Kind Type = Kind::Normal;
  };

  struct Menu {
    std::string Name;
    std::string Caption;
    std::vector<Entry> Entries;
  };

  void Append(Menu menu);
  const std::vector<Menu>& Menus() const { return menus; }

  // The entry of that name, or nullptr.
  const Entry* Child(const std::string& name) const;
  void SetCaption(const std::string& name, const std::string& caption);

  // A Qt menu bar for window: chosen(name) runs when an entry is chosen,
  // aboutToShow before a menu opens. The shortcuts are also installed on the
  // window, so they work while its menu bar is hidden.
  QMenuBar* CreateFor(QWidget* window, std::function<void(const std::string&)> chosen,
                      std::function<void()> aboutToShow);

  // The Qt form of a shortcut such as "Cmd+Shift+H".
  static QKeySequence KeySequence(const std::string& shortcut);

 private:
  Entry* Find(const std::string& name);

  std::vector<Menu> menus;
  std::vector<std::pair<std::string, QPointer<QAction>>> actions;
};

}  // namespace platform
