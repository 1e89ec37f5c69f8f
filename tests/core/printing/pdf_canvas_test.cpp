#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/common.h"
#include "core/printing/qt_printer_canvas.h"
#include "core/printing/reports.h"
#include "tests/support/fixture_folder.h"

namespace velmora {
namespace {

class PdfReports : public ::testing::Test, public testing::CommonStateTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    CentreName = "IES Prueba";
    PrintTable& lines = Tabs().PrintLines;
    lines[0] = "Informe de prueba";
    for (int j = 1; j <= 1500; ++j) lines[static_cast<std::size_t>(j)] = "L\xednea " + std::to_string(j);
  }

  // Page objects of the file ("/Type /Pages" is the page tree, not a page).
  static int PageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
  }

  QTemporaryDir folder;
};

TEST_F(PdfReports, APortraitReportBecomesAPdfWithOnePagePerFiftyOneLines) {
  const QString path = folder.filePath(QStringLiteral("informe.pdf"));
  auto canvas = MakePdfCanvas(path);
  PrintReport(*canvas, Tabs().PrintLines, 120, false, 12);
  ASSERT_TRUE(QFile::exists(path));
  EXPECT_EQ(PageCount(path), 3);
}

TEST_F(PdfReports, ColumnReportsAreLandscapeAndReuseThePrinter) {
  const QString path = folder.filePath(QStringLiteral("columnas.pdf"));
  auto canvas = MakePdfCanvas(path);
  ASSERT_TRUE(canvas->BeginDocument("t", true));
  const PageMetrics metrics = canvas->Metrics();
  canvas->EndDocument();
  EXPECT_EQ(metrics.dotsPerInchX, canvas->Printer().resolution());
  EXPECT_GT(metrics.width, metrics.height);
  // A4 less a quarter inch each side: 11.19 x 7.77 inches.
  EXPECT_NEAR(metrics.width / static_cast<double>(metrics.dotsPerInchX), 11.19, 0.01);
  EXPECT_NEAR(metrics.height / static_cast<double>(metrics.dotsPerInchY), 7.77, 0.01);

  PrintReportColumns(*canvas, Tabs().PrintLines, 400, false);  // 8 blocks of 50: 3 pages
  EXPECT_EQ(PageCount(path), 3);
  // The same printer again, as a screen printing its second report does.
  PrintReport(*canvas, Tabs().PrintLines, 30, true, 10);
  EXPECT_EQ(PageCount(path), 1);
}

TEST_F(PdfReports, CourierNewIsAMonospaceFontOnThePrinter) {
  auto canvas = MakePdfCanvas(folder.filePath(QStringLiteral("fuentes.pdf")));
  canvas->SetFont({"Courier New", 10, false});
  const int narrow = canvas->TextWidth("iiiiiiii");
  EXPECT_EQ(narrow, canvas->TextWidth("WWWWWWWW"));
  // Ten points of a 0.6 em font at the printer's resolution: 8 characters are 2/3 inch.
  EXPECT_NEAR(narrow, canvas->Printer().resolution() * 2 / 3, 3);
  canvas->SetFont({"Arial", 10, false});
  EXPECT_LT(canvas->TextWidth("iiiiiiii"), canvas->TextWidth("WWWWWWWW"));
}

}  // namespace
}  // namespace velmora
