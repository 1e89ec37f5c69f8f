// The main menu: a corridor of doors, a figure that walks in, a speech bubble, and doors that
// open with an animation and a zoom onto the screen behind them.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <map>

namespace velmora {

class Tform0 : public QWidget {
  Q_OBJECT

 public:
  Tform0();
  // At start-up, built or not: its pictures checked (a missing one stops the start), the font
  // adjustment for the display, and the display-mode offer.
  static void LoadFiles();

  // Door label clicks; the sign opens the certificates at once.
  void LabelCarrerasClick() { OpenDoor(1); }
  void LabelCatClick() { OpenDoor(2); }
  void LabelFpSClick() { OpenDoor(3); }
  void LabelItiClick() { OpenDoor(4); }
  void LabelFPMClick() { OpenDoor(5); }
  void LabelFPipClick() { OpenDoor(6); }
  void LabelProfeClick() { OpenDoor(7); }
  void LabelCuesBClick() { OpenDoor(8); }
  void LabelCuesEClick() { OpenDoor(9); }
  void LabelAsistenteClick() { OpenDoor(11); }
  void LabelDejarClick();
  void ImageDejarMouseUp() { LabelDejarClick(); }
  void BotRetroceClick();
  void OpenDoor(int door);

  // Mouse over a door label, or over the corridor itself.
  void LabelMouseMove(QLabel* label);
  void mosaicoMouseMove();

  void pilotoTimer();
  void TimerTextoTimer();
  void TimerPuertaTimer();
  void TimerZoomTimer();
  void TimerAyudaTimer();

  QLabel* DoorLabel(int door) const;

  QLabel* mosaico = nullptr;
  QLabel* ImageDejar = nullptr;
  QLabel* LabelDejar = nullptr;
  QLabel* Imagefaraon = nullptr;
  QLabel* Image2 = nullptr;
  QLabel* LabelCentro = nullptr;
  QLabel* LabelAno = nullptr;
  QLabel* anda = nullptr;
  QLabel* Bocadillo1 = nullptr;
  QLabel* LabelBocadillo1 = nullptr;
  QLabel* labelBocadillo2 = nullptr;
  QWidget* PanelAyuda = nullptr;
  QLabel* chica = nullptr;
  QLabel* LabelAyu[6] = {};  // 1..5
  QPushButton* BotRetroce = nullptr;
  QWidget* ZoomLayer = nullptr;
  QTimer piloto, TimerTexto, TimerPuerta, TimerZoom, TimerAyuda;

  int DoorNumber = 0;
  int DoorX = 0;
  int DoorY0 = 0;
  int DoorY = 0;
  int AnimStep = 0;
  int WalkFrame = 0;
  int TileWidth = 0;
  int TileHeight = 0;
  QRect ZoomRect;  // where the zoom last drew the door tile

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void SetDoorHint(int door, bool on);
  void FinishZoom();
  void ShowScreen(QWidget* screen, bool hideMenuFirst);

  std::map<int, QLabel*> labels_;  // by door number, the sign included
};

inline Tform0* Form0 = nullptr;

}  // namespace velmora
