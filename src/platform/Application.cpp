#include "platform/Application.h"

#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/Window.h"

namespace platform {
namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

[[noreturn]] void failHard(const char* what) {
  std::fprintf(stderr, "pemola: unhandled failure: %s\n", what);
  std::fflush(stderr);
  std::_Exit(70);
}

Application* current() { return dynamic_cast<Application*>(QCoreApplication::instance()); }

}  // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setQuitOnLastWindowClosed(false);
  std::set_terminate([] { failHard("terminate called"); });
  connect(this, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (state != Qt::ApplicationActive && !quitting && OnDeactivate) OnDeactivate();
  });
  connect(this, &QGuiApplication::commitDataRequest, this, [](QSessionManager&) { RequestQuit(0); });
  // Qt may end the loop on its own (a quit event from the platform): the
  // quit sequence still runs, before the loop returns.
  connect(this, &QCoreApplication::aboutToQuit, this, [this] { FinishQuit(0); });
  WatchSignals();
}

Application::~Application() {
  for (int& fd : signalPipe) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
}

void Application::WatchSignals() {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, [] {
    char byte;
    [[maybe_unused]] const ssize_t got = ::read(signalPipe[0], &byte, 1);
    RequestQuit(0);
  });
  struct sigaction action = {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);
}

int Application::Run() {
  QTimer::singleShot(0, this, [this] {
    if (OnOpen) OnOpen();
  });
  return exec();
}

void Application::RequestQuit(int status) {
  if (Application* app = current()) app->FinishQuit(status);
}

bool Application::Quitting() {
  const Application* app = current();
  return app && app->quitting;
}

void Application::FinishQuit(int status) {
  if (closed) return;
  quitting = true;
  // Last opened first; a window's close may open nothing new.
  std::vector<Window*> windows = Window::OpenWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) (*it)->Close();
  closed = true;
  if (OnClose) OnClose();
  exit(status);
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    failHard(e.what());
  } catch (...) {
    failHard("unknown exception");
  }
}

}  // namespace platform
