// The middle-grade vocational training screen: titles by family group, where a title is taught,
// and what each place offers, entered through three choice buttons that fly in; and the
// middle-grade questionnaire, which the questionnaires screen starts here.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <vector>

#include "vocational/middle_grade_questionnaire.h"
#include "vocational/vocational_screen.h"

namespace velmora {

class FlightLayer;

class TForm3 : public VocationalScreen {
  Q_OBJECT

 public:
  TForm3();
  ~TForm3() override;

  // Reads cuesgm at start-up.
  static void LoadFiles();

  void FormActivate();
  void botTit2Click();
  void botLug2Click();
  void botSalirClick();
  void heliTimer();
  void pilotoTimer();
  void ListTitClick(int row) override;
  void BotTelefonoClick() { AllFpButtonClick(); }
  void BotRequisitosClick();
  void BotPuestoClick();
  void botAsigClick();
  void BotRetrocederFPClick() override;
  void HideSpeechBox();

  QLabel *LabelFP1 = nullptr, *LabelFPGM = nullptr, *LabelAno = nullptr;
  QPushButton *botTit2 = nullptr, *botLug2 = nullptr, *botSalir = nullptr;
  QPushButton *BotRequisitos = nullptr, *BotPuesto = nullptr, *botAsig = nullptr;
  QPushButton* BotTelefono = nullptr;  // the all-FP toggle
  QTimer heli, piloto;

  bool QuestionnaireFlag = false;

  // ---- The questionnaire ----
  // Sets the questionnaire flag: the next activation starts the questionnaire at its first step.
  void BeginQuestionnaire();
  void BitFleGMdeClick();
  void BitFleGMizClick();
  void ListGMClick(int row);
  void ListPequeClick(int row);
  void TimerAyuTimer();
  void TimerReduceTimer();
  void BotImprimirCuesGMClick();
  void BotSalirCuesClick();
  void mapaClick() override;

  QListWidget *ListGM = nullptr, *ListGM2 = nullptr, *ListPeque = nullptr;
  QLabel *LabAyuGM = nullptr, *HeliPeque = nullptr, *LabelPeque = nullptr;
  QPushButton *BitFleGMde = nullptr, *BitFleGMiz = nullptr, *BotSalirCues = nullptr, *BotImprimirCuesGM = nullptr;
  QTimer TimerAyu, TimerReduce;
  MiddleGradeQuestionnaire Questionnaire{GmQuestionFile()};
  int ReduceStep = 0;

  // The flight of the choice buttons.
  int FlightTick = 0, FlightStep = 1, FlightOffset = 0;
  int FlightX = 0, FlightY = 0;
  int PilotFrame = -1;  // frame on screen, -1 = none
  int PilotTick = 0;
  QPoint PilotAt;
  struct SpeechBox {
    int step = 0;
    QPoint anchor;
  };
  std::vector<SpeechBox> SpeechBoxes;  // boxes on screen

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildQuestionnaireControls();
  void StartQuestionnaire();
  void FillAreas();
  void SlideHint(const std::string& text);
  void OpenSuggestedTitle(int title);
  void HideQuestionnaire();
  void HideInfoButtons();
  FlightLayer* flight_ = nullptr;
  friend class FlightLayer;
};

}  // namespace velmora
