// How long the centre list of a title takes for the largest community (Andalucía) and for the
// whole country, on the sample data folder. Run it from build/app, beside the data folder.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/binary_readers.h"
#include "core/common.h"
#include "core/line_loaders.h"
#include "core/platform/recording_platform.h"
#include "vocational/place_model.h"

namespace velmora {
namespace {

RecordingPlatform platform;

int LoadSampleFolder() {
  SetCurrentPlatform(&platform);
  AllocateSharedTables();
  std::filesystem::current_path("velmora15_16");
  SharedTables& t = Tabs();
  LoadLineTable("comunida", t.TabComunida, t.CountComunida, WidthShort);
  LoadLineTable("cas\\fp2", t.TabFp2, t.CountFp2, WidthFP);
  LineTable* centres[] = {&t.TabLu1, &t.TabLu2, &t.TabLu3, &t.TabLu4};
  int* counts[] = {&t.CountLu1, &t.CountLu2, &t.CountLu3, &t.CountLu4};
  for (int file = 0; file < 4; ++file) LoadLineTable("lu" + std::to_string(file + 1), *centres[file], *counts[file], WidthStd);
  ReadRecords("datluggm", std::as_writable_bytes(std::span(t.Binary.OfferGM)), kOfferRecordSize, 4);
  for (int title = 1; title <= t.CountFp2; ++title)
    if (t.TabFp2[static_cast<std::size_t>(title)].view().starts_with("Gesti\xF3n Administrativa")) return title;
  return 2;
}

const int kTitle = LoadSampleFolder();

void LargestCommunity(benchmark::State& state) {
  const CommunityPlaces places = PlacesOfCommunity(1);
  for (auto _ : state) benchmark::DoNotOptimize(CentresOfferingTitle(Grade::GM, kTitle, places));
  state.counters["rows"] = static_cast<double>(CentresOfferingTitle(Grade::GM, kTitle, places).size());
}
BENCHMARK(LargestCommunity)->Unit(benchmark::kMicrosecond);

void WholeCountry(benchmark::State& state) {
  for (auto _ : state)
    for (int community = 1; community <= 19; ++community)
      benchmark::DoNotOptimize(CentresOfferingTitle(Grade::GM, kTitle, PlacesOfCommunity(community)));
}
BENCHMARK(WholeCountry)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
