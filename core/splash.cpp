#include "core/splash.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "core/common.h"
#include "core/qt_text.h"
#include "core/shared_bitmaps.h"

namespace velmora {
namespace {
TBienvenida* openSplash = nullptr;
constexpr qint64 kRedrawEveryMs = 40;

// A flat bar in the splash's colours. The desktop style draws its bar with smoothed curves that
// Qt fills on a pool of threads, and the start waited for them at every step of the bar.
class SplashBar : public QProgressBar {
 public:
  using QProgressBar::QProgressBar;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(ColourMaroon));
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    painter.fillRect(inside, ToQColor(ColourIvory));
    const int span = std::max(maximum() - minimum(), 1);
    const int done = static_cast<int>(static_cast<qint64>(inside.width()) * (value() - minimum()) / span);
    painter.fillRect(inside.adjusted(1, 1, done - inside.width() - 1, -1), ToQColor(ColourMaroon));
  }
};

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
  const QImage& girl = *Bitmaps().BmpGirl;
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

  ProgressBar1 = new SplashBar(this);
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
  PaintOnceShown();
}

void TBienvenida::SetProgress(int position) {
  ProgressBar1->setValue(position);
  if (!painted_) return PaintOnceShown();
  // Each redraw goes to the display at once; a fast start would spend more on the bar than on
  // the screens, a slow one still sees it move.
  if (sinceRedrawn_.isValid() && sinceRedrawn_.elapsed() < kRedrawEveryMs) return;
  ProgressBar1->repaint();
  sinceRedrawn_.start();
}

void TBienvenida::PaintOnceShown() {
  // The desktop maps a new window in its own time, often longer than a screen takes to be
  // created: the screens are not kept waiting for it. The expose event paints the splash;
  // timers wait for the message loop, when every screen exists.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers);
  painted_ = windowHandle() != nullptr && windowHandle()->isExposed();
  if (painted_) sinceRedrawn_.start();
}

}  // namespace velmora
