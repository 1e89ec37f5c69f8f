// The yardstick of the start-up benchmark: an empty 1024 x 768 Qt Widgets window, started and
// ended as soon as its message loop runs.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "bench/loop_stamp.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setFixedSize(1024, 768);
  window.show();
  QTimer::singleShot(0, &application, [] {
    velmora::bench::StampLoopStart();
    QCoreApplication::exit(0);
  });
  return QApplication::exec();
}
