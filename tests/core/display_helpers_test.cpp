#include "core/display_helpers.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>
#include <gtest/gtest.h>

#include "core/hint_window.h"
#include "core/line_loaders.h"
#include "core/shell.h"
#include "core/text_table.h"
#include "core/yes_no_dialog.h"
#include "tests/support/fixture_folder.h"

namespace velmora {
namespace {

class DisplayHelpers : public ::testing::Test, public testing::CommonStateTest {};

TEST(Tiling, CoversTheImageWithPartialTilesAtTheEdges) {
  QImage image(1024, 768, QImage::Format_RGB32);
  image.fill(Qt::black);
  QImage tile(300, 200, QImage::Format_RGB32);
  tile.fill(Qt::white);
  tile.setPixel(123, 167, qRgb(10, 20, 30));
  EXPECT_EQ(TileImage(image, tile), 16);
  EXPECT_EQ(image.pixel(1023, 767), qRgb(10, 20, 30));  // the cut last tile
  EXPECT_EQ(image.pixel(423, 367), qRgb(10, 20, 30));
  EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
}

TEST(Gradient, RowsStepTowardTheEndColourWithoutPassingIt) {
  EXPECT_EQ(GradientChannel(0, 255, 1, 100), 3);      // 2.55 rounds up
  EXPECT_EQ(GradientChannel(255, 0, 1, 100), 253);    // -2.55 truncates toward zero
  EXPECT_EQ(GradientChannel(255, 0, 99, 100), 3);
  EXPECT_EQ(GradientChannel(10, 10, 50, 100), 10);
  EXPECT_EQ(GradientChannel(0, 100, 50, 100), 50);    // exact steps stay exact

  QImage image(20, 100, QImage::Format_RGB32);
  QPainter painter(&image);
  VerticalGradient(painter, image.rect(), 0xFFFFFF, 0x008000);
  painter.end();
  EXPECT_EQ(image.pixel(7, 0), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(7, 99), qRgb(3, 130, 3));
  EXPECT_EQ(image.pixel(19, 50), image.pixel(0, 50));

  // Only the rectangle is painted, its first row the start colour.
  image.fill(Qt::black);
  painter.begin(&image);
  VerticalGradient(painter, QRect(4, 10, 8, 50), 0xFFFFFF, 0x008000);
  painter.end();
  EXPECT_EQ(image.pixel(4, 10), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(11, 59), qRgb(6, 131, 6));
  for (const QPoint outside : {QPoint(3, 10), QPoint(12, 10), QPoint(4, 9), QPoint(4, 60)})
    EXPECT_EQ(image.pixel(outside), qRgb(0, 0, 0)) << outside.x() << "," << outside.y();
}

TEST_F(DisplayHelpers, SoundsPlayOnlyWhenOnAndOnlyTheKeyWaits) {
  PlayKeySound(false);
  PlayEngineSound(false);
  EXPECT_TRUE(platform.sounds.empty());
  PlayKeySound(true);
  PlayEngineSound(true);
  EXPECT_EQ(platform.sounds, (std::vector<std::string>{"tecla.wav (waited)", "motor.wav"}));
}

TEST(HintGeometry, BubbleTextAreaAndShape) {
  EXPECT_EQ(HintBubbleSize(QSize(100, 20)), QSize(116, 52));
  EXPECT_EQ(HintTextArea(QSize(116, 52)), QRect(5, 27, 106, 20));
  const QPainterPath shape = HintShape(QSize(116, 52));
  EXPECT_TRUE(shape.contains(QPointF(23, 3)));    // the tail
  EXPECT_FALSE(shape.contains(QPointF(5, 3)));    // beside the tail
  EXPECT_FALSE(shape.contains(QPointF(1, 21)));   // the rounded corner
  EXPECT_TRUE(shape.contains(QPointF(58, 40)));
  TMonHint hint;
  EXPECT_LE(hint.CalcHintRect(QString(400, QLatin1Char('x')).replace(QLatin1String("xxxxx"), QLatin1String("xxxx "))).width(),
            kHintMaxTextWidth + 16);
}

TEST(Hints, TheBubbleReplacesTooltipsAndTheDelayBecomes400) {
  HintManager::Install();
  HintManager& hints = HintManager::Instance();
  hints.SetHintPause(0);
  QLabel label(QStringLiteral("Carreras"));
  label.setToolTip(QStringLiteral("Las carreras universitarias"));
  label.show();
  QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), label.mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(&label, &help);
  EXPECT_FALSE(QToolTip::isVisible());
  hints.ShowHintOf(&label, QPoint(100, 100));
  EXPECT_TRUE(hints.Window().isVisible());
  EXPECT_EQ(hints.Window().text(), "Las carreras universitarias");
  EXPECT_EQ(hints.HintPause(), 0);
  hints.Window().grab();  // paints it
  EXPECT_EQ(hints.HintPause(), 400);
  hints.HideHint();
  EXPECT_FALSE(hints.Window().isVisible());
}

class YesNoDialog : public DisplayHelpers {
 protected:
  YesNoDialog() {
    testing::FixtureFolder folder;
    std::string texts;
    for (int line = 1; line <= 749; ++line) texts += line == 140 ? "No\r\n" : line == 141 ? "S\xED\r\n" : "x\r\n";
    folder.Write("textos", texts);
    CentreName = "IES Las Encinas";
    LoadTexts();
  }
  void LoadTexts();
  // Each answer types its text into the name box (when shown) and clicks Yes or No.
  void Answer(std::vector<std::pair<std::string, int>> answers) {
    platform.modalAnswer = [this, answers, k = std::size_t{0}](QDialog&) mutable {
      const auto& [typed, result] = answers.at(k++);
      if (dialog->EditNombre != nullptr && !dialog->EditNombre->isHidden()) dialog->EditNombre->setText(QString::fromStdString(typed));
      return result;
    };
  }
  std::unique_ptr<TForm4> dialog;
};

void YesNoDialog::LoadTexts() {
  LoadTextLines("textos", Tabs().TabTextos, Tabs().CountTextos);
  FillTextSlots();
  SetPalette();
  dialog = std::make_unique<TForm4>();
}

TEST_F(YesNoDialog, LayoutAndCaptions) {
  EXPECT_EQ(dialog->size(), QSize(382, 144));
  EXPECT_EQ(dialog->windowTitle(), "IES Las Encinas");
  EXPECT_EQ(dialog->ShadowSi->text(), QString::fromUtf8("S\u00ED"));
  EXPECT_EQ(dialog->ShadowNo->text(), "No");
  EXPECT_EQ(dialog->ShadowSi->geometry(), QRect(40, 100, 89, 33));
  EXPECT_EQ(dialog->ShadowNo->geometry(), QRect(168, 100, 89, 33));
  EXPECT_TRUE(dialog->ShadowSi->isDefault());
  EXPECT_EQ(dialog->font().pixelSize(), 15);
}

TEST_F(YesNoDialog, QuestionsAnswerYesOrCancel) {
  Answer({{"", TForm4::kResultYes}, {"", TForm4::kResultCancel}, {"", 0}});
  EXPECT_TRUE(dialog->AskQuestion("\xBFSalir?"));
  EXPECT_EQ(dialog->LabelNombre->text(), QString::fromUtf8("\u00BFSalir?"));
  EXPECT_FALSE(dialog->AskQuestion("\xBFSalir?"));
  EXPECT_FALSE(dialog->AskTwoLines("uno", "dos"));  // a dialog closed any other way is Cancel
  EXPECT_TRUE(dialog->LabelNombre2->isHidden());
  dialog->reject();  // No, Esc and the close box
  EXPECT_EQ(dialog->result(), TForm4::kResultCancel);
  dialog->ShadowSiClick();
  EXPECT_EQ(dialog->result(), TForm4::kResultYes);
}

TEST_F(YesNoDialog, TheNameIsAskedUntilGivenOrRefused) {
  Answer({{"   ", TForm4::kResultYes}, {"", TForm4::kResultYes}, {"  Ana Garc\xC3\xAD" "a ", TForm4::kResultYes}});
  EXPECT_EQ(dialog->AskName("Nombre:"), "Ana Garc\xED" "a");
  EXPECT_EQ(platform.modalCount, 3);
  EXPECT_EQ(dialog->EditNombre->geometry(), QRect(40, 56, 213, 25));
  EXPECT_TRUE(dialog->EditNombre->isHidden());  // back to the question layout

  Answer({{"Luis", TForm4::kResultCancel}});
  EXPECT_EQ(dialog->AskName("Nombre:"), std::nullopt);

  Answer({{std::string(60, 'n'), TForm4::kResultYes}});
  EXPECT_EQ(dialog->AskName("Nombre:")->size(), 45u);
}

class Shell : public DisplayHelpers {
 protected:
  Shell() { DataFolderPath = folder.path().string(); }
  testing::FixtureFolder folder;
};

TEST_F(Shell, WebAddressesMustBeWellFormed) {
  OpenWithShell("http://www.usal.es");
  OpenWithShell("https://www.sepe.es/certificados");
  OpenWithShell("httpwww.usal.es");
  OpenWithShell("http://exa mple.es");
  OpenWithShell("http:/nohost");
  EXPECT_EQ(platform.opened, (std::vector<std::string>{"http://www.usal.es", "https://www.sepe.es/certificados"}));
}

TEST_F(Shell, DocumentsMustStayInsideTheDataFolder) {
  folder.Write("pdf/est/Grados.pdf", "%PDF");
  OpenWithShell("pdf\\est\\Grados.pdf");
  OpenWithShell("pdf\\est\\..\\est\\Grados.pdf");
  OpenWithShell("pdf\\Falta.pdf");  // a missing document is the desktop's to report
  OpenWithShell("..\\fuera.pdf");
  OpenWithShell("pdf\\..\\..\\fuera.pdf");
  OpenWithShell("/etc/passwd");
  OpenWithShell("");
  std::filesystem::create_directory_symlink("/etc", folder.path() / "enlace");
  OpenWithShell("enlace\\passwd");
  const std::string inside = std::filesystem::weakly_canonical(folder.path()).string();
  EXPECT_EQ(platform.opened, (std::vector<std::string>{inside + "/pdf/est/Grados.pdf", inside + "/pdf/est/Grados.pdf",
                                                        inside + "/pdf/Falta.pdf"}));
}

}  // namespace
}  // namespace velmora
