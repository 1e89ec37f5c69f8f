// The professions questionnaire: long statements about work answered yes or no, then pages of
// short statements, a final review, and the result: the two best professional activities, the
// professions of the marked statement and the studies that lead to each profession.
// Widget-free; texts are Windows-1252.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "guidance/profession_candidates.h"

namespace velmora {

inline constexpr int kMaxLongStatements = 20;
inline constexpr int kMaxShortStatements = 120;
inline constexpr int kMaxKeptStatements = 3;
inline constexpr int kMaxPages = 4;
inline constexpr int kMaxPageRows = 11;
inline constexpr int kMaxProfessionNumber = 250;
inline constexpr int kMaxStudiesPerIndex = 50;
inline constexpr int kMaxStudyLines = 30;
inline constexpr char kBullet = '\x95';

struct LongStatement {
  std::string text;
  LongStatementCodes codes;
};
struct ShortStatement {
  ActivityCode code1, code2;
  std::string text;
};

// fralargas and fracortas as read at start-up.
struct ProfessionStatements {
  std::vector<LongStatement> longStatements;
  std::vector<ShortStatement> shortStatements;  // statement s at [s - 1]
};
// Reads both files, any line length; a missing file stops the start with the missing-file message.
void LoadProfessionStatements();
const ProfessionStatements& ProfessionStatementFile();
LongStatement ReadLongStatement(std::string_view line);
ShortStatement ReadShortStatement(std::string_view line);

// The picture of the main menu's icon list beside long statement i (0-based).
int LongStatementPicture(int index);

// ---- Studies by profession ---------------------------------------------------------------------
struct StudyList {
  int count = 0;
  std::array<int, kMaxStudiesPerIndex> entries{};
};
// The three indexes, built once from the degree records, datfps and datfpm.
struct ProfessionStudies {
  std::array<StudyList, kMaxProfessionNumber + 1> degrees, higherTitles, middleTitles;
};
std::unique_ptr<ProfessionStudies> BuildProfessionStudies();
// Appends an entry to the profession's row; a number outside 1..250 and a full row are skipped.
void AddStudy(std::array<StudyList, kMaxProfessionNumber + 1>& index, int profession, int entry);

struct StudyLine {
  std::string text;
  bool heading = false;  // drawn green
};
// The studies of a profession: under a heading per kind that has any, the names of its degrees,
// higher-grade and middle-grade titles; at most 30 lines of at most 70 characters.
std::vector<StudyLine> StudyLinesOf(const ProfessionStudies& studies, int profession);

// ---- The professions of the tables -------------------------------------------------------------
std::vector<ProfessionLinks> ProfessionLinkTable();  // profession p at [p - 1]
// Professions whose first or second code is the activity's, as bulleted items, in file order.
std::vector<int> ProfessionsOfActivity(int activity);
std::string BulletedName(int profession);

// ---- The questionnaire ---------------------------------------------------------------------------
enum class SpeechKind { Hidden, Introduction, Statement, End };
struct Speech {
  SpeechKind kind = SpeechKind::Hidden;
  int statement = -1;     // the long statement shown (0-based)
  int selectedCount = 0;  // at the end: how many statements are kept
};

enum class NextAction { EndAgain, ShowPage, ShowReview, ShowResult };
enum class BackAction { HideResult, ShowPage, ShowLongStatements };

struct ProfessionsResult {
  std::array<double, 31> scores{};  // by activity number
  std::vector<int> activityRanking;  // activities with a score, best first
  std::vector<int> professions;      // of the marked statement, names listed once
};

class ProfessionsQuestionnaire {
 public:
  ProfessionsQuestionnaire(const ProfessionStatements& statements, std::vector<ProfessionLinks> professions);

  // Step 1 from the introduction, nothing selected.
  Speech Begin();
  // Yes or no to the speech panel's statement.
  Speech Answer(bool yes);
  Speech CurrentSpeech() const;
  // The student changes the kept long statements once all are answered.
  void ToggleLongStatement(int index);
  const std::vector<bool>& LongSelected() const { return longSelected_; }
  bool LongListEnabled() const { return statementStep_ >= longCount(); }

  // Next and back, with the rows selected now in the short-statement list.
  NextAction Next(const std::vector<int>& selectedRows);
  BackAction Back(const std::vector<int>& selectedRows, bool resultShown);
  // The rows that stay selected after a click on `clicked`.
  std::vector<int> Pick(int clicked, const std::vector<int>& selectedRows) const;

  int CurrentPage() const { return currentPage_; }
  int PageCount() const { return pageCount_; }
  bool FinalReview() const { return finalReview_; }
  const std::vector<int>& Candidates() const { return candidates_; }
  // The statements listed now (a page's, or the review's) and the rows selected on it.
  std::vector<int> ListedStatements() const;
  std::vector<int> StoredPicks() const;
  const ProfessionsResult& Result() const { return result_; }
  int MarkedStatement() const { return marked_; }

 private:
  int longCount() const { return static_cast<int>(statements_.longStatements.size()); }
  void BuildPages();
  void StorePicks(int page, const std::vector<int>& selectedRows);
  void ComputeResult(const std::vector<int>& selectedRows);

  const ProfessionStatements& statements_;
  std::vector<ProfessionLinks> professions_;
  int statementStep_ = -1;
  std::vector<bool> longSelected_;
  std::vector<int> candidates_;
  int pageCount_ = 1, pageSize_ = 4, currentPage_ = 0;
  std::array<std::array<int, kMaxPageRows>, kMaxPages + 1> pageStatements_{};
  std::array<std::vector<int>, kMaxPages + 1> pagePicks_;  // 0-based rows
  bool finalReview_ = false;
  std::vector<int> reviewStatements_;
  int marked_ = 0;
  ProfessionsResult result_;
};

// The result's texts.
std::vector<std::string> ActivityItems(const ProfessionsResult& result);     // ListResulAct
std::vector<std::string> ProfessionItems(const ProfessionsResult& result);   // ListResulProf, an empty first
std::vector<std::string> ActivityProfessionItems(const ProfessionsResult& result, int rank);  // rank 1 or 2
// Fills PrintLines and BoldLines with the report; returns the line count.
int BuildProfessionsReport(const ProfessionsResult& result, const ProfessionStudies& studies, std::string_view student);

}  // namespace velmora
