#include "core/navigation.h"

#include <QWidget>
#include <map>

#include "core/common.h"
#include "core/platform/platform.h"
#include "core/screen_registry.h"
#include "core/startup.h"
#include "core/text_table.h"
#include "core/yes_no_dialog.h"

namespace velmora {
namespace {

std::map<int, DoorOpener>& Openers() {
  static std::map<int, DoorOpener> openers;
  return openers;
}

void ShowInFront(QWidget* screen) {
  if (screen == nullptr) return;
  screen->show();
  screen->raise();
  screen->activateWindow();
}

}  // namespace

NavigationScreens& Navigation() {
  static NavigationScreens screens;
  return screens;
}

QWidget* MainMenu() {
  if (Navigation().mainMenu == nullptr) ScreenNamed("Tform0");
  return Navigation().mainMenu;
}

void LeaveModule(QWidget* module) {
  if (module != nullptr) module->hide();
  if (InAssistant) return ShowInFront(Navigation().assistant);
  if (FromContextInfo) {
    FromContextInfo = false;
    return;
  }
  ShowInFront(AnimationOn ? Navigation().walkThrough : MainMenu());
}

void CloseToCorridor(QWidget* module, const std::function<void()>& back) {
  back();
  if (module->isHidden()) return;
  module->hide();
  ShowInFront(AnimationOn ? Navigation().walkThrough : MainMenu());
}

bool ConfirmExit(ExitQuestionStyle style) {
  const std::string_view question = TextLine(49);
  const bool yes = style == ExitQuestionStyle::kYesNoDialog && Form4 != nullptr ? Form4->AskQuestion(question)
                                                                                 : CurrentPlatform().AskYesNo(question);
  if (yes) ExitProgram();
  return yes;
}

void SetDoorOpener(int door, DoorOpener opener) { Openers()[door] = std::move(opener); }

QWidget* PrepareDoor(int door) {
  const auto found = Openers().find(door);
  if (found == Openers().end() || !found->second) return nullptr;
  // A copy runs: an opener may replace itself (a screen built on demand sets its own).
  const DoorOpener opener = found->second;
  return opener();
}

void ClearDoorOpeners() { Openers().clear(); }

}  // namespace velmora
