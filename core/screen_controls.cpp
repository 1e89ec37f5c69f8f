#include "core/screen_controls.h"

#include <QHeaderView>
#include <QPolygonF>
#include <algorithm>

#include "core/common.h"
#include "core/module_screen.h"
#include "core/qt_text.h"
#include "core/shadow_label.h"
#include "core/widget_colours.h"

namespace velmora {

QPushButton* ScreenButton(QWidget* parent, const QString& caption, QRect geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(geometry);
  button->setCursor(Qt::PointingHandCursor);
  button->setFont(ScreenFont("Arial", 10));
  return button;
}

QListWidget* ScreenList(QWidget* parent, QRect geometry, int points) {
  auto* list = new QListWidget(parent);
  list->setGeometry(geometry);
  list->setFont(ScreenFont("Arial", points));
  SetColours(list, ToQColor(ColourCream), Qt::black);
  list->hide();
  return list;
}

QTableWidget* ScreenGrid(QWidget* parent, QRect geometry, int firstWidth, int secondWidth, int rowHeight) {
  auto* grid = new QTableWidget(0, 2, parent);
  grid->setGeometry(geometry);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setDefaultSectionSize(rowHeight);
  grid->setColumnWidth(0, firstWidth);
  grid->setColumnWidth(1, secondWidth);
  grid->setShowGrid(false);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setFont(ScreenFont("Arial", 10));
  SetColours(grid, ToQColor(ColourCream), Qt::black);
  grid->hide();
  return grid;
}

QFrame* ScreenPanel(QWidget* parent, QRect geometry, QColor background) {
  auto* panel = new QFrame(parent);
  panel->setGeometry(geometry);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  panel->setAutoFillBackground(true);
  SetColours(panel, background, Qt::black);
  return panel;
}

QLabel* HintBubble(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setFrameShape(QFrame::Box);
  label->setAlignment(Qt::AlignCenter);
  SetColours(label, QColor(0xFF, 0xFF, 0x80), Qt::black);
  label->adjustSize();
  label->resize(label->width() + 12, label->height() + 6);
  label->hide();
  return label;
}

QLabel* ScreenCaption(QWidget* parent, QRect geometry, QColor background, QColor text, int points) {
  auto* label = new QLabel(parent);
  label->setGeometry(geometry);
  label->setFont(ScreenFont("Arial", points, true));
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  SetColours(label, background, text);
  label->hide();
  return label;
}

QLabel* BigScreenLabel(QWidget* parent, const QString& text, int top, int points) {
  auto* label = new ShadowLabel(text, parent);
  label->setFont(ScreenFont("Arial", points, true));
  SetColours(label, ToQColor(ColourLabelHot), ToQColor(ColourNavy));
  const int width = QFontMetrics(label->font()).horizontalAdvance(text) + 24;
  label->setGeometry(kScreenWidth / 2 - width / 2, top, width, QFontMetrics(label->font()).height() + 6);
  return label;
}

void DrawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, qreal width) {
  const QLineF line(from, to);
  if (line.length() <= 0) return;
  const qreal head = std::min(line.length() * 0.6, width * 3.2);
  const QPointF unit = (from - to) / line.length();
  const QPointF normal(-unit.y(), unit.x());
  const QPointF base = to + unit * head;
  painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(from, base);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPolygon(QPolygonF{to, base + normal * head * 0.7, base - normal * head * 0.7});
}

QPushButton* ArrowButton(QWidget* parent, QRect geometry, bool right) {
  auto* button = ScreenButton(parent, QString(), geometry);
  const QSize glyph(geometry.width() - 24, geometry.height() - 16);
  QPixmap picture(glyph);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal y = glyph.height() / 2.0;
  DrawArrow(painter, QPointF(right ? 2 : glyph.width() - 2, y), QPointF(right ? glyph.width() - 2 : 2, y),
            ToQColor(ColourMaroon), 6);
  button->setIcon(QIcon(picture));
  button->setIconSize(glyph);
  return button;
}

std::vector<int> SelectedRows(const QListWidget* list) {
  std::vector<int> rows;
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->isSelected()) rows.push_back(i);
  return rows;
}

}  // namespace velmora
