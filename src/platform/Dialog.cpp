#include "platform/Dialog.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <map>

#include "platform/Window.h"

namespace platform {
namespace {

std::function<void(Dialog&)>& observer() {
  static std::function<void(Dialog&)> fn;
  return fn;
}

}  // namespace

struct Dialog::Impl {
  // A parent window that goes away takes its dialogs along.
  QPointer<QDialog> dialog = new QDialog;
  std::map<std::string, QWidget*> controls;
  std::map<std::string, std::function<void()>> actions;
  bool open = false;

  template <class T>
  T* control(const std::string& name) const {
    if (!dialog) return nullptr;
    const auto it = controls.find(name);
    return it == controls.end() ? nullptr : qobject_cast<T*>(it->second);
  }
};

Dialog::Dialog(const std::string& title, int width, int height) : impl(std::make_unique<Impl>()) {
  impl->dialog->setWindowTitle(QString::fromStdString(title));
  impl->dialog->setFixedSize(width, height);
  impl->dialog->setWindowFlag(Qt::Sheet);
  impl->dialog->setWindowModality(Qt::WindowModal);
  // Escape reaches the cancel button, not QDialog's own reject.
  QObject::connect(impl->dialog, &QDialog::rejected, impl->dialog, [this] {
    if (impl->open) {
      for (auto& [name, widget] : impl->controls)
        if (auto* b = qobject_cast<QPushButton*>(widget); b && b->property("cancel").toBool()) return Press(name);
    }
  });
}

Dialog::~Dialog() {
  if (impl->dialog) impl->dialog->deleteLater();
}

void Dialog::AddLabel(const std::string& name, int left, int top, int width, int height, const std::string& text) {
  auto* label = new QLabel(QString::fromStdString(text), impl->dialog);
  label->setGeometry(left, top, width, height);
  label->setTextInteractionFlags(Qt::NoTextInteraction);
  impl->controls[name] = label;
}

void Dialog::AddTextField(const std::string& name, int left, int top, int width, int height, const std::string& cue) {
  auto* field = new QLineEdit(impl->dialog);
  field->setGeometry(left, top, width, height);
  field->setPlaceholderText(QString::fromStdString(cue));
  impl->controls[name] = field;
}

void Dialog::AddButton(const std::string& name, int left, int top, int width, int height, const std::string& caption,
                       Role role, std::function<void()> action) {
  auto* button = new QPushButton(QString::fromStdString(caption), impl->dialog);
  button->setGeometry(left, top, width, height);
  button->setDefault(role == Role::Default);
  button->setAutoDefault(role == Role::Default);
  button->setProperty("cancel", role == Role::Cancel);
  impl->controls[name] = button;
  impl->actions[name] = std::move(action);
  QObject::connect(button, &QPushButton::clicked, button, [this, name] { Press(name); });
}

void Dialog::SetTabOrder(const std::vector<std::string>& names) {
  for (size_t i = 1; i < names.size(); ++i) {
    QWidget* from = impl->control<QWidget>(names[i - 1]);
    QWidget* to = impl->control<QWidget>(names[i]);
    if (from && to) QWidget::setTabOrder(from, to);
  }
}

std::string Dialog::Text(const std::string& name) const {
  if (auto* field = impl->control<QLineEdit>(name)) return field->text().toStdString();
  if (auto* label = impl->control<QLabel>(name)) return label->text().toStdString();
  if (auto* button = impl->control<QPushButton>(name)) return button->text().toStdString();
  return {};
}

void Dialog::SetText(const std::string& name, const std::string& text) {
  const QString t = QString::fromStdString(text);
  if (auto* field = impl->control<QLineEdit>(name)) field->setText(t);
  if (auto* label = impl->control<QLabel>(name)) label->setText(t);
}

void Dialog::FocusAndSelectAll(const std::string& name) {
  if (auto* field = impl->control<QLineEdit>(name)) {
    field->setFocus();
    field->selectAll();
  }
}

void Dialog::ShowWithin(Window* parent) {
  impl->open = true;
  if (observer()) return observer()(*this);
  if (!impl->dialog) return;
  if (auto* window = dynamic_cast<QWidget*>(parent)) {
    impl->dialog->setParent(window, impl->dialog->windowFlags());
    const QRect area = window->geometry();
    impl->dialog->move(area.x() + (area.width() - impl->dialog->width()) / 2, area.y() + 22);
  }
  impl->dialog->show();
}

void Dialog::Close() {
  impl->open = false;
  if (impl->dialog) impl->dialog->hide();
}

bool Dialog::IsOpen() const { return impl->open; }

void Dialog::Press(const std::string& name) {
  const auto it = impl->actions.find(name);
  if (it != impl->actions.end() && it->second) it->second();
}

void Dialog::SetShowObserver(std::function<void(Dialog&)> fn) { observer() = std::move(fn); }

}  // namespace platform
