// Velmora: the program body.
#include <QApplication>

#include "app/program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  return velmora::RunVelmora();
}
