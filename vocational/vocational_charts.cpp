#include "vocational/vocational_charts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <locale>
#include <sstream>

#include "core/common.h"
#include "core/data_file.h"
#include "core/text_helpers.h"
#include "vocational/place_model.h"

namespace velmora {
namespace {

constexpr int kMaxLines = 170;
constexpr std::array<int, 27> kTableA = {9, 1, 31, 39, 2, 32, 9, 3, 36, 28, 33, 34, 0, 18, 37, 19, 12, 38, 8, 35, 21, 16, 40, 14, 41, 42, 9};
constexpr std::array<int, 27> kTableB = {9, 31, 2, 1, 32, 9, 3, 28, 33, 34, 0, 18, 37, 36, 19, 7, 12, 35, 38, 39, 21, 16, 40, 14, 41, 8, 42};

// The lines of a file up to the first empty one, without surrounding blanks unless they are
// read by column (trimming would move the columns of a figure under 10).
std::vector<std::string> TrimmedLines(const std::string& name, bool byColumn = false) {
  std::vector<std::string> lines;
  const bool found = ForEachFileLine(name, [&lines, byColumn](std::string_view line) {
    const std::string_view trimmed = TrimBothBlanks(line);
    if (trimmed.empty() || lines.size() >= kMaxLines) return false;
    lines.emplace_back(byColumn ? TrimBlanks(line) : trimmed);
    return true;
  });
  if (!found) ShowMessage(MissingFileText(name));
  return lines;
}

// A decimal written with a point; nothing (and the program's message) for anything else.
bool ReadDecimal(std::string_view field, double& value) {
  const std::string text(TrimBothBlanks(field));
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  double read = 0;
  if (text.empty() || text.find(',') != std::string::npos || !(in >> read) || !in.eof()) {
    ShowMessage("problema decimales");
    return false;
  }
  value = read;
  return true;
}

std::string WithThousands(int number) {
  std::string digits = std::to_string(number);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<std::size_t>(at), ".");
  return digits;
}

// A figure far past any count of students or jobs is a damaged file; it is held at a billion
// rather than overflowing the integer.
int Rounded(double value) {
  if (!std::isfinite(value)) return 0;
  return static_cast<int>(std::nearbyint(std::clamp(value, -1e9, 1e9)));
}

}  // namespace

VocationalStats LoadVocationalStats() {
  VocationalStats stats;
  int family = 0;
  for (std::string line : TrimmedLines(LanguageFolder + "fp")) {
    if (line.starts_with("-|")) line.erase(1, 1);
    if (line.starts_with('-')) ++family;
    stats.titles.push_back(line);
    stats.titleFamily.push_back(family);
  }
  stats.centres.assign(stats.titles.size(), 0);
  const ConstBytes offers = OfferFile(Grade::GS);
  for (int file = 1; file <= 4; ++file) {
    const CentreFileView centres = CentreFile(file, Grade::GS);
    for (int line = 1; line <= centres.count; ++line) {
      const OfferEntry entry = OfferEntryOf(offers, file, line);
      for (int i = 0; i < entry.n; ++i) {
        const int title = entry.titles[static_cast<std::size_t>(i)];
        if (title >= 1 && title <= static_cast<int>(stats.centres.size())) ++stats.centres[static_cast<std::size_t>(title - 1)];
      }
    }
  }
  for (const std::string& line : TrimmedLines(LanguageFolder + "familias"))
    stats.families.push_back(line.size() > 1 ? line.substr(1, 60) : std::string());
  const std::vector<std::string> figures = TrimmedLines("fami_estad.txt", true);
  for (int f = 1; f <= kStatFamilies && f <= static_cast<int>(figures.size()); ++f) {
    const std::string& line = figures[static_cast<std::size_t>(f - 1)];
    const auto at = static_cast<std::size_t>(f);
    if (ReadDecimal(Field(line, 1, 4), stats.studentShare[at])) stats.shareText[at] = TrimBothBlanks(Field(line, 1, 4));
    ReadDecimal(Field(line, 6, 5), stats.jobShare[at]);
    double jobs = 0;
    if (ReadDecimal(Field(line, 11, 7), jobs)) stats.jobs[at] = Rounded(jobs);
  }
  if (figures.size() > kStatFamilies) stats.source = TrimBothBlanks(figures[kStatFamilies]);
  return stats;
}

int TitleFamilyPicture(int family) { return family >= 1 && family <= 25 ? kTableA[static_cast<std::size_t>(family)] : 9; }
int StatFamilyPicture(int family) { return family >= 1 && family <= kStatFamilies ? kTableB[static_cast<std::size_t>(family)] : 9; }

std::vector<StatRow> TitleRows(const VocationalStats& stats) {
  std::vector<StatRow> rows;
  for (std::size_t i = 0; i < stats.titles.size(); ++i) {
    StatRow row;
    row.name = stats.titles[i];
    row.heading = row.name.starts_with('-');
    row.family = stats.titleFamily[i];
    if (row.heading) row.picture = TitleFamilyPicture(row.family);
    const int count = stats.centres[i];
    row.length = Rounded((count + 40) / 3.4);
    row.label = count == 0 ? "----" : std::to_string(count);
    rows.push_back(row);
  }
  return rows;
}

std::vector<StatRow> ShareRows(const VocationalStats& stats) {
  std::vector<StatRow> rows;
  for (int f = 1; f <= kStatFamilies; ++f) {
    const auto at = static_cast<std::size_t>(f);
    StatRow row;
    row.name = f <= static_cast<int>(stats.families.size()) ? stats.families[at - 1] : std::string();
    row.picture = StatFamilyPicture(f);
    row.length = Rounded(stats.studentShare[at] * 10) + 11;
    row.label = stats.shareText[at] + "%";
    row.family = f;
    rows.push_back(row);
  }
  return rows;
}

std::vector<StatRow> JobRows(const VocationalStats& stats) {
  std::vector<StatRow> rows = ShareRows(stats);
  for (StatRow& row : rows) {
    const int jobs = stats.jobs[static_cast<std::size_t>(row.family)];
    row.length = jobs / 10000 + 11;
    row.label = WithThousands(jobs);
  }
  std::stable_sort(rows.begin(), rows.end(), [&stats](const StatRow& a, const StatRow& b) {
    return stats.jobs[static_cast<std::size_t>(a.family)] > stats.jobs[static_cast<std::size_t>(b.family)];
  });
  return rows;
}

std::vector<ComparisonRow> ComparisonRows(const VocationalStats& stats) {
  std::vector<ComparisonRow> rows;
  for (const StatRow& share : ShareRows(stats)) {
    const double jobs = stats.jobShare[static_cast<std::size_t>(share.family)];
    char label[32];
    std::snprintf(label, sizeof label, "%.1f%%", jobs);
    rows.push_back({share.name, share.picture, share.length, Rounded(jobs * 10) + 11, share.label, label});
  }
  return rows;
}

int GrowthStep(int fullLength) { return std::max(30, fullLength) / 10; }

}  // namespace velmora
