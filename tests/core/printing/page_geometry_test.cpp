#include "core/printing/page_geometry.h"

#include <gtest/gtest.h>

#include "core/printing/recording_canvas.h"

namespace velmora {
namespace {

PixelRect Box(const CanvasCall& call) { return {call.x1, call.y1, call.x2, call.y2}; }

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(12.5), 12);
  EXPECT_EQ(RoundHalfEven(13.5), 14);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(479.9999999), 480);
  EXPECT_EQ(RoundHalfEven(0.49), 0);
}

TEST(PageGeometry, SetupReadsThePrinterAndMovesThePenHome) {
  RecordingCanvas canvas;
  canvas.portrait = {100, 200, 100, 50};
  MoveToUnits(3, 3);
  PageSetup(canvas, 8, 16, 2);  // half-inch units
  EXPECT_EQ(Geometry().penX, 0);
  EXPECT_EQ(Geometry().penY, 0);
  EXPECT_DOUBLE_EQ(Geometry().scaleX, 50);
  EXPECT_DOUBLE_EQ(Geometry().scaleY, 25);

  MoveToUnits(0.25, 0.5);  // 12.5 and 12.5
  EXPECT_EQ(Geometry().penX, 12);
  EXPECT_EQ(Geometry().penY, 12);
  MoveToUnits(0.75, 1.5);  // 37.5 and 37.5
  EXPECT_EQ(Geometry().penX, 38);
  EXPECT_EQ(Geometry().penY, 38);

  MoveToGrid(1, 1);  // 100 / 8 = 12.5 across, 200 / 16 = 12.5 down
  EXPECT_EQ(Geometry().penX, 12);
  EXPECT_EQ(Geometry().penY, 12);
  MoveToGrid(3, 5);  // 37.5 and 62.5
  EXPECT_EQ(Geometry().penX, 38);
  EXPECT_EQ(Geometry().penY, 62);
  MoveToGrid(8, 16);
  EXPECT_EQ(Geometry().penX, 100);
  EXPECT_EQ(Geometry().penY, 200);

  EXPECT_EQ(UnitsRect(0.25, 0.5, 0.75, 1.5), (PixelRect{12, 12, 38, 38}));
}

TEST(PageGeometry, ShapesMoveThePenToTheirFirstCorner) {
  RecordingCanvas canvas;
  ASSERT_TRUE(canvas.BeginDocument("t", false));
  PageSetup(canvas, 50, 58, 1);
  RectangleUnits(canvas, 0.5, 0.1, 7.3, 0.8);
  EXPECT_EQ(Geometry().penX, 300);
  EXPECT_EQ(Geometry().penY, 60);
  EllipseUnits(canvas, 1, 2, 1.5, 2.5);
  EXPECT_EQ(Geometry().penX, 600);
  EXPECT_EQ(Geometry().penY, 1200);
  const auto rectangles = canvas.Of(CanvasCall::Kind::Rectangle);
  const auto ellipses = canvas.Of(CanvasCall::Kind::Ellipse);
  ASSERT_EQ(rectangles.size(), 1u);
  ASSERT_EQ(ellipses.size(), 1u);
  EXPECT_EQ(Box(rectangles[0]),
            (PixelRect{300, 60, 4380, 480}));
  EXPECT_EQ(Box(ellipses[0]),
            (PixelRect{600, 1200, 900, 1500}));
}

TEST(PageGeometry, TextIsPlacedLeftCentredOrRightOfThePen) {
  RecordingCanvas canvas;
  ASSERT_TRUE(canvas.BeginDocument("t", false));
  PageSetup(canvas, 50, 58, 1);
  SetPageFont(canvas, {"Arial", 10, false});
  // "abc" at 10 points and 600 dpi is 125 pixels wide on the recording canvas.
  ASSERT_EQ(canvas.TextWidth("abc"), 125);
  MoveToGrid(10, 29);
  TextAtPen(canvas, "abc");
  TextCentredAtPen(canvas, "abc");  // 62 to the left: the odd half is dropped
  TextRightAtPen(canvas, "abc");
  const auto texts = canvas.Texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].x1, 960);
  EXPECT_EQ(texts[1].x1, 898);
  EXPECT_EQ(texts[2].x1, 835);
  for (const CanvasCall& text : texts) EXPECT_EQ(text.y1, 3300);
}

TEST(PageGeometry, FontChangesKeepTheOtherProperties) {
  RecordingCanvas canvas;
  ASSERT_TRUE(canvas.BeginDocument("t", false));
  SetPageFont(canvas, {"Courier New", 10, false});
  SetPageFontBold(canvas, true);
  SetPageFontSize(canvas, 16);
  TextAtPen(canvas, "x");
  const CanvasFont font = canvas.Texts().at(0).font;
  EXPECT_EQ(font.family, "Courier New");
  EXPECT_EQ(font.pointSize, 16);
  EXPECT_TRUE(font.bold);
}

}  // namespace
}  // namespace velmora
