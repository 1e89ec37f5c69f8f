// Test double of the platform: records messages and sounds, answers questions from a script.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/platform/platform.h"

namespace velmora {

class RecordingPlatform : public Platform {
 public:
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::deque<bool> answers;  // next answers of AskYesNo; No when empty
  std::set<std::string> heldLocks;
  std::vector<std::string> sounds;
  int graphicsVersion = 9;
  DisplayMode display{1024, 768, 32};
  int dotsPerInch = 96;
  bool canSwitchModes = false;
  std::vector<DisplayMode> modes;
  std::vector<DisplayMode> switchedTo;
  int restoreCount = 0;
  int terminateCount = 0;
  // The printer the print dialog "chooses"; none (a cancelled dialog) when unset.
  std::function<std::unique_ptr<PrintCanvas>()> printerChoice;
  std::vector<std::string> opened;
  // The path the save dialog "chooses"; a cancelled dialog when unset. The proposals are kept.
  std::optional<std::string> textFileChoice;
  std::vector<std::string> textFileProposals;
  // Answers a modal dialog (it may fill the dialog's controls first); 0 when unset.
  std::function<int(QDialog&)> modalAnswer;
  int modalCount = 0;

  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  bool AskYesNo(std::string_view question) override {
    questions.emplace_back(question);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  bool AcquireInstanceLock(std::string_view name) override { return heldLocks.emplace(name).second; }
  int GraphicsVersion() override { return graphicsVersion; }
  double ProcessorSpeedMHz() override { return 2000.0; }
  DisplayMode CurrentDisplay() override { return display; }
  int DisplayDotsPerInch() override { return dotsPerInch; }
  bool CanSwitchDisplayModes() override { return canSwitchModes; }
  std::optional<DisplayMode> DisplayModeAt(int index) override {
    if (index < 0 || index >= static_cast<int>(modes.size())) return std::nullopt;
    return modes[static_cast<std::size_t>(index)];
  }
  void SwitchDisplayMode(const DisplayMode& mode) override { switchedTo.push_back(mode); }
  void RestoreDisplayMode() override { ++restoreCount; }
  void PlaySound(std::string_view file, bool wait) override {
    sounds.push_back(std::string(file) + (wait ? " (waited)" : ""));
  }
  std::unique_ptr<PrintCanvas> ChoosePrinter(std::string_view) override {
    return printerChoice ? printerChoice() : nullptr;
  }
  std::optional<std::string> ChooseTextFile(std::string_view proposedPath) override {
    textFileProposals.emplace_back(proposedPath);
    return textFileChoice;
  }
  void OpenWithDesktop(std::string_view target) override { opened.emplace_back(target); }
  int RunModal(QDialog& dialog) override {
    ++modalCount;
    return modalAnswer ? modalAnswer(dialog) : 0;
  }
  void Terminate() override { ++terminateCount; }
};

}  // namespace velmora
