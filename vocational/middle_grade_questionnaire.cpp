#include "vocational/middle_grade_questionnaire.h"

#include <algorithm>
#include <span>

#include "core/binary_tables.h"
#include "core/common.h"
#include "core/line_loaders.h"
#include "core/printing/reports.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "vocational/fp_titles.h"

namespace velmora {
namespace {

constexpr int kEntryIntegers = 7;
constexpr int kStatementWidth = 70;
constexpr std::size_t kPrintWidth = 65;  // a row of the printed report

GmQuestions& QuestionFile() {
  static GmQuestions questions;
  return questions;
}

// A digit of the area columns; anything else reads as no area.
int AreaDigit(char c) { return c >= '0' && c <= '9' ? c - '0' : 0; }

bool Contains(const std::vector<int>& values, int value) { return std::ranges::find(values, value) != values.end(); }

}  // namespace

void LoadGmQuestions() {
  SharedTables& t = Tabs();
  LoadLineTable75(LanguageFolder + "cuesgm", t.TabCuesgm, t.CountCuesgm, 75);
  QuestionFile() = SplitGmQuestions(t.TabCuesgm, t.CountCuesgm);
}

const GmQuestions& GmQuestionFile() { return QuestionFile(); }

GmQuestions SplitGmQuestions(LineTable75& table, int& count) {
  GmQuestions questions;
  const int areas = std::clamp(count, 0, kGmAreaItems);
  for (int i = 1; i <= areas; ++i) questions.areas.emplace_back(TrimBlanks(table[static_cast<std::size_t>(i)].view()));
  questions.areas.resize(kGmAreaItems);
  TakeOutLeadingLines(table, count, areas);
  for (int j = 1; j <= std::min(count, kGmMaxStatements); ++j) {
    const std::string_view line = table[static_cast<std::size_t>(j)].view();
    GmStatement statement;
    statement.areaA = line.empty() ? 0 : AreaDigit(line[0]);
    statement.areaB = line.size() < 2 ? 0 : AreaDigit(line[1]);
    statement.text = TrimBlanks(line.size() > 2 ? line.substr(2, kStatementWidth) : std::string_view());
    questions.statements.push_back(std::move(statement));
  }
  return questions;
}

MiddleGradeEntry MiddleGradeEntryOf(int title) {
  MiddleGradeEntry entry;
  if (title < 1 || title > kMiddleGradeEntries) return entry;
  const ConstBytes bytes(Tabs().Binary.Datfpm);
  const auto integer = [&](int k) { return Int32At(bytes, static_cast<std::size_t>((title - 1) * kEntryIntegers + k - 1)); };
  for (std::size_t k = 0; k < 3; ++k) {
    entry.professions[k] = integer(static_cast<int>(k) + 1);
    entry.statements[k] = integer(static_cast<int>(k) + 5);
  }
  entry.family = integer(4);
  return entry;
}

int GmAreaCode(int item) { return item >= 0 && item < kGmNoAreaItem ? item + 1 : 0; }
int GmAreaItem(int code) { return code >= 1 && code <= kGmNoAreaItem ? code - 1 : kGmNoAreaItem; }

std::vector<int> StatementsOfCodes(const GmQuestions& questions, const std::vector<int>& codes) {
  std::vector<int> statements;
  const int count = static_cast<int>(questions.statements.size());
  for (int j = 1; j <= count; ++j)
    if (Contains(codes, questions.statements[static_cast<std::size_t>(j - 1)].areaA)) statements.push_back(j);
  for (int j = 1; j <= count; ++j) {
    const int b = questions.statements[static_cast<std::size_t>(j - 1)].areaB;
    if (b != 0 && Contains(codes, b)) statements.push_back(j);
  }
  return statements;
}

std::vector<int> TitlesOfStatements(const std::vector<int>& statements) {
  const int count = std::min(TitleCount(Grade::GM), kMiddleGradeEntries);
  std::vector<std::array<int, 3>> suggestedBy;
  for (int t = 1; t <= count; ++t) suggestedBy.push_back(MiddleGradeEntryOf(t).statements);
  std::vector<int> titles;
  for (const int statement : statements) {
    if (statement <= 0) continue;
    for (int t = 1; t <= count; ++t)
      if (std::ranges::find(suggestedBy[static_cast<std::size_t>(t - 1)], statement) != suggestedBy[static_cast<std::size_t>(t - 1)].end() &&
          !Contains(titles, t))
        titles.push_back(t);
  }
  return titles;
}

// ---- The steps -------------------------------------------------------------------------------

void MiddleGradeQuestionnaire::Start() {
  step_ = GmStep::Areas;
  titleView_ = false;
  codes_.clear();
  statementRows_.clear();
  titleRows_.clear();
}

GmForward MiddleGradeQuestionnaire::Forward(const std::vector<int>& tickedRows) {
  if (step_ == GmStep::Areas) {
    if (Contains(tickedRows, kGmPlaceSearchItem)) return GmForward::LeaveForPlaces;
    if (tickedRows.empty()) return GmForward::Beep;
    report_.clear();
    bold_.clear();
    AddRow(TextLine(594), true);
    AddRow({});
    codes_.clear();
    for (int item = 0; item < kGmPlaceSearchItem; ++item) {
      if (!Contains(tickedRows, item) || static_cast<int>(codes_.size()) == kGmMaxChosenCodes) continue;
      codes_.push_back(GmAreaCode(item));
      AddRow(questions_.areas[static_cast<std::size_t>(item)]);
    }
    statementRows_.clear();
    for (const int j : StatementsOfCodes(questions_, codes_))
      statementRows_.push_back({j, questions_.statements[static_cast<std::size_t>(j - 1)].text});
    step_ = GmStep::Statements;
    return GmForward::ShowStatements;
  }
  if (step_ != GmStep::Statements) return GmForward::Beep;
  std::vector<int> chosen;
  for (const int row : tickedRows)
    if (row >= 0 && row < static_cast<int>(statementRows_.size())) chosen.push_back(row);
  if (chosen.empty()) return GmForward::Beep;
  std::ranges::sort(chosen);
  step_ = GmStep::Titles;
  titleView_ = false;
  AddRow({});
  AddRow(TextLine(595), true);
  AddRow({});
  std::vector<int> statements;
  for (const int row : chosen) {
    const GmRow& statement = statementRows_[static_cast<std::size_t>(row)];
    AddRow(statement.text);
    statements.push_back(statement.number);
  }
  AddRow({});
  AddRow(TextLine(190), true);
  titleRows_.clear();
  for (const int title : TitlesOfStatements(statements)) {
    titleRows_.push_back({title, TitleName(Grade::GM, title)});
    AddRow(titleRows_.back().text);
  }
  return GmForward::ShowTitles;
}

GmBack MiddleGradeQuestionnaire::Back() {
  if (titleView_) {
    titleView_ = false;
    return GmBack::LeaveTitleView;
  }
  if (step_ == GmStep::Titles) {
    step_ = GmStep::Statements;
    return GmBack::ToStatements;
  }
  if (step_ == GmStep::Statements) {
    step_ = GmStep::Areas;
    return GmBack::ToAreas;
  }
  return GmBack::Nothing;
}

std::vector<int> MiddleGradeQuestionnaire::ChosenAreaItems() const {
  std::vector<int> items;
  for (const int code : codes_) items.push_back(GmAreaItem(code));
  return items;
}

int MiddleGradeQuestionnaire::TitleOfRow(int row) const {
  return row >= 0 && row < static_cast<int>(titleRows_.size()) ? titleRows_[static_cast<std::size_t>(row)].number : 0;
}

// ---- The report ------------------------------------------------------------------------------

// A text longer than a printed row goes on over the next rows.
void MiddleGradeQuestionnaire::AddRow(std::string_view text, bool bold) {
  const std::vector<std::string> rows = text.size() > kPrintWidth ? WrapWords(text, kPrintWidth) : std::vector<std::string>{std::string(text)};
  for (const std::string& row : rows) {
    if (static_cast<int>(report_.size()) >= kGmReportRows) return;
    report_.push_back(row);
    if (bold) bold_.push_back(static_cast<int>(report_.size()));
  }
}

void MiddleGradeQuestionnaire::AddCentresBlock(std::string_view titleName, const std::vector<GridRow>& centres) {
  AddRow({});
  AddRow(TextLine(592), true);
  AddRow(titleName);
  AddRow({});
  AddRow(std::string(TextLine(593)) + ":");
  AddRow({});
  for (const GridRow& centre : centres) AddRow(centre.text + " " + centre.phone);
}

int MiddleGradeQuestionnaire::FillPrintTable(std::string_view studentName) const {
  PrintTable& lines = Tabs().PrintLines3;
  lines[0] = studentName;
  const int count = static_cast<int>(report_.size());
  for (int row = 1; row <= count; ++row) lines[static_cast<std::size_t>(row)] = report_[static_cast<std::size_t>(row - 1)];
  BoldLines.fill(0);
  const int bold = std::min(static_cast<int>(bold_.size()), static_cast<int>(BoldLines.size()) - 1);
  BoldLines[0] = bold;
  for (int k = 1; k <= bold; ++k) BoldLines[static_cast<std::size_t>(k)] = bold_[static_cast<std::size_t>(k - 1)];
  return count;
}

}  // namespace velmora
