#include "university/statistics_screen.h"

#include <QCloseEvent>
#include <QPainter>
#include <array>

#include "assets/picture_lists.h"
#include "core/common.h"
#include "core/qt_text.h"
#include "core/screen_controls.h"
#include "core/screen_registry.h"
#include "core/shell.h"
#include "core/text_table.h"
#include "core/widget_colours.h"

namespace velmora {
namespace {

TFormEstGra* statisticsScreen = nullptr;

constexpr const char* kFiguresPage = "https://www.educacionyfp.gob.es/servicios-al-ciudadano/estadisticas/universitaria.html";
constexpr QColor kNavy(0, 0, 0x80);
constexpr QColor kMaroon(0x80, 0, 0);
constexpr QColor kRed(0xFF, 0, 0);
constexpr QColor kGreen(0, 0x80, 0);
constexpr QColor kYellow(0xFF, 0xFF, 0);
constexpr int kComparisonUnit = 6;

QString QText(int line) { return ToQString(TextLine(line)); }

}  // namespace

// The paint box: draws the current chart whenever it is painted, so covering and uncovering
// the window brings the same chart back.
class ChartBox : public QWidget {
 public:
  explicit ChartBox(QWidget* parent) : QWidget(parent) {}
  // The rows are built once for the chart chosen; every paint draws them again.
  void Show(UniversityChart chosen) {
    chart = chosen;
    rows = ChartRows(chosen);
    update();
  }
  std::optional<UniversityChart> chart;
  std::vector<ChartRow> rows;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(ColourPeach));
    if (!chart) return;
    QFont font = ScreenFont("Arial", 10, true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    int row = 1;
    for (const ChartRow& item : rows) {
      const int y = (row - 1) * kChartRowPitch + kChartTop;
      const QString name = ToQString(item.name);
      const int x0 = kChartNameRight - metrics.horizontalAdvance(name);
      const auto text = [&painter, &metrics](int x, int top, const QString& s, QColor colour) {
        painter.setPen(colour);
        painter.drawText(x, top + metrics.ascent(), s);
      };
      switch (item.kind) {
        case ChartRow::Kind::Heading: text(x0, y + 2, name, kNavy); break;
        case ChartRow::Kind::Empty: break;
        case ChartRow::Kind::Caption: text(80, y + 15, name, kMaroon); break;
        case ChartRow::Kind::ColumnHeader: text(kChartBarStart, y + 10, name, kNavy); break;
        case ChartRow::Kind::Bar: {
          text(x0, y + 2, name, Qt::black);
          ImageListRamas().draw(painter, x0 - 42, y - 10, BranchImage(item.branch));
          const int end = BarEnd(item.value, *chart);
          painter.setPen(Qt::black);
          painter.setBrush(kGreen);
          painter.drawRect(QRect(QPoint(kChartBarStart, y), QPoint(end, y + kChartBarHeight)));
          painter.drawLine(end, y + 10, end + kChartLabelGap, y + 10);
          painter.setBrush(kYellow);
          painter.drawRect(QRect(QPoint(end + kChartLabelGap, y), QPoint(end + kChartLabelGap + kChartLabelWidth, y + kChartBarHeight)));
          text(end + 18, y + 2, ToQString(item.label), kRed);
          break;
        }
        case ChartRow::Kind::Comparison: {
          DegreesImageList1().draw(painter, x0 - 20, y + 2, 3);
          text(x0, y + 2, name, Qt::black);
          int x = kChartBarStart;
          for (const auto& [units, colour] : std::array<std::pair<int, QColor>, 3>{{{item.a, QColor(0, 96, 0)},
                                                                                    {item.c, QColor(0, 160, 0)},
                                                                                    {item.b, QColor(0, 255, 0)}}}) {
            painter.fillRect(QRect(x, y, units * kComparisonUnit, kChartBarHeight), colour);
            text(x + 5, y + 2, QString::number(units) + "%", kRed);
            x += units * kComparisonUnit;
          }
          break;
        }
      }
      if (!item.sameRowAsNext) ++row;
    }
  }
};

TFormEstGra* UniversityStatistics() { return InstanceOrBuilt(statisticsScreen, "TFormEstGra"); }

TFormEstGra::TFormEstGra() {
  SetColours(this, ToQColor(ColourCream), Qt::black);
  ButtonRetroEsta = ScreenButton(this, QText(82), QRect(96, 36, 150, 30));
  ButtonMatricula = ScreenButton(this, QText(406), QRect(262, 36, 180, 30));
  ButtonDific = ScreenButton(this, QText(651), QRect(452, 36, 180, 30));
  ButtonTrabajo = ScreenButton(this, QText(404), QRect(642, 36, 180, 30));
  connect(ButtonRetroEsta, &QPushButton::clicked, this, &TFormEstGra::ButtonRetroEstaClick);
  connect(ButtonMatricula, &QPushButton::clicked, this, &TFormEstGra::ButtonMatriculaClick);
  connect(ButtonDific, &QPushButton::clicked, this, &TFormEstGra::ButtonDificClick);
  connect(ButtonTrabajo, &QPushButton::clicked, this, &TFormEstGra::ButtonTrabajoClick);
  LabelWeb = new QLabel(QText(173), this);
  LabelWeb->setGeometry(840, 40, 150, 22);
  LabelWeb->setFont(ScreenFont("Arial", 11));
  LabelWeb->setToolTip(QText(174));
  LabelWeb->setCursor(Qt::PointingHandCursor);
  SetTextColour(LabelWeb, QColor(0, 0, 0xFF));
  LabelWeb->setMouseTracking(true);
  LabelWeb->installEventFilter(this);

  PanelEst1 = new QWidget(this);
  PanelEst1->setGeometry(96, 72, 832, 680);
  SetColours(PanelEst1, ToQColor(ColourPeach), Qt::black);
  LabelEst1 = new QLabel(QText(408), PanelEst1);
  LabelEst1->setGeometry(16, 10, 800, 24);
  LabelEst1->setFont(ScreenFont("Arial", 12, true));
  LabelEst2 = new QLabel(ToQString("\n" + std::string(TextLine(409)) + ". " + std::string(TextLine(175)) + " 2014-15"), PanelEst1);
  LabelEst2->setGeometry(16, 35, 800, 62);
  LabelEst2->setFont(ScreenFont("Arial", 11));
  LabelEst2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  chart1 = new ChartBox(PanelEst1);
  chart1->setGeometry(16, 100, 745, 505);
  LabelPDF = new QLabel(QText(43), PanelEst1);
  LabelPDF->setGeometry(16, 620, 130, 30);
  LabelPDF->setFont(ScreenFont("Arial", 11));
  struct Document {
    QPushButton** button;
    int caption;
    const char* path;
    int slot;
  };
  const std::array<Document, 6> documents = {{{&ButtonMas1, 603, "pdf\\est\\Precios_Grado_Master.pdf", 0},
                                              {&ButtonMas2, 604, "pdf\\est\\NotaMedia.pdf", 1},
                                              {&ButtonMas3, 605, "pdf\\est\\Movilidad_2014.pdf", 2},
                                              {&ButtonMas21, 407, "pdf\\est\\Tasa_Rendimiento.pdf", 0},
                                              {&ButtonMas22, 346, "pdf\\est\\Becas.pdf", 1},
                                              {&ButtonMas31, 407, "pdf\\est\\insercionLaboral.pdf", 0}}};
  for (const Document& document : documents) {
    *document.button = ScreenButton(PanelEst1, QText(document.caption), QRect(150 + 200 * document.slot, 620, 190, 30));
    connect(*document.button, &QPushButton::clicked, this, [path = document.path] { OpenWithShell(path); });
  }
  for (QWidget* control : std::initializer_list<QWidget*>{LabelPDF, ButtonMas1, ButtonMas2, ButtonMas3, ButtonMas21, ButtonMas22, ButtonMas31})
    control->hide();
  statisticsScreen = this;
}

TFormEstGra::~TFormEstGra() {
  if (statisticsScreen == this) statisticsScreen = nullptr;
}

void TFormEstGra::ShowChart(UniversityChart chart) {
  CurrentChart = chart;
  const ChartTexts texts = ChartLabels(chart);
  LabelEst1->setText(ToQString(texts.title));
  LabelEst2->setText(ToQString(texts.explanation).replace('\r', '\n'));
  const bool enrolment = chart == UniversityChart::Enrolment, success = chart == UniversityChart::Success;
  LabelPDF->setVisible(enrolment || success);
  for (QPushButton* button : {ButtonMas1, ButtonMas2, ButtonMas3}) button->setVisible(enrolment);
  for (QPushButton* button : {ButtonMas21, ButtonMas22}) button->setVisible(success);
  ButtonMas31->setVisible(chart == UniversityChart::Employment);
  chart1->Show(chart);
}

void TFormEstGra::ButtonRetroEstaClick() {
  hide();
  for (QWidget* control : std::initializer_list<QWidget*>{LabelPDF, ButtonMas1, ButtonMas2, ButtonMas3, ButtonMas21, ButtonMas22, ButtonMas31})
    control->hide();
  if (ReturnScreen != nullptr) ReturnScreen->show();
}

void TFormEstGra::closeEvent(QCloseEvent* event) {
  event->ignore();  // closing goes back to the degrees screen, as the back button does
  ButtonRetroEstaClick();
}

bool TFormEstGra::eventFilter(QObject* watched, QEvent* event) {
  if (watched == LabelWeb) {
    QFont font = LabelWeb->font();
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
      font.setUnderline(event->type() == QEvent::Enter);
      LabelWeb->setFont(font);
    } else if (event->type() == QEvent::MouseButtonRelease) {
      OpenWithShell(kFiguresPage);
    }
  }
  return ModuleScreen::eventFilter(watched, event);
}

}  // namespace velmora
