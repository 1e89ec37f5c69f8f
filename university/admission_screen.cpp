#include "university/admission_screen.h"

#include <QCloseEvent>
#include <QPainter>

#include "core/common.h"
#include "core/data_file.h"
#include "core/display_helpers.h"
#include "core/qt_text.h"
#include "core/screen_controls.h"
#include "core/screen_registry.h"
#include "core/shell.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "core/widget_colours.h"
#include "university/degree_tables.h"

namespace velmora {
namespace {

TForm6* admissionScreen = nullptr;

QString QText(int line) { return ToQString(TextLine(line)); }

// Both panels show the same gradient, so they share one picture.
QLabel* Gradient(QWidget* parent, QSize size) {
  static QPixmap shared;
  if (shared.size() != size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    VerticalGradient(painter, image.rect(), RGB(0xFF, 0xFF, 0xFF), ColourGreen);
    painter.end();
    shared = QPixmap::fromImage(image);
  }
  auto* label = new QLabel(parent);
  label->setGeometry(QRect(QPoint(0, 0), size));
  label->setPixmap(shared);
  return label;
}

QLabel* Label(QWidget* parent, const QString& text, QRect geometry, bool bold = false) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  label->setFont(ScreenFont("Arial", 10, bold));
  label->setWordWrap(true);
  return label;
}

// The page as the data folder has it, Windows-1252.
QString PageHtml(const std::string& page) {
  std::string html;
  if (!ForEachFileLine(page, [&html](std::string_view line) {
        html.append(line).append("\n");
        return true;
      }))
    return ToQString(MissingFileText(page)).toHtmlEscaped();
  return ToQString(html);
}

}  // namespace

TForm6* AdmissionScreen() { return InstanceOrBuilt(admissionScreen, "TForm6"); }

TForm6::TForm6() {
  SetColours(this, ToQColor(ColourCream), Qt::black);
  const QSize client(kScreenWidth, kScreenHeight);

  Panelinfo = new QWidget(this);
  Panelinfo->setGeometry(rect());
  SetColours(Panelinfo, ToQColor(ColourPeach), Qt::black);
  Panelinfotop = new QWidget(Panelinfo);
  Panelinfotop->setGeometry(0, 0, kScreenWidth, 44);
  Labelinfo = Label(Panelinfotop, ToQString(std::string(TextLine(348)) + std::string(34, ' ')), QRect(12, 10, 420, 24), true);
  Labelinfo->setWordWrap(false);
  SetTextColour(Labelinfo, ToQColor(ColourMaroon));
  ComboInfo = new QComboBox(Panelinfotop);
  ComboInfo->setGeometry(450, 8, 330, 28);
  ComboInfo->setFont(ScreenFont("Arial", 10));
  ComboInfo->setPlaceholderText("Importante");
  for (const QString& item : {QText(111), QText(178) + " - " + QText(46), QText(346), QText(347)}) ComboInfo->addItem(item);
  connect(ComboInfo, &QComboBox::activated, this, &TForm6::ComboInfoChange);
  ButtonRetroN = ScreenButton(Panelinfotop, QText(13), QRect(860, 8, 140, 28));
  connect(ButtonRetroN, &QPushButton::released, this, &TForm6::ButtonRetroNMouseUp);
  WebBrowser1 = new QTextBrowser(Panelinfo);
  WebBrowser1->setGeometry(0, 44, kScreenWidth, kScreenHeight - 44);
  WebBrowser1->setOpenLinks(false);
  // Pages of other sites go to the student's browser; nothing about the school is sent.
  connect(WebBrowser1, &QTextBrowser::anchorClicked, this, [](const QUrl& url) { OpenWithShell(FromQString(url.toString())); });
  Panelinfo->hide();

  PanelCorte = new QWidget(this);
  PanelCorte->setGeometry(rect());
  Imagecorte = Gradient(PanelCorte, client);
  LabelCorteSelecti = Label(PanelCorte, ToQString(std::string(TextLine(696)) + "  " + std::string(kSchoolYear)), QRect(40, 24, 600, 28), true);
  LabelCorteSelecti->setFont(ScreenFont("Arial", 14, true));
  SetTextColour(LabelCorteSelecti, ToQColor(ColourMaroon));
  LabelCorte1 = Label(PanelCorte, QText(695), QRect(40, 60, 600, 22));
  LabelCorte2 = Label(PanelCorte, QText(694), QRect(40, 92, 200, 22), true);
  Buttoncorte6 = ScreenButton(PanelCorte, QText(690), QRect(250, 88, 110, 30));
  Buttoncorte7 = ScreenButton(PanelCorte, QText(691), QRect(370, 88, 110, 30));
  ButtonCorte8 = ScreenButton(PanelCorte, QText(692), QRect(490, 88, 110, 30));
  connect(Buttoncorte6, &QPushButton::clicked, this, [this] { ButtoncorteClick(60); });
  connect(Buttoncorte7, &QPushButton::clicked, this, [this] { ButtoncorteClick(70); });
  connect(ButtonCorte8, &QPushButton::clicked, this, [this] { ButtoncorteClick(80); });
  LabelMasde = Label(PanelCorte, {}, QRect(40, 130, 200, 22), true);
  LabelTotal = Label(PanelCorte, QText(693), QRect(380, 130, 100, 22), true);
  L = ScreenGrid(PanelCorte, QRect(40, 156, 440, 540), 340, 70, 19);
  connect(L, &QTableWidget::cellClicked, this, [this](int row, int) { LClick(row); });
  LabelCorte3 = Label(PanelCorte, {}, QRect(520, 130, 460, 22), true);
  SetTextColour(LabelCorte3, ToQColor(ColourMaroon));
  listcalc = ScreenGrid(PanelCorte, QRect(520, 156, 460, 540), 360, 70, 19);
  BotCerrar3 = ScreenButton(PanelCorte, QText(13), QRect(860, 24, 120, 30));
  connect(BotCerrar3, &QPushButton::clicked, this, &TForm6::BotCerrar3Click);
  PanelCorte->hide();

  PanelPonderacion = new QWidget(this);
  PanelPonderacion->setGeometry(rect());
  ImagePonderacion = Gradient(PanelPonderacion, client);
  PanelPonderacion2 = new QWidget(PanelPonderacion);
  PanelPonderacion2->setGeometry(200, 80, 624, 600);
  SetColours(PanelPonderacion2, ToQColor(ColourPeach), Qt::black);
  LabelUnis = Label(PanelPonderacion2, QText(678) + " " + QText(239), QRect(16, 12, 592, 24), true);
  SetTextColour(LabelUnis, ToQColor(ColourMaroon));
  LabelPondera1 = Label(PanelPonderacion2, QText(689), QRect(16, 40, 592, 40));
  ListUnis = ScreenList(PanelPonderacion2, QRect(16, 84, 592, 460));
  ListUnis->show();
  ListUnis->setCursor(Qt::PointingHandCursor);
  connect(ListUnis, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { ListUnisDblClick(ListUnis->row(item)); });
  Botcerrar4 = ScreenButton(PanelPonderacion2, QText(13), QRect(252, 556, 120, 30));
  connect(Botcerrar4, &QPushButton::clicked, this, &TForm6::Botcerrar4Click);
  PanelPonderacion->hide();

  Timermueve.setInterval(100);
  connect(&Timermueve, &QTimer::timeout, this, &TForm6::TimermueveTimer);
  admissionScreen = this;
}

TForm6::~TForm6() {
  if (admissionScreen == this) admissionScreen = nullptr;
}

void TForm6::ShowInformation(int item) {
  PanelCorte->hide();
  PanelPonderacion->hide();
  Panelinfo->show();
  Timermueve.start();
  ComboInfo->setCurrentIndex(item);
  ComboInfoChange(item);
  show();
  raise();
}

void TForm6::ComboInfoChange(int item) {
  WebBrowser1->setHtml(PageHtml(AdmissionPage(item)));
  WebBrowser1->setFocus();
}

void TForm6::TimermueveTimer() {
  const QString text = Labelinfo->text();
  if (text.size() > 1) Labelinfo->setText(text.mid(1) + text.front());
}

void TForm6::ButtonRetroNMouseUp() {
  Panelinfo->hide();
  Timermueve.stop();
  BackToDegrees();
}

void TForm6::ShowCutOffs() {
  Panelinfo->hide();
  PanelPonderacion->hide();
  PanelCorte->show();
  show();
  raise();
}

void TForm6::ButtoncorteClick(int thresholdTenths) {
  listcalc->hide();
  listcalc->setRowCount(0);
  LabelCorte3->clear();
  LabelMasde->setText(thresholdTenths == 60 ? Buttoncorte6->text() : thresholdTenths == 70 ? Buttoncorte7->text() : ButtonCorte8->text());
  CutOffRows = HighCutOffRows(thresholdTenths);
  L->setRowCount(static_cast<int>(CutOffRows.size()));
  for (std::size_t r = 0; r < CutOffRows.size(); ++r) {
    L->setItem(static_cast<int>(r), 0, new QTableWidgetItem(ToQString(CutOffRows[r].name)));
    L->setItem(static_cast<int>(r), 1, new QTableWidgetItem(ToQString(CutOffRows[r].count)));
  }
  L->scrollToTop();
  L->show();
}

void TForm6::LClick(int row) {
  if (row < 0 || row >= static_cast<int>(CutOffRows.size())) return;
  const HighMarkRow& chosen = CutOffRows[static_cast<std::size_t>(row)];
  LabelCorte3->setText(ToQString(TrimBothBlanks(chosen.name)));
  listcalc->setRowCount(static_cast<int>(chosen.universities.size()));
  for (std::size_t k = 0; k < chosen.universities.size(); ++k) {
    const auto [university, mark] = chosen.universities[k];
    listcalc->setItem(static_cast<int>(k), 0, new QTableWidgetItem(ToQString(TrimBlanks(UniversityName(university)))));
    listcalc->setItem(static_cast<int>(k), 1, new QTableWidgetItem(ToQString(MarkText(mark))));
  }
  listcalc->clearSelection();
  listcalc->show();
}

void TForm6::BotCerrar3Click() {
  PanelCorte->hide();
  BackToDegrees();
}

void TForm6::ShowWeightings() {
  Panelinfo->hide();
  PanelCorte->hide();
  PanelPonderacion->show();
  ListUnis->clear();
  for (const std::string& name : WeightingDocuments()) ListUnis->addItem(ToQString(name));
  if (ListUnis->count() > 0) ListUnis->setCurrentRow(0);
  show();
  raise();
}

void TForm6::ListUnisDblClick(int row) {
  if (row < 0 || row >= ListUnis->count()) return;
  OpenWithShell("pdf\\" + std::string(TrimBothBlanks(FromQString(ListUnis->item(row)->text()))));
}

void TForm6::Botcerrar4Click() {
  PanelPonderacion->hide();
  BackToDegrees();
}

void TForm6::BackToDegrees() {
  hide();
  if (ReturnScreen != nullptr) ReturnScreen->show();
}

void TForm6::closeEvent(QCloseEvent* event) {
  // Closing this screen goes back to the degrees screen, as its buttons do.
  event->ignore();
  if (!Panelinfo->isHidden()) return ButtonRetroNMouseUp();
  PanelCorte->hide();
  PanelPonderacion->hide();
  BackToDegrees();
}

}  // namespace velmora
