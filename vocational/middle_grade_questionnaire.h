// The middle-grade questionnaire: interest areas, then the statements of the chosen areas, then
// the middle-grade titles those statements suggest, with the report of everything chosen.
// Widget-free; texts are Windows-1252.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/tables.h"
#include "vocational/place_model.h"

namespace velmora {

inline constexpr int kGmAreaItems = 11;
inline constexpr int kGmNoAreaItem = 9;        // its code 0 matches no statement
inline constexpr int kGmPlaceSearchItem = 10;  // leaves for the search by place
inline constexpr int kGmMaxStatements = 100;
inline constexpr int kGmMaxChosenCodes = 10;
inline constexpr int kMiddleGradeEntries = 200;
inline constexpr int kGmReportRows = 1500;

struct GmStatement {
  int areaA = 0, areaB = 0;  // area codes 1..9; 0 = none
  std::string text;
};

// cuesgm as the questionnaire uses it: lines 1..11 the areas, the rest the statements, numbered
// from 1.
struct GmQuestions {
  std::vector<std::string> areas;
  std::vector<GmStatement> statements;  // statement j at [j - 1]
};

// Reads cuesgm into TabCuesgm (a missing file stops the start) and splits it.
void LoadGmQuestions();
const GmQuestions& GmQuestionFile();
// Takes the area lines out of the loaded table, leaving the statements in records 1..count.
GmQuestions SplitGmQuestions(LineTable75& table, int& count);

// Entry t of datfpm: what middle-grade title t leads to and which statements suggest it.
struct MiddleGradeEntry {
  std::array<int, 3> professions{};  // lines of profesio, 0 = none
  int family = 0;                    // professional family 1..26, 0 = unknown
  std::array<int, 3> statements{};   // statements of cuesgm, 0 = none
};
MiddleGradeEntry MiddleGradeEntryOf(int title);  // an empty entry outside 1..200

// The code an area item gives when ticked (item + 1; the "none" item 0), and back.
int GmAreaCode(int item);
int GmAreaItem(int code);

// The statements of the chosen codes: first those whose area A is one of them, then those whose
// area B is one of the non-zero ones, so a statement of two chosen areas comes twice.
std::vector<int> StatementsOfCodes(const GmQuestions& questions, const std::vector<int>& codes);
// The titles the statements suggest, each once, in the order first suggested.
std::vector<int> TitlesOfStatements(const std::vector<int>& statements);

enum class GmStep { Areas = 1, Statements = 2, Titles = 3 };
enum class GmForward { Beep, LeaveForPlaces, ShowStatements, ShowTitles };
enum class GmBack { Nothing, LeaveTitleView, ToStatements, ToAreas };

struct GmRow {
  int number = 0;  // statement or title number
  std::string text;
};

class MiddleGradeQuestionnaire {
 public:
  explicit MiddleGradeQuestionnaire(const GmQuestions& questions) : questions_(questions) {}

  // Step 1 with nothing chosen; the report stays until the next forward step restarts it.
  void Start();
  GmStep Step() const { return step_; }
  // From step 1 the ticked area items (0..10); from step 2 the ticked statement rows (0-based).
  GmForward Forward(const std::vector<int>& tickedRows);
  GmBack Back();

  const std::vector<int>& ChosenCodes() const { return codes_; }
  // The area items to tick again when the areas are shown anew.
  std::vector<int> ChosenAreaItems() const;
  const std::vector<GmRow>& StatementRows() const { return statementRows_; }
  const std::vector<GmRow>& TitleRows() const { return titleRows_; }
  // The title of a row of the title list; 0 for none.
  int TitleOfRow(int row) const;

  bool TitleViewOn() const { return titleView_; }
  void OpenTitleView() { titleView_ = true; }

  // The centres of a community shown in the title view join the report.
  void AddCentresBlock(std::string_view titleName, const std::vector<GridRow>& centres);

  const std::vector<std::string>& ReportRows() const { return report_; }  // rows 1.. at [0..]
  const std::vector<int>& BoldRows() const { return bold_; }
  // Fills PrintLines3 and BoldLines: row 0 the student name, rows 1.. the report. Returns the row count.
  int FillPrintTable(std::string_view studentName) const;

 private:
  void AddRow(std::string_view text, bool bold = false);

  const GmQuestions& questions_;
  GmStep step_ = GmStep::Areas;
  bool titleView_ = false;
  std::vector<int> codes_;
  std::vector<GmRow> statementRows_, titleRows_;
  std::vector<std::string> report_;
  std::vector<int> bold_;
};

}  // namespace velmora
