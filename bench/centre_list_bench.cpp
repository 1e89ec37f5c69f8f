// How long the centre list of a title takes for the largest community (Andalucía) and for the
// whole country, on the sample data folder; and for the higher-grade title offered by the most
// centres, over the whole country. Run it from build/app, beside the data folder.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <vector>

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
  LoadLineTable("cas\\fp", t.TabFp, t.CountFp, WidthFP);
  ReadRecords("datluggs", std::as_writable_bytes(std::span(t.Binary.OfferGS)), kOfferRecordSize, 4);
  for (int title = 1; title <= t.CountFp2; ++title)
    if (t.TabFp2[static_cast<std::size_t>(title)].view().starts_with("Gesti\xF3n Administrativa")) return title;
  return 2;
}

const int kTitle = LoadSampleFolder();

// The higher-grade title with the most offers in the four centre files.
int MostWidelyTaughtHigherTitle() {
  std::vector<int> offers(kLineTableLines + 1, 0);
  for (int file = 1; file <= 4; ++file)
    for (int line = 1; line <= CentreFile(file).count; ++line) {
      const OfferEntry entry = OfferEntryOf(OfferFile(Grade::GS), file, line);
      for (int i = 0; i < entry.n; ++i) ++offers[static_cast<std::size_t>(std::clamp(entry.titles[static_cast<std::size_t>(i)], 0, kLineTableLines))];
    }
  return static_cast<int>(std::max_element(offers.begin() + 1, offers.end()) - offers.begin());
}

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

void HigherGradeWholeCountry(benchmark::State& state) {
  const int title = MostWidelyTaughtHigherTitle();
  std::size_t rows = 0;
  for (auto _ : state) {
    rows = 0;
    for (int community = 1; community <= 19; ++community)
      rows += CentresOfferingTitle(Grade::GS, title, PlacesOfCommunity(community)).size();
    benchmark::DoNotOptimize(rows);
  }
  state.counters["title"] = title;
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(HigherGradeWholeCountry)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
