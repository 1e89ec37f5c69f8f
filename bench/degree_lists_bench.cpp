// How long the degrees screen's lists take on the sample data folder: the branch grid of all
// degrees and the cut-off grid of the most widely taught degree. Run it from build/app.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/common.h"
#include "core/platform/recording_platform.h"
#include "university/degree_files.h"
#include "university/degree_lists.h"
#include "university/degree_tables.h"
#include "university/where_to_study.h"

namespace velmora {
namespace {

RecordingPlatform platform;

int LoadSampleFolder() {
  SetCurrentPlatform(&platform);
  AllocateSharedTables();
  std::filesystem::current_path("velmora15_16");
  LanguageFolder = "cas\\";
  LoadDegreeFiles();
  int widest = 1;
  for (int d = 1; d <= DegreeCount(); ++d)
    if (DegreeOffers(d).size() > DegreeOffers(widest).size()) widest = d;
  return widest;
}

const int kWidestDegree = LoadSampleFolder();

void AllDegreesBranchGrid(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(BranchDegreeRows(kAllBranchesItem));
  state.counters["rows"] = static_cast<double>(BranchDegreeRows(kAllBranchesItem).size());
}
BENCHMARK(AllDegreesBranchGrid)->Unit(benchmark::kMicrosecond);

void WidestDegreeGrid(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(BuildDegreeGrid(kWidestDegree));
  state.counters["rows"] = static_cast<double>(BuildDegreeGrid(kWidestDegree).texts.size());
}
BENCHMARK(WidestDegreeGrid)->Unit(benchmark::kMicrosecond);

void BusiestUniversityDegrees(benchmark::State& state) {
  int busiest = 1;
  std::size_t most = 0;
  for (int u = 1; u <= Tabs().CountLugar; ++u)
    if (const std::size_t rows = UniversityDegreeRows(u).size(); rows > most) {
      most = rows;
      busiest = u;
    }
  for (auto _ : state) benchmark::DoNotOptimize(UniversityDegreeRows(busiest));
  state.counters["rows"] = static_cast<double>(most);
}
BENCHMARK(BusiestUniversityDegrees)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
