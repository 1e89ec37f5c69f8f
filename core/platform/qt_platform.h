// The platform services on a Qt desktop.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <string>

#include "core/platform/instance_lock.h"
#include "core/platform/platform.h"
#include "core/platform/sound_player.h"

namespace velmora {

// The sound module from the first of these folders that has it; none when no folder has.
std::unique_ptr<SoundPlayer> LoadSoundPlayer(const QStringList& folders);

class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  void ShowMessage(std::string_view text) override;
  bool AskYesNo(std::string_view question) override;
  bool AcquireInstanceLock(std::string_view name) override;
  int GraphicsVersion() override;
  double ProcessorSpeedMHz() override;
  DisplayMode CurrentDisplay() override;
  int DisplayDotsPerInch() override;
  // Qt does not switch the modes of a desktop's display; the window scales instead.
  bool CanSwitchDisplayModes() override { return false; }
  std::optional<DisplayMode> DisplayModeAt(int) override { return std::nullopt; }
  void SwitchDisplayMode(const DisplayMode&) override {}
  void RestoreDisplayMode() override {}
  void PlaySound(std::string_view file, bool wait) override;
  std::unique_ptr<PrintCanvas> ChoosePrinter(std::string_view heading) override;
  std::optional<std::string> ChooseTextFile(std::string_view proposedPath) override;
  void OpenWithDesktop(std::string_view target) override;
  int RunModal(QDialog& dialog) override;
  void Terminate() override;

 private:
  std::unique_ptr<InstanceLock> instanceLock_;
  bool soundModuleTried_ = false;
  std::unique_ptr<SoundPlayer> soundPlayer_;
};

}  // namespace velmora
