// Test runner for suites that need a Qt application: no display, no blocking windows.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // Qt's display-less platform pretends a screen of 800 x 800, too small for the screens with
  // a window frame; the tests get a desktop that holds them, as a school's display does.
  QTemporaryDir folder;
  QFile layout(folder.filePath(QStringLiteral("screen.json")));
  if (folder.isValid() && layout.open(QIODevice::WriteOnly)) {
    layout.write(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": 1280, "height": 1024,)"
                 R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    layout.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + layout.fileName()).toLocal8Bit());
  } else {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
