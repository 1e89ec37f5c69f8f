#include "app/program.h"

#include <QApplication>
#include <QTimer>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/program_screens.h"
#include "core/common.h"
#include "core/font_configuration.h"
#include "core/hint_window.h"
#include "core/large_display.h"
#include "core/message_bus.h"
#include "core/platform/qt_platform.h"
#include "core/program_body.h"
#include "core/qt_text.h"
#include "core/qt_translations.h"
#include "core/startup.h"

namespace velmora {

namespace {

std::filesystem::path ExecutableFolder(const char* programPath) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.parent_path();
  return std::filesystem::absolute(programPath != nullptr ? programPath : "", error).parent_path();
}

}  // namespace

std::future<void> PrepareProcess(const char* programPath) {
  // Both change the environment: before the font thread starts.
  SkipHopelessBusLaunch();
  const std::optional<std::filesystem::path> folder = FindDataFolder(ExecutableFolder(programPath));
  EnlargeScreensOnLargeDisplay(folder && KeepsScreenSize(*folder));
  return StartReadingFontConfiguration();
}

int RunVelmora(const std::function<void()>& whenLoopStarts) {
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
  if (whenLoopStarts) QTimer::singleShot(0, qApp, whenLoopStarts);
  const int exitCode = QApplication::exec();
  body = {};
  SetCurrentPlatform(nullptr);
  return exitCode;
}

}  // namespace velmora
