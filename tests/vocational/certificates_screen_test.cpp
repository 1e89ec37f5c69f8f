// The certificates screen over the built sample folder, driven through its handlers.
#include "vocational/certificates_screen.h"

#include <QListWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/common.h"
#include "core/navigation.h"
#include "core/printing/recording_canvas.h"
#include "core/printing/reports.h"
#include "core/qt_text.h"
#include "core/shell.h"
#include "core/text_table.h"
#include "vocational/certificates.h"
#include "tests/support/built_folder.h"

namespace velmora {
namespace {

constexpr int kOfficeFamily = 1;  // row of "Administración, comercio y ventas"

class CertificatesScreen : public testing::BuiltFolderTest {
 protected:
  CertificatesScreen() {
    LoadCertificateFiles();
    screen = std::make_unique<TCertifica>();
    Navigation().mainMenu = &menu;
  }
  ~CertificatesScreen() override {
    screen.reset();
    ClearDoorOpeners();
    Navigation() = {};
  }
  static std::vector<std::string> Items(const QListWidget* list) {
    std::vector<std::string> items;
    for (int row = 0; row < list->count(); ++row) items.push_back(FromQString(list->item(row)->text()));
    return items;
  }
  void OpenOffice() {
    screen->ListSelFpMouseMove(kOfficeFamily);
    screen->ListSelFpMouseUp(kOfficeFamily);
  }

  std::unique_ptr<TCertifica> screen;
  QWidget menu;
};

TEST_F(CertificatesScreen, OpensOnTheFamiliesAndTellsItsHelp) {
  ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
  HelpStep = 5;
  ASSERT_EQ(PrepareDoor(kDoorCertificates), screen.get());
  EXPECT_EQ(HelpStep, 0);
  screen->show();
  EXPECT_EQ(screen->windowTitle(), ToQString(std::string(TextLine(338)) + "  " + CentreName));
  ASSERT_EQ(screen->ListSelFp->count(), kCertificateFamilies);
  EXPECT_EQ(Items(screen->ListSelFp)[0], "Agricultura, mar y medio ambiente");
  EXPECT_FALSE(screen->PanelSelTit0->isHidden());
  EXPECT_EQ(screen->LabelTit1->text(), ToQString(TextLine(577)));
  EXPECT_EQ(screen->LabelTit1->x(), screen->PanelSelTit0->width());  // out of sight until the slide
  ASSERT_TRUE(screen->TimerAyuda.isActive());
  EXPECT_EQ(screen->TimerAyuda.interval(), 300);

  screen->TimerAyuda.stop();  // the test ticks by hand
  for (int step = 1; step < 15; ++step) screen->TimerAyudaTimer();
  for (int k = 1; k <= 7; ++k) EXPECT_EQ(screen->LabelAyu[static_cast<std::size_t>(k)]->text(), ToQString(TextLine(561 + k)));
  EXPECT_EQ(platform.sounds, std::vector<std::string>(8, "tecla.wav (waited)"));  // steps 1-8 talk
  EXPECT_FALSE(screen->TimerAyu.isActive());
  screen->TimerAyudaTimer();
  EXPECT_EQ(HelpStep, 0);
  EXPECT_TRUE(screen->TimerAyu.isActive());

  // The family heading slides in and stops at 30; the slide waits for the certificate list.
  screen->TimerAyu.stop();
  for (int tick = 0; tick < 200; ++tick) screen->TimerAyuTimer();
  EXPECT_LE(screen->LabelTit1->x(), 30);
  EXPECT_GT(screen->LabelTit1->x(), 26);
  EXPECT_EQ(screen->LabelTit2->x(), screen->PanelSelTit1->width());  // its panel is hidden
}

TEST_F(CertificatesScreen, HoverShowsAnAreaAndAClickFreezesIt) {
  screen->show();
  screen->ListSelFpMouseMove(3);
  EXPECT_EQ(screen->ListSelFp->currentRow(), 3);
  OpenOffice();
  EXPECT_TRUE(screen->ListSelFp->isHidden());
  EXPECT_TRUE(screen->PanelSelTit0->isHidden());
  EXPECT_FALSE(screen->PanelSelTit1->isHidden());
  EXPECT_EQ(Items(screen->ListTitFP), (std::vector<std::string>{"-Administraci\xF3n y Gesti\xF3n", "-Comercio y Marketing"}));
  EXPECT_EQ(screen->ListTitFP->height(), 2 * 18 + 4);
  EXPECT_EQ(screen->ListFPExpli->count(), 0);

  const std::vector<CertificateItem> headings = AreaHeadings(kOfficeFamily + 1);
  ASSERT_EQ(headings.size(), 2u);
  const std::vector<CertificateItem> first = CertificatesOfArea(headings[0].entry);
  const std::vector<CertificateItem> second = CertificatesOfArea(headings[1].entry);
  ASSERT_FALSE(first.empty());
  ASSERT_FALSE(second.empty());
  screen->ListTitFPMouseMove(0);
  ASSERT_EQ(screen->ListFPExpli->count(), static_cast<int>(first.size()));
  EXPECT_FALSE(screen->PanelSelTit2->isHidden());
  EXPECT_EQ(screen->PanelSelTit2->geometry().bottom(), screen->ListFPExpli->y());  // just above the list
  screen->ListTitFPMouseMove(1);
  EXPECT_EQ(Items(screen->ListFPExpli).front(), second.front().name);
  EXPECT_EQ(screen->ListFPExpli->height(), static_cast<int>(second.size()) * 18 + 4);
  EXPECT_GT(screen->ListFPExpli->y(), screen->ListTitFP->y());  // level with the second row

  screen->ListTitFPMouseUp(1);
  EXPECT_TRUE(screen->Frozen);
  EXPECT_FALSE(screen->BotImprimir->isHidden());
  EXPECT_FALSE(screen->BotInternet->isHidden());
  screen->ListTitFPMouseMove(0);  // frozen: the area stays
  EXPECT_EQ(screen->ListFPExpli->count(), static_cast<int>(second.size()));
  EXPECT_EQ(screen->ListTitFP->currentRow(), 1);

  // A level-2 certificate: its three access levels on three lines.
  const std::vector<std::string> names = Items(screen->ListFPExpli);
  const auto sale = std::find(names.begin(), names.end(), "Actividades de venta");
  ASSERT_NE(sale, names.end());
  screen->ListFPExpliMouseUp(static_cast<int>(sale - names.begin()));
  EXPECT_FALSE(screen->Frozen);
  EXPECT_FALSE(screen->PanelResul->isHidden());
  EXPECT_EQ(FromQString(screen->LabelTitulo->text()), "Actividades de venta");
  EXPECT_EQ(screen->LabelHoras->text(), "590");
  EXPECT_EQ(FromQString(screen->LabelRequisitos->text()),
            "ESO o prueba grado medio\nCert. nivel 2 o 1 (\xE1rea)\nCompetencias clave niv. 2");
  EXPECT_FALSE(screen->LabelDes->text().isEmpty());
  screen->ListTitFPMouseMove(0);  // a chosen certificate releases the freeze
  EXPECT_EQ(screen->ListFPExpli->count(), static_cast<int>(first.size()));
}

TEST_F(CertificatesScreen, PrintsTheAreaShownAndOpensTheServicePage) {
  std::vector<CanvasCall> printed;
  platform.printerChoice = [&printed] { return std::make_unique<KeptCanvas>(printed); };
  screen->show();
  screen->BotImprimirClick();  // no area yet: nothing to print
  EXPECT_TRUE(printed.empty());
  OpenOffice();
  screen->ListTitFPMouseMove(1);
  screen->ListTitFPMouseUp(1);
  screen->BotImprimirClick();
  ASSERT_FALSE(printed.empty());
  const SharedTables& t = Tabs();
  // Four heading rows, then per certificate five rows and one per requirement.
  int rows = 4;
  for (const CertificateItem& item : CertificatesOfArea(AreaHeadings(kOfficeFamily + 1)[1].entry))
    rows += 5 + static_cast<int>(DetailsOf(item.entry).requirements.size());
  EXPECT_EQ(t.PrintCount + 1, rows);
  EXPECT_EQ(t.PrintLines[0].view(), TextLine(580));
  EXPECT_EQ(t.PrintLines[2].view(), "-Comercio y Marketing");
  bool boldName = false;
  for (const CanvasCall& call : printed)
    if (call.text == "Actividades de venta") boldName = call.font.bold && call.font.pointSize == 12 && call.font.family == "Arial";
  EXPECT_TRUE(boldName);
  EXPECT_EQ(BoldLines[0], 0);  // emptied by the report

  screen->BotInternetMouseUp();
  ASSERT_EQ(platform.opened.size(), 1u);
  EXPECT_EQ(platform.opened[0], *ShellTarget(kCertificatesPage));
  EXPECT_TRUE(platform.opened[0].starts_with("https://www.sepe.es/contenidos/personas/formacion/"));
}

TEST_F(CertificatesScreen, BackGoesToTheFamiliesThenToTheCorridor) {
  screen->show();
  OpenOffice();
  screen->ListTitFPMouseMove(0);
  screen->ListFPExpliMouseUp(0);
  screen->BotRetrocederFPClick();
  EXPECT_TRUE(screen->isVisible());
  EXPECT_FALSE(screen->ListSelFp->isHidden());
  EXPECT_FALSE(screen->PanelSelTit0->isHidden());
  for (QWidget* hidden : std::initializer_list<QWidget*>{screen->ListTitFP, screen->ListFPExpli, screen->PanelSelTit1,
                                                          screen->PanelSelTit2, screen->BotImprimir, screen->BotInternet})
    EXPECT_TRUE(hidden->isHidden());
  screen->BotRetrocederFPClick();
  EXPECT_TRUE(screen->isHidden());
  EXPECT_TRUE(screen->PanelResul->isHidden());
  EXPECT_TRUE(menu.isVisible());

  // Closing the window from the areas leaves for the corridor without the exit question.
  menu.hide();
  screen->show();
  OpenOffice();
  EXPECT_FALSE(screen->close());
  EXPECT_TRUE(screen->isHidden());
  EXPECT_TRUE(menu.isVisible());
  EXPECT_TRUE(platform.questions.empty());
}

}  // namespace
}  // namespace velmora
