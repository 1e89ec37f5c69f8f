#include "university/admission_info.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>

#include "core/common.h"
#include "core/cp1252.h"
#include "core/qt_text.h"
#include "university/degree_tables.h"

namespace velmora {

std::vector<HighMarkRow> HighCutOffRows(int thresholdTenths) {
  std::vector<HighMarkRow> rows;
  for (int d = 1; d <= DegreeCount() && static_cast<int>(rows.size()) < kMaxHighMarkRows; ++d) {
    const DegreeOffers offers(d);
    HighMarkRow row;
    int withMark = 0;
    for (int k = 0; k < offers.size(); ++k) {
      const int mark = offers.Mark(k);
      if (mark == kNoCutOffMark) continue;
      ++withMark;
      if (mark >= thresholdTenths && row.universities.size() < kMaxHighMarkUniversities)
        row.universities.emplace_back(offers.University(k), mark);
    }
    if (row.universities.empty()) continue;
    char count[32];
    std::snprintf(count, sizeof count, "%2d  (%2d)", static_cast<int>(row.universities.size()), withMark);
    row.name = std::string(DegreeName(d).substr(0, 50));
    row.count = count;
    row.degree = d;
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<std::string> WeightingDocuments() {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(DataFolderPath) / "pdf", error)) {
    if (!entry.is_regular_file(error)) continue;
    std::string extension = entry.path().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (extension != ".PDF") continue;
    // A name without a Windows-1252 form could not be shown or opened again; it is left out.
    const Cp1252Result name = Utf8ToCp1252(entry.path().filename().string());
    if (name.badColumn == 0) names.push_back(name.text);
  }
  // As a reader orders them: letters before case and accents, so "Universidad de Alcal\xE1" comes
  // before "Universidad Polit\xE9cnica".
  QCollator collator{QLocale(QLocale::Spanish, QLocale::Spain)};
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::stable_sort(names.begin(), names.end(),
                   [&collator](const std::string& a, const std::string& b) { return collator.compare(ToQString(a), ToQString(b)) < 0; });
  return names;
}

std::string AdmissionPage(int item) {
  static constexpr std::array<const char*, 4> kPages = {"selectividad", "universidad", "becas", "residencias"};
  return "info\\" + std::string(kPages[static_cast<std::size_t>(std::clamp(item, 0, 3))]) + ".html";
}

}  // namespace velmora
