// The speech-bubble hint that replaces the standard tooltip in the whole program: a rounded
// bubble with a tail at its top left, framed in two greys, showing a control's hint text.
#pragma once

#include <QPainterPath>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace velmora {

// Bubble geometry for a text that needs textSize when wrapped at the 300-pixel maximum.
QSize HintBubbleSize(const QSize& textSize);
QRect HintTextArea(const QSize& bubble);
QPainterPath HintShape(const QSize& bubble);
inline constexpr int kHintMaxTextWidth = 300;

class TMonHint : public QWidget {
  Q_OBJECT

 public:
  TMonHint();

  // Shows text with the bubble's tail at the point (global coordinates).
  void ActivateHint(const QPoint& at, const QString& text);
  QSize CalcHintRect(const QString& text) const;
  const QString& text() const { return text_; }

  bool NeedsShape = false;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

// Shows a TMonHint for every control that has a hint, after the application's hint delay.
class HintManager : public QObject {
  Q_OBJECT

 public:
  static HintManager& Instance();
  // Installs the bubble as the program's hint window.
  static void Install();

  int HintPause() const { return hintPause_; }
  void SetHintPause(int milliseconds) { hintPause_ = milliseconds; }
  TMonHint& Window() { return window_; }

  // Shows the hint of the control now (what the delay timer does when it runs out).
  void ShowHintOf(QWidget* control, const QPoint& globalPosition);
  void HideHint();

  // Set once the first bubble has been painted: from then on hints wait 400 ms.
  void BubblePainted() { hintPause_ = 400; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  HintManager();
  TMonHint window_;
  QTimer delay_;
  QTimer hide_;
  QPointer<QWidget> pending_;
  int hintPause_ = 500;
};

}  // namespace velmora
