#include "platform/MenuBar.h"

#include <QApplication>
#include <QLineEdit>

#include "platform/Application.h"

namespace platform {
namespace {

// The standard text editing of the Edit entries, in whatever line edit has
// the focus.
void editFocusedField(const std::string& name) {
  auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  if (!field) return;
  if (name == "EditUndo") field->undo();
  if (name == "EditCut") field->cut();
  if (name == "EditCopy") field->copy();
  if (name == "EditPaste") field->paste();
  if (name == "EditClear") field->del();
  if (name == "EditSelectAll") field->selectAll();
}

QAction::MenuRole roleOf(MenuBar::Kind kind) {
  switch (kind) {
    case MenuBar::Kind::Quit: return QAction::QuitRole;
    case MenuBar::Kind::About: return QAction::AboutRole;
    default: return QAction::NoRole;
  }
}

}  // namespace

void MenuBar::Append(Menu menu) { menus.push_back(std::move(menu)); }

MenuBar::Entry* MenuBar::Find(const std::string& name) {
  for (Menu& menu : menus)
    for (Entry& entry : menu.Entries)
      if (entry.Name == name) return &entry;
  return nullptr;
}

const MenuBar::Entry* MenuBar::Child(const std::string& name) const {
  return const_cast<MenuBar*>(this)->Find(name);
}

void MenuBar::SetCaption(const std::string& name, const std::string& caption) {
  Entry* entry = Find(name);
  if (!entry || entry->Caption == caption) return;
  entry->Caption = caption;
  std::erase_if(actions, [](const auto& a) { return a.second.isNull(); });
  for (const auto& [entryName, action] : actions)
    if (entryName == name) action->setText(QString::fromStdString(caption));
}

QKeySequence MenuBar::KeySequence(const std::string& shortcut) {
  QString text = QString::fromStdString(shortcut);
  text.replace("Cmd+", "Ctrl+");
  return QKeySequence(text, QKeySequence::PortableText);
}

QMenuBar* MenuBar::CreateFor(QWidget* window, std::function<void(const std::string&)> chosen,
                             std::function<void()> aboutToShow) {
  auto* bar = new QMenuBar(window);
  for (const Menu& menu : menus) {
    QMenu* qmenu = bar->addMenu(QString::fromStdString(menu.Caption));
    qmenu->setObjectName(QString::fromStdString(menu.Name));
    QObject::connect(qmenu, &QMenu::aboutToShow, qmenu, aboutToShow);
    for (const Entry& entry : menu.Entries) {
      if (entry.Caption == "-") {
        qmenu->addSeparator()->setObjectName(QString::fromStdString(entry.Name));
        continue;
      }
      QAction* action = qmenu->addAction(QString::fromStdString(entry.Caption));
      action->setObjectName(QString::fromStdString(entry.Name));
      action->setMenuRole(roleOf(entry.Type));
      if (!entry.Shortcut.empty()) {
        action->setShortcut(KeySequence(entry.Shortcut));
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
      }
      const std::string name = entry.Name;
      if (entry.Type == Kind::Edit)
        QObject::connect(action, &QAction::triggered, action, [name] { editFocusedField(name); });
      else if (entry.Type == Kind::Quit)
        QObject::connect(action, &QAction::triggered, action, [] { Application::RequestQuit(0); });
      else
        QObject::connect(action, &QAction::triggered, action, [chosen, name] { chosen(name); });
      actions.emplace_back(entry.Name, action);
    }
  }
  return bar;
}

}  // namespace platform
