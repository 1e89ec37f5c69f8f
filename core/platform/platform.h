// Everything that touches the desktop, behind one small interface: the program uses the Qt
// implementation, tests a recording double, so no test ever blocks on a window.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/printing/print_canvas.h"

class QDialog;

namespace velmora {

struct DisplayMode {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // A message box with an OK button, captioned with the program's name; texts are Windows-1252.
  virtual void ShowMessage(std::string_view text) = 0;
  // The same with Yes and No and the question icon; true for Yes.
  virtual bool AskYesNo(std::string_view question) = 0;

  // Takes the process-wide lock of that name; false when a running instance holds it.
  // A lock left by a crashed run does not count.
  virtual bool AcquireInstanceLock(std::string_view name) = 0;

  // Major version of the 2D drawing the walk-through needs; 0 when it cannot be found.
  virtual int GraphicsVersion() = 0;
  virtual double ProcessorSpeedMHz() = 0;

  // The display as it is now, whether its mode can be switched, and its modes by number.
  virtual DisplayMode CurrentDisplay() = 0;
  virtual int DisplayDotsPerInch() = 0;
  virtual bool CanSwitchDisplayModes() = 0;
  virtual std::optional<DisplayMode> DisplayModeAt(int index) = 0;
  virtual void SwitchDisplayMode(const DisplayMode& mode) = 0;
  virtual void RestoreDisplayMode() = 0;

  // Plays a wave file of the data folder; when wait is set, returns once it has finished.
  // Silent, without a message, when there is no sound output or the file cannot be played.
  virtual void PlaySound(std::string_view file, bool wait) = 0;

  // Shows the print dialog: the chosen printer's canvas, or null when the user cancels. A PDF
  // file is proposed under a name made from the report's heading (Windows-1252).
  virtual std::unique_ptr<PrintCanvas> ChoosePrinter(std::string_view heading) = 0;

  // Shows the save dialog for a text file, starting at the proposed path (UTF-8), asking before
  // an existing file is replaced: the chosen path (UTF-8, ending ".txt" unless the user typed an
  // extension), or none when the user cancels.
  virtual std::optional<std::string> ChooseTextFile(std::string_view proposedPath) = 0;

  // Hands a web address (Windows-1252) or an absolute document path (UTF-8) to the desktop;
  // returns at once.
  virtual void OpenWithDesktop(std::string_view target) = 0;

  // Runs one of the program's modal dialogs and returns its result code.
  virtual int RunModal(QDialog& dialog) = 0;

  // Ends the message loop (or marks the program as ended when none runs).
  virtual void Terminate() = 0;
};

// The platform the program runs on; set once by the program body or by a test.
Platform& CurrentPlatform();
void SetCurrentPlatform(Platform* platform);

}  // namespace velmora
