#include "app/program.h"

#include <QApplication>
#include <QTimer>
#include <string>
#include <vector>

#include "app/program_screens.h"
#include "core/common.h"
#include "core/font_configuration.h"
#include "core/hint_window.h"
#include "core/message_bus.h"
#include "core/platform/qt_platform.h"
#include "core/program_body.h"
#include "core/qt_text.h"
#include "core/qt_translations.h"
#include "core/startup.h"

namespace velmora {

std::future<void> PrepareProcess() {
  SkipHopelessBusLaunch();  // it changes the environment: before the font thread starts
  return StartReadingFontConfiguration();
}

int RunVelmora(bool quitWhenLoopStarts) {
  const auto fonts = StartFillingFontDatabase();
  QtPlatform platform;
  SetCurrentPlatform(&platform);
  HintManager::Install();

  std::vector<std::string> parameters;
  const QStringList arguments = QCoreApplication::arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i) parameters.push_back(FromQString(arguments[i]));
  // The preparation's messages are Castilian; from then on Qt's dialogs follow the language chosen.
  InstallQtTranslations(0);
  RunStageA(parameters, QCoreApplication::applicationDirPath().toStdString());
  if (!StartAborted) InstallQtTranslations(LanguageIndexOf(LanguageFolder));

  RegisterProgramScreens();
  ProgramBody body = StartProgramBody();
  if (body.exitCode) return *body.exitCode;
  if (quitWhenLoopStarts) QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });  // quit() would ask the windows to close
  const int exitCode = QApplication::exec();
  body = {};
  SetCurrentPlatform(nullptr);
  return exitCode;
}

}  // namespace velmora
