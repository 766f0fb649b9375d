// Pemola's entry point: the application object, its events handed to App,
// and the event loop until a quit has completed.
#include "app/App.h"
#include "platform/Application.h"

int main(int argc, char** argv) {
  platform::Application app(argc, argv);
  QApplication::setApplicationName("Pemola");
  QApplication::setDesktopFileName("com.larkfen.pemola");
  app.OnOpen = App::Event_Open;
  app.OnClose = App::Event_Close;
  app.OnDeactivate = App::Event_Deactivate;
  const int status = app.Run();
  App::DelayPreload.reset();
  App::tmrDC.reset();
  return status;
}
