// Writes the degree files of the data folder from data/degrees: lugar (universities), datgrados
// (degree records), datcarn and datcarnue (who offers each degree, its cut-off marks and local
// names), the language folder's carrenue (the local names) and dobles (double degrees); and the
// group and title tables datgrub, datfps and datfpm from data/guidance and data/vocational.
// Degrees are matched by code with the language folder's carreran, which must already be written.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/cp1252.h"
#include "core/text_helpers.h"
#include "guidance/profession_candidates.h"
#include "tools/degree_maker/degree_sources.h"
#include "tools/offer_maker/source_files.h"

namespace fs = std::filesystem;
using namespace velmora::tools;

namespace {

constexpr const char* kMaker = "velmora_degree_maker";
constexpr const char* kUsage = "usage: velmora_degree_maker --source DATA_DIR --lang DIR --out DIR\n";
constexpr int kCommunities = 19;
constexpr int kWeightedMarker = 50;

struct Options {
  fs::path source, lang, out;
};

struct University {
  std::string key, name, domain;
  int community = 0;
};

struct Offer {
  int university = 0;  // 1-based, lugar order
  int mark = kNoCutOff;
  int localName = 0;   // line of carrenue, 0 = the ordinary name
};

std::optional<int> Number(const std::string& text) { return velmora::ParseInt(text); }

// Numbers separated by blanks; nothing when one is not a number.
std::optional<std::vector<int>> NumberList(const std::string& text) {
  std::vector<int> numbers;
  std::istringstream in(text);
  std::string word;
  while (in >> word) {
    const auto value = Number(word);
    if (!value) return std::nullopt;
    numbers.push_back(*value);
  }
  return numbers;
}

class Maker {
 public:
  explicit Maker(Options options) : options_(std::move(options)) {}

  bool Run() {
    ReadLanguageFiles();
    ReadDegrees();
    ReadUniversities();
    ReadOffers();
    ReadDoubles();
    ReadGroups();
    ReadHigherGrade();
    ReadMiddleGrade();
    CheckProfessionsReachStudies();
    CheckProfessionsQuestionnaire();
    CheckCatalogueFamilies();
    for (const SourceProblem& problem : problems_) std::cerr << kMaker << ": " << problem.Text() << "\n";
    return problems_.empty() && Write();
  }

 private:
  void Problem(const fs::path& file, int line, std::string message) {
    problems_.push_back({file.generic_string(), line, std::move(message)});
  }

  std::vector<std::string> LanguageFile(const char* name) {
    const auto lines = ReadFolderLines(options_.lang / name);
    if (!lines) Problem(options_.lang / name, 0, "missing: write the language folder's line files first");
    return lines.value_or(std::vector<std::string>{});
  }

  void ReadLanguageFiles() {
    degreeNames_ = LanguageFile("carreran");
    groupCount_ = static_cast<int>(LanguageFile("carreranb").size());
    professionCount_ = static_cast<int>(LanguageFile("profesio").size());
    subjectCount_ = static_cast<int>(LanguageFile("materiasp").size());
    questions_ = LanguageFile("cuestion");
    qualityCount_ = static_cast<int>(LanguageFile("cualidad").size());
    interestCount_ = static_cast<int>(LanguageFile("interes").size());
    middleTitles_ = LanguageFile("fp2");
    professions_ = LanguageFile("profesio");
    constexpr int kAreaLines = 11;
    gmStatementCount_ = std::max(0, static_cast<int>(LanguageFile("cuesgm").size()) - kAreaLines);
    activities_ = LanguageFile("activida");
    families_ = LanguageFile("familias");
    basicTitles_ = LanguageFile("fpba");
    certificates_ = LanguageFile("certifica");
    longStatements_ = LanguageFile("fralargas");
    shortStatements_ = LanguageFile("fracortas");
  }

  // A field that must be a number within [low, high].
  bool InRange(const fs::path& file, const CsvRow& row, std::size_t column, int low, int high, int& target,
               const char* what) {
    const auto value = Number(row.fields[column]);
    if (!value || *value < low || *value > high) {
      Problem(file, row.line, std::string(what) + " must be " + std::to_string(low) + ".." + std::to_string(high));
      return false;
    }
    target = *value;
    return true;
  }

  void ReadDegrees() {
    const fs::path file = options_.source / "degrees" / "degrees.csv";
    const auto table = ReadSourceTable(file,
                                       {"code", "name", "branch", "group", "itinerary1", "itinerary2", "profession1",
                                        "profession2", "profession3", "profession4", "family", "weighted1",
                                        "weighted2", "weighted3", "weighted4"},
                                       problems_);
    if (!table) return;
    if (table->rows.size() != degreeNames_.size())
      Problem(file, 0, std::to_string(table->rows.size()) + " degrees, but carreran has " +
                           std::to_string(degreeNames_.size()) + " lines");
    if (table->rows.size() > static_cast<std::size_t>(kMaxDegreeSlots)) Problem(file, 0, "at most 350 degrees");
    for (const CsvRow& row : table->rows) {
      DegreeSource d;
      d.name = row.fields[1];
      const std::size_t index = degrees_.size();
      if (index < degreeNames_.size() && velmora::TrimBlanks(degreeNames_[index]) != d.name)
        Problem(file, row.line, "the name differs from line " + std::to_string(index + 1) + " of carreran");
      bool ok = InRange(file, row, 0, 1, 999, d.code, "the code");
      ok = InRange(file, row, 2, 1, 5, d.branch, "the branch") && ok;
      ok = InRange(file, row, 3, 1, groupCount_, d.group, "the group (a line of carreranb)") && ok;
      ok = InRange(file, row, 4, 0, 12, d.itinerary1, "an itinerary") && ok;
      ok = InRange(file, row, 5, 0, 12, d.itinerary2, "an itinerary") && ok;
      for (std::size_t p = 0; p < 4; ++p)
        ok = InRange(file, row, 6 + p, 0, professionCount_, d.professions[p], "a profession (a line of profesio)") && ok;
      ok = InRange(file, row, 10, 0, 26, d.family, "the family") && ok;
      for (std::size_t w = 0; w < 4; ++w) {
        ok = InRange(file, row, 11 + w, 0, kWeightedMarker, d.weighted[w], "a weighted subject") && ok;
        if (d.weighted[w] != kWeightedMarker && d.weighted[w] > std::min(30, subjectCount_))
          Problem(file, row.line, "a weighted subject is a line 1..30 of materiasp, or 50");
      }
      if (ok && !codes_.emplace(d.code, static_cast<int>(index) + 1).second) Problem(file, row.line, "code used twice");
      degrees_.push_back(std::move(d));
    }
    offers_.resize(degrees_.size());
  }

  void ReadUniversities() {
    const fs::path file = options_.source / "degrees" / "universities.csv";
    const auto table = ReadSourceTable(file, {"key", "community", "name", "domain"}, problems_);
    if (!table) return;
    std::array<int, kCommunities + 1> perCommunity{};
    for (const CsvRow& row : table->rows) {
      University u{row.fields[0], row.fields[2], row.fields[3], 0};
      if (!InRange(file, row, 1, 1, kCommunities, u.community, "the community")) continue;
      if (u.name.empty() || u.name.size() > kUniversityNameWidth) Problem(file, row.line, "the name takes 1..35 characters");
      if (u.domain.empty() || u.domain.find(' ') != std::string::npos || u.domain.starts_with("www."))
        Problem(file, row.line, "the domain is written without blanks and without www.");
      if (++perCommunity[static_cast<std::size_t>(u.community)] > kMaxUniversitiesPerCommunity)
        Problem(file, row.line, "at most 40 universities in a community");
      universities_.push_back(u);
      if (!universityByKey_.emplace(u.key, static_cast<int>(universities_.size())).second)
        Problem(file, row.line, "key used twice");
    }
    if (universities_.size() > static_cast<std::size_t>(kMaxUniversities)) Problem(file, 0, "at most 255 universities");
  }

  int DegreeOf(const fs::path& file, const CsvRow& row, std::size_t column) {
    const auto code = Number(row.fields[column]);
    const auto found = code ? codes_.find(*code) : codes_.end();
    if (found == codes_.end()) {
      Problem(file, row.line, "no degree with code " + row.fields[column]);
      return 0;
    }
    return found->second;
  }

  int UniversityOf(const fs::path& file, const CsvRow& row, std::size_t column) {
    const auto found = universityByKey_.find(row.fields[column]);
    if (found == universityByKey_.end()) {
      Problem(file, row.line, "no university " + row.fields[column]);
      return 0;
    }
    return found->second;
  }

  void ReadOffers() {
    const fs::path file = options_.source / "degrees" / "offers.csv";
    const auto table = ReadSourceTable(file, {"degree", "university", "mark", "local_name"}, problems_);
    if (!table) return;
    std::map<std::string, int> localCodes;
    for (const CsvRow& row : table->rows) {
      const int degree = DegreeOf(file, row, 0);
      const int university = UniversityOf(file, row, 1);
      const auto mark = ParseCutOffMark(row.fields[2]);
      if (!mark) Problem(file, row.line, "the mark is written like 6.5 (5.0..14.0), or - for none");
      if (degree == 0 || university == 0 || !mark) continue;
      auto& list = offers_[static_cast<std::size_t>(degree - 1)];
      for (const Offer& offer : list)
        if (offer.university == university) Problem(file, row.line, "the university already offers this degree");
      if (list.size() == static_cast<std::size_t>(kMaxOffersPerDegree)) {
        Problem(file, row.line, "at most 100 universities offer a degree");
        continue;
      }
      Offer offer{university, *mark, 0};
      const std::string& local = row.fields[3];
      if (local.size() > kLocalNameWidth) Problem(file, row.line, "a local name takes at most 55 characters");
      if (!local.empty()) {
        const auto [at, added] = localCodes.emplace(local, static_cast<int>(localNames_.size()) + 1);
        if (added) localNames_.push_back(local);
        offer.localName = at->second;
        std::set<int> distinct{offer.localName};
        for (const Offer& other : list)
          if (other.localName != 0) distinct.insert(other.localName);
        if (distinct.size() > static_cast<std::size_t>(kMaxLocalNamesPerDegree))
          Problem(file, row.line, "at most 10 local names for one degree");
      }
      list.push_back(offer);
    }
    if (localNames_.size() > static_cast<std::size_t>(kMaxLocalNames)) Problem(file, 0, "at most 200 local names");
  }

  void ReadDoubles() {
    const fs::path file = options_.source / "degrees" / "doubles.csv";
    const auto table = ReadSourceTable(file, {"university", "degree_a", "degree_b", "mark"}, problems_);
    if (!table) return;
    doubles_.resize(universities_.size());
    for (const CsvRow& row : table->rows) {
      const int university = UniversityOf(file, row, 0);
      const int a = DegreeOf(file, row, 1);
      const int b = DegreeOf(file, row, 2);
      const auto mark = ParseCutOffMark(row.fields[3]);
      if (!mark) Problem(file, row.line, "the mark is written like 11.5 (5.0..14.0), or - or empty for none");
      if (university == 0 || a == 0 || b == 0 || !mark) continue;
      for (const int degree : {a, b}) {
        bool offered = false;
        for (const Offer& offer : offers_[static_cast<std::size_t>(degree - 1)]) offered |= offer.university == university;
        if (!offered) Problem(file, row.line, "the university does not offer degree " + std::to_string(Code(degree)));
      }
      auto& list = doubles_[static_cast<std::size_t>(university - 1)];
      if (list.size() == static_cast<std::size_t>(kMaxDoublesPerUniversity))
        Problem(file, row.line, "at most 50 double degrees at a university");
      else
        list.push_back(DoublesPairLine(Code(a), Code(b), DoubleMarkText(*mark)));
    }
  }

  // Optional tables of later screens: numbers per entry, written into fixed binary records.
  void ReadGroups() {
    constexpr std::size_t kRecordBytes = 1020, kEntryBytes = 51;
    groups_.assign(3 * kRecordBytes, '\0');
    const fs::path file = options_.source / "guidance" / "question_groups.csv";
    const auto table = ReadSourceTable(file, {"record", "group", "questions"}, problems_);
    if (!table) return;
    for (const CsvRow& row : table->rows) {
      int record = 0, group = 0;
      if (!InRange(file, row, 0, 1, 3, record, "the record") || !InRange(file, row, 1, 1, 20, group, "the group")) continue;
      const auto questions = NumberList(row.fields[2]);
      if (!questions || questions->size() > 50) {
        Problem(file, row.line, "at most 50 question numbers 1..255, separated by blanks");
        continue;
      }
      if (record == 3 && !InterestQuestionsValid(file, row, *questions)) continue;
      if (record != 3 && !ChecklistStatementsValid(file, row, record, *questions)) continue;
      const std::size_t at = static_cast<std::size_t>(record - 1) * kRecordBytes + static_cast<std::size_t>(group - 1) * kEntryBytes;
      groups_[at] = static_cast<char>(questions->size());
      for (std::size_t q = 0; q < questions->size(); ++q) groups_[at + 1 + q] = static_cast<char>((*questions)[q]);
    }
  }

  // The interest questionnaire's groups name answerable lines of cuestion; a study-habit group
  // 14..19 needs questions among the first 35, which the short test judges it by.
  bool InterestQuestionsValid(const fs::path& file, const CsvRow& row, const std::vector<int>& questions) {
    const int count = static_cast<int>(questions_.size());
    for (const int q : questions) {
      if (q < 1 || q > count) {
        Problem(file, row.line, "question " + std::to_string(q) + " is not a line of cuestion (1.." + std::to_string(count) + ")");
        return false;
      }
      if (questions_[static_cast<std::size_t>(q - 1)].substr(1, 1) == "6") {
        Problem(file, row.line, "question " + std::to_string(q) + " is a heading, not a question");
        return false;
      }
    }
    const int group = std::stoi(row.fields[1]);
    const bool inFirstPart = std::ranges::any_of(questions, [](int q) { return q <= 35; });
    if (group >= 14 && group <= 19 && !inFirstPart) {
      Problem(file, row.line, "a study-habit group needs questions among the first 35");
      return false;
    }
    return true;
  }

  // The advice checklists score twelve groups, each against lines of its checklist file.
  bool ChecklistStatementsValid(const fs::path& file, const CsvRow& row, int record, const std::vector<int>& statements) {
    const int count = record == 1 ? qualityCount_ : interestCount_;
    const char* name = record == 1 ? "cualidad" : "interes";
    if (std::stoi(row.fields[1]) > 12) {
      Problem(file, row.line, "the advice checklists have groups 1..12");
      return false;
    }
    if (statements.empty()) {
      Problem(file, row.line, "a group needs at least one statement");
      return false;
    }
    for (const int s : statements)
      if (s < 1 || s > count) {
        Problem(file, row.line, "statement " + std::to_string(s) + " is not a line of " + name + " (1.." + std::to_string(count) + ")");
        return false;
      }
    return true;
  }

  void ReadHigherGrade() {
    constexpr int kTitles = 200, kIntegers = 25;
    std::vector<std::array<std::int32_t, kIntegers>> entries(kTitles);
    const fs::path file = options_.source / "vocational" / "higher_grade_titles.csv";
    const auto table = ReadSourceTable(file, {"title", "groups", "requirements", "professions", "family"}, problems_);
    if (table) {
      for (const CsvRow& row : table->rows) {
        int title = 0, family = 0;
        if (!InRange(file, row, 0, 1, kTitles, title, "the title") || !InRange(file, row, 4, 0, 26, family, "the family"))
          continue;
        auto& entry = entries[static_cast<std::size_t>(title - 1)];
        // Integers 1-4 groups, 5-17 requirement lines, 18-23 professions, 24 the family.
        const std::array<std::pair<std::size_t, std::size_t>, 3> slots = {{{0, 4}, {4, 13}, {17, 6}}};
        for (std::size_t column = 1; column <= 3; ++column) {
          const auto numbers = NumberList(row.fields[column]);
          const auto [first, capacity] = slots[column - 1];
          if (!numbers || numbers->size() > capacity) {
            Problem(file, row.line, "at most " + std::to_string(capacity) + " numbers in column " + std::to_string(column + 1));
            continue;
          }
          for (std::size_t k = 0; k < numbers->size(); ++k) entry[first + k] = (*numbers)[k];
        }
        entry[23] = family;
        if (family == 0) Problem(file, row.line, "the title has no professional family, so the catalogue cannot list it");
        ++familyKinds_[static_cast<std::size_t>(family)][1];
        for (std::size_t p = 17; p < 23; ++p) reachedProfessions_.insert(entry[p]);
      }
    }
    higherGrade_.clear();
    for (const auto& entry : entries)
      for (const std::int32_t value : entry)
        for (int shift = 0; shift < 32; shift += 8) higherGrade_ += static_cast<char>((static_cast<std::uint32_t>(value) >> shift) & 0xFF);
  }

  // datfpm: for each line of fp2, 7 integers: professions 1-3, the family, statements 5-7.
  void ReadMiddleGrade() {
    constexpr int kTitles = 200, kIntegers = 7;
    std::vector<std::array<std::int32_t, kIntegers>> entries(kTitles);
    const fs::path file = options_.source / "vocational" / "middle_grade_titles.csv";
    const auto table = ReadSourceTable(file, {"title", "family", "professions", "statements"}, problems_);
    std::set<int> described;
    if (table) {
      for (const CsvRow& row : table->rows) {
        int title = 0, family = 0;
        if (!InRange(file, row, 0, 1, static_cast<int>(std::min<std::size_t>(middleTitles_.size(), kTitles)), title,
                     "the title (a line of fp2)") ||
            !InRange(file, row, 1, 1, 26, family, "the family"))
          continue;
        if (middleTitles_[static_cast<std::size_t>(title - 1)].starts_with('-')) {
          Problem(file, row.line, "line " + std::to_string(title) + " of fp2 is a family header, not a title");
          continue;
        }
        if (!described.insert(title).second) Problem(file, row.line, "title described twice");
        auto& entry = entries[static_cast<std::size_t>(title - 1)];
        entry[3] = family;
        ++familyKinds_[static_cast<std::size_t>(family)][2];
        const auto professions = NumberList(row.fields[2]);
        const auto statements = NumberList(row.fields[3]);
        if (!professions || professions->empty() || professions->size() > 3 ||
            std::ranges::any_of(*professions, [&](int p) { return p < 1 || p > static_cast<int>(professions_.size()); }))
          Problem(file, row.line, "one to three professions, lines of profesio");
        else
          for (std::size_t k = 0; k < professions->size(); ++k) {
            entry[k] = (*professions)[k];
            reachedProfessions_.insert(entry[k]);
          }
        if (!statements || statements->empty() || statements->size() > 3 ||
            std::ranges::any_of(*statements, [&](int q) { return q < 1 || q > gmStatementCount_; }))
          Problem(file, row.line, "one to three statements of cuesgm (1.." + std::to_string(gmStatementCount_) +
                                      "), or the questionnaire cannot suggest the title");
        else
          for (std::size_t k = 0; k < statements->size(); ++k) entry[4 + k] = (*statements)[k];
      }
      for (std::size_t line = 1; line <= std::min<std::size_t>(middleTitles_.size(), kTitles); ++line)
        if (!middleTitles_[line - 1].starts_with('-') && !described.contains(static_cast<int>(line)))
          Problem(file, 0, "no row for title " + std::to_string(line) + " of fp2: " + std::string(velmora::TrimBlanks(middleTitles_[line - 1])));
    }
    middleGrade_.clear();
    for (const auto& entry : entries)
      for (const std::int32_t value : entry)
        for (int shift = 0; shift < 32; shift += 8) middleGrade_ += static_cast<char>((static_cast<std::uint32_t>(value) >> shift) & 0xFF);
  }

  // A profession the questionnaire shows must lead somewhere: a degree, or a higher- or
  // middle-grade title.
  void CheckProfessionsReachStudies() {
    for (const DegreeSource& degree : degrees_) reachedProfessions_.insert(degree.professions.begin(), degree.professions.end());
    for (std::size_t p = 1; p <= professions_.size(); ++p)
      if (!reachedProfessions_.contains(static_cast<int>(p)))
        Problem(options_.lang / "profesio", static_cast<int>(p),
                "no degree or title leads to " + std::string(velmora::TrimBlanks(velmora::Field(professions_[p - 1], 11, 40))));
  }

  // What the professions questionnaire needs of its files: codes that name activities, linked
  // statements that exist, every activity behind some long statement, every profession behind
  // some short statement, and never more candidates than four pages hold.
  void CheckProfessionsQuestionnaire() {
    const fs::path lang = options_.lang;
    std::set<std::string> activityCodes;
    for (const std::string& line : activities_) activityCodes.insert(velmora::PadTo(line, 4));
    const auto knownCode = [&](const std::string& code) { return velmora::IsNoActivity(code) || activityCodes.contains(code); };
    std::vector<velmora::LongStatementCodes> longCodes;
    std::set<std::string> behindLongStatements;
    for (std::size_t i = 0; i < longStatements_.size(); ++i) {
      velmora::LongStatementCodes codes;
      for (std::size_t k = 0; k < 4; ++k) {
        codes[k] = velmora::PadTo(velmora::Field(longStatements_[i], 116 + 5 * static_cast<int>(k), 4), 4);
        if (!knownCode(codes[k])) Problem(lang / "fralargas", static_cast<int>(i + 1), "no activity has the code " + codes[k]);
        behindLongStatements.insert(codes[k]);
      }
      longCodes.push_back(codes);
    }
    for (std::size_t a = 0; a < activities_.size(); ++a)
      if (!behindLongStatements.contains(velmora::PadTo(activities_[a], 4)))
        Problem(lang / "activida", static_cast<int>(a + 1), "no long statement leads to this activity");
    const int shortCount = static_cast<int>(shortStatements_.size());
    for (int s = 1; s <= shortCount; ++s)
      for (const int column : {1, 6})
        if (const std::string code = velmora::PadTo(velmora::Field(shortStatements_[static_cast<std::size_t>(s - 1)], column, 4), 4);
            !knownCode(code))
          Problem(lang / "fracortas", s, "no activity has the code " + code);
    std::vector<velmora::ProfessionLinks> links;
    std::set<int> linkedStatements;
    for (std::size_t p = 0; p < professions_.size(); ++p) {
      const std::string line = professions_[p] + std::string(56, ' ');
      velmora::ProfessionLinks profession{velmora::PadTo(velmora::Field(line, 1, 4), 4), velmora::PadTo(velmora::Field(line, 6, 4), 4),
                                          velmora::ParseInt(velmora::Field(line, 51, 3)).value_or(0),
                                          velmora::ParseInt(velmora::Field(line, 54, 3)).value_or(0)};
      const int number = static_cast<int>(p + 1);
      if (!knownCode(profession.code1) || !knownCode(profession.code2)) Problem(lang / "profesio", number, "an activity code names no activity");
      for (const int statement : {profession.statement1, profession.statement2})
        if (statement < 0 || statement > shortCount)
          Problem(lang / "profesio", number, "statement " + std::to_string(statement) + " is not a line of fracortas");
      if (profession.statement1 == 0 && profession.statement2 == 0)
        Problem(lang / "profesio", number, "no short statement leads to this profession");
      linkedStatements.insert({profession.statement1, profession.statement2});
      links.push_back(profession);
    }
    for (int s = 1; s <= shortCount; ++s)
      if (!linkedStatements.contains(s)) Problem(lang / "fracortas", s, "no profession links this statement");
    // Every choice of one to three long statements.
    const std::size_t n = longCodes.size();
    constexpr std::size_t kMostShown = 44;
    for (std::size_t a = 0; a < n; ++a)
      for (std::size_t b = a; b < n; ++b)
        for (std::size_t c = b; c < n; ++c) {
          const std::vector<velmora::LongStatementCodes> kept = {longCodes[a], longCodes[b], longCodes[c]};
          const std::size_t candidates = velmora::CandidateStatements(velmora::CollectActivityCodes(kept), links).size();
          if (candidates > kMostShown || candidates == 0)
            Problem(lang / "fralargas", static_cast<int>(a + 1),
                    "keeping lines " + std::to_string(a + 1) + ", " + std::to_string(b + 1) + " and " + std::to_string(c + 1) +
                        " offers " + std::to_string(candidates) + " short statements; four pages hold 1..44");
        }
  }

  // The catalogue lists a family's qualifications of five kinds. An FP title, an FP Básica title
  // or a certificate always belongs to a family; a degree may belong to none (a philology). Every
  // family must show something in at least three of the five lists.
  void CheckCatalogueFamilies() {
    constexpr std::string_view kKeys = "123456789ABCDEFGHIJKLMNOPQ";
    constexpr std::size_t kFamilyLines = 9;  // the screen's own families open fpba and certifica
    for (const DegreeSource& degree : degrees_) ++familyKinds_[static_cast<std::size_t>(degree.family)][0];
    const auto countKeyed = [&](const std::vector<std::string>& lines, const char* name, std::size_t kind) {
      for (std::size_t n = kFamilyLines; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        if (line.size() < 2 || line[1] == '-') continue;  // a heading
        const std::size_t key = kKeys.find(line[0]);
        if (key == std::string_view::npos)
          Problem(options_.lang / name, static_cast<int>(n + 1), "column 1 holds no professional family key (1-9, A-Q)");
        else
          ++familyKinds_[key + 1][kind];
      }
    };
    countKeyed(basicTitles_, "fpba", 3);
    countKeyed(certificates_, "certifica", 4);
    static const std::array<const char*, 5> kinds = {"degrees", "higher-grade titles", "middle-grade titles",
                                                     "FP Básica titles", "certificates"};
    for (std::size_t f = 1; f <= std::min<std::size_t>(26, families_.size()); ++f) {
      std::string missing;
      int shown = 0;
      for (std::size_t k = 0; k < 5; ++k)
        if (familyKinds_[f][k] > 0) ++shown;
        else missing += std::string(missing.empty() ? "" : ", ") + kinds[k];
      if (shown < 3) Problem(options_.lang / "familias", static_cast<int>(f), "the catalogue would show only " +
                                                                             std::to_string(shown) + " kinds; none of: " + missing);
    }
  }

  int Code(int degree) const { return degrees_[static_cast<std::size_t>(degree - 1)].code; }

  bool Write() {
    std::string lugar, dobles, carrenue;
    for (std::size_t u = 0; u < universities_.size(); ++u) {
      const University& university = universities_[u];
      lugar += UniversityLine(university.community, university.name, university.domain) + "\r\n";
      // One entry per university, in lugar order, since the program looks entry u up for university u.
      dobles += DoublesUniversityLine(university.community, university.name) + "\r\n";
      for (const std::string& pair : doubles_[u]) dobles += pair + "\r\n";
    }
    for (const std::string& name : localNames_) carrenue += name + "\r\n";
    std::vector<std::vector<std::uint8_t>> who(offers_.size()), marks(offers_.size()), names(offers_.size());
    for (std::size_t d = 0; d < offers_.size(); ++d) {
      for (const Offer& offer : offers_[d]) {
        who[d].push_back(static_cast<std::uint8_t>(offer.university));
        marks[d].push_back(static_cast<std::uint8_t>(offer.mark));
        names[d].push_back(static_cast<std::uint8_t>(offer.localName));
      }
    }
    const std::string universities = EncodeDegreeStrings(who);
    fs::create_directories(options_.out);
    bool ok = WriteFile(options_.out / "lugar", lugar, kMaker);
    ok = WriteFile(options_.out / "dobles", dobles, kMaker) && ok;
    ok = WriteFile(options_.lang / "carrenue", carrenue, kMaker) && ok;
    ok = WriteFile(options_.out / "datgrados", EncodeDegreeRecords(degrees_), kMaker) && ok;
    ok = WriteFile(options_.out / "datcarn", universities + EncodeDegreeStrings(marks), kMaker) && ok;
    ok = WriteFile(options_.out / "datcarnue", universities + EncodeDegreeStrings(names), kMaker) && ok;
    ok = WriteFile(options_.out / "datgrub", groups_, kMaker) && ok;
    ok = WriteFile(options_.out / "datfps", higherGrade_, kMaker) && ok;
    ok = WriteFile(options_.out / "datfpm", middleGrade_, kMaker) && ok;
    return ok;
  }

  Options options_;
  std::vector<SourceProblem> problems_;
  std::vector<std::string> degreeNames_;
  int groupCount_ = 0, professionCount_ = 0, subjectCount_ = 0;
  std::vector<std::string> questions_;  // lines of cuestion as the language folder has them
  int qualityCount_ = 0, interestCount_ = 0;
  std::vector<DegreeSource> degrees_;
  std::map<int, int> codes_;  // code -> degree index
  std::vector<University> universities_;
  std::map<std::string, int> universityByKey_;
  std::vector<std::vector<Offer>> offers_;  // [degree - 1]
  std::vector<std::string> localNames_;
  std::vector<std::vector<std::string>> doubles_;  // pair lines [university - 1]
  std::string groups_, higherGrade_, middleGrade_;
  std::vector<std::string> middleTitles_, professions_;  // lines of fp2 and profesio
  std::vector<std::string> activities_, longStatements_, shortStatements_;
  std::vector<std::string> families_, basicTitles_, certificates_;
  std::array<std::array<int, 5>, 27> familyKinds_{};  // [family][kind]: qualifications listed
  int gmStatementCount_ = 0;
  std::set<int> reachedProfessions_;
};

}  // namespace

int main(int argc, char** argv) {
  const auto flags = ParseMakerFlags(argc, argv, {"--source", "--lang", "--out"});
  if (!flags) {
    std::cerr << kUsage;
    return 2;
  }
  Options options;
  options.source = flags->at("--source");
  options.lang = flags->at("--lang");
  options.out = flags->at("--out");
  return Maker(options).Run() ? 0 : 1;
}
