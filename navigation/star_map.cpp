#include "navigation/star_map.h"

#include <QMouseEvent>
#include <QWindow>

#include "core/module_screen.h"
#include "core/qt_text.h"
#include "core/screen_registry.h"
#include "core/shared_bitmaps.h"
#include "core/widget_colours.h"
#include "places/map_widgets.h"

namespace velmora {
namespace {
TForm7* starMap = nullptr;
}  // namespace

TForm7* StarMap() { return InstanceOrBuilt(starMap, "TForm7"); }

TForm7::TForm7()
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint) {
  setWindowTitle(" ");
  setAttribute(Qt::WA_ShowWithoutActivating);
  picture_ = *Bitmaps().BmpMap;
  const QSize size = picture_.isNull() ? QSize(kMapWidth, kMapHeight) : picture_.size();
  setFixedSize(size.width(), size.height() + 10);
  move(kScreenWidth - size.width(), 0);
  MapaEstrellas = new QLabel(this);
  MapaEstrellas->setGeometry(QRect(QPoint(0, 0), size));
  MapaEstrellas->setPixmap(QPixmap::fromImage(picture_));
  MapaEstrellas->setCursor(Qt::PointingHandCursor);
  MapaEstrellas->setMouseTracking(true);
  MapaEstrellas->installEventFilter(this);
  PanelMapa = new QLabel(this);
  PanelMapa->setFont(QFont("Times New Roman", -1, QFont::Bold));
  QFont font = PanelMapa->font();
  font.setPixelSize(10);
  PanelMapa->setFont(font);
  PanelMapa->setAlignment(Qt::AlignCenter);
  SetColours(PanelMapa, QColor(0xFF, 0xFF, 0x00), Qt::black);
  // The panel opens under the mouse: the map beneath must keep the mouse.
  PanelMapa->setAttribute(Qt::WA_TransparentForMouseEvents);
  PanelMapa->hide();
  TimerEstrellas.setInterval(200);
  connect(&TimerEstrellas, &QTimer::timeout, this, &TForm7::TimerEstrellasTimer);
  starMap = this;
}

TForm7::~TForm7() {
  if (starMap == this) starMap = nullptr;
}

void TForm7::ShowStars(const std::array<bool, kCommunities + 1>& marked, QWidget& screen) {
  picture_ = *Bitmaps().BmpMap;
  MapaEstrellas->setPixmap(QPixmap::fromImage(picture_));
  stars_ = std::make_unique<StarBlinker>(marked);
  move(screen.pos() + QPoint(kScreenWidth - width(), 0));
  // Staying on top is not enough over a full-screen window: the desktop keeps a window above
  // the one it belongs to, named before it is shown.
  if (!isVisible()) {
    winId();
    screen.winId();
    windowHandle()->setTransientParent(screen.windowHandle());
  }
  show();
  TimerEstrellas.start();
}

void TForm7::HideStars() {
  TimerEstrellas.stop();
  PanelMapa->hide();
  hide();
}

void TForm7::TimerEstrellasTimer() {
  if (stars_) DrawStarTick(*stars_, picture_, MapaEstrellas);
}

void TForm7::MapaEstrellasMouseMove(int x, int y) {
  if (x < 1 || x > kMapWidth || y < 1 || y > kMapHeight) return;
  // Over the sea the panel shows empty, so the student sees there is nothing there.
  const HoverLabel hover = HoverMap(MapKind::Communities, x, y);
  PanelMapa->setText(ToQString(hover.text));
  PanelMapa->setGeometry(x, y, MapLabelWidth, kMapLabelHeight);
  PanelMapa->show();
  PanelMapa->raise();
}

void TForm7::MapaEstrellasClick() {
  if (MapRegion < 1 || MapRegion > kCommunities) return;
  Places.SelectedCommunity = MapRegion;
  if (OnCommunityChosen) OnCommunityChosen(MapRegion);
}

bool TForm7::eventFilter(QObject* watched, QEvent* event) {
  if (watched == MapaEstrellas) {
    if (event->type() == QEvent::MouseMove) {
      const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
      MapaEstrellasMouseMove(at.x() + 1, at.y() + 1);
    } else if (event->type() == QEvent::MouseButtonPress) {
      MapaEstrellasClick();
    } else if (event->type() == QEvent::Leave) {
      PanelMapa->hide();
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
