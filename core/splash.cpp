#include "core/splash.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QThread>
#include <QWindow>

#include "core/common.h"
#include "core/qt_text.h"
#include "core/shared_bitmaps.h"

namespace velmora {
namespace {
TBienvenida* openSplash = nullptr;
// A desktop maps a small window in a few milliseconds; a slow one gets the splash late, not never.
constexpr int kMappingWaitMs = 500;
}  // namespace

TBienvenida::TBienvenida()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint) {
  setWindowTitle(QStringLiteral("Velmora"));
  setFixedSize(354, 154);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ToQColor(ColourPeach));
  setPalette(colours);
  setAutoFillBackground(true);

  Image1 = new QLabel(this);
  const QImage& girl = Bitmaps().BmpGirl;
  Image1->setPixmap(TransparentPixmap(girl));
  Image1->setGeometry(0, 16, girl.width(), girl.height());

  Label1 = new QLabel(ToQString("Velmora ") + ToQString(kSchoolYear), this);
  Label1->setGeometry(80, -10, 233, 122);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setWordWrap(true);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(48);
  font.setBold(true);
  Label1->setFont(font);
  QPalette labelColours = Label1->palette();
  labelColours.setColor(QPalette::WindowText, ToQColor(ColourMaroon));
  Label1->setPalette(labelColours);

  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setGeometry(96, 120, 193, 17);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setTextVisible(false);
  ProgressBar1->setValue(5);

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  openSplash = this;
}

TBienvenida::~TBienvenida() {
  if (openSplash == this) openSplash = nullptr;
}

void CloseSplash() {
  if (openSplash != nullptr) openSplash->close();
}

void TBienvenida::ShowPainted() {
  show();
  QElapsedTimer waited;
  waited.start();
  while (windowHandle() != nullptr && !windowHandle()->isExposed() && waited.elapsed() < kMappingWaitMs) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(1);
  }
  repaint();
}

void TBienvenida::SetProgress(int position) {
  ProgressBar1->setValue(position);
  ProgressBar1->repaint();
}

}  // namespace velmora
