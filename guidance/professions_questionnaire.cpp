#include "guidance/professions_questionnaire.h"

#include <algorithm>

#include "core/common.h"
#include "core/line_loaders.h"
#include "core/printing/reports.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "guidance/ranking.h"
#include "university/degree_tables.h"
#include "vocational/fp_titles.h"
#include "vocational/middle_grade_questionnaire.h"

namespace velmora {
namespace {

constexpr std::size_t kStudyWidth = 70;
constexpr int kPicturesMapped = 15;
constexpr std::array<int, kPicturesMapped> kLongPictures = {2, 20, 9, 17, 16, 14, 1, 18, 15, 3, 0, 5, 11, 13, 12};

ProfessionStatements& StatementFile() {
  static ProfessionStatements statements;
  return statements;
}

// A four-column code field; a field the line does not reach reads as no code.
ActivityCode CodeField(std::string_view line, int column) { return PadTo(Field(line, column, 4), 4); }

std::string Text(int line) { return std::string(TextLine(line)); }

std::string_view ProfessionName(int profession) {
  const SharedTables& t = Tabs();
  if (profession < 1 || profession > std::min(t.CountProfesio, kMaxProfessionNumber)) return {};
  return TrimBlanks(t.TabProfesio[static_cast<std::size_t>(profession)].view());
}

}  // namespace

LongStatement ReadLongStatement(std::string_view line) {
  LongStatement statement;
  statement.text = TrimBlanks(Field(line, 1, 115));
  for (std::size_t k = 0; k < 4; ++k) statement.codes[k] = CodeField(line, 116 + 5 * static_cast<int>(k));
  return statement;
}

ShortStatement ReadShortStatement(std::string_view line) {
  return {CodeField(line, 1), CodeField(line, 6), std::string(TrimBlanks(Field(line, 11, 60)))};
}

void LoadProfessionStatements() {
  ProfessionStatements read;
  const bool longRead = ForEachRequiredLine(LanguageFolder + "fralargas", [&](std::string_view line) {
    read.longStatements.push_back(ReadLongStatement(line));
    return read.longStatements.size() < kMaxLongStatements;
  });
  const bool shortRead = ForEachRequiredLine(LanguageFolder + "fracortas", [&](std::string_view line) {
    read.shortStatements.push_back(ReadShortStatement(line));
    return read.shortStatements.size() < kMaxShortStatements;
  });
  if (longRead && shortRead) StatementFile() = std::move(read);
}

const ProfessionStatements& ProfessionStatementFile() { return StatementFile(); }

int LongStatementPicture(int index) { return kLongPictures[static_cast<std::size_t>(std::clamp(index, 0, kPicturesMapped - 1))]; }

// ---- Studies by profession -------------------------------------------------------------------

void AddStudy(std::array<StudyList, kMaxProfessionNumber + 1>& index, int profession, int entry) {
  if (profession < 1 || profession > kMaxProfessionNumber) return;
  StudyList& list = index[static_cast<std::size_t>(profession)];
  if (list.count < kMaxStudiesPerIndex) list.entries[static_cast<std::size_t>(list.count++)] = entry;
}

std::unique_ptr<ProfessionStudies> BuildProfessionStudies() {
  auto studies = std::make_unique<ProfessionStudies>();
  for (int d = 1; d <= DegreeCount(); ++d)
    for (const DegreeField field : {kProfession1, kProfession2, kProfession3, kProfession4})
      AddStudy(studies->degrees, DegreeValue(d, field), d);
  for (int t = 1; t <= std::min(TitleCount(Grade::GS), kHigherTitles); ++t)
    for (const int profession : HigherTitleOf(t).professions) AddStudy(studies->higherTitles, profession, t);
  for (int t = 1; t <= std::min(TitleCount(Grade::GM), kMiddleGradeEntries); ++t)
    for (const int profession : MiddleGradeEntryOf(t).professions) AddStudy(studies->middleTitles, profession, t);
  return studies;
}

std::vector<StudyLine> StudyLinesOf(const ProfessionStudies& studies, int profession) {
  std::vector<StudyLine> lines;
  if (profession < 1 || profession > kMaxProfessionNumber) return lines;
  const auto p = static_cast<std::size_t>(profession);
  const auto add = [&](std::string_view text, bool heading) {
    if (static_cast<int>(lines.size()) < kMaxStudyLines) lines.push_back({std::string(text.substr(0, kStudyWidth)), heading});
  };
  const auto section = [&](const StudyList& list, int headingLine, auto name) {
    if (list.count == 0) return;
    add("      " + Text(headingLine) + ":", true);
    for (int k = 0; k < list.count; ++k) add(name(list.entries[static_cast<std::size_t>(k)]), false);
  };
  section(studies.degrees[p], 627, [](int d) { return std::string(TrimBlanks(DegreeName(d))); });
  section(studies.higherTitles[p], 47, [](int t) { return TitleName(Grade::GS, t); });
  section(studies.middleTitles[p], 113, [](int t) { return TitleName(Grade::GM, t); });
  return lines;
}

// ---- The professions of the tables -----------------------------------------------------------

std::vector<ProfessionLinks> ProfessionLinkTable() {
  const SharedTables& t = Tabs();
  std::vector<ProfessionLinks> links;
  for (int p = 1; p <= std::min(t.CountProfesio, kMaxProfessionNumber); ++p) {
    const auto at = static_cast<std::size_t>(p);
    links.push_back({PadTo(t.ProfessionCode1[at].view(), 4), PadTo(t.ProfessionCode2[at].view(), 4),
                     t.ProfessionStatement1[at], t.ProfessionStatement2[at]});
  }
  return links;
}

std::vector<int> ProfessionsOfActivity(int activity) {
  const SharedTables& t = Tabs();
  std::vector<int> professions;
  if (activity < 1 || activity > t.CountActivida) return professions;
  const std::string code = PadTo(t.ActivityCodes[static_cast<std::size_t>(activity)].view(), 4);
  for (int p = 1; p <= std::min(t.CountProfesio, kMaxProfessionNumber); ++p) {
    const auto at = static_cast<std::size_t>(p);
    if (PadTo(t.ProfessionCode1[at].view(), 4) == code || PadTo(t.ProfessionCode2[at].view(), 4) == code)
      professions.push_back(p);
  }
  return professions;
}

std::string BulletedName(int profession) { return std::string(1, kBullet) + " " + std::string(ProfessionName(profession)); }

// ---- The questionnaire -----------------------------------------------------------------------

ProfessionsQuestionnaire::ProfessionsQuestionnaire(const ProfessionStatements& statements,
                                                   std::vector<ProfessionLinks> professions)
    : statements_(statements), professions_(std::move(professions)) {}

Speech ProfessionsQuestionnaire::Begin() {
  longSelected_.assign(statements_.longStatements.size(), false);
  statementStep_ = -2;
  currentPage_ = 0;
  pageCount_ = 1;
  finalReview_ = false;
  return Answer(true);
}

Speech ProfessionsQuestionnaire::Answer(bool yes) {
  const int n = longCount();
  ++statementStep_;
  if (statementStep_ > n) {
    statementStep_ = n;
    return {SpeechKind::Hidden};
  }
  if (statementStep_ == n) {
    if (yes && n > 0) longSelected_[static_cast<std::size_t>(n - 1)] = true;
    return CurrentSpeech();
  }
  if (yes && statementStep_ > 0) longSelected_[static_cast<std::size_t>(statementStep_ - 1)] = true;
  return CurrentSpeech();
}

Speech ProfessionsQuestionnaire::CurrentSpeech() const {
  const int n = longCount();
  if (statementStep_ < 0) return {SpeechKind::Introduction};
  if (statementStep_ < n) return {SpeechKind::Statement, statementStep_};
  return {SpeechKind::End, -1, static_cast<int>(std::ranges::count(longSelected_, true))};
}

void ProfessionsQuestionnaire::ToggleLongStatement(int index) {
  if (!LongListEnabled() || index < 0 || index >= longCount()) return;
  longSelected_[static_cast<std::size_t>(index)] = !longSelected_[static_cast<std::size_t>(index)];
}

NextAction ProfessionsQuestionnaire::Next(const std::vector<int>& selectedRows) {
  if (finalReview_) {
    ComputeResult(selectedRows);
    return NextAction::ShowResult;
  }
  const auto kept = std::ranges::count(longSelected_, true);
  if (currentPage_ == 0 && (kept == 0 || kept > kMaxKeptStatements)) {
    statementStep_ = longCount() - 1;
    Answer(false);
    return NextAction::EndAgain;
  }
  if (currentPage_ < pageCount_ + 1) ++currentPage_;
  if (currentPage_ == 1) {
    BuildPages();
    return NextAction::ShowPage;
  }
  StorePicks(currentPage_ - 1, selectedRows);
  if (currentPage_ > pageCount_) {
    reviewStatements_.clear();
    for (int page = 1; page <= pageCount_; ++page)
      for (const int row : pagePicks_[static_cast<std::size_t>(page)])
        reviewStatements_.push_back(pageStatements_[static_cast<std::size_t>(page)][static_cast<std::size_t>(row)]);
    finalReview_ = true;
    return NextAction::ShowReview;
  }
  return NextAction::ShowPage;
}

BackAction ProfessionsQuestionnaire::Back(const std::vector<int>& selectedRows, bool resultShown) {
  if (resultShown && currentPage_ == pageCount_ + 1) return BackAction::HideResult;
  // A page left backwards keeps its picks, as one left forwards does.
  if (!finalReview_ && currentPage_ >= 1 && currentPage_ <= pageCount_) StorePicks(currentPage_, selectedRows);
  finalReview_ = false;
  currentPage_ = std::max(0, currentPage_ - 1);
  return currentPage_ >= 1 ? BackAction::ShowPage : BackAction::ShowLongStatements;
}

std::vector<int> ProfessionsQuestionnaire::Pick(int clicked, const std::vector<int>& selectedRows) const {
  const bool clickedSelected = std::ranges::find(selectedRows, clicked) != selectedRows.end();
  if (finalReview_) return clickedSelected ? std::vector<int>{clicked} : std::vector<int>{};
  if (selectedRows.size() > 2 && clickedSelected) return {clicked};
  return selectedRows;
}

void ProfessionsQuestionnaire::BuildPages() {
  for (auto& page : pageStatements_) page.fill(0);
  for (auto& picks : pagePicks_) picks.clear();
  std::vector<LongStatementCodes> kept;
  for (std::size_t i = 0; i < longSelected_.size() && kept.size() < kMaxKeptStatements; ++i)
    if (longSelected_[i]) kept.push_back(statements_.longStatements[i].codes);
  const std::vector<ActivityCode> codes = CollectActivityCodes(kept);
  candidates_ = CandidateStatements(codes, professions_);
  // Past 44 candidates the pages are full; the later ones are not offered.
  constexpr std::size_t kMostShown = kMaxPages * kMaxPageRows;
  if (candidates_.size() > kMostShown) candidates_.resize(kMostShown);
  const int m = static_cast<int>(candidates_.size());
  pageSize_ = 4;
  pageCount_ = std::max(1, (m + 3) / 4);
  if (pageCount_ > kMaxPages) {
    pageCount_ = kMaxPages;
    pageSize_ = (m + kMaxPages - 1) / kMaxPages;
  }
  for (int c = 0; c < m; ++c)
    pageStatements_[static_cast<std::size_t>(1 + c % pageCount_)][static_cast<std::size_t>(c / pageCount_)] =
        candidates_[static_cast<std::size_t>(c)];
}

void ProfessionsQuestionnaire::StorePicks(int page, const std::vector<int>& selectedRows) {
  if (page < 1 || page > kMaxPages) return;
  std::vector<int>& picks = pagePicks_[static_cast<std::size_t>(page)];
  picks.clear();
  const auto& rows = pageStatements_[static_cast<std::size_t>(page)];
  for (const int row : selectedRows)
    if (row >= 0 && row < kMaxPageRows && rows[static_cast<std::size_t>(row)] != 0) picks.push_back(row);
  std::ranges::sort(picks);
}

std::vector<int> ProfessionsQuestionnaire::ListedStatements() const {
  if (finalReview_) return reviewStatements_;
  std::vector<int> listed;
  if (currentPage_ < 1 || currentPage_ > kMaxPages) return listed;
  for (const int statement : pageStatements_[static_cast<std::size_t>(currentPage_)]) {
    if (statement == 0) break;
    listed.push_back(statement);
  }
  return listed;
}

std::vector<int> ProfessionsQuestionnaire::StoredPicks() const {
  if (finalReview_ || currentPage_ < 1 || currentPage_ > kMaxPages) return {};
  return pagePicks_[static_cast<std::size_t>(currentPage_)];
}

void ProfessionsQuestionnaire::ComputeResult(const std::vector<int>& selectedRows) {
  const SharedTables& t = Tabs();
  result_ = {};
  const int selectedRow = selectedRows.empty() ? -1 : selectedRows.back();
  marked_ = selectedRow >= 0 && selectedRow < static_cast<int>(reviewStatements_.size())
                ? reviewStatements_[static_cast<std::size_t>(selectedRow)]
                : 0;
  const int activities = std::min(t.CountActivida, 30);
  for (int k = 0; k < static_cast<int>(reviewStatements_.size()); ++k) {
    const int s = reviewStatements_[static_cast<std::size_t>(k)];
    if (s < 1 || s > static_cast<int>(statements_.shortStatements.size())) continue;
    const ShortStatement& statement = statements_.shortStatements[static_cast<std::size_t>(s - 1)];
    const bool chosen = k == selectedRow;
    for (int a = 1; a <= activities; ++a) {
      const std::string code = PadTo(t.ActivityCodes[static_cast<std::size_t>(a)].view(), 4);
      double& score = result_.scores[static_cast<std::size_t>(a)];
      if (statement.code1 == code) score += chosen ? 2.5 : 1.0;
      if (!IsNoActivity(statement.code2) && statement.code2 == code) score += chosen ? 1.25 : 0.5;
    }
  }
  std::vector<RankedItem> ranked;
  for (int a = 1; a <= activities; ++a)
    if (result_.scores[static_cast<std::size_t>(a)] > 0) ranked.push_back({result_.scores[static_cast<std::size_t>(a)], a, {}});
  RankDescending(ranked);
  for (const RankedItem& item : ranked) result_.activityRanking.push_back(item.item);
  if (marked_ == 0) return;
  std::vector<std::string_view> names;
  for (int p = 1; p <= static_cast<int>(professions_.size()); ++p) {
    const ProfessionLinks& links = professions_[static_cast<std::size_t>(p - 1)];
    if (links.statement1 != marked_ && links.statement2 != marked_) continue;
    if (std::ranges::find(names, ProfessionName(p)) != names.end()) continue;
    names.push_back(ProfessionName(p));
    result_.professions.push_back(p);
  }
}

// ---- The result's texts ----------------------------------------------------------------------

std::vector<std::string> ActivityItems(const ProfessionsResult& result) {
  std::vector<std::string> items{std::string(9, ' ') + Text(625)};
  for (std::size_t rank = 0; rank < std::min<std::size_t>(2, result.activityRanking.size()); ++rank) {
    const int activity = result.activityRanking[rank];
    items.push_back(std::to_string(rank + 1) + "\xBA " + std::string(TrimBlanks(Tabs().TabActivida[static_cast<std::size_t>(activity)].view())));
  }
  return items;
}

std::vector<std::string> ProfessionItems(const ProfessionsResult& result) {
  std::vector<std::string> items{std::string()};
  for (const int profession : result.professions) items.push_back(BulletedName(profession));
  return items;
}

std::vector<std::string> ActivityProfessionItems(const ProfessionsResult& result, int rank) {
  std::vector<std::string> items;
  if (rank < 1 || rank > static_cast<int>(result.activityRanking.size())) return items;
  items.push_back("     " + Text(624) + " " + std::to_string(rank) + "\xBA");
  for (const int profession : ProfessionsOfActivity(result.activityRanking[static_cast<std::size_t>(rank - 1)]))
    items.push_back(BulletedName(profession));
  return items;
}

int BuildProfessionsReport(const ProfessionsResult& result, const ProfessionStudies& studies, std::string_view student) {
  StartPrintLines(student);
  AddPrintLine(Text(648), true);
  AddPrintLine({});
  AddPrintLine(Text(124));
  AddPrintLine(Text(644), true);
  AddPrintLine({});
  for (const int profession : result.professions) {
    AddPrintLine(BulletedName(profession), true);
    for (const StudyLine& line : StudyLinesOf(studies, profession)) AddPrintLine("    " + line.text);
  }
  AddPrintLine({});
  AddPrintLine(Text(642), true);
  for (const std::string& item : ActivityItems(result)) AddPrintLine(item);
  AddPrintLine({});
  AddPrintLine("     " + Text(624) + " 1\xBA:");
  if (!result.activityRanking.empty())
    for (const int profession : ProfessionsOfActivity(result.activityRanking.front()))
      AddPrintLine("  " + BulletedName(profession));
  return Tabs().PrintCount;
}

}  // namespace velmora
