#pragma once

#include <QApplication>
#include <functional>

namespace platform {

// The application object: runs the event loop, delivers the application's
// Open, Close and Deactivate events, and carries out quits. A quit, once
// requested, always completes: every open window is offered its close with
// the quitting flag set, then Close runs, then the loop ends. The session
// ending, SIGTERM and SIGINT request a quit like any other.
class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  ~Application() override;

  std::function<void()> OnOpen;
  std::function<void()> OnClose;
  std::function<void()> OnDeactivate;

  // Runs the event loop, OnOpen first; gives the status the quit asked for.
  int Run();
  static void RequestQuit(int status);
  static bool Quitting();

  // An unhandled failure in an event handler ends the program with one
  // line on stderr and a non-zero status.
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  void FinishQuit(int status);
  void WatchSignals();

  bool quitting = false;
  bool closed = false;
};

}  // namespace platform
