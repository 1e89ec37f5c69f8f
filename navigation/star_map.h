// The star map: a small window on top of the degrees screen, in the top-right corner, with the map
// of Spain and twinkling stars on the communities where the chosen degree is taught. Moving over
// it names the community; a click hands the community to the degrees screen.
#pragma once

#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "places/spain_map.h"

namespace velmora {

class TForm7 : public QWidget {
  Q_OBJECT

 public:
  TForm7();
  ~TForm7() override;

  // Draws the map afresh with stars on the marked communities (1..19), shows the window at the
  // top-right corner of the screen, kept above it (a full-screen one too), and starts the twinkle.
  void ShowStars(const std::array<bool, kCommunities + 1>& marked, QWidget& screen);
  // Hides the window and stops the twinkle.
  void HideStars();

  void TimerEstrellasTimer();
  void MapaEstrellasMouseMove(int x, int y);  // 1-based picture coordinates
  void MapaEstrellasClick();

  // What a click on a community does (the degrees screen scrolls its grid).
  std::function<void(int community)> OnCommunityChosen;

  QLabel* MapaEstrellas = nullptr;
  QLabel* PanelMapa = nullptr;
  QTimer TimerEstrellas;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QImage picture_;
  std::unique_ptr<StarBlinker> stars_;
};

// The one star map, once created (the degrees screen shows it).
TForm7* StarMap();

}  // namespace velmora
