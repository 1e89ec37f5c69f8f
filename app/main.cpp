// Velmora: the program body.
#include <QApplication>
#include <string>
#include <vector>

#include "app/program_screens.h"
#include "core/platform/qt_platform.h"
#include "core/program_body.h"
#include "core/qt_text.h"
#include "core/startup.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  velmora::QtPlatform platform;
  velmora::SetCurrentPlatform(&platform);

  std::vector<std::string> parameters;
  const QStringList arguments = QCoreApplication::arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i) parameters.push_back(velmora::FromQString(arguments[i]));
  velmora::RunStageA(parameters, QCoreApplication::applicationDirPath().toStdString());

  velmora::RegisterProgramScreens();
  velmora::ProgramBody body = velmora::StartProgramBody();
  if (body.exitCode) return *body.exitCode;
  // Until the main menu exists the splash is the only window: closing it ends the program.
  if (body.mainForm == nullptr) QApplication::setQuitOnLastWindowClosed(true);
  return QApplication::exec();
}
