// How long the catalogue takes to fill the five lists of the family with the most
// qualifications in the sample data folder. Run it from build/app.
#include <benchmark/benchmark.h>

#include "bench/sample_folder.h"
#include "guidance/catalogue.h"
#include "vocational/certificates.h"

namespace velmora {
namespace {

RecordingPlatform platform;

// The key of the family with the most items in its five lists.
char LargestFamily() {
  LoadSampleFolder(platform);
  LoadCertificateFiles();
  char largest = '1';
  std::size_t most = 0;
  for (int line = 1; line <= kProfessionalFamilies; ++line) {
    std::size_t items = 0;
    for (const auto& list : CatalogueOfFamily(FamilyKeyAt(line))) items += list.size();
    if (items > most) {
      most = items;
      largest = FamilyKeyAt(line);
    }
  }
  return largest;
}

const char largest = LargestFamily();

void FillTheFiveListsOfTheLargestFamily(benchmark::State& state) {
  std::size_t items = 0;
  for (auto _ : state) {
    const CatalogueLists lists = CatalogueOfFamily(largest);
    items = 0;
    for (const auto& list : lists) items += list.size();
    benchmark::DoNotOptimize(items);
  }
  state.counters["items"] = static_cast<double>(items);
}
BENCHMARK(FillTheFiveListsOfTheLargestFamily)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
