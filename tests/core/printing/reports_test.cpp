#include "core/printing/reports.h"

#include <QImage>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "core/common.h"
#include "core/printing/page_geometry.h"
#include "core/printing/recording_canvas.h"
#include "core/shared_bitmaps.h"
#include "core/text_table.h"
#include "tests/support/fixture_folder.h"

namespace velmora {
namespace {

using Kind = CanvasCall::Kind;

PixelRect Box(const CanvasCall& call) { return {call.x1, call.y1, call.x2, call.y2}; }

class Reports : public ::testing::Test, public testing::CommonStateTest {
 protected:
  void SetUp() override {
    CentreName = "IES Prueba";
    Tabs().TabTextos[175] = "Curso";
    Tabs().CountTextos = 175;
    FillTextSlots();
    Bitmaps().BmpGirl = QImage(35, 55, QImage::Format_RGB32);
    BoldLines = {};
  }
  void TearDown() override { Bitmaps().BmpGirl = QImage(); }

  PrintTable& Fill(int count, std::string_view heading = "Informe") {
    PrintTable& lines = Tabs().PrintLines;
    lines[0] = heading;
    for (int j = 1; j <= count; ++j) lines[static_cast<std::size_t>(j)] = Line(j);
    return lines;
  }
  static std::string Line(int j) { return "Linea " + std::to_string(j); }

  // The body texts of a page: everything below the header band.
  static std::vector<CanvasCall> Body(const RecordingCanvas& canvas, int page) {
    std::vector<CanvasCall> body;
    for (const CanvasCall& text : canvas.Texts(page))
      if (text.y1 >= 500) body.push_back(text);
    return body;
  }

  static void ExpectAt(const RecordingCanvas& canvas, int line, int page, int x, int y) {
    const CanvasCall* text = canvas.FindText(Line(line));
    ASSERT_NE(text, nullptr) << "line " << line;
    EXPECT_EQ(text->page, page) << "line " << line;
    EXPECT_EQ(text->x1, x) << "line " << line;
    EXPECT_EQ(text->y1, y) << "line " << line;
  }

  RecordingCanvas canvas;
};

// ---- Portrait ---------------------------------------------------------------------------

TEST_F(Reports, PortraitAtTwelvePointsHoldsFiftyOneLinesAPage) {
  canvas.portrait = {5000, 5800, 600, 600};  // a 58-row grid of 100 pixels
  PrintReport(canvas, Fill(120), 120, false, 12);

  ASSERT_EQ(canvas.Pages(), 3);
  const auto begins = canvas.Of(Kind::Begin);
  ASSERT_EQ(begins.size(), 1u);
  EXPECT_EQ(begins[0].text, "el Velmora");
  EXPECT_FALSE(begins[0].landscape);
  EXPECT_EQ(canvas.Of(Kind::NewPage).size(), 2u);
  EXPECT_EQ(canvas.Of(Kind::End).size(), 1u);
  EXPECT_EQ(canvas.calls.back().kind, Kind::End);

  EXPECT_EQ(Body(canvas, 1).size(), 51u);
  EXPECT_EQ(Body(canvas, 2).size(), 51u);
  EXPECT_EQ(Body(canvas, 3).size(), 18u);
  ExpectAt(canvas, 1, 1, 500, 600);
  ExpectAt(canvas, 51, 1, 500, 5600);
  ExpectAt(canvas, 52, 2, 500, 600);
  ExpectAt(canvas, 102, 2, 500, 5600);
  ExpectAt(canvas, 103, 3, 500, 600);
  ExpectAt(canvas, 120, 3, 500, 2300);

  // The header band is on the first page only.
  EXPECT_EQ(canvas.Of(Kind::Rectangle).size(), 1u);
  EXPECT_EQ(canvas.Of(Kind::Rectangle, 1).size(), 1u);
  EXPECT_EQ(canvas.Of(Kind::Bitmap).size(), 1u);
  EXPECT_EQ(canvas.Texts(2).size(), 51u);

  const CanvasFont font = canvas.FindText(Line(77))->font;
  EXPECT_EQ(font.family, "Arial");
  EXPECT_EQ(font.pointSize, 12);
  EXPECT_FALSE(font.bold);
}

TEST_F(Reports, PortraitPageBreaksComeOnlyWhenLinesRemain) {
  PrintReport(canvas, Fill(51), 51, false, 12);
  EXPECT_EQ(canvas.Pages(), 1);
  EXPECT_TRUE(canvas.Of(Kind::NewPage).empty());

  RecordingCanvas longer;
  PrintReport(longer, Fill(52), 52, false, 12);
  EXPECT_EQ(longer.Pages(), 2);
  EXPECT_EQ(longer.FindText(Line(52))->page, 2);

  RecordingCanvas empty;
  PrintReport(empty, Fill(0), 0, false, 12);
  EXPECT_EQ(empty.Pages(), 1);
  EXPECT_EQ(empty.Of(Kind::Rectangle).size(), 1u);
}

TEST_F(Reports, PortraitAtTenPointsHoldsSeventyOneLinesAPage) {
  canvas.portrait = {5000, 7800, 600, 600};  // a 78-row grid of 100 pixels
  PrintReport(canvas, Fill(143), 143, true, 10);
  ASSERT_EQ(canvas.Pages(), 3);
  EXPECT_EQ(Body(canvas, 1).size(), 71u);
  EXPECT_EQ(Body(canvas, 2).size(), 71u);
  ExpectAt(canvas, 71, 1, 500, 7600);
  ExpectAt(canvas, 72, 2, 500, 600);
  ExpectAt(canvas, 143, 3, 500, 600);
  EXPECT_EQ(canvas.FindText(Line(1))->font.family, "Courier New");
  EXPECT_EQ(canvas.FindText(Line(1))->font.pointSize, 10);
}

// ---- Header bands -----------------------------------------------------------------------

TEST_F(Reports, PortraitHeaderBand) {
  ASSERT_TRUE(canvas.BeginDocument("t", false));
  PageSetup(canvas, 50, 58, 1);
  SetPageFont(canvas, {"Arial", 12, false});
  PrintHeader(canvas, CentreName, "  Informe  ", 0.7);

  const auto rectangle = canvas.Of(Kind::Rectangle).at(0);
  EXPECT_EQ(Box(rectangle), (PixelRect{300, 60, 4380, 480}));
  EXPECT_TRUE(rectangle.font.bold);
  const auto bitmap = canvas.Of(Kind::Bitmap).at(0);
  EXPECT_EQ(Box(bitmap), (PixelRect{360, 78, 570, 408}));
  EXPECT_EQ(bitmap.bitmapSize, QSize(35, 55));

  // Widths on the recording canvas: characters x points x 600 / 144.
  const auto texts = canvas.Texts();
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0].text, "Curso");    // 208 wide, ends at 7.25 in
  EXPECT_EQ(texts[0].x1, 4142);
  EXPECT_EQ(texts[0].y1, 120);
  EXPECT_EQ(texts[0].font.pointSize, 10);
  EXPECT_EQ(texts[1].text, "2015/16");  // 291 wide
  EXPECT_EQ(texts[1].x1, 4059);
  EXPECT_EQ(texts[1].y1, 300);
  EXPECT_EQ(texts[2].text, "IES Prueba");  // 500 wide, centred on 3.9 in
  EXPECT_EQ(texts[2].x1, 2090);
  EXPECT_EQ(texts[2].y1, 120);
  EXPECT_EQ(texts[2].font.pointSize, 12);
  EXPECT_EQ(texts[3].text, "Informe");
  EXPECT_EQ(texts[3].x1, 600);
  EXPECT_EQ(texts[3].y1, 300);
  for (const CanvasCall& text : texts) {
    EXPECT_TRUE(text.font.bold);
    EXPECT_TRUE(text.whiteBrush);
    EXPECT_EQ(text.font.family, "Arial");
  }
}

TEST_F(Reports, LandscapeHeaderBandWithPageNumber) {
  ASSERT_TRUE(canvas.BeginDocument("t", true));
  PageSetup(canvas, 130, 48, 1);
  SetPageFont(canvas, {"Arial", 8, false});
  PrintHeaderWide(canvas, CentreName, "  Informe  ", 2, 0.7);

  const auto rectangle = canvas.Of(Kind::Rectangle).at(0);
  EXPECT_EQ(Box(rectangle), (PixelRect{300, 60, 6120, 480}));
  const auto ellipse = canvas.Of(Kind::Ellipse).at(0);
  EXPECT_EQ(Box(ellipse), (PixelRect{6240, 60, 6660, 480}));
  EXPECT_TRUE(ellipse.whiteBrush);

  const auto texts = canvas.Texts();
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_EQ(texts[0].x1, 5882);  // "Curso" ends at 10.15 in
  EXPECT_EQ(texts[1].x1, 5799);  // "2015/16"
  EXPECT_EQ(texts[2].text, "2");
  EXPECT_EQ(texts[2].x1, 6420);
  EXPECT_EQ(texts[2].y1, 180);
  EXPECT_EQ(texts[2].font.pointSize, 16);
  EXPECT_EQ(texts[3].text, "IES Prueba");  // centred on 5.35 in
  EXPECT_EQ(texts[3].x1, 2960);
  EXPECT_EQ(texts[4].text, "  Informe  ");  // not trimmed, and smaller
  EXPECT_EQ(texts[4].x1, 600);
  EXPECT_EQ(texts[4].y1, 300);
  EXPECT_EQ(texts[4].font.pointSize, 11);

  RecordingCanvas single;
  ASSERT_TRUE(single.BeginDocument("t", true));
  PageSetup(single, 130, 48, 1);
  PrintHeaderWide(single, CentreName, "Informe", 0, 0.7);
  EXPECT_EQ(single.Of(Kind::Ellipse).size(), 1u);  // the circle stays, empty
  EXPECT_EQ(single.Texts().size(), 4u);
}

// ---- Three columns ----------------------------------------------------------------------

TEST_F(Reports, ColumnsFallBackToPortraitCourierBelowSeventyFiveLines) {
  PrintReportColumns(canvas, Fill(74), 74, false);
  EXPECT_FALSE(canvas.Of(Kind::Begin).at(0).landscape);
  ASSERT_EQ(canvas.Pages(), 2);  // 71 lines, then 3
  EXPECT_EQ(canvas.FindText(Line(72))->page, 2);
  EXPECT_EQ(canvas.FindText(Line(74))->font.family, "Courier New");
  EXPECT_EQ(canvas.FindText(Line(74))->font.pointSize, 10);
  EXPECT_EQ(canvas.FindText("Curso")->font.family, "Courier New");

  RecordingCanvas wide;
  PrintReportColumns(wide, Fill(75), 75, false);
  EXPECT_TRUE(wide.Of(Kind::Begin).at(0).landscape);
  EXPECT_EQ(wide.Pages(), 1);
}

TEST_F(Reports, OneHundredTwentyProportionalLinesFillOnePage) {
  canvas.portrait = {4800, 6500, 600, 600};  // landscape: 130 columns of 50, 48 rows of 100
  PrintReportColumns(canvas, Fill(120), 120, false);
  ASSERT_EQ(canvas.Pages(), 1);
  EXPECT_EQ(canvas.Of(Kind::Begin).at(0).text, "el Velmora");
  EXPECT_TRUE(canvas.Of(Kind::Begin).at(0).landscape);
  ExpectAt(canvas, 1, 1, 200, 600);
  ExpectAt(canvas, 40, 1, 200, 4500);
  ExpectAt(canvas, 41, 1, 2200, 600);
  ExpectAt(canvas, 80, 1, 2200, 4500);
  ExpectAt(canvas, 81, 1, 4300, 600);
  ExpectAt(canvas, 120, 1, 4300, 4500);
  EXPECT_EQ(Body(canvas, 1).size(), 120u);
  EXPECT_EQ(canvas.Of(Kind::Ellipse).size(), 1u);
  EXPECT_EQ(canvas.FindText("1"), nullptr);  // no page number on a single page
  const CanvasFont font = canvas.FindText(Line(60))->font;
  EXPECT_EQ(font.family, "Arial");
  EXPECT_EQ(font.pointSize, 8);
}

TEST_F(Reports, OneHundredSixtyProportionalLinesTakeTwoNumberedPages) {
  canvas.portrait = {4800, 6500, 600, 600};
  PrintReportColumns(canvas, Fill(160), 160, false);  // 4 blocks, 40 rows, 2 pages
  ASSERT_EQ(canvas.Pages(), 2);
  ExpectAt(canvas, 120, 1, 4300, 4500);
  ExpectAt(canvas, 121, 2, 200, 600);
  ExpectAt(canvas, 160, 2, 200, 4500);
  EXPECT_EQ(canvas.Of(Kind::Rectangle, 2).size(), 1u);  // every page has its header
  EXPECT_EQ(canvas.FindText("1")->page, 1);
  EXPECT_EQ(canvas.FindText("2")->page, 2);
  EXPECT_EQ(canvas.FindText("2")->x1, 6420);

  // Columns 2 and 3 of the last page are empty cells.
  const auto body = Body(canvas, 2);
  ASSERT_EQ(body.size(), 120u);
  int empty = 0;
  for (const CanvasCall& cell : body) {
    if (!cell.text.empty()) continue;
    ++empty;
    EXPECT_NE(cell.x1, 200);
  }
  EXPECT_EQ(empty, 80);
}

TEST_F(Reports, UnevenProportionalReportsShareTheLinesOutOverBlocks) {
  canvas.portrait = {5400, 6500, 600, 600};  // 54 rows of 100
  PrintReportColumns(canvas, Fill(230), 230, false);  // 5 blocks of 46 rows, 2 pages
  ASSERT_EQ(canvas.Pages(), 2);
  ExpectAt(canvas, 46, 1, 200, 5100);
  ExpectAt(canvas, 47, 1, 2200, 600);
  ExpectAt(canvas, 138, 1, 4300, 5100);
  ExpectAt(canvas, 139, 2, 200, 600);
  ExpectAt(canvas, 230, 2, 2200, 5100);
}

TEST_F(Reports, MonospaceColumnsHoldFiftyRowsAcrossAWiderGrid) {
  canvas.portrait = {5800, 7500, 600, 600};  // landscape: 150 columns of 50, 58 rows of 100
  PrintReportColumns(canvas, Fill(160), 160, true);
  ASSERT_EQ(canvas.Pages(), 2);
  ExpectAt(canvas, 1, 1, 100, 600);
  ExpectAt(canvas, 50, 1, 100, 5500);
  ExpectAt(canvas, 51, 1, 2500, 600);
  ExpectAt(canvas, 101, 1, 5000, 600);
  ExpectAt(canvas, 151, 2, 100, 600);
  ExpectAt(canvas, 160, 2, 100, 1500);
  EXPECT_EQ(canvas.FindText(Line(151))->font.family, "Courier New");
  EXPECT_EQ(Body(canvas, 2).size(), 150u);

  RecordingCanvas short_list;
  PrintReportColumns(short_list, Fill(150), 150, true);
  EXPECT_EQ(short_list.Pages(), 1);
}

TEST_F(Reports, TheFirstColumnDropsTrailingBlanks) {
  PrintTable& lines = Fill(90);
  lines[1] = "Primera   ";
  lines[31] = "Segunda   ";
  PrintReportColumns(canvas, lines, 90, false);
  EXPECT_NE(canvas.FindText("Primera"), nullptr);
  EXPECT_NE(canvas.FindText("Segunda   "), nullptr);
}

// ---- Bold rows, cleared records, the dialog ---------------------------------------------

TEST_F(Reports, ListedLinesPrintBoldInAnyColumnAndTheListEmpties) {
  BoldLines[0] = 3;
  BoldLines[1] = 2;
  BoldLines[2] = 45;
  BoldLines[3] = 100;
  BoldLines[4] = 7;  // beyond the count: not listed
  PrintReportColumns(canvas, Fill(120), 120, false);
  std::vector<std::string> bold;
  for (const CanvasCall& text : Body(canvas, 1))
    if (text.font.bold) bold.push_back(text.text);
  EXPECT_EQ(bold, (std::vector<std::string>{"Linea 2", "Linea 45", "Linea 100"}));
  EXPECT_EQ(BoldLines[0], 0);

  BoldLines[0] = 2;
  BoldLines[1] = 52;
  BoldLines[2] = 1;
  RecordingCanvas portrait;
  PrintReport(portrait, Fill(60), 60, false, 12);
  bold.clear();
  for (const CanvasCall& text : Body(portrait, 0))
    if (text.font.bold) bold.push_back(text.text);
  EXPECT_EQ(bold, (std::vector<std::string>{"Linea 1", "Linea 52"}));
  EXPECT_EQ(BoldLines[0], 0);
}

TEST_F(Reports, RecordsAfterTheCountAreClearedBeforePrinting) {
  PrintTable& lines = Fill(1500);
  PrintReport(canvas, lines, 120, false, 12);
  EXPECT_EQ(lines[0], "Informe");
  EXPECT_EQ(lines[120], "Linea 120");
  for (int i = 121; i <= 1500; ++i) ASSERT_TRUE(lines[static_cast<std::size_t>(i)].empty()) << i;

  Fill(1500);
  RecordingCanvas columns;
  PrintReportColumns(columns, lines, 160, false);
  EXPECT_EQ(lines[160], "Linea 160");
  EXPECT_TRUE(lines[161].empty());
  EXPECT_TRUE(lines[1500].empty());
  EXPECT_EQ(columns.FindText(Line(161)), nullptr);
}

TEST_F(Reports, APrinterThatCannotStartPrintsNothingButEmptiesTheBoldList) {
  canvas.beginFails = true;
  BoldLines[0] = 1;
  BoldLines[1] = 1;
  PrintReport(canvas, Fill(10), 10, false, 12);
  EXPECT_TRUE(canvas.calls.empty());
  EXPECT_EQ(BoldLines[0], 0);
}

TEST_F(Reports, TheDialogPrintsOnlyOnTheChosenPrinter) {
  BoldLines[0] = 1;
  BoldLines[1] = 3;
  EXPECT_FALSE(PrintReportWithDialog(Fill(20), 20, false, 12));  // cancelled
  EXPECT_EQ(BoldLines[0], 1);  // no report ran
  EXPECT_FALSE(PrintReportColumnsWithDialog(Fill(300), 200, false));
  EXPECT_EQ(Tabs().PrintLines[250], "Linea 250");  // nothing cleared either

  std::vector<CanvasCall> printed;
  int shown = 0;
  platform.printerChoice = [&] {
    ++shown;
    return std::make_unique<KeptCanvas>(printed);
  };
  EXPECT_TRUE(PrintReportColumnsWithDialog(Fill(200), 200, false));
  EXPECT_EQ(shown, 1);
  EXPECT_TRUE(printed.at(0).landscape);
  EXPECT_EQ(printed.back().kind, Kind::End);
  EXPECT_EQ(BoldLines[0], 0);
}

TEST_F(Reports, LinesAreAddedAfterTheCountAndBoldOnesListed) {
  StartPrintLines("Heading");
  AddPrintLine("plain");
  AddPrintLine("bold", true);
  EXPECT_EQ(Tabs().PrintCount, 2);
  EXPECT_EQ(Tabs().PrintLines[0].view(), "Heading");
  EXPECT_EQ(BoldLines[0], 1);
  EXPECT_EQ(BoldLines[1], 2);
  Tabs().PrintCount = kPrintLinesLast;
  AddPrintLine("past the table");
  EXPECT_EQ(Tabs().PrintCount, kPrintLinesLast);
}

TEST_F(Reports, ARichTextDocumentIsOneJobWithItsTitle) {
  QTextDocument document;
  document.setHtml("<p>First</p><ul><li>Second</li></ul>");
  RecordingCanvas canvas;
  canvas.PrintDocument(document, "Master");
  ASSERT_FALSE(canvas.calls.empty());
  EXPECT_EQ(canvas.calls.front().kind, Kind::Begin);
  EXPECT_EQ(canvas.calls.front().text, "Master");
  ASSERT_EQ(canvas.Texts().size(), 2u);
  EXPECT_EQ(canvas.Texts()[1].text, "Second");
}

}  // namespace
}  // namespace velmora
