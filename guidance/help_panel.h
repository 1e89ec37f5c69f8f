// The help character's panel: a message of eight short lines typed out one per tick with the
// key sound while the girl beside them talks. The questionnaire, the itineraries diagram and
// the advice checklists share it.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <array>
#include <optional>

namespace velmora {

class HelpPanel : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kLines = 8;

  explicit HelpPanel(QWidget* parent);

  // Shows the message whose text table lines are given (0 = an empty line); none keeps the
  // lines of the previous message. The lines then appear one per tick of TimerAyuda.
  void ShowMessage(const std::optional<std::array<int, kLines>>& lines);
  // One tick: the next line with the key sound and the next talking frame; the ninth stops.
  void TimerAyudaTimer();

  std::array<QLabel*, kLines> LabelAyu{};
  QLabel* chica = nullptr;
  QTimer TimerAyuda;

 private:
  std::array<int, kLines> lines_{};
  int tick_ = 0;
};

}  // namespace velmora
