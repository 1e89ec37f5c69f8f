#include "core/module_screen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include "core/common.h"
#include "core/display_helpers.h"
#include "core/navigation.h"
#include "core/qt_text.h"
#include "core/shared_bitmaps.h"
#include "core/text_table.h"

namespace velmora {
namespace {

QPixmap Tiled(const QImage& tile, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  TileImage(image, tile);
  return QPixmap::fromImage(image);
}

QLabel* Picture(QWidget* parent, const QRect& geometry, const QPixmap& pixmap) {
  auto* label = new QLabel(parent);
  label->setGeometry(geometry);
  label->setPixmap(pixmap);
  return label;
}

}  // namespace

int PixelSizeForPoints(int points) { return (points * 96 * 2 + 72) / (72 * 2); }

QFont ScreenFont(const char* family, int points, bool bold) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(PixelSizeForPoints(points));
  font.setBold(bold);
  return font;
}

bool OpensFullScreen(const QRect& availableArea, const QMargins& frame) {
  return availableArea.width() < kScreenWidth + frame.left() + frame.right() ||
         availableArea.height() < kScreenHeight + frame.top() + frame.bottom();
}

void PlaceScreen(QWidget& screen) {
  screen.setFixedSize(kScreenWidth, kScreenHeight);
  if (const QScreen* display = QGuiApplication::primaryScreen(); display != nullptr && OpensFullScreen(display->availableGeometry())) {
    // Full-screen keeps the fixed size: the window manager places it over the whole display.
    screen.setWindowFlag(Qt::FramelessWindowHint);
    screen.setWindowState(Qt::WindowFullScreen);
    return;
  }
  screen.move(0, 0);
  if (!CentreScreens) return;
  if (const QScreen* display = QGuiApplication::primaryScreen())
    screen.move(display->geometry().center() - QPoint(kScreenWidth / 2, kScreenHeight / 2));
}

ModuleScreen::ModuleScreen() {
  std::string caption(TextLine(338));
  caption += "  ";
  caption += CentreName;
  setWindowTitle(ToQString(caption));
  PlaceScreen(*this);
  const SharedBitmaps& bitmaps = Bitmaps();
  Background = Picture(this, QRect(0, 0, kScreenWidth, kScreenHeight), Tiled(bitmaps.BmpFloor, kScreenWidth, kScreenHeight));
  const int side = std::max(bitmaps.BmpFrameLeft.width(), 1);
  TilIzq = Picture(this, QRect(0, 0, side, kScreenHeight), Tiled(bitmaps.BmpFrameLeft, side, kScreenHeight));
  const int right = std::max(bitmaps.BmpFrameRight.width(), 1);
  TilDer = Picture(this, QRect(kScreenWidth - right, 0, right, kScreenHeight),
                   Tiled(bitmaps.BmpFrameRight, right, kScreenHeight));
  TilArr = Picture(this, QRect(0, 0, kScreenWidth, 33),
                   QPixmap::fromImage(bitmaps.BmpFrameTop.scaled(kScreenWidth, 33, Qt::IgnoreAspectRatio)));
  setFont(ScreenFont("Arial", 10));
}

void ModuleScreen::GoBack() { LeaveModule(this); }


void ModuleScreen::closeEvent(QCloseEvent* event) {
  // Yes ends the program through the exit path; No keeps the screen as it was.
  if (!ConfirmExit(ExitQuestionStyle::kYesNoDialog)) event->ignore();
}

}  // namespace velmora
