// How long the complete itineraries diagram takes to draw (boxes, lines and every text of its
// eight steps) with the sample folder's texts, on a 1024 x 768 picture as the screen's repaint
// draws it. Run it from build/app, beside the data folder.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/common.h"
#include "core/line_loaders.h"
#include "core/platform/recording_platform.h"
#include "core/text_table.h"
#include "guidance/itineraries_diagram.h"
#include "guidance/itineraries_drawing.h"

namespace velmora {
namespace {

void DrawCompleteDiagram(benchmark::State& state) {
  QImage picture(1024, 768, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&picture);
    DrawDiagram(painter, kDiagramSteps - 1);
  }
}
BENCHMARK(DrawCompleteDiagram)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  velmora::RecordingPlatform platform;
  velmora::SetCurrentPlatform(&platform);
  velmora::AllocateSharedTables();
  velmora::SetPalette();
  std::filesystem::current_path("velmora15_16");
  velmora::SharedTables& t = velmora::Tabs();
  velmora::LoadTextLines("cas\\textos", t.TabTextos, t.CountTextos);
  velmora::FillTextSlots();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
