#include "core/printing/recording_canvas.h"

#include <QTextBlock>
#include <QTextDocument>

#include "core/qt_text.h"

#include <QImage>
#include <algorithm>

namespace velmora {

CanvasCall RecordingCanvas::Make(CanvasCall::Kind kind) const {
  CanvasCall call;
  call.kind = kind;
  call.page = page_;
  call.font = font_;
  call.whiteBrush = whiteBrush_;
  call.landscape = landscape_;
  return call;
}

bool RecordingCanvas::BeginDocument(std::string_view title, bool landscape) {
  if (beginFails) return false;
  landscape_ = landscape;
  page_ = 1;
  font_ = CanvasFont{};
  whiteBrush_ = false;
  CanvasCall call = Make(CanvasCall::Kind::Begin);
  call.text = title;
  calls.push_back(call);
  return true;
}

void RecordingCanvas::NewPage() {
  ++page_;
  calls.push_back(Make(CanvasCall::Kind::NewPage));
}

void RecordingCanvas::EndDocument() { calls.push_back(Make(CanvasCall::Kind::End)); }

PageMetrics RecordingCanvas::Metrics() const {
  if (!landscape_) return portrait;
  return {portrait.height, portrait.width, portrait.dotsPerInchY, portrait.dotsPerInchX};
}

void RecordingCanvas::SetFont(const CanvasFont& font) { font_ = font; }

void RecordingCanvas::SetWhiteBrush(bool white) { whiteBrush_ = white; }

int RecordingCanvas::TextWidth(std::string_view text) {
  return static_cast<int>(text.size()) * font_.pointSize * Metrics().dotsPerInchX / 144;
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
  CanvasCall call = Make(CanvasCall::Kind::Text);
  call.x1 = x;
  call.y1 = y;
  call.text = text;
  calls.push_back(call);
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  CanvasCall call = Make(CanvasCall::Kind::Rectangle);
  call.x1 = x1, call.y1 = y1, call.x2 = x2, call.y2 = y2;
  calls.push_back(call);
}

void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  CanvasCall call = Make(CanvasCall::Kind::Ellipse);
  call.x1 = x1, call.y1 = y1, call.x2 = x2, call.y2 = y2;
  calls.push_back(call);
}

void RecordingCanvas::StretchBitmap(int x1, int y1, int x2, int y2, const QImage& bitmap) {
  CanvasCall call = Make(CanvasCall::Kind::Bitmap);
  call.x1 = x1, call.y1 = y1, call.x2 = x2, call.y2 = y2;
  call.bitmapSize = bitmap.size();
  calls.push_back(call);
}

std::vector<CanvasCall> RecordingCanvas::Of(CanvasCall::Kind kind, int page) const {
  std::vector<CanvasCall> found;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
               [&](const CanvasCall& call) { return call.kind == kind && (page == 0 || call.page == page); });
  return found;
}

const CanvasCall* RecordingCanvas::FindText(std::string_view text) const {
  const auto found = std::find_if(calls.begin(), calls.end(), [&](const CanvasCall& call) {
    return call.kind == CanvasCall::Kind::Text && call.text == text;
  });
  return found == calls.end() ? nullptr : &*found;
}

void RecordingCanvas::PrintDocument(const QTextDocument& document, std::string_view title) {
  BeginDocument(title, false);
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) TextOut(0, 0, FromQString(block.text()));
  EndDocument();
}

}  // namespace velmora
