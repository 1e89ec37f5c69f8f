// Velmora: the program body.
#include <QApplication>

#include "app/program.h"
#include "core/font_configuration.h"
#include "core/message_bus.h"

int main(int argc, char** argv) {
  velmora::SkipHopelessBusLaunch();  // before any thread starts
  const auto fonts = velmora::StartReadingFontConfiguration();
  QApplication application(argc, argv);
  return velmora::RunVelmora();
}
