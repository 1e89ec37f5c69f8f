// How screens hand over to each other: one visible at a time, the back rule of the module
// screens, the exit question, and the openers each screen registers for the doors that lead to it.
#pragma once

#include <functional>

class QWidget;

namespace velmora {

// The navigation screens the back rule returns to; set as they are created.
struct NavigationScreens {
  QWidget* mainMenu = nullptr;      // Tform0; MainMenu() builds it when the walk-through came first
  QWidget* walkThrough = nullptr;   // Tform9
  QWidget* assistant = nullptr;     // TForm5
};
NavigationScreens& Navigation();
// The corridor, built now if the walk-through came first and this is its first use.
QWidget* MainMenu();

// Hides the module and shows, in this order: the assistant when InAssistant; nothing more when
// FromContextInfo (which is then cleared); the walk-through when AnimationOn; else the main menu.
void LeaveModule(QWidget* module);

// Closing a screen that only leaves itself: its back button runs once, and when that did not
// already leave the screen, the screen is hidden for the walk-through or the main menu.
void CloseToCorridor(QWidget* module, const std::function<void()>& back);

enum class ExitQuestionStyle { kMessageBox, kYesNoDialog };
// Asks text table line 49; Yes runs the exit path and returns true.
bool ConfirmExit(ExitQuestionStyle style);

// A door's opener prepares its screen and returns it; doors without one open nothing yet.
using DoorOpener = std::function<QWidget*()>;
void SetDoorOpener(int door, DoorOpener opener);
// The prepared screen of the door, or null while that screen does not exist.
QWidget* PrepareDoor(int door);
void ClearDoorOpeners();

// Door numbers: 1..9 and 11 as the corridor numbers them; the certificates sign has its own.
inline constexpr int kDoorDegrees = 1;
inline constexpr int kDoorCatalogue = 2;
inline constexpr int kDoorHigherGrade = 3;
inline constexpr int kDoorItineraries = 4;
inline constexpr int kDoorMiddleGrade = 5;
inline constexpr int kDoorBasicGrade = 6;
inline constexpr int kDoorProfessions = 7;
inline constexpr int kDoorAdvice = 8;
inline constexpr int kDoorQuestionnaires = 9;
inline constexpr int kDoorAssistant = 11;
inline constexpr int kDoorCertificates = 12;

}  // namespace velmora
