#include "core/hint_window.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QScreen>

namespace velmora {
namespace {

constexpr int kTailTop = 20;  // the bubble's body starts below its tail
constexpr int kHideAfterMs = 8000;
const QColor kHintColour(255, 255, 225);

}  // namespace

QSize HintBubbleSize(const QSize& textSize) {
  // The standard hint adds 6 pixels across and 2 down; the bubble grows 10 and 30 more.
  return {textSize.width() + 6 + 10, textSize.height() + 2 + 30};
}

QRect HintTextArea(const QSize& bubble) {
  return QRect(QPoint(0, 0), bubble).adjusted(5, 5 + 22, -5, -5);
}

QPainterPath HintShape(const QSize& bubble) {
  QPainterPath body;
  body.addRoundedRect(QRectF(0, kTailTop, bubble.width(), bubble.height() - kTailTop), 15, 15);
  QPainterPath tail;
  tail.addPolygon(QPolygonF({QPointF(18, 20), QPointF(23, 0), QPointF(33, 20)}));
  tail.closeSubpath();
  return body.united(tail);
}

TMonHint::TMonHint() : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSize TMonHint::CalcHintRect(const QString& text) const {
  const QRect wrapped = QFontMetrics(font()).boundingRect(QRect(0, 0, kHintMaxTextWidth, 10000),
                                                          Qt::AlignLeft | Qt::TextWordWrap, text);
  return HintBubbleSize(wrapped.size());
}

void TMonHint::ActivateHint(const QPoint& at, const QString& text) {
  text_ = text;
  const QSize size = CalcHintRect(text);
  setFixedSize(size);
  QPoint position = at - QPoint(23, 0);
  if (const QScreen* screen = QGuiApplication::screenAt(at)) {
    const QRect area = screen->availableGeometry();
    position.setX(std::clamp(position.x(), area.left(), std::max(area.left(), area.right() - size.width())));
    position.setY(std::clamp(position.y(), area.top(), std::max(area.top(), area.bottom() - size.height())));
  }
  move(position);
  NeedsShape = true;
  show();
  raise();
  update();
}

void TMonHint::paintEvent(QPaintEvent*) {
  const QPainterPath shape = HintShape(size());
  if (NeedsShape) {
    setMask(QRegion(shape.toFillPolygon().toPolygon()));
    NeedsShape = false;
  }
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillPath(shape, kHintColour);
  painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 2));
  painter.drawPath(shape);
  painter.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 1));
  painter.drawPath(shape);
  HintManager::Instance().BubblePainted();
  painter.setPen(Qt::black);
  painter.drawText(HintTextArea(size()), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text_);
}

HintManager::HintManager() {
  delay_.setSingleShot(true);
  hide_.setSingleShot(true);
  connect(&delay_, &QTimer::timeout, this, [this] {
    if (pending_) ShowHintOf(pending_, QCursor::pos());
  });
  connect(&hide_, &QTimer::timeout, this, &HintManager::HideHint);
}

HintManager& HintManager::Instance() {
  static HintManager* manager = new HintManager;  // lives as long as the application
  return *manager;
}

void HintManager::Install() { qApp->installEventFilter(&Instance()); }

void HintManager::ShowHintOf(QWidget* control, const QPoint& globalPosition) {
  if (control == nullptr || control->toolTip().isEmpty() || !control->isVisible()) return;
  window_.ActivateHint(globalPosition + QPoint(0, 16), control->toolTip());
  hide_.start(kHideAfterMs);
}

void HintManager::HideHint() {
  delay_.stop();
  hide_.stop();
  pending_ = nullptr;
  window_.hide();
}

bool HintManager::eventFilter(QObject* watched, QEvent* event) {
  auto* control = qobject_cast<QWidget*>(watched);
  if (control == nullptr || control == &window_) return false;
  switch (event->type()) {
    case QEvent::ToolTip:
      return true;  // the bubble replaces the standard tooltip
    case QEvent::Enter:
    case QEvent::MouseMove: {
      // A move passed on to a parent says nothing new: only the control under the mouse counts.
      if (event->type() == QEvent::MouseMove &&
          control->childAt(static_cast<QMouseEvent*>(event)->position().toPoint()) != nullptr)
        break;
      // The mouse rests on the nearest control that has a hint.
      QWidget* owner = control;
      while (owner != nullptr && owner->toolTip().isEmpty() && !owner->isWindow()) owner = owner->parentWidget();
      if (owner != nullptr && owner->toolTip().isEmpty()) owner = nullptr;
      if (owner == pending_) break;
      HideHint();
      if (owner == nullptr) break;
      pending_ = owner;
      delay_.start(hintPause_);
      break;
    }
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::Hide:
      if (control == pending_) HideHint();
      break;
    default:
      break;
  }
  return false;
}

}  // namespace velmora
