#include "core/program_body.h"

#include <QWidget>

#include "core/common.h"
#include "core/platform/platform.h"
#include "core/screen_registry.h"
#include "core/splash.h"
#include "core/startup.h"

namespace velmora {

ProgramBody::ProgramBody() = default;
ProgramBody::ProgramBody(ProgramBody&&) noexcept = default;
ProgramBody& ProgramBody::operator=(ProgramBody&&) noexcept = default;
ProgramBody::~ProgramBody() = default;

ProgramBody StartProgramBody() {
  ProgramBody body;
  if (!CurrentPlatform().AcquireInstanceLock(kInstanceLockName)) {
    ShowMessage(kAlreadyRunningMessage);
    body.exitCode = 0;
    return body;
  }
  if (StartAborted) {
    body.exitCode = 1;
    return body;
  }
  body.splash = std::make_unique<TBienvenida>();
  body.splash->ShowPainted();
  const ScreenCreation created = CreateScreens([&](int position) { body.splash->SetProgress(position); });
  if (created.aborted) {
    body.exitCode = 1;
    return body;
  }
  // The main form's show handler closes the splash; until a main form exists the splash stays.
  body.mainForm = created.mainForm;
  if (body.mainForm != nullptr) body.mainForm->show();
  return body;
}

}  // namespace velmora
