// What every module screen shares: the fixed 1024 x 768 client area (centred when
// CentreScreens), the floor background and the frame strips, the caption with the school's
// name, and the back and exit behaviour. A screen is created once and then shown and hidden.
#pragma once

#include <QLabel>
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

// Places a 1024 x 768 screen at the top-left of the display, or centred when CentreScreens.
void PlaceScreen(QWidget& screen);

}  // namespace velmora
