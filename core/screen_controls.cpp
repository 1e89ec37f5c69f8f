#include "core/screen_controls.h"

#include <QHeaderView>

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

}  // namespace velmora
