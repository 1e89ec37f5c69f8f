// The degrees screen's text pages (requirements, double degrees, profile, masters, other and
// artistic studies) and its printed reports.
#include <QScrollBar>
#include <array>
#include <QTextCursor>

#include "core/common.h"
#include "core/printing/reports.h"
#include "core/qt_text.h"
#include "core/shell.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "navigation/star_map.h"
#include "university/degree_reports.h"
#include "university/degree_requirements.h"
#include "university/degree_tables.h"
#include "university/degrees_screen.h"
#include "university/double_degrees.h"

namespace velmora {
namespace {

constexpr QColor kMaroon(0x80, 0, 0);
constexpr QColor kNavy(0, 0, 0x80);
constexpr QColor kRed(0xFF, 0, 0);
constexpr QColor kGreen(0, 0x80, 0);
constexpr int kSportsCentresItem = 2;  // the third other study opens the sports centres document
constexpr const char* kSportsCentresDocument = "pdf\\est\\DeportesCentros.pdf";

QString QText(int line) { return ToQString(TextLine(line)); }
QString Trimmed(std::string_view text) { return ToQString(TrimBothBlanks(text)); }

QString Html(std::string_view text) { return ToQString(text).toHtmlEscaped(); }

// A profile or masters line as rich text: its runs, the highlighted words in red.
QString RunsHtml(std::string_view text, bool highlight) {
  if (!highlight) return Html(text);
  QString html;
  for (const TextRun& run : HighlightedRuns(text))
    html += run.highlighted ? "<span style='color:#ff0000'>" + Html(run.text) + "</span>" : Html(run.text);
  return html;
}

QString PageHtml(const std::vector<PageLine>& page, QColor bullet, QColor heading, bool highlight) {
  QString html;
  bool inList = false;
  for (const PageLine& line : page) {
    const bool isBullet = line.kind == PageLineKind::Bullet;
    if (isBullet != inList) html += isBullet ? "<ul style='margin-top:0;margin-bottom:0'>" : "</ul>";
    inList = isBullet;
    const QString text = RunsHtml(line.text, highlight);
    switch (line.kind) {
      case PageLineKind::Title: html += "<p style='color:" + kMaroon.name() + "'><b>" + text + "</b></p>"; break;
      case PageLineKind::Heading: html += "<p style='color:" + heading.name() + "'><b>" + text + "</b></p>"; break;
      case PageLineKind::Bullet: html += "<li style='color:" + bullet.name() + "'>" + text + "</li>"; break;
      case PageLineKind::Body: html += "<p>" + text + "</p>"; break;
    }
  }
  if (inList) html += "</ul>";
  return html;
}

}  // namespace

void TForm1::ShowListSel(const std::vector<std::string>& lines, bool clickable) {
  GridNotas->hide();
  ListSel->clear();
  for (const std::string& line : lines) {
    auto* item = new QListWidgetItem(ToQString(line), ListSel);
    if (line.starts_with('-')) item->setForeground(kMaroon);
  }
  ListSel->setCursor(clickable ? Qt::PointingHandCursor : Qt::ForbiddenCursor);
  // The double-click hint only where a double-click does something.
  ListSel->setToolTip(clickable && ArtsMode ? "Clic~Clic - " + QText(173) : QString());
  ListSel->show();
  ListSel->scrollToTop();
}

// ---- Requirements ------------------------------------------------------------------------------

void TForm1::BotReqClick() {
  GridNotas->hide();
  DoublesMode = false;
  if (JumpPending) SelectedDegree = JumpDegree;
  HideStarMap();
  RichSalidas->hide();
  PanelSelTit->setText(Trimmed(DegreeName(SelectedDegree)));
  if (SelectedDegree == 0) return;
  const int last = WriteRequirementLines(SelectedDegree, 0);
  std::vector<std::string> lines;
  for (int r = 1; r <= last; ++r) lines.emplace_back(Tabs().TabArts[static_cast<std::size_t>(r)].view());
  ShowListSel(lines, false);
}

// ---- Double degrees --------------------------------------------------------------------------

void TForm1::BotDoblesClick() {
  PanelMenu2->hide();
  DoublesMode = true;
  OtherStudiesMode = PlasticArtsMode = DegreesMode = false;
  DegreeMapBlocked = false;  // its universities are chosen on the map
  PanelMenu->hide();
  PanelSelTit->setText(QText(242));
  PanelSelTit->show();
  PanelSel->show();
  BotRetroceder->show();
  ListComunidad->clear();
  DoublesRowDegree.clear();
  for (const DoublesListRow& row : DoubleDegreeList()) {
    ListComunidad->addItem(ToQString(row.text));
    DoublesRowDegree.push_back(row.degree);
  }
  ListComunidad->show();
  AllDegreesMode = true;
}

void TForm1::DoublesListClick(int item) {
  if (item < 0 || item >= static_cast<int>(DoublesRowDegree.size())) return;
  BotImprimir->show();
  DoublesListDegree = DoublesRowDegree[static_cast<std::size_t>(item)];
  ShowDoublesOfDegree(DoublesListDegree);
}

void TForm1::ShowDoublesOfDegree(int degree) {
  PanelSelTit->setText(QText(242));
  PanelSelTit->show();
  ListSel->hide();
  GridNotas->hide();
  listSel2->clear();
  listSel2->setFont(ScreenFont("Arial", 9));
  for (const DoublesPageRow& row : DoublesOfDegree(degree)) {
    auto* item = new QListWidgetItem(ToQString(row.text), listSel2);
    item->setForeground(row.university ? kRed : kNavy);
  }
  listSel2->show();
}

void TForm1::BotDoblesCarMouseUp() {
  if (JumpPending) SelectedDegree = JumpDegree;
  if (SelectedDegree < 1 || SelectedDegree > DegreeCount()) return;
  DoublesMode = true;
  PanelSelTit->setText(QText(242));
  RichSalidas->hide();
  ListSel->hide();
  GridNotas->show();
  FillGrid(DoublesGrid(SelectedDegree));
  if (TForm7* stars = StarMap()) stars->ShowStars(CommunityHasOffer, *this);
}

// ---- Profile, masters and other studies ----------------------------------------------------------

void TForm1::BotSalClick() {
  GridNotas->hide();
  HideStarMap();
  DoublesMode = false;
  if (JumpPending) SelectedDegree = JumpDegree;
  if (SelectedDegree < 1 || SelectedDegree > DegreeCount()) return;
  ListSel->hide();
  RichSalidas->show();
  PanelSelTit->setText(Trimmed(DegreeName(SelectedDegree)));
  RichSalidas->setFont(ScreenFont("Arial", 10));
  RichSalidas->setHtml(PageHtml(ProfilePage(SelectedDegree), Qt::black, kGreen, true));
  RichSalidas->verticalScrollBar()->setValue(0);
}

void TForm1::BotMasterClick() {
  MastersView = true;
  PanelMenu->hide();
  PanelMenu2->hide();
  PanelSel->show();
  LabelMaster->show();
  LabelMaster2->setToolTip("Clic~Clic - " + QText(174));
  LabelMaster2->show();
  PanelSelTit->setText(QText(551));
  PanelSelTit->show();
  RichSalidas->move(RichSalidas->x(), LabelMaster2->geometry().bottom() + 5);
  RichSalidas->resize(RichSalidas->width(), ListSel->geometry().bottom() - RichSalidas->y());
  RichSalidas->setFont(ScreenFont("Arial", 9));
  RichSalidas->setHtml(PageHtml(MastersPage(), kNavy, kMaroon, false));
  RichSalidas->verticalScrollBar()->setValue(0);
  RichSalidas->show();
  RichSalidas->setFocus();
  BotRetroceder->show();
  BotImprimir->show();
}

void TForm1::menui6Click() {
  OtherStudiesMode = true;
  PlasticArtsMode = AllDegreesMode = DoublesMode = DegreesMode = false;
  PanelMenu->hide();
  ShowListSel({}, false);
  PanelSel->show();
  PanelSelTit->clear();
  PanelSelTit->show();
  BotRetroceder->show();
  ListComunidad->clear();
  for (int s = 1; s <= Tabs().CountOtros; ++s) ListComunidad->addItem(ToQString(Tabs().TabOtros[static_cast<std::size_t>(s)].view()));
  ListComunidad->show();
}

void TForm1::OtherStudyClick(int item) {
  BotImprimir->hide();
  if (item == kSportsCentresItem) return OpenWithShell(kSportsCentresDocument);
  const std::string text = FromQString(ListComunidad->item(item)->text());
  if (text.starts_with("   ")) return;
  // Items "- 1" to "- 3" stand for the public catalogues of courses and centres.
  static constexpr std::array<const char*, 3> kCatalogues = {"http://www.todofp.es", "https://www.sepe.es",
                                                             "http://www.educacion.gob.es"};
  for (std::size_t k = 0; k < kCatalogues.size(); ++k)
    if (text.starts_with("- " + std::to_string(k + 1))) return OpenWithShell(kCatalogues[k]);
  PanelSelTit->setText(Trimmed(text));
  SelectedDegree = item + 1;
  BotImprimir->show();
  ShowListSel(OtherStudyPage(SelectedDegree), false);
}

// ---- Artistic studies -------------------------------------------------------------------------

void TForm1::ArtsStudyClick(ArtsStudy study) {
  ArtsMode = true;
  CurrentArts = study;
  PlasticArtsMode = study == ArtsStudy::PlasticArts;
  MusicMode = study == ArtsStudy::Music;
  DanceMode = study == ArtsStudy::Dance;
  DramaMode = study == ArtsStudy::Drama;
  if (PlasticArtsMode) OtherStudiesMode = AllDegreesMode = DoublesMode = false;
  DegreesMode = false;
  SpecialityList = false;
  PanelMenu->hide();
  PanelMenu4->hide();
  PanelSel->show();
  PanelSelTit->clear();
  PanelSelTit->show();
  for (QWidget* control : std::initializer_list<QWidget*>{BotRetroceder, BotImprimirN, BotArtesTit, BotArtesEsp, BotArtesLug})
    control->show();
  PanelCarSel->setText(QText(529 + static_cast<int>(study)));
  PanelCarSel->show();
  LoadArtsFile(study);
  ShowListSel(ArtsIntroLines(), false);
}

void TForm1::BotArtesTitClick() {
  ListComunidad->hide();
  PanelEstrellas->hide();
  ShowListSel(ArtsIntroLines(), false);
}

void TForm1::BotArtesEspClick() {
  PanelEstrellas->hide();
  if (!PlasticArtsMode) return ShowListSel(ArtsSpecialityLines(), false);
  SpecialityList = true;
  ListComunidad->clear();
  for (const std::string& name : PlasticSpecialities()) ListComunidad->addItem(ToQString(name));
  ListComunidad->show();
  ShowListSel({}, false);
}

void TForm1::BotArtesLugClick() {
  ListComunidad->hide();
  if (PlasticArtsMode) {
    ShowDegreeMap();
    return ShowListSel({}, false);
  }
  ShowListSel(MusicMode ? MusicPlaces() : DanceMode ? DancePlaces() : DramaPlaces(), true);
}

void TForm1::ListSelDblClick(int row) {
  if (!ArtsMode || row < 0 || row >= ListSel->count()) return;
  const std::string line(TrimBothBlanks(FromQString(ListSel->item(row)->text())));
  if (line.starts_with("http")) OpenWithShell(line);
}

// ---- Printing ----------------------------------------------------------------------------

void TForm1::BotImprimirNClick() {
  if (ArtsMode) {
    BuildArtsReport(CurrentArts);
    std::vector<std::string> preview;
    for (int r = 1; r <= Tabs().PrintCount; ++r) preview.emplace_back(Tabs().PrintLines[static_cast<std::size_t>(r)].view());
    ShowListSel(preview, false);
    PrintReportWithDialog(Tabs().PrintLines, Tabs().PrintCount, false, 12);
    return;
  }
  if (SelectedDegree < 1 || SelectedDegree > DegreeCount()) return;
  GridNotas->hide();
  PrintCollecting = true;
  BuildDegreeReport(SelectedDegree);
  BotSalClick();  // the profile stays on screen, as the report ends with it
  PrintCollecting = false;
  PrintReportColumnsWithDialog(Tabs().PrintLines, Tabs().PrintCount, false);
}

void TForm1::BotImprimirClick() {
  if (MastersView) {
    PrintWithDialog([this](PrintCanvas& canvas) { canvas.PrintDocument(*RichSalidas->document(), "Master"); },
                    "Master");
  } else if (DoublesMode) {
    if (DoublesListDegree == 0) return;
    BuildDoublesReport(DoublesListDegree);
    PrintReportWithDialog(Tabs().PrintLines, Tabs().PrintCount, false, 10);
  } else if (OtherStudiesMode) {
    if (SelectedDegree < 1 || ListComunidad->currentRow() < 0) return;
    BuildOtherStudyReport(SelectedDegree);
    PrintReportWithDialog(Tabs().PrintLines, Tabs().PrintCount, true, 10);
  } else if (DegreesMode && ListComunidad->currentRow() >= 0 && SelectedUniversity > 0) {
    BuildUniversityReport(SelectedUniversity, UniversityRows);
    PrintReportWithDialog(Tabs().PrintLines, Tabs().PrintCount, true, 10);
  }
  PrintCollecting = false;
}

}  // namespace velmora
