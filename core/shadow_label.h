// A label whose text has a 2-pixel white shadow, as the screens' title and centre labels show it.
#pragma once

#include <QLabel>
#include <QPainter>

namespace velmora {

class ShadowLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setFont(font());
    painter.setPen(Qt::white);
    painter.drawText(rect().translated(2, 2), Qt::AlignCenter, text());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, text());
  }
};

}  // namespace velmora
