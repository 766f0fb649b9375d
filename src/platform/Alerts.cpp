#include "platform/Alerts.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {

std::function<void()>& beepHandler() {
  static std::function<void()> handler;
  return handler;
}

std::function<void(const std::string&)>& msgBoxHandler() {
  static std::function<void(const std::string&)> handler;
  return handler;
}

}  // namespace

void Beep() {
  if (beepHandler()) return beepHandler()();
  QApplication::beep();
}

void MsgBox(const std::string& message) {
  if (msgBoxHandler()) return msgBoxHandler()(message);
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
  QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromStdString(message),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

void SetBeepHandler(std::function<void()> handler) { beepHandler() = std::move(handler); }

void SetMsgBoxHandler(std::function<void(const std::string&)> handler) {
  msgBoxHandler() = std::move(handler);
}

}  // namespace platform
