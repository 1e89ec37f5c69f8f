// Velmora: the program body.
#include <QApplication>

#include "app/program.h"

int main(int argc, char** argv) {
  const auto prepared = velmora::PrepareProcess(argv[0]);
  QApplication application(argc, argv);
  return velmora::RunVelmora();
}
