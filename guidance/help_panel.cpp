#include "guidance/help_panel.h"

#include "assets/picture_lists.h"
#include "core/common.h"
#include "core/display_helpers.h"
#include "core/module_screen.h"
#include "core/qt_text.h"
#include "core/text_table.h"
#include "core/widget_colours.h"

namespace velmora {

HelpPanel::HelpPanel(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);
  SetColours(this, ToQColor(ColourCream), Qt::black);
  for (int i = 0; i < kLines; ++i) {
    auto* label = new QLabel(this);
    label->setGeometry(10, 8 + 21 * i, 270, 21);
    LabelAyu[static_cast<std::size_t>(i)] = label;
  }
  chica = new QLabel(this);
  chica->setGeometry(112, 186, 56, 168);
  TimerAyuda.setInterval(200);
  connect(&TimerAyuda, &QTimer::timeout, this, &HelpPanel::TimerAyudaTimer);
}

void HelpPanel::ShowMessage(const std::optional<std::array<int, kLines>>& lines) {
  if (lines) lines_ = *lines;
  const QFont font = ScreenFont("Arial", 11 + FontSizeAdjust);
  for (QLabel* label : LabelAyu) {
    label->clear();
    label->setFont(font);
    SetTextColour(label, Qt::black);
  }
  tick_ = 0;
  show();
  TimerAyuda.start();
}

void HelpPanel::TimerAyudaTimer() {
  if (tick_ >= kLines) {
    TimerAyuda.stop();
    tick_ = 0;
    return;
  }
  const int line = lines_[static_cast<std::size_t>(tick_)];
  const std::string_view text = line > 0 ? TextLine(line) : std::string_view();
  if (!text.empty()) PlayKeySound(true);
  if (tick_ < MenuImageList1().count()) chica->setPixmap(MenuImageList1().frame(tick_));
  LabelAyu[static_cast<std::size_t>(tick_)]->setText(ToQString(text));
  ++tick_;
}

}  // namespace velmora
