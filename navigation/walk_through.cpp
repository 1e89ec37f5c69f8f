#include "navigation/walk_through.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "core/common.h"
#include "core/navigation.h"
#include "core/picture_archive.h"
#include "core/qt_text.h"
#include "core/shared_bitmaps.h"
#include "core/text_table.h"

namespace velmora {
namespace {

constexpr int kTickInterval = 33;
constexpr int kWipeInterval = 15;
constexpr int kWipeDivisor = 5;  // the wipe step of a machine of 1000 to 3000 MHz
constexpr double kLongestTick = 100;  // a stalled tick moves no further than three

// The fixed lines of the bubble far out to the right, where the building ends.
constexpr std::array<std::string_view, 4> kLostLines = {"    Estas perdido...", "    \xA1\xA1\xA1\xA1  Vuelve  !!!!",
                                                        "    Es mejor seguir ", "    estudiando."};

QFont WalkFont(int points, bool bold = false) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(points * 96 / 72);
  font.setBold(bold);
  return font;
}

// Text drawn twice: in black, and in the walk's colour one pixel higher.
void ShadowText(QPainter& painter, QPointF at, const QString& text, const QColor& colour) {
  painter.setPen(Qt::black);
  painter.drawText(at, text);
  painter.setPen(colour);
  painter.drawText(at - QPointF(0, 1), text);
}

}  // namespace

PictureSizes SizesOf(const WalkPictures& pictures) {
  PictureSizes sizes;
  for (const PictureArchive* archive : {&pictures.figure, &pictures.building})
    for (const auto& [name, picture] : *archive) sizes[name] = {picture.width, picture.height};
  return sizes;
}

Tform9::Tform9() : Scene(SizesOf(LoadedWalkPictures())), pictures_(LoadedWalkPictures()) {
  WalkThroughStarted = true;
  setWindowTitle(QStringLiteral("Velmora"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setWindowState(Qt::WindowFullScreen);
  resize(kViewWidth, kViewHeight);
  DXTimer.setInterval(kTickInterval);
  connect(&DXTimer, &QTimer::timeout, this, [this] { WipeStep > 0 ? WipeTick() : DXTimerTimer(); });
  Navigation().walkThrough = this;
}

const QImage* Tform9::Picture(int archive, const std::string& name) const {
  const PictureArchive& from = archive == 1 ? pictures_.figure : pictures_.building;
  const auto found = from.find(name);
  if (found == from.end() || found->second.Image().isNull()) return nullptr;
  return &found->second.Image();
}

// ---- The tick ------------------------------------------------------------------------------------

void Tform9::DXTimerTimer() {
  // The figure moves by the time gone, at the pace of 33 ms ticks, on any machine.
  const double elapsed = clock_.isValid() ? std::min<double>(clock_.restart(), kLongestTick) : kTickMs;
  if (!clock_.isValid()) clock_.start();
  const WalkOutcome outcome = Scene.Tick(kStepPerTick * elapsed / kTickMs, cursor_.x(), cursor_.y());
  setCursor(outcome.handCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
  DrawScene();
  update();
  switch (outcome.event) {
    case WalkEvent::OpenDoor: return OpenDoor(outcome.door);
    case WalkEvent::LeaveStudies: return OpenDoor(kDoorCertificates);
    case WalkEvent::AskExit: close(); return;
    case WalkEvent::LeaveToMenu: return LeaveToMenu();
    case WalkEvent::None: return;
  }
}

void Tform9::DrawScene() {
  // Made by the first tick, once the loop runs: the window shows black until then.
  if (BackBuffer.isNull()) BackBuffer = QImage(kViewWidth, kViewHeight, QImage::Format_RGB32);
  QPainter painter(&BackBuffer);
  painter.fillRect(BackBuffer.rect(), Qt::black);
  const WalkFigure& figure = Scene.figure;
  // The floor, tiled under everything.
  if (const QImage* floor = Picture(2, "background")) {
    QBrush tiles(*floor);
    tiles.setTransform(QTransform::fromTranslate(-figure.X + kFigureScreenX, -figure.Y + kFigureScreenY));
    painter.fillRect(BackBuffer.rect(), tiles);
  }
  // The list is kept between ticks, so a tick allocates nothing.
  std::vector<DrawItem>& items = drawItems_;
  items.clear();
  for (std::size_t i = 0; i < Scene.objects.size(); ++i) {
    const SceneObject& object = Scene.objects[i];
    if (object.role == SceneRole::Bubble && !Scene.state.bubbleShown) continue;
    items.push_back({object.z, i, Picture(object.archive, object.picture), object.x, object.y});
  }
  items.push_back({Scene.figureZ, Scene.objects.size(), Picture(1, figure.picture), figure.X, figure.Y});
  if (Scene.marker) items.push_back({2, Scene.objects.size() + 1, Picture(1, Scene.marker->picture), Scene.marker->X, Scene.marker->Y});
  std::sort(items.begin(), items.end(), [](const DrawItem& a, const DrawItem& b) { return a.z != b.z ? a.z < b.z : a.order < b.order; });
  for (const DrawItem& item : items)
    if (item.image != nullptr) painter.drawImage(QPointF(std::round(Scene.ScreenX(item.x)), std::round(Scene.ScreenY(item.y))), *item.image);
  DrawTexts(painter);
}

void Tform9::DrawTexts(QPainter& painter) {
  const QColor walkColour = ToQColor(ColourWalkFont);
  for (const SceneObject& object : Scene.objects) {
    if (object.role != SceneRole::Sign) continue;
    const QImage* image = Picture(object.archive, object.picture);
    if (image == nullptr) continue;
    painter.setFont(WalkFont(object.points + FontSizeAdjust));
    const QFontMetrics metrics = painter.fontMetrics();
    const double columnWidth = static_cast<double>(image->width()) / object.texts.size();
    for (std::size_t column = 0; column < object.texts.size(); ++column) {
      const std::vector<std::string>& lines = object.texts[column];
      const double centreX = Scene.ScreenX(object.x) + columnWidth * (column + 0.5);
      const double centreY = Scene.ScreenY(object.y) + image->height() / 2.0;
      const double lineHeight = metrics.height() - 2;
      for (std::size_t k = 0; k < lines.size(); ++k) {
        const QString text = ToQString(lines[k]);
        const double top = centreY - lineHeight * lines.size() / 2.0 + lineHeight * k;
        ShadowText(painter, QPointF(centreX - metrics.horizontalAdvance(text) / 2.0, top + metrics.ascent()), text, walkColour);
      }
    }
  }
  if (Scene.state.bubbleShown) {
    painter.setFont(WalkFont(10 + FontSizeAdjust));
    painter.setPen(Qt::black);
    const SceneObject& bubble = Scene.Object(SceneRole::Bubble);
    const QPointF at(Scene.ScreenX(bubble.x) + 31, Scene.ScreenY(bubble.y) + 15);
    for (std::size_t k = 0; k < 4; ++k) {
      const int line = Scene.state.bubble[k];
      const QString text = Scene.state.bubbleLost ? ToQString(kLostLines[k]) : line != 0 ? ToQString(TextLine(line)) : QString();
      painter.drawText(at + QPointF(0, 12 + 12.0 * k), text.trimmed());
    }
  }
  if (Scene.titleShown) {
    const QString centre = ToQString(CentreName);
    const QColor normal = ToQColor(ColourLabelNormal);
    painter.setFont(WalkFont(22 + FontSizeAdjust, true));
    painter.setPen(QColor(0xC0, 0xC0, 0xC0));
    painter.drawText(QPointF(500, 665 + painter.fontMetrics().ascent()), centre);
    painter.setPen(normal);
    painter.drawText(QPointF(498, 663 + painter.fontMetrics().ascent()), centre);
    painter.setFont(WalkFont(48 + FontSizeAdjust, true));
    painter.setPen(QColor(0xC0, 0xC0, 0xC0));
    painter.drawText(QPointF(400, 560 + painter.fontMetrics().ascent()), QStringLiteral("2015/16"));
    painter.setPen(normal);
    painter.drawText(QPointF(398, 556 + painter.fontMetrics().ascent()), QStringLiteral("2015/16"));
  }
}

// ---- The view on any display ---------------------------------------------------------------------

// The 1024 x 768 view scaled to fill the widget's height or width, centred, black around it.
QRect Tform9::ViewRect() const {
  const double scale = std::min(static_cast<double>(width()) / kViewWidth, static_cast<double>(height()) / kViewHeight);
  const QSize size(static_cast<int>(kViewWidth * scale), static_cast<int>(kViewHeight * scale));
  return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

QPoint Tform9::ToView(QPointF widgetPoint) const {
  const QRect view = ViewRect();
  if (view.width() <= 0 || view.height() <= 0) return {};
  return {static_cast<int>((widgetPoint.x() - view.x()) * kViewWidth / view.width()),
          static_cast<int>((widgetPoint.y() - view.y()) * kViewHeight / view.height())};
}

void Tform9::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (BackBuffer.isNull()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(ViewRect(), BackBuffer);
}

// ---- Mouse and keys ------------------------------------------------------------------------------

void Tform9::mousePressEvent(QMouseEvent* event) {
  cursor_ = ToView(event->position());
  if (event->button() == Qt::LeftButton) DXDrawClick(cursor_);
}

void Tform9::mouseMoveEvent(QMouseEvent* event) { cursor_ = ToView(event->position()); }

void Tform9::mouseDoubleClickEvent(QMouseEvent* event) {
  cursor_ = ToView(event->position());
  DXDrawDblClick();
}

void Tform9::wheelEvent(QWheelEvent* event) {
  cursor_ = ToView(event->position());
  DXDrawClick(cursor_);
}

void Tform9::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) close();
}

void Tform9::DXDrawClick(QPoint view) {
  cursor_ = view;
  const WalkOutcome outcome = Scene.Click(view.x(), view.y());
  if (outcome.event == WalkEvent::AskExit) close();
  if (outcome.event == WalkEvent::LeaveToMenu) {
    DXTimer.start();
    WipeStep = 1;
  }
}

void Tform9::DXDrawDblClick() { Scene.DoubleClick(); }

// The tiled picture grows from the lower-left corner until it covers the view, then the corridor.
void Tform9::WipeTick() {
  const int c = 1 + (WipeStep - 1) * (65 / kWipeDivisor), d = 1 + (WipeStep - 1) * (50 / kWipeDivisor);
  if (c >= kViewWidth) {
    WipeStep = 0;
    LeaveToMenu();
    return;
  }
  if (wipePicture_.isNull()) {  // made for the first wipe, not at every start
    wipePicture_ = QImage(kViewWidth, kViewHeight, QImage::Format_RGB32);
    wipePicture_.fill(Qt::black);
    if (const QImage& tile = *Bitmaps().BmpPart; !tile.isNull()) {
      QPainter tiler(&wipePicture_);
      tiler.fillRect(wipePicture_.rect(), QBrush(tile));
    }
  }
  if (BackBuffer.isNull()) DrawScene();
  QPainter painter(&BackBuffer);
  painter.drawImage(QRect(0, kViewHeight - d, c, d), wipePicture_);
  ++WipeStep;
  DXTimer.setInterval(kWipeInterval);
  update();
}

// ---- Doors and leaving ---------------------------------------------------------------------------

void Tform9::OpenDoor(int door) {
  QWidget* screen = PrepareDoor(door);
  if (screen == nullptr) return;  // nothing behind that door yet: keep walking
  DXTimer.stop();
  clock_.invalidate();
  if (door == kDoorAssistant) InAssistant = true;
  if (door == kDoorCertificates) HelpStep = 0;
  OpenedDoor = door;
  hide();
  screen->show();
  screen->raise();
  screen->activateWindow();
}

void Tform9::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (StartAborted) {
    close();
    return;
  }
  // Back from a door's screen: the figure walks back out of it.
  if (OpenedDoor >= 1 && OpenedDoor <= kDoors) Scene.ReturnFromDoor(OpenedDoor);
  OpenedDoor = 0;
  WalkThroughStarted = true;
  WipeStep = 0;
  DXTimer.setInterval(kTickInterval);
  DXTimer.start();
  raise();
  activateWindow();
}

void Tform9::LeaveToMenu() {
  DXTimer.stop();
  clock_.invalidate();
  WipeStep = 0;
  hide();
  AnimationOn = false;
  unsetCursor();
  if (QWidget* menu = MainMenu()) {
    menu->show();
    menu->raise();
    menu->activateWindow();
  }
}

void Tform9::closeEvent(QCloseEvent* event) {
  DXTimer.stop();
  if (ConfirmExit(ExitQuestionStyle::kMessageBox)) return;
  event->ignore();
  DXTimer.start();
}

}  // namespace velmora
