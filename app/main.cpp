// Velmora: the program body.
#include <QApplication>

#include "app/program.h"
#include "core/font_configuration.h"

int main(int argc, char** argv) {
  const auto fonts = velmora::StartReadingFontConfiguration();
  QApplication application(argc, argv);
  return velmora::RunVelmora();
}
