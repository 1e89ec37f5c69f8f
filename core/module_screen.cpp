#include "core/module_screen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QWindow>
#include <QPixmap>
#include <QScreen>
#include <array>

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
  return QPixmap::fromImage(std::move(image));
}

// The floor and the frame strips, drawn once for every module screen: each screen drawing its
// own costs three megabytes and their page faults at start-up.
struct FramePictures {
  std::array<qint64, 4> sources{};  // cache keys of the bitmaps they were drawn from
  QPixmap floor, left, right, top;
};

const FramePictures& SharedFramePictures() {
  static FramePictures pictures;
  const SharedBitmaps& b = Bitmaps();
  const std::array<qint64, 4> sources = {b.BmpFloor->cacheKey(), b.BmpFrameLeft->cacheKey(), b.BmpFrameRight->cacheKey(),
                                         b.BmpFrameTop->cacheKey()};
  if (pictures.floor.isNull() || pictures.sources != sources) {
    pictures.sources = sources;
    pictures.floor = Tiled(*b.BmpFloor, kScreenWidth, kScreenHeight);
    pictures.left = Tiled(*b.BmpFrameLeft, std::max(b.BmpFrameLeft->width(), 1), kScreenHeight);
    pictures.right = Tiled(*b.BmpFrameRight, std::max(b.BmpFrameRight->width(), 1), kScreenHeight);
    pictures.top = QPixmap::fromImage(b.BmpFrameTop->scaled(kScreenWidth, 33, Qt::IgnoreAspectRatio));
  }
  return pictures;
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

namespace {

// The backdrop behind full-screen screens on a display larger than they are, in the colour of
// their frame strips; one for the whole program, never focused, gone when the program quits.
class ScreenBackdrop : public QWidget {
 public:
  explicit ScreenBackdrop(const QScreen& display) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QString::fromLatin1("Velmora"));
    setGeometry(display.geometry());
    const QImage& strip = *Bitmaps().BmpFrameTop;
    colour_ = strip.isNull() ? QColor(0x3a, 0x7d, 0x8c) : strip.pixelColor(strip.width() / 2, strip.height() / 2);
    setWindowState(Qt::WindowFullScreen);
  }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), colour_); }

 private:
  QColor colour_;
};

QWidget& Backdrop(const QScreen& display) {
  static QPointer<ScreenBackdrop> backdrop;
  if (backdrop.isNull()) {
    backdrop = new ScreenBackdrop(display);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, backdrop, &QObject::deleteLater);
  }
  if (!backdrop->isVisible()) backdrop->show();
  return *backdrop;
}

// Centres a frameless screen over the backdrop. Only dialogs are transient windows to the
// desktop, kept above the window they belong to whatever is clicked: the screen becomes one.
void StandOnBackdrop(QWidget& screen, const QScreen& display) {
  QWidget& backdrop = Backdrop(display);
  screen.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  const QRect area = display.geometry();
  screen.move(area.topLeft() + QPoint((area.width() - kScreenWidth) / 2, (area.height() - kScreenHeight) / 2));
  screen.winId();
  screen.windowHandle()->setTransientParent(backdrop.windowHandle());
}

}  // namespace

bool OpensFullScreen(const QRect& availableArea, const QMargins& frame) {
  return availableArea.width() < kScreenWidth + frame.left() + frame.right() ||
         availableArea.height() < kScreenHeight + frame.top() + frame.bottom();
}

void PlaceScreen(QWidget& screen) {
  screen.setFixedSize(kScreenWidth, kScreenHeight);
  const QScreen* display = QGuiApplication::primaryScreen();
  if (display != nullptr && OpensFullScreen(display->availableGeometry())) {
    if (display->geometry().size() == QSize(kScreenWidth, kScreenHeight)) {
      // Full-screen keeps the fixed size: the window manager places it over the whole display.
      screen.setWindowFlag(Qt::FramelessWindowHint);
      screen.setWindowState(Qt::WindowFullScreen);
      return;
    }
    StandOnBackdrop(screen, *display);
    return;
  }
  screen.move(0, 0);
  if (!CentreScreens) return;
  if (display != nullptr)
    screen.move(display->geometry().center() - QPoint(kScreenWidth / 2, kScreenHeight / 2));
}

ModuleScreen::ModuleScreen() {
  std::string caption(TextLine(338));
  caption += "  ";
  caption += CentreName;
  setWindowTitle(ToQString(caption));
  PlaceScreen(*this);
  const FramePictures& pictures = SharedFramePictures();
  Background = Picture(this, QRect(0, 0, kScreenWidth, kScreenHeight), pictures.floor);
  TilIzq = Picture(this, QRect(0, 0, pictures.left.width(), kScreenHeight), pictures.left);
  const int right = pictures.right.width();
  TilDer = Picture(this, QRect(kScreenWidth - right, 0, right, kScreenHeight), pictures.right);
  TilArr = Picture(this, QRect(0, 0, kScreenWidth, 33), pictures.top);
  setFont(ScreenFont("Arial", 10));
}

void ModuleScreen::GoBack() { LeaveModule(this); }

void ModuleScreen::closeEvent(QCloseEvent* event) {
  // Yes ends the program through the exit path; No keeps the screen as it was.
  if (!ConfirmExit(ExitQuestionStyle::kYesNoDialog)) event->ignore();
}

}  // namespace velmora
