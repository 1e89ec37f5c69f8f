// The whole load of the degree and vocational files from one input that carries any of them,
// then the interest questionnaire, the advice checklists, the middle-grade and the professions
// questionnaires (when the input carries their files), the place model, the high cut-off marks, the vocational statistics, the titles of the
// three FP grades and the certificates, driven by the script that follows the files.
#include <array>

#include "core/line_loaders.h"
#include "guidance/advice_checklists.h"
#include "guidance/interest_questionnaire.h"
#include "guidance/professions_questionnaire.h"
#include "tests/fuzz/degree_files_inputs.h"
#include "tests/fuzz/fuzz_folder.h"
#include "university/admission_info.h"
#include "university/degree_files.h"
#include "vocational/basic_titles.h"
#include "vocational/certificates.h"
#include "vocational/fp_titles.h"
#include "vocational/middle_grade_questionnaire.h"
#include "vocational/vocational_charts.h"
#include "vocational/place_model.h"
#include "vocational/vocational_files.h"

using namespace velmora;

namespace {

void DrivePlaceModel(fuzz::Script& script) {
  ResetPlaceModel();
  const Grade grades[] = {Grade::GM, Grade::GS, Grade::Basic};
  for (int step = 0; step < 32 && script.More(); ++step) {
    const Grade grade = grades[script.Next(3)];
    switch (script.Next(10)) {
      case 0: ChooseCommunity(script.Next(24)); break;
      case 1:
        if (const auto place = ResolvePlace(script.Next(120), grade)) {
          CentresOfPlace(grade, *place, {script.Next(2) == 1, script.Next(2) == 1});
          if (script.Next(2) == 1) BackToTowns(grade);
        }
        break;
      case 2: ChooseTown(script.Next(210)); break;
      case 3: ToggleAllFpView(grade, script.Next(120)); break;
      case 4: {
        const int title = script.Next(256) * 5;
        const std::vector<GridRow> rows = TitleListGrid(CentresOfferingTitle(grade, title, PlacesOfCommunity(script.Next(21))));
        for (const GridRow& row : rows) GridCellKind(row.text);
        AppendPrintRows(rows);
        StarBlinker stars(CommunitiesOfferingTitle(grade, title));
        for (int tick = 0; tick < 3; ++tick) stars.Tick();
        break;
      }
      case 5: ClickComarca(script.Next(64)); break;
      case 6: ClickBarcelonaEntry(script.Next(64) - 2); break;
      case 7: ClickZone(script.Next(32)); break;
      case 8: LeaveTownMode(); break;
      default: {
        const MapKind kinds[] = {MapKind::Communities, MapKind::Comarcas, MapKind::Zones};
        HoverMap(kinds[script.Next(3)], script.Next(300) - 5, script.Next(240) - 5);
        break;
      }
    }
  }
  ResetPlaceModel();
}

// A start, answers on any rows, the result of either mode and a group's information.
void DriveQuestionnaire(fuzz::Script& script) {
  Questionnaire q;
  q.QuestionCount = std::min(Tabs().CountCuestion, kMaxQuestions);
  const QuestionGroups groups = ReadQuestionGroups(q.QuestionCount);
  StartQuestionnaire(q, script.Next(2) == 1);
  FillQuestions(q);
  for (int answers = script.Next(64); answers > 0; --answers) AnswerQuestion(q, script.Next(kMaxQuestions + 2));
  if (q.ShortTestMode) {
    ScoreShortTest(q, groups);
    if (ContinueAfterShortTest(q)) FillQuestions(q);
  }
  ScoreFullTest(q, groups);
  GroupInformationLines(script.Next(kStudyGroups + 3));
  BuildResultReport(q, StudentLabelFor("Fuzz", q.CourseYear));
}

// Ticks on both checklists, their results, the average and both reports.
void DriveAdvice(fuzz::Script& script) {
  SharedTables& t = Tabs();
  AdviceResults results;
  AdviceMarks marks[2]{};
  const Checklist checklists[] = {Checklist::Qualities, Checklist::Interests};
  for (int k = 0; k < 2; ++k) {
    const int count = k == 0 ? t.CountCualidad : t.CountInteres;
    const ChecklistGroups groups = ReadChecklistGroups(checklists[k], count);
    std::vector<bool> ticked(static_cast<std::size_t>(count) + 1, false);
    for (int ticks = script.Next(32); ticks > 0; --ticks) {
      const int row = script.Next(count + 1);
      for (const int below : GradedStepsBelow(checklists[k], row)) ticked[static_cast<std::size_t>(below) + 1] = true;
      ticked[static_cast<std::size_t>(row)] = true;
    }
    marks[k] = ChecklistMarks(ticked, groups);
    (k == 0 ? results.qualityLines : results.interestLines) = RankAdviceGroups(marks[k]).lines;
  }
  const AdviceRanking combined = RankAdviceGroups(AverageMarks(marks[0], marks[1]));
  results.combinedLines = combined.lines;
  results.order = combined.order;
  GroupStudiesLines(results.order[1]);
  AppendStudiesReport(results, BuildAdviceReport(results, "Fuzz"));
}

// Steps forward and back with any rows ticked, title views with centres, and the report.
void DriveMiddleGradeQuestionnaire(fuzz::Script& script) {
  SharedTables& t = Tabs();
  LoadLineTable75("cas\\cuesgm", t.TabCuesgm, t.CountCuesgm, 75);
  if (StartAborted) {
    StartAborted = false;
    return;
  }
  const GmQuestions questions = SplitGmQuestions(t.TabCuesgm, t.CountCuesgm);
  MiddleGradeQuestionnaire q(questions);
  q.Start();
  for (int step = script.Next(12); step > 0; --step) {
    switch (script.Next(3)) {
      case 0: {
        std::vector<int> rows;
        for (int n = script.Next(6); n > 0; --n) rows.push_back(script.Next(230) - 2);
        q.Forward(rows);
        break;
      }
      case 1: q.Back(); break;
      default:
        q.OpenTitleView();
        q.AddCentresBlock(TitleName(Grade::GM, q.TitleOfRow(script.Next(12) - 1)), {{"IES", "900", 1}});
        break;
    }
  }
  q.FillPrintTable("Fuzz");
}

// Answers, changed choices, pages forward and back with any rows picked, the result and its report.
void DriveProfessions(fuzz::Script& script) {
  LoadProfessionStatements();
  if (StartAborted) {
    StartAborted = false;
    return;
  }
  const auto studies = BuildProfessionStudies();
  ProfessionsQuestionnaire q(ProfessionStatementFile(), ProfessionLinkTable());
  q.Begin();
  for (int step = script.Next(48); step > 0; --step) {
    std::vector<int> rows;
    for (int n = script.Next(4); n > 0; --n) rows.push_back(script.Next(16) - 2);
    switch (script.Next(5)) {
      case 0: q.Answer(script.Next(2) == 1); break;
      case 1: q.ToggleLongStatement(script.Next(24) - 2); break;
      case 2: q.Next(rows); break;
      case 3: q.Back(rows, script.Next(2) == 1); break;
      default: q.Pick(script.Next(16) - 2, rows); break;
    }
  }
  const ProfessionsResult& result = q.Result();
  for (const int profession : result.professions) StudyLinesOf(*studies, profession);
  StudyLinesOf(*studies, script.Next(256));
  ActivityItems(result);
  ProfessionItems(result);
  for (int rank = 0; rank <= 3; ++rank) ActivityProfessionItems(result, rank);
  BuildProfessionsReport(result, *studies, "Fuzz");
}

void DriveTitles(fuzz::Script& script) {
  SharedTables& t = Tabs();
  LoadBlocks26("cas\\asignaba", t.TabAsignaba, t.CountFpba);
  LoadLines600("cas\\informa_l", t.TabInformaL, t.CountInformaL, WidthStd);
  for (const BasicFamily& family : BasicFamilies()) BasicTitlesOfFamily(family.key);
  BasicHeadings();
  BasicScreenTitle();
  const int basic = script.Next(260);
  BasicPreviewLines(basic);
  BasicJobLines(basic);
  BasicStudyLines(basic);
  BuildBasicTitleReport(basic, BasicTitleName(basic), script.Next(21), {});
  static LineTable lu2;
  lu2 = t.TabLu2;
  PrepareBasicCentreFile2(lu2, t.CountLu2);

  const Grade grade = script.Next(2) == 1 ? Grade::GS : Grade::GM;
  const std::vector<FamilyGroup> groups = ReadFamilyGroups(grade);
  for (const FamilyItem& item : FamiliesOfGroup(grade, groups, script.Next(11))) TitlesOfFamily(grade, item.family);
  const int title = script.Next(210);
  HigherRequirementLines(title);
  HigherStudyLines(title);
  StatisticsFamilyOf(title);
  BuildTitleReport(grade, title, TitleName(grade, title), {script.Next(21)});

  LoadCertificateFiles();
  for (int family = 1; family <= kCertificateFamilies; ++family)
    for (const CertificateItem& heading : AreaHeadings(family)) {
      const std::vector<CertificateItem> certificates = CertificatesOfArea(heading.entry);
      for (const CertificateItem& certificate : certificates) DetailsOf(certificate.entry);
      BuildAreaReport(certificates);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshState();
  LanguageFolder = "cas\\";
  fuzz::Script script(fuzz::UnpackFiles(fuzz::Input(data, size), fuzz::kDegreeFiles));
  LoadDegreeFiles();
  if (StartAborted) return 0;
  LoadVocationalFiles();
  if (StartAborted) return 0;
  LoadLineTable("cas\\cuestion", Tabs().TabCuestion, Tabs().CountCuestion, 50);
  if (StartAborted) {
    StartAborted = false;  // an input without the questions drives the rest
  } else {
    DriveQuestionnaire(script);
  }
  LoadLineTable("cas\\cualidad", Tabs().TabCualidad, Tabs().CountCualidad, WidthFP);
  LoadLineTable("cas\\interes", Tabs().TabInteres, Tabs().CountInteres, WidthFP);
  if (StartAborted) {
    StartAborted = false;
  } else {
    DriveAdvice(script);
  }
  DriveMiddleGradeQuestionnaire(script);
  DriveProfessions(script);
  HighCutOffRows(script.Next(101));
  const VocationalStats stats = LoadVocationalStats();
  TitleRows(stats);
  ShareRows(stats);
  JobRows(stats);
  ComparisonRows(stats);
  DrivePlaceModel(script);
  DriveTitles(script);
  return 0;
}
