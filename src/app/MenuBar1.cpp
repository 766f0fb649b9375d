#include "app/MenuBar1.h"

#include "app/App.h"

namespace MenuBar1 {
namespace {

using Kind = platform::MenuBar::Kind;
using Menu = platform::MenuBar::Menu;

Menu Untitled0() {
  return {"FileMenu",
          "&Game",
          {{"FileNewGame", "New Game", "Cmd+N"},
           {"FileReload", "Reload this Level", "Cmd+R"},
           {"FileClose", "Close Window", "Cmd+W"},
           {"UntitledSeparator0", "-", ""},
           {"FilePauseResume", "Pause/Resume", "Cmd+P"},
           {"FileHighscore", "Highscore", "Cmd+Shift+H"},
           {"UntitledSeparator", "-", ""},
           {"FileMute", "Mute", "Cmd+M"},
           {"UntitledSeparator1", "-", ""},
           {"FileFullscreen", "Fullscreen", "Cmd+F"},
           {"FileQuit", "&Quit", "Cmd+Q", Kind::Quit},
           {"FileAbout", "About", "", Kind::About}}};
}

Menu Untitled1() {
  return {"EditMenu",
          "&Edit",
          {{"EditUndo", "&Undo", "Cmd+Z", Kind::Edit},
           {"UntitledMenu1", "-", ""},
           {"EditCut", "Cu&t", "Cmd+X", Kind::Edit},
           {"EditCopy", "&Copy", "Cmd+C", Kind::Edit},
           {"EditPaste", "&Paste", "Cmd+V", Kind::Edit},
           {"EditClear", "&Delete", "", Kind::Edit},
           {"UntitledMenu0", "-", ""},
           {"EditSelectAll", "Select &All", "Cmd+A", Kind::Edit}}};
}

Menu Untitled2() {
  return {"HelpMenu",
          "Help",
          {{"HelpWebsite", "Website...", ""},
           {"HelpContact", "Contact Developer...", ""},
           {"UntitledSeparator2", "-", ""},
           {"HelpShareOnFacebook", "Share on Facebook...", ""}}};
}

}  // namespace

platform::MenuBar& Get() {
  static platform::MenuBar bar = [] {
    platform::MenuBar b;
    b.Append(Untitled0());
    b.Append(Untitled1());
    b.Append(Untitled2());
    return b;
  }();
  return bar;
}

QMenuBar* CreateFor(QWidget* window) {
  return Get().CreateFor(
      window, [](const std::string& name) { App::MenuAction(name); }, [] { App::Event_EnableMenuItems(); });
}

}  // namespace MenuBar1
