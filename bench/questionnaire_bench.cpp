// How long the interest questionnaire takes to turn a whole set of answers into its result on
// the sample data folder: scores, group marks, both rankings, the recommendation and the result
// lines. Run it from build/app.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/common.h"
#include "core/line_loaders.h"
#include "core/platform/recording_platform.h"
#include "guidance/interest_questionnaire.h"
#include "university/degree_files.h"

namespace velmora {
namespace {

RecordingPlatform platform;

// Every question answered, cycling through its answers so the marks spread.
Questionnaire AnsweredQuestionnaire() {
  SetCurrentPlatform(&platform);
  AllocateSharedTables();
  std::filesystem::current_path("velmora15_16");
  LanguageFolder = "cas\\";
  LoadDegreeFiles();
  SharedTables& t = Tabs();
  LoadLineTable("cas\\cuestion", t.TabCuestion, t.CountCuestion, 50);
  LoadLineTable("cas\\itinerar", t.TabItinerar, t.CountItinerar, 54);
  Questionnaire q;
  q.QuestionCount = t.CountCuestion;
  StartQuestionnaire(q, false);
  FillQuestions(q);
  for (int n = 1; n <= q.QuestionCount; ++n)
    for (int clicks = n % 4; clicks > 0; --clicks) AnswerQuestion(q, n);
  return q;
}

Questionnaire answered = AnsweredQuestionnaire();
const QuestionGroups groups = ReadQuestionGroups(answered.QuestionCount);

void ScoreAndRankFullQuestionnaire(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ScoreFullTest(answered, groups));
  state.counters["questions"] = answered.QuestionCount;
  state.counters["lines"] = static_cast<double>(answered.Result.ResultLines.size());
}
BENCHMARK(ScoreAndRankFullQuestionnaire)->Unit(benchmark::kMicrosecond);

void ScoreShortTest(benchmark::State& state) {
  Questionnaire q = answered;
  q.ShownQuestions = kFirstPartLength;
  q.ShortTestMode = true;
  for (auto _ : state) benchmark::DoNotOptimize(ScoreShortTest(q, groups));
}
BENCHMARK(ScoreShortTest)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
