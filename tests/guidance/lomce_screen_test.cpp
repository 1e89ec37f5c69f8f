// The education-system diagram screen over the built sample folder, driven through its buttons and
// timers as a student would: the steps, the lists and the calendar, the blinking, leaving.
#include "guidance/lomce_screen.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <gtest/gtest.h>

#include <memory>

#include "core/common.h"
#include "core/qt_text.h"
#include "core/screen_registry.h"
#include "tests/support/built_folder.h"

namespace velmora {
namespace {

class LomceScreen : public testing::BuiltFolderTest {
 protected:
  LomceScreen() {
    AnimationOn = false;
    RegisterScreenOnDemand("TForm2", [this] { return &itineraries; });
    CreateScreens([](int) {});
    screen = std::make_unique<TFlomce>();
  }
  ~LomceScreen() override {
    screen.reset();
    ClearScreenRegistry();
  }
  static std::vector<std::string> Items(const QListWidget* list) {
    std::vector<std::string> items;
    for (int row = 0; row < list->count(); ++row) items.push_back(FromQString(list->item(row)->text()));
    return items;
  }
  QPushButton* Button(int index) const {
    return static_cast<QPushButton*>(screen->Part(lomce::kButtonLists[static_cast<std::size_t>(index)].name));
  }
  void GoTo(int step) {
    while (screen->Diagram.Step() < step) screen->BitFleDe->click();
    for (int tick = 0; tick < kStepBlinkTicks; ++tick) screen->TimerParTimer();
  }
  int ShownButtons() const {
    int shown = 0;
    for (int i = 0; i < lomce::kButtons; ++i) shown += Button(i)->isHidden() ? 0 : 1;
    return shown;
  }

  QWidget itineraries;
  std::unique_ptr<TFlomce> screen;
};

TEST_F(LomceScreen, TheArrowsStopAtBothEndsWhileTheDiagramGrowsToItsWholeInTenSteps) {
  ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
  EXPECT_FALSE(screen->BitFleIz->isEnabled());
  EXPECT_TRUE(screen->BitFleDe->isEnabled());
  EXPECT_EQ(ShownButtons(), 0);
  EXPECT_EQ(Items(screen->ListExplica), StepExplanation(0));
  EXPECT_TRUE(Items(screen->ListExplica).back().starts_with("       Sigue"));
  screen->BitFleIz->click();
  EXPECT_EQ(screen->Diagram.Step(), 0);

  GoTo(5);
  EXPECT_EQ(ShownButtons(), 14);  // ESO, PMAR, FP Básica but its first, both ESO titles, middle grade
  EXPECT_TRUE(screen->LabelBach1->isHidden());
  GoTo(9);
  EXPECT_FALSE(screen->BitFleDe->isEnabled());
  EXPECT_TRUE(screen->BitFleIz->isEnabled());
  screen->BitFleDe->click();
  EXPECT_EQ(screen->Diagram.Step(), 9);
  EXPECT_EQ(ShownButtons(), lomce::kButtons);
  for (QLabel* label : {screen->LabelBach3, screen->LabelEva2, screen->LabelIti4, screen->ImageMuro2}) EXPECT_FALSE(label->isHidden());
  EXPECT_FALSE(screen->Shape8->isHidden());
  EXPECT_EQ(Items(screen->ListExplica), StepExplanation(9));
  EXPECT_FALSE(Items(screen->ListExplica).back().starts_with("       "));  // no note on the last step

  // Going back explains the earlier step again and blinks its parts, but hides nothing for good.
  for (int step = 8; step >= 4; --step) screen->BitFleIz->click();
  EXPECT_EQ(Items(screen->ListExplica), StepExplanation(4));
  screen->TimerParTimer();
  EXPECT_TRUE(screen->ImageMuro1->isHidden());
  for (int tick = 2; tick <= kStepBlinkTicks; ++tick) screen->TimerParTimer();
  EXPECT_EQ(ShownButtons(), lomce::kButtons);
  EXPECT_FALSE(screen->ImageMuro1->isHidden());
  EXPECT_FALSE(screen->LabelIti6->isHidden());
}

TEST_F(LomceScreen, ClosingAListShowsTheCompleteDiagramAndTheLastExplanationWhateverTheStep) {
  GoTo(2);
  screen->BitMej1->click();
  ASSERT_FALSE(screen->PanelEx->isHidden());
  EXPECT_FALSE(screen->ListBit->isHidden());
  EXPECT_TRUE(screen->grid->isHidden());
  EXPECT_EQ(Items(screen->ListBit), SectionList(5));
  EXPECT_EQ(Items(screen->ListBit).front(), "  PMAR en 2\xBA de ESO");

  screen->BotCerrar->click();
  EXPECT_TRUE(screen->PanelEx->isHidden());
  EXPECT_EQ(screen->Diagram.Step(), 2);
  EXPECT_TRUE(screen->BitFleIz->isEnabled());
  EXPECT_TRUE(screen->BitFleDe->isEnabled());
  EXPECT_EQ(ShownButtons(), lomce::kButtons);
  EXPECT_FALSE(screen->LabelIti1->isHidden());
  EXPECT_TRUE(screen->BitImplanta->isHidden());
  EXPECT_FALSE(screen->TimerPar.isActive());
  EXPECT_EQ(Items(screen->ListExplica), StepExplanation(9));
  GoTo(9);
  EXPECT_TRUE(screen->BitImplanta->isHidden());
}

TEST_F(LomceScreen, TheCalendarShowsThirteenRowsOfTheLawsSchoolYearsOnCreamOrPeach) {
  screen->show();
  screen->BitImplanta->click();
  ASSERT_FALSE(screen->grid->isHidden());
  EXPECT_TRUE(screen->ListBit->isHidden());
  ASSERT_EQ(screen->grid->rowCount(), lomce::kCalendarRows);
  for (int row = 0; row < lomce::kCalendarRows; ++row)
    for (int column = 0; column < 2; ++column) EXPECT_NE(screen->grid->item(row, column)->text().trimmed(), QString()) << row;
  EXPECT_EQ(FromQString(screen->grid->item(1, 0)->text()).substr(0, 13), "Curso 2014/15");
  EXPECT_EQ(FromQString(screen->grid->item(12, 0)->text()).substr(0, 13), "Curso 2017/18");
  // Every row is shown whole, in its colour.
  EXPECT_GE(screen->grid->viewport()->height(), lomce::kCalendarRows * 18);
  QApplication::processEvents();
  const QImage image = screen->grid->viewport()->grab().toImage();
  for (int row = 0; row < lomce::kCalendarRows; ++row) {
    const QColor expected = ToQColor(CalendarRowIsCream(row) ? ColourCream : ColourPeach);
    EXPECT_EQ(image.pixelColor(348, row * 18 + 1), expected) << row;
  }
  screen->BotCerrar->click();
  EXPECT_EQ(Items(screen->ListExplica), StepExplanation(9));
}

TEST_F(LomceScreen, EveryButtonOfTheSampleFolderOpensATitledListAndHasItsHint) {
  screen->BitESO3->click();
  const std::vector<std::string> eso = Items(screen->ListBit);
  ASSERT_GE(eso.size(), 4u);
  EXPECT_EQ(eso[0], " Materias que se estudian:");
  EXPECT_TRUE(eso[1].starts_with("  4\xBA de ESO"));  // the academic track, drawn red
  const auto gap = std::find(eso.begin(), eso.end(), "");
  ASSERT_NE(gap, eso.end());
  EXPECT_TRUE((gap + 1)->starts_with("  4\xBA de ESO: materias"));
  EXPECT_EQ(screen->ListBit->item(1)->data(Qt::UserRole + 1).toInt(), static_cast<int>(ItemStyle::Red));
  EXPECT_EQ(screen->ListBit->item(3)->data(Qt::UserRole + 1).toInt(), static_cast<int>(ItemStyle::Bullet));

  for (int i = 0; i < lomce::kButtons; ++i) {
    Button(i)->click();
    const std::vector<std::string> items = Items(screen->ListBit);
    const bool subjects = lomce::kButtonLists[static_cast<std::size_t>(i)].kind == lomce::ListKind::Subjects;
    const std::size_t title = subjects ? 1 : 0;
    ASSERT_GT(items.size(), title + 1) << i;
    EXPECT_EQ(ListItemStyle(items[title]), ItemStyle::Red) << i;
    EXPECT_FALSE(Button(i)->toolTip().isEmpty()) << i;
  }
  EXPECT_EQ(FromQString(screen->BitCie3->toolTip()), "Grados de Ciencias");
}

TEST_F(LomceScreen, TheStepsPartsBlinkSixTicksAndTheArrowsHintTwentyOne) {
  EXPECT_TRUE(screen->Timerfle.isActive());
  EXPECT_EQ(screen->Timerfle.interval(), 300);
  for (int tick = 1; tick <= 20; ++tick) {
    screen->TimerfleTimer();
    EXPECT_EQ(screen->LabelFle->isHidden(), tick % 2 == 1) << tick;
  }
  screen->TimerfleTimer();
  EXPECT_FALSE(screen->LabelFle->isHidden());
  EXPECT_FALSE(screen->Timerfle.isActive());

  screen->BitFleDe->click();
  EXPECT_TRUE(screen->TimerPar.isActive());
  EXPECT_EQ(screen->TimerPar.interval(), 500);
  EXPECT_TRUE(screen->LabelEnsAca->isHidden());
  EXPECT_TRUE(screen->BitFleESO1->isHidden());
  screen->TimerParTimer();
  EXPECT_FALSE(screen->LabelEnsAca->isHidden());
  screen->TimerParTimer();
  EXPECT_TRUE(screen->LabelEnsAca->isHidden());
  for (int tick = 3; tick <= kStepBlinkTicks; ++tick) screen->TimerParTimer();
  EXPECT_FALSE(screen->LabelEnsAca->isHidden());
  EXPECT_FALSE(screen->BitESO3->isHidden());
  EXPECT_FALSE(screen->BitFleESO1->isHidden());
  EXPECT_FALSE(screen->TimerPar.isActive());
}

TEST_F(LomceScreen, LeavingOrClosingShowsTheItinerariesScreenAndComingBackExplainsTheFirstStep) {
  screen->show();
  GoTo(4);
  screen->BitRetro->click();
  EXPECT_TRUE(screen->isHidden());
  EXPECT_FALSE(itineraries.isHidden());

  itineraries.hide();
  screen->show();
  EXPECT_EQ(screen->Diagram.Step(), 4);
  EXPECT_EQ(Items(screen->ListExplica), StepExplanation(0));
  EXPECT_TRUE(screen->BitFleIz->isEnabled());
  screen->close();
  EXPECT_TRUE(screen->isHidden());
  EXPECT_FALSE(itineraries.isHidden());
  EXPECT_TRUE(platform.questions.empty());  // no exit question
}

TEST_F(LomceScreen, EveryCaptionFitsItsBoxAndEveryExplanationLineFitsTheList) {
  QList<QLabel*> labels = screen->Paneliti->findChildren<QLabel*>();
  labels.push_back(screen->LabelLOMCE);
  labels.push_back(screen->LabelFle);
  for (const QLabel* label : labels) {
    if (label->text().isEmpty()) continue;  // the walls
    const QRect needed = QFontMetrics(label->font()).boundingRect(QRect(QPoint(), label->size()), Qt::AlignCenter | Qt::TextWordWrap, label->text());
    EXPECT_TRUE(QRect(QPoint(), label->size()).contains(needed)) << FromQString(label->text()) << " in " << label->objectName().toStdString();
  }
  EXPECT_EQ(screen->Paneliti->geometry(), QRect(1024 - 761, 768 - 689, 761, 689));
  for (const QWidget* left : {static_cast<QWidget*>(screen->ListExplica), static_cast<QWidget*>(screen->BitRetro),
                              static_cast<QWidget*>(screen->BitFleDe), static_cast<QWidget*>(screen->LabelFle)})
    EXPECT_FALSE(left->geometry().intersects(screen->Paneliti->geometry()));

  screen->show();
  const int line = QFontMetrics(screen->ListExplica->font()).height() + 1;
  for (int step = 0; step <= lomce::kLastStep; ++step) {
    GoTo(step);
    QApplication::processEvents();
    for (int row = 0; row < screen->ListExplica->count(); ++row)
      EXPECT_EQ(screen->ListExplica->visualItemRect(screen->ListExplica->item(row)).height(), line)
          << "step " << step << ": " << FromQString(screen->ListExplica->item(row)->text());
  }
}

TEST_F(LomceScreen, WithoutAnyOfItsLinesTheScreenStillStepsAndOpensEveryList) {
  Tabs().CountInformaL = 0;
  Tabs().CountMateriasL = 0;
  screen = std::make_unique<TFlomce>();
  EXPECT_EQ(Items(screen->ListExplica), (std::vector<std::string>{"", "       "}));
  GoTo(9);
  for (int i = 0; i < lomce::kButtons; ++i) {
    Button(i)->click();
    const bool subjects = lomce::kButtonLists[static_cast<std::size_t>(i)].kind == lomce::ListKind::Subjects;
    EXPECT_EQ(screen->ListBit->count(), subjects ? (lomce::kButtonLists[static_cast<std::size_t>(i)].also > 0 ? 2 : 1) : 0) << i;
  }
  screen->BitImplantaClick();
  EXPECT_EQ(screen->grid->rowCount(), lomce::kCalendarRows);
  EXPECT_EQ(screen->grid->item(0, 0)->text(), QString());
  screen->BotCerrarClick();
  EXPECT_EQ(Items(screen->ListExplica), (std::vector<std::string>{""}));
}

}  // namespace
}  // namespace velmora
