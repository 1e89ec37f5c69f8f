// The assistant: a guided way in. The student says whether they are in ESO or in Bachillerato;
// the path's three arrow texts scroll in one by one; an arrow sends a little helicopter across
// its panel, and on landing the buttons for that situation appear, each opening its screen
// prepared for it, which comes back here.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <map>

#include "core/module_screen.h"
#include "guidance/assistant.h"

namespace velmora {

class TForm5 : public ModuleScreen {
  Q_OBJECT

 public:
  TForm5();

  // One path's panel: its arrows and labels by step (1..3 at [0..2]), the scrolling box, the
  // helicopter and its timers.
  struct Path {
    QFrame* panel = nullptr;
    QLabel* title = nullptr;
    QWidget* inner = nullptr;  // p4, Pb
    std::array<QPushButton*, kArrowSteps> arrows{};
    std::array<QLabel*, kArrowSteps> labels{};
    std::array<int, kArrowSteps> modes{};  // the flight mode of each arrow
    std::array<int, kArrowSteps> texts{};  // the assistant text of each step
    QLabel* hint = nullptr;
    QFrame* box = nullptr;
    QLabel* boxText = nullptr;
    QLabel* heli = nullptr;
    QTimer* scroll = nullptr;
    QTimer* fly = nullptr;
    ArrowTexts arrowTexts;
    Flight flight;
    bool starting = false;
  };

  void FormActivate();
  void L41Click();  // the ESO path
  void Lb1Click();  // the Bachillerato path
  void ArrowClick(Path& path, int step);
  void ButtonClick(AssistantButton button);
  void BotCerrarClick();
  void BotRetroAsisClick();
  void TimerComienzoTimer();
  void ScrollTimer(Path& path);
  void FlightTimer(Path& path);
  void TimerMueTexBotBACHITimer();
  void StopAssistantTimers();

  QFrame* PInicio = nullptr;
  QLabel *Panel2 = nullptr, *Panel3 = nullptr;
  QFrame* Panel9 = nullptr;
  QLabel* Textoinicio = nullptr;
  Path Eso, Bachi;
  std::map<AssistantButton, QPushButton*> Buttons;
  QFrame *PanelDiversifi = nullptr, *PanelFP2 = nullptr;
  QListWidget *ListBox1 = nullptr, *ListFP2 = nullptr;
  QPushButton *BotCerrar = nullptr, *BotCerrar2 = nullptr;
  QPushButton *BotRetroAsis = nullptr, *BotEso = nullptr, *BotBachi = nullptr;
  QTimer TimerComienzo, TimerMueTexFleESO, TimerMueTexFleBACHI, TimerMueTexBotBACHI, TimerVuela, TimerVuela2;

  std::array<std::string, kAssistantTexts + 1> Texts;
  int AssistantStep = 1;
  int AssistantMode = 0;
  bool FirstActivation = true;
  int BoxHomeLeft = 0;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildStart();
  void BuildPath(Path& path, bool eso);
  void BuildButtons();
  void ChoosePath(Path& chosen, Path& other);
  void ShowList(QFrame* panel, QListWidget* list, const std::vector<std::string>& lines, QPoint at, int height);
  void OpenScreen(int door, const std::function<void(QWidget*)>& prepare = {});
  Path* starting_ = nullptr;
};

}  // namespace velmora
