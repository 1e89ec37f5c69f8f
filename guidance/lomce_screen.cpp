#include "guidance/lomce_screen.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QPainter>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <utility>

#include "assets/picture_lists.h"
#include "core/common.h"
#include "core/display_helpers.h"
#include "core/qt_text.h"
#include "core/screen_controls.h"
#include "core/screen_registry.h"
#include "core/text_table.h"
#include "core/widget_colours.h"

namespace velmora {
namespace {

constexpr TColor kGradientTop = RGB(255, 255, 255);
constexpr TColor kGradientBottom = RGB(0, 128, 0);
constexpr QRect kPanelIti(kScreenWidth - kPanelItiWidth, kScreenHeight - kPanelItiHeight, kPanelItiWidth, kPanelItiHeight);
constexpr QPoint kPanelExAt(192, 216);
constexpr QSize kListPanel(460, 452);
constexpr QSize kCalendarPanel(374, 306);
constexpr int kGridRowHeight = 18;
constexpr int kBulletImage = 3;
constexpr int kStyleRole = Qt::UserRole + 1;

QColor Colour(TColor colour) { return ToQColor(colour); }
QColor Maroon() { return Colour(ColourMaroon); }

// Where an arrow glyph of the size starts and ends.
std::pair<QPointF, QPointF> ArrowEnds(Glyph glyph, QSizeF size, qreal margin) {
  const qreal l = margin, t = margin, r = size.width() - margin, b = size.height() - margin;
  switch (glyph) {
    case Glyph::UpLeft: return {{r, b}, {l, t}};
    case Glyph::UpRight: return {{l, b}, {r, t}};
    case Glyph::Right: return {{l, size.height() / 2}, {r, size.height() / 2}};
    default: return {{size.width() / 2, b}, {size.width() / 2, t}};
  }
}

QPixmap GlyphPicture(Glyph glyph, QSize size) {
  QPixmap picture(size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area(0, 0, size.width(), size.height());
  const QColor navy = Colour(ColourNavy);
  switch (glyph) {
    case Glyph::Subjects: {  // a page with lines: the subjects of a course
      const QRectF page = area.adjusted(3, 1, -3, -1);
      painter.setPen(QPen(navy, 1.2));
      painter.setBrush(Qt::white);
      painter.drawRect(page);
      for (int i = 1; i <= 3; ++i) {
        const qreal y = page.top() + page.height() * i / 4.0;
        painter.drawLine(QPointF(page.left() + 2.5, y), QPointF(page.right() - 2.5, y));
      }
      break;
    }
    case Glyph::Section: {  // "i": an explanation
      painter.setPen(Qt::NoPen);
      painter.setBrush(navy);
      painter.drawEllipse(area.adjusted(1, 1, -1, -1));
      painter.setBrush(Qt::white);
      const qreal cx = area.center().x();
      painter.drawEllipse(QPointF(cx, area.height() * 0.27), 1.6, 1.6);
      painter.drawRect(QRectF(cx - 1.5, area.height() * 0.42, 3, area.height() * 0.4));
      break;
    }
    case Glyph::Up:
    case Glyph::UpLeft:
    case Glyph::UpRight:
    case Glyph::Right: {
      const auto [from, to] = ArrowEnds(glyph, area.size(), 1);
      DrawArrow(painter, from, to, Maroon(), 3.5);
      break;
    }
    default: break;
  }
  return picture;
}

// A paint box: white at the top to green at the bottom.
class GradientBox : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    VerticalGradient(painter, rect(), kGradientTop, kGradientBottom);
  }
};

// A modality's frame or an arrow between two parts of the diagram; clicks go through it.
class DiagramShape : public QWidget {
 public:
  DiagramShape(QWidget* parent, ItemKind kind, Glyph glyph, int picture)
      : QWidget(parent), kind_(kind), glyph_(glyph), picture_(picture) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (kind_ == ItemKind::Frame) {
      painter.setPen(QPen(Maroon(), 2));
      painter.setBrush(QColor(255, 255, 255, 70));
      painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
      // The branch the column leads to, as the university's tiles show it.
      if (picture_ >= 0) ImageListRamas().draw(painter, QRect((width() - 28) / 2, 4, 28, 28), picture_);
      return;
    }
    const auto [from, to] = ArrowEnds(glyph_, QSizeF(size()), 2);
    DrawArrow(painter, from, to, Maroon(), 3);
  }

 private:
  ItemKind kind_;
  Glyph glyph_;
  int picture_;
};

// An evaluation wall: courses of bricks, each offset by half a brick.
QPixmap WallPicture(QSize size) {
  QPixmap picture(size);
  picture.fill(QColor(0xD9, 0xD2, 0xC5));
  QPainter painter(&picture);
  constexpr int kCourse = 10, kBrick = 26;
  for (int y = 0, course = 0; y < size.height(); y += kCourse, ++course)
    for (int x = course % 2 == 0 ? 0 : -kBrick / 2; x < size.width(); x += kBrick)
      painter.fillRect(QRect(x + 1, y + 1, kBrick - 2, kCourse - 2), QColor(0xA5, 0x4A, 0x2A));
  return picture;
}

// ListBit and ListExplica: two leading blanks in red, "-" items bulleted, the rest as they are.
// A line wider than the list wraps instead of being cut.
class ExplanationDelegate : public QStyledItemDelegate {
 public:
  explicit ExplanationDelegate(QListWidget* list) : QStyledItemDelegate(list), list_(list) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    painter->save();
    painter->fillRect(option.rect, Colour(ColourCream));
    painter->setFont(option.font);
    QString text = index.data().toString();
    const auto style = static_cast<ItemStyle>(index.data(kStyleRole).toInt());
    painter->setPen(style == ItemStyle::Red ? QColor(Qt::red) : QColor(Qt::black));
    int left = 2;
    if (style == ItemStyle::Bullet) {
      DegreesImageList1().draw(*painter, option.rect.left() + 2, option.rect.top() + 1, kBulletImage);
      text = text.mid(1);
      left = 20;
    }
    painter->drawText(option.rect.adjusted(left, 0, -2, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QFontMetrics metrics(option.font);
    const bool bullet = static_cast<ItemStyle>(index.data(kStyleRole).toInt()) == ItemStyle::Bullet;
    const int width = std::max(list_->viewport()->width() - (bullet ? 22 : 4), 20);
    const QString text = bullet ? index.data().toString().mid(1) : index.data().toString();
    const QRect needed = metrics.boundingRect(QRect(0, 0, width, 100000), Qt::AlignLeft | Qt::TextWordWrap, text);
    return {list_->viewport()->width(), std::max(metrics.height(), needed.height()) + 1};
  }

 private:
  QListWidget* list_;
};

// The calendar: the school years in maroon bold, the rows on cream or peach.
class CalendarDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    painter->save();
    painter->fillRect(option.rect, Colour(CalendarRowIsCream(index.row()) ? ColourCream : ColourPeach));
    QFont font = option.font;
    font.setBold(index.column() == 0);
    painter->setFont(font);
    painter->setPen(index.column() == 0 ? Maroon() : QColor(Qt::black));
    painter->drawText(option.rect.adjusted(3, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
    painter->restore();
  }
};

void FillList(QListWidget* list, const std::vector<std::string>& lines) {
  list->clear();
  for (const std::string& line : lines) {
    auto* item = new QListWidgetItem(ToQString(line), list);
    item->setData(kStyleRole, static_cast<int>(ListItemStyle(line)));
  }
}

QLabel* Caption(QWidget* parent, QRect geometry, const QString& text, int points, QColor colour) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  label->setFont(ScreenFont("Arial", points, true));
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  SetTextColour(label, colour);
  return label;
}

// The named controls, so the diagram's table can fill them.
template <typename Control>
using Member = std::pair<std::string_view, Control* TFlomce::*>;

const Member<QPushButton> kButtonMembers[] = {
    {"BitESO1", &TFlomce::BitESO1},     {"BitESO2", &TFlomce::BitESO2},   {"BitESO3", &TFlomce::BitESO3},
    {"BitESO4", &TFlomce::BitESO4},     {"BitMej1", &TFlomce::BitMej1},   {"BitMej2", &TFlomce::BitMej2},
    {"BitBas1", &TFlomce::BitBas1},     {"BitBas2", &TFlomce::BitBas2},   {"BitBas3", &TFlomce::BitBas3},
    {"BitBas4", &TFlomce::BitBas4},     {"BitBas5", &TFlomce::BitBas5},   {"BitFleESO1", &TFlomce::BitFleESO1},
    {"BitFleESO2", &TFlomce::BitFleESO2}, {"BitFleDejar", &TFlomce::BitFleDejar}, {"BitGM1", &TFlomce::BitGM1},
    {"BitGM2", &TFlomce::BitGM2},       {"BitFleFP", &TFlomce::BitFleFP}, {"BitFleGM", &TFlomce::BitFleGM},
    {"BitEva1", &TFlomce::BitEva1},     {"BitEva2", &TFlomce::BitEva2},   {"BitFleSel", &TFlomce::BitFleSel},
    {"BitSal1", &TFlomce::BitSal1},     {"BitCie1", &TFlomce::BitCie1},   {"BitSoc1", &TFlomce::BitSoc1},
    {"BitArt1", &TFlomce::BitArt1},     {"BitIng1", &TFlomce::BitIng1},   {"BitHu1", &TFlomce::BitHu1},
    {"BitArt2", &TFlomce::BitArt2},     {"BitHu2", &TFlomce::BitHu2},     {"BitSoc2", &TFlomce::BitSoc2},
    {"BitIng2", &TFlomce::BitIng2},     {"BitSal2", &TFlomce::BitSal2},   {"BitCie2", &TFlomce::BitCie2},
    {"BitGS", &TFlomce::BitGS},         {"BitArt3", &TFlomce::BitArt3},   {"BitHu3", &TFlomce::BitHu3},
    {"BitSoc3", &TFlomce::BitSoc3},     {"BitIng3", &TFlomce::BitIng3},   {"BitSal3", &TFlomce::BitSal3},
    {"BitCie3", &TFlomce::BitCie3},     {"BitImplanta", &TFlomce::BitImplanta},
};

const Member<QLabel> kLabelMembers[] = {
    {"Label8", &TFlomce::Label8},           {"Label9", &TFlomce::Label9},         {"Label10", &TFlomce::Label10},
    {"Label29", &TFlomce::Label29},         {"Label30", &TFlomce::Label30},       {"LabelBach1", &TFlomce::LabelBach1},
    {"LabelBach2", &TFlomce::LabelBach2},   {"LabelBach3", &TFlomce::LabelBach3}, {"LabelEva1", &TFlomce::LabelEva1},
    {"LabelEva2", &TFlomce::LabelEva2},     {"LabelEnsAca", &TFlomce::LabelEnsAca}, {"LabelEnsApli", &TFlomce::LabelEnsApli},
    {"LabelMej1", &TFlomce::LabelMej1},     {"LabelMej2", &TFlomce::LabelMej2},   {"LabelFPB1", &TFlomce::LabelFPB1},
    {"LabelFPB2", &TFlomce::LabelFPB2},     {"LabelFPGS", &TFlomce::LabelFPGS},   {"LabelFPGM", &TFlomce::LabelFPGM},
    {"LabelUni", &TFlomce::LabelUni},       {"LabelIti1", &TFlomce::LabelIti1},   {"LabelIti2", &TFlomce::LabelIti2},
    {"LabelIti3", &TFlomce::LabelIti3},     {"LabelIti4", &TFlomce::LabelIti4},   {"LabelIti5", &TFlomce::LabelIti5},
    {"LabelIti6", &TFlomce::LabelIti6},     {"LabelAno2", &TFlomce::LabelAno2},   {"LabelAno3", &TFlomce::LabelAno3},
    {"LabelAno4", &TFlomce::LabelAno4},     {"ImageMuro1", &TFlomce::ImageMuro1}, {"ImageMuro2", &TFlomce::ImageMuro2},
};

const Member<QWidget> kWidgetMembers[] = {
    {"PaintBox1", &TFlomce::PaintBox1},   {"PaintBox2", &TFlomce::PaintBox2},   {"PaintBox3", &TFlomce::PaintBox3},
    {"PaintBox4", &TFlomce::PaintBox4},   {"PaintBox5", &TFlomce::PaintBox5},   {"PaintBox6", &TFlomce::PaintBox6},
    {"PaintBox7", &TFlomce::PaintBox7},   {"PaintBox8", &TFlomce::PaintBox8},   {"PaintBox9", &TFlomce::PaintBox9},
    {"PaintBox10", &TFlomce::PaintBox10}, {"PaintBox11", &TFlomce::PaintBox11}, {"PaintBox12", &TFlomce::PaintBox12},
    {"PaintBox13", &TFlomce::PaintBox13}, {"PaintBox14", &TFlomce::PaintBox14}, {"Shape1", &TFlomce::Shape1},
    {"Shape2", &TFlomce::Shape2},         {"Shape3", &TFlomce::Shape3},         {"Shape4", &TFlomce::Shape4},
    {"Shape5", &TFlomce::Shape5},         {"Shape6", &TFlomce::Shape6},         {"Shape7", &TFlomce::Shape7},
    {"Shape8", &TFlomce::Shape8},
};

}  // namespace

// ---- Creation --------------------------------------------------------------------------------

TFlomce::TFlomce() {
  BuildControls();
  BuildDiagram();
  TimerPar.setInterval(500);
  Timerfle.setInterval(300);
  connect(&TimerPar, &QTimer::timeout, this, &TFlomce::TimerParTimer);
  connect(&Timerfle, &QTimer::timeout, this, &TFlomce::TimerfleTimer);
  Timerfle.start();
  Apply();
}

void TFlomce::BuildControls() {
  SetColours(this, Colour(ColourCream), Qt::black);
  LabelLOMCE = Caption(this, QRect(kPanelIti.left(), 40, kPanelItiWidth, 34), ToQString(InformaLRole(lomce::kLineTitle)), 12, Maroon());
  LabelFle = Caption(this, QRect(14, 42, 240, 40), ToQString(InformaLRole(lomce::kLineArrowsHint)), 10, Maroon());
  BitFleIz = ArrowButton(this, QRect(26, 90, 100, 46), false);
  BitFleDe = ArrowButton(this, QRect(142, 90, 100, 46), true);
  connect(BitFleIz, &QPushButton::clicked, this, &TFlomce::BitFleIzClick);
  connect(BitFleDe, &QPushButton::clicked, this, &TFlomce::BitFleDeClick);

  ListExplica = ScreenList(this, QRect(12, 148, 244, 554));
  ListExplica->setItemDelegate(new ExplanationDelegate(ListExplica));
  ListExplica->setSelectionMode(QAbstractItemView::NoSelection);
  ListExplica->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListExplica->setResizeMode(QListView::Adjust);
  ListExplica->show();
  BitRetro = ScreenButton(this, ToQString(TextLine(82)), QRect(12, 714, 244, 42));
  connect(BitRetro, &QPushButton::clicked, this, &TFlomce::BitRetroClick);

  Paneliti = ScreenPanel(this, kPanelIti, Colour(ColourPeach));
}

void TFlomce::BuildDiagram() {
  for (const DiagramItem& item : LomceDiagramItems()) {
    const QRect box(item.box.x, item.box.y, item.box.width, item.box.height);
    const QString caption = ToQString(ItemCaption(item));
    QWidget* part = nullptr;
    switch (item.kind) {
      case ItemKind::Band: part = new GradientBox(Paneliti); break;
      case ItemKind::Wall: {
        auto* wall = new QLabel(Paneliti);
        wall->setPixmap(WallPicture(box.size()));
        part = wall;
        break;
      }
      case ItemKind::Frame:
      case ItemKind::Arrow: part = new DiagramShape(Paneliti, item.kind, item.glyph, item.picture); break;
      case ItemKind::YearLabel:
      case ItemKind::Label:
      case ItemKind::Plaque: {
        auto* label = Caption(Paneliti, box, caption, 9, Qt::black);
        if (item.kind == ItemKind::Plaque) {
          label->setAutoFillBackground(true);
          label->setFrameShape(QFrame::Box);
          SetColours(label, Colour(ColourCream), Qt::black);
        }
        part = label;
        break;
      }
      case ItemKind::Button:
      case ItemKind::Calendar: {
        auto* button = ScreenButton(Paneliti, caption, box);
        if (item.glyph == Glyph::Course1 || item.glyph == Glyph::Course2) {
          button->setText(QString::fromUtf8(item.glyph == Glyph::Course1 ? "1º" : "2º"));
          button->setFont(ScreenFont("Arial", 9, true));
        } else if (item.glyph == Glyph::Branch) {
          button->setIcon(QIcon(ImageListRamas().frame(item.picture)));
          button->setIconSize(QSize(40, 40));
        } else if (item.glyph != Glyph::None) {
          const QSize glyph(box.width() - 6, box.height() - 6);
          button->setIcon(QIcon(GlyphPicture(item.glyph, glyph)));
          button->setIconSize(glyph);
        }
        part = button;
        break;
      }
    }
    part->setGeometry(box);
    part->setObjectName(QString::fromLatin1(item.name.data(), static_cast<int>(item.name.size())));
    parts_[std::string(item.name)] = part;
  }
  NameParts();
  for (int i = 0; i < lomce::kButtons; ++i) {
    auto* button = static_cast<QPushButton*>(parts_.at(std::string(lomce::kButtonLists[static_cast<std::size_t>(i)].name)));
    button->setToolTip(ToQString(ButtonHint(i)));
    connect(button, &QPushButton::clicked, this, [this, i] { BitFleESO1Click(i); });
  }
  parts_["LabelFle"] = LabelFle;

  PanelEx = ScreenPanel(Paneliti, QRect(kPanelExAt, kListPanel), QColor(Qt::yellow));
  ListBit = ScreenList(PanelEx, QRect(10, 10, kListPanel.width() - 20, kListPanel.height() - 66));
  ListBit->setItemDelegate(new ExplanationDelegate(ListBit));
  ListBit->setSelectionMode(QAbstractItemView::NoSelection);
  ListBit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListBit->setResizeMode(QListView::Adjust);
  grid = ScreenGrid(PanelEx, QRect(10, 10, 352, 0), 200, 150, kGridRowHeight);
  grid->setFont(ScreenFont("Arial", 9));
  grid->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
  grid->verticalHeader()->setDefaultSectionSize(kGridRowHeight);  // the style's minimum had raised it
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->resize(200 + 150 + 2 * grid->frameWidth(), lomce::kCalendarRows * kGridRowHeight + 2 * grid->frameWidth());
  grid->setRowCount(lomce::kCalendarRows);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  grid->setItemDelegate(new CalendarDelegate(grid));
  BotCerrar = ScreenButton(PanelEx, ToQString(TextLine(13)), QRect(0, 0, 150, 38));
  connect(BotCerrar, &QPushButton::clicked, this, &TFlomce::BotCerrarClick);
  connect(BitImplanta, &QPushButton::clicked, this, &TFlomce::BitImplantaClick);
  PanelEx->hide();
}

void TFlomce::NameParts() {
  for (const auto& [name, member] : kButtonMembers) this->*member = static_cast<QPushButton*>(Part(name));
  for (const auto& [name, member] : kLabelMembers) this->*member = static_cast<QLabel*>(Part(name));
  for (const auto& [name, member] : kWidgetMembers) this->*member = Part(name);
}

QWidget* TFlomce::Part(std::string_view name) const {
  const auto found = parts_.find(name);
  return found == parts_.end() ? nullptr : found->second;
}

// ---- Showing ---------------------------------------------------------------------------------

void TFlomce::Apply() {
  for (const auto& [name, part] : parts_) part->setVisible(Diagram.Visible(name));
  BitFleIz->setEnabled(Diagram.BackEnabled());
  BitFleDe->setEnabled(Diagram.NextEnabled());
  if (Diagram.Explanation() != shownExplanation_) {
    shownExplanation_ = Diagram.Explanation();
    FillList(ListExplica, shownExplanation_);
  }
  if (!Diagram.StepBlinking()) TimerPar.stop();
  if (!Diagram.FleBlinking()) Timerfle.stop();
}

void TFlomce::ShowStepChange() {
  Apply();
  if (Diagram.StepBlinking()) TimerPar.start();  // from its first tick again
}

void TFlomce::showEvent(QShowEvent* event) {
  ModuleScreen::showEvent(event);
  FormActivate();
}

void TFlomce::FormActivate() {
  Diagram.ExplainFirstStep();
  Apply();
}

void TFlomce::BitFleDeClick() {
  Diagram.Next();
  ShowStepChange();
}

void TFlomce::BitFleIzClick() {
  Diagram.Back();
  ShowStepChange();
}

void TFlomce::TimerParTimer() {
  Diagram.StepBlinkTick();
  Apply();
}

void TFlomce::TimerfleTimer() {
  Diagram.FleTick();
  Apply();
}

// ---- The explanation panel -------------------------------------------------------------------

void TFlomce::OpenPanel(QWidget* content, QSize size) {
  ListBit->setVisible(content == ListBit);
  grid->setVisible(content == grid);
  PanelEx->resize(size);
  BotCerrar->move(size.width() - BotCerrar->width() - 10, size.height() - BotCerrar->height() - 10);
  PanelEx->show();
  PanelEx->raise();
}

void TFlomce::BitFleESO1Click(int button) {
  FillList(ListBit, ButtonList(button));
  OpenPanel(ListBit, kListPanel);
}

void TFlomce::BitImplantaClick() {
  const CalendarCells cells = ImplantationCalendar();
  grid->clearContents();
  for (int row = 0; row < lomce::kCalendarRows; ++row)
    for (int column = 0; column < 2; ++column)
      grid->setItem(row, column, new QTableWidgetItem(ToQString(cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)])));
  OpenPanel(grid, kCalendarPanel);
}

void TFlomce::BotCerrarClick() {
  PanelEx->hide();
  Diagram.CloseList();
  Apply();
}

// ---- Leaving ---------------------------------------------------------------------------------

void TFlomce::BitRetroClick() {
  QWidget* itineraries = ScreenNamed("TForm2");
  if (itineraries == nullptr) {
    // Without the itineraries screen the usual way back still leaves a screen on view.
    GoBack();
    return;
  }
  hide();
  itineraries->show();
  itineraries->raise();
  itineraries->activateWindow();
}

void TFlomce::closeEvent(QCloseEvent* event) {
  event->ignore();
  BitRetroClick();
}

}  // namespace velmora
