// The walk-through: the building seen from above, in which the student steers a little figure
// with the mouse; walking through a labelled door opens that door's screen. The first screen of
// the program when the animation is on.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "navigation/walk_scene.h"

namespace velmora {

struct WalkPictures;

class Tform9 : public QWidget {
  Q_OBJECT

 public:
  Tform9();

  void DXTimerTimer();
  void DXDrawClick(QPoint view);
  void DXDrawDblClick();
  void OpenDoor(int door);  // the door methods: 1..9, 11, or the certificates sign
  void LeaveToMenu();
  // Draws the scene as it stands into the back buffer.
  void DrawScene();

  WalkScene Scene;
  QTimer DXTimer;
  QImage BackBuffer;
  int OpenedDoor = 0;  // the door whose screen is showing
  int WipeStep = 0;    // 0 = no wipe running

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QRect ViewRect() const;                 // where the 1024 x 768 view stands in the widget
  QPoint ToView(QPointF widgetPoint) const;
  void DrawTexts(QPainter& painter);
  void WipeTick();
  const QImage* Picture(int archive, const std::string& name) const;
  struct DrawItem {
    int z;
    std::size_t order;
    const QImage* image;
    double x, y;
  };
  std::vector<DrawItem> drawItems_;  // the sprites of a tick, by depth
  const WalkPictures& pictures_;
  QElapsedTimer clock_;
  QPoint cursor_{kViewWidth / 2, kViewHeight / 2};
  QImage wipePicture_;
};

// The sizes of the pictures of both archives, for the scene's hover tests.
PictureSizes SizesOf(const WalkPictures& pictures);

}  // namespace velmora
