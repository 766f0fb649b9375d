#include "platform/MessageDialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace platform {
namespace {

std::function<MessageDialog::Button(const MessageDialog&)>& handler() {
  static std::function<MessageDialog::Button(const MessageDialog&)> fn;
  return fn;
}

}  // namespace

MessageDialog::Button MessageDialog::ShowModal() const {
  if (handler()) return handler()(*this);
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return Button::Cancel;

  QMessageBox box(QApplication::activeWindow());
  box.setWindowModality(Qt::WindowModal);
  box.setText(QString::fromStdString(Message));
  box.setInformativeText(QString::fromStdString(Explanation));
  QPushButton* action = box.addButton(QString::fromStdString(ActionCaption), QMessageBox::AcceptRole);
  if (CancelVisible) box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(action);
  box.exec();
  return box.clickedButton() == action ? Button::Action : Button::Cancel;
}

void MessageDialog::SetHandler(std::function<Button(const MessageDialog&)> fn) {
  handler() = std::move(fn);
}

}  // namespace platform
