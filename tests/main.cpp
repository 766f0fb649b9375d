// Test entry point: a Qt application on the offscreen platform, with HOME
// and the XDG folders pointed at a fresh temporary folder so that no test
// can reach the real user's files.
#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/Resources.h"

int main(int argc, char** argv) {
  QTemporaryDir home;
  if (!home.isValid()) return 2;
  const QByteArray path = home.path().toLocal8Bit();
  setenv("HOME", path.constData(), 1);
  setenv("XDG_DATA_HOME", (path + "/share").constData(), 1);
  setenv("XDG_CONFIG_HOME", (path + "/config").constData(), 1);
  setenv("XDG_CACHE_HOME", (path + "/cache").constData(), 1);
  if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);

  QApplication app(argc, argv);
  platform::SetResourcesFolder(PEMOLA_SOURCE_RESOURCES);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
