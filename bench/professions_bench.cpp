// How long the professions questionnaire takes, on the sample data folder, to score a final
// review of eight picked statements (the activity scores, their ranking and the professions of
// the marked statement) and to list a profession's studies from the three indexes. Run it from
// build/app.
#include <benchmark/benchmark.h>

#include "bench/sample_folder.h"
#include "guidance/professions_questionnaire.h"

namespace velmora {
namespace {

RecordingPlatform platform;

// The first three long statements kept, two statements picked on every page, the review shown.
ProfessionsQuestionnaire InReview() {
  LoadSampleFolder(platform);
  LoadProfessionStatements();
  ProfessionsQuestionnaire q(ProfessionStatementFile(), ProfessionLinkTable());
  q.Begin();
  for (int i = 0; i <= static_cast<int>(ProfessionStatementFile().longStatements.size()); ++i) q.Answer(i <= 3);
  q.Next({});
  while (!q.FinalReview()) q.Next({0, 1});
  return q;
}

ProfessionsQuestionnaire review = InReview();
const std::unique_ptr<ProfessionStudies> studies = BuildProfessionStudies();

void ScoreTheFinalReview(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(review.Next({1}));
  state.counters["picked"] = static_cast<double>(review.ListedStatements().size());
  state.counters["professions"] = static_cast<double>(review.Result().professions.size());
}
BENCHMARK(ScoreTheFinalReview)->Unit(benchmark::kMicrosecond);

// The profession with the most studies of the sample data.
int RichestProfession() {
  int best = 1;
  std::size_t most = 0;
  for (int p = 1; p <= kMaxProfessionNumber; ++p)
    if (const std::size_t lines = StudyLinesOf(*studies, p).size(); lines > most) {
      most = lines;
      best = p;
    }
  return best;
}

void ListAProfessionsStudies(benchmark::State& state) {
  const int profession = RichestProfession();
  for (auto _ : state) benchmark::DoNotOptimize(StudyLinesOf(*studies, profession));
  state.counters["lines"] = static_cast<double>(StudyLinesOf(*studies, profession).size());
}
BENCHMARK(ListAProfessionsStudies)->Unit(benchmark::kMicrosecond);

void BuildTheThreeIndexes(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(BuildProfessionStudies());
}
BENCHMARK(BuildTheThreeIndexes)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
