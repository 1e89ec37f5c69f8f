#include "app/program.h"

#include <QApplication>
#include <QFontDatabase>
#include <QTimer>
#include <future>
#include <string>
#include <vector>

#include "app/program_screens.h"
#include "core/common.h"
#include "core/hint_window.h"
#include "core/platform/qt_platform.h"
#include "core/program_body.h"
#include "core/qt_text.h"
#include "core/qt_translations.h"
#include "core/startup.h"

namespace velmora {

int RunVelmora(bool quitWhenLoopStarts) {
  // Qt fills its font database on the first text laid out, a good part of the start-up: a second
  // core does it while this one reads the data folder. The database is guarded by a lock, so the
  // first label simply waits for it if it comes first.
  auto fonts = std::async(std::launch::async, [] { QFontDatabase::families(); });
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
