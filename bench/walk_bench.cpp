// How long a tick of the walk-through takes on the sample data folder: the figure's move with
// every rule and the drawing of the whole scene with its sign texts into the back buffer, with the
// figure walking across the upper hall. Run it from build/app.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "core/common.h"
#include "core/platform/recording_platform.h"
#include "core/startup.h"
#include "navigation/walk_through.h"

namespace velmora {
namespace {

void TickTheWholeScene(benchmark::State& state) {
  Tform9 walk;
  walk.Scene.state.walkIn = false;
  walk.Scene.titleShown = false;
  int frame = 0;
  for (auto _ : state) {
    // Back and forth along the upper hall, so the drawn part of the building changes.
    if (frame++ % 200 == 0) {
      walk.Scene.figure.X = -400;
      walk.Scene.figure.Y = -700;
      walk.Scene.Click(1000, 384);
    }
    walk.Scene.Tick(kStepPerTick, 600, 300);
    walk.DrawScene();
  }
  state.counters["objects"] = static_cast<double>(walk.Scene.objects.size());
}
BENCHMARK(TickTheWholeScene)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  velmora::RecordingPlatform platform;
  velmora::SetCurrentPlatform(&platform);
  velmora::RunStageA({}, std::filesystem::current_path());
  if (!velmora::AnimationOn) {
    std::fprintf(stderr, "the walk-through's archives did not load\n");
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
