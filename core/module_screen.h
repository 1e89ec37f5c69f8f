// What every module screen shares: the fixed 1024 x 768 client area (centred when
// CentreScreens), the floor background and the frame strips, the caption with the school's
// name, and the back and exit behaviour. A screen is created once and then shown and hidden.
#pragma once

#include <QLabel>
#include <QMargins>
#include <QRect>
#include <QWidget>

namespace velmora {

inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;

// A pixel size for a font of the given points, as laid out on a 96-dpi desktop.
int PixelSizeForPoints(int points);
QFont ScreenFont(const char* family, int points, bool bold = false);

class ModuleScreen : public QWidget {
  Q_OBJECT

 public:
  ModuleScreen();

  // Hides the screen and shows the one it returns to (the back buttons call this).
  void GoBack();

  QLabel* Background = nullptr;  // the floor, tiled
  QLabel* TilArr = nullptr;      // top frame strip
  QLabel* TilIzq = nullptr;      // left frame strip
  QLabel* TilDer = nullptr;      // right frame strip

 protected:
  // Closing the window asks whether to leave the program.
  void closeEvent(QCloseEvent* event) override;
};

// The frame a desktop's window manager typically adds around a window (title bar on top).
inline constexpr QMargins kTypicalWindowFrame{4, 30, 4, 4};

// Whether a display whose available area is that cannot hold a 1024 x 768 screen with its
// window frame: its screens then open full-screen without a frame, so nothing is cut.
bool OpensFullScreen(const QRect& availableArea, const QMargins& frame = kTypicalWindowFrame);

// Places a 1024 x 768 screen at the top-left of the display, or centred when CentreScreens;
// on a display too small for it with a frame, the screen goes without one: full-screen on a
// 1024 x 768 display, else centred over a backdrop that covers the rest of the display.
void PlaceScreen(QWidget& screen);

}  // namespace velmora
