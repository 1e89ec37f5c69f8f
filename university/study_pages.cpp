#include "university/study_pages.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>

#include "core/common.h"
#include "core/cp1252.h"
#include "core/data_file.h"
#include "core/line_loaders.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "university/degree_tables.h"

namespace velmora {
namespace {

constexpr int kBlankProfileLines = 101;
constexpr int kStudyPageLines = 50;
constexpr std::size_t kBlankColumns = 16;

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), LowerCp1252);
  return lower;
}

bool IsHeadingWord(std::string_view line) {
  // Castilian, Catalan and Galician headings, and the Galician and Basque ones of the translated
  // profiles.
  static const std::array<std::string, 13> kHeadings = {
      Lower("Salidas Profesionales"), Lower("Qu\xE9 estudiar\xE9"), Lower("Plan de Estudios"),
      Lower("Perfil del Alumno"),     Lower("Perfil"),              Lower("Sortides professionals"),
      Lower("Asignaturas"),           Lower("Sa\xED" "das profesionais"), Lower("Pla d'estudis"),
      Lower("Plan de estudos"),       Lower("Profila"),             Lower("Ikasketa-plana"),
      Lower("Irteera profesionalak")};
  const std::string lower = Lower(TrimBothBlanks(line));
  return std::find(kHeadings.begin(), kHeadings.end(), lower) != kHeadings.end();
}

PageLine Classified(std::string_view line, bool headings) {
  if (line.starts_with('*')) return {std::string(line.size() > 2 ? line.substr(2) : std::string_view()), PageLineKind::Bullet};
  if (headings ? IsHeadingWord(line) : line.starts_with('-')) return {std::string(line), PageLineKind::Heading};
  return {std::string(line), PageLineKind::Body};
}

// The lines of a language file, or of the data folder's copy; read again only when the folder
// it would come from is another.
struct CachedFile {
  std::string from;
  bool found = false;
  std::vector<std::string> lines;
};
const CachedFile& LanguageFile(CachedFile& cache, std::string_view name, bool dataFolderToo) {
  std::error_code error;
  const std::string from = std::filesystem::current_path(error).string() + "|" + LanguageFolder;
  if (cache.from == from) return cache;
  cache = CachedFile{from, false, {}};
  const auto read = [&cache](const std::string& path) {
    return ForEachFileLine(path, [&cache](std::string_view line) {
      cache.lines.emplace_back(line);
      return true;
    });
  };
  cache.found = read(LanguageFolder + std::string(name)) || (dataFolderToo && read(std::string(name)));
  if (!cache.found) ShowMessage(MissingFileText(LanguageFolder + std::string(name)));
  return cache;
}

bool IsWordCharacter(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= 0xC0 && u != 0xD7 && u != 0xF7);
}

// The artistic-study table as lines; the marks "f1" and "f2" found once.
struct ArtsLines {
  std::vector<std::string> lines;
  int f1 = -1, f2 = -1;
};
ArtsLines ReadArts() {
  ArtsLines arts;
  const SharedTables& t = Tabs();
  for (int i = 1; i <= t.CountArtsFile; ++i) {
    const std::string line(TrimBlanks(t.TabArtsFile[static_cast<std::size_t>(i)].view()));
    if (arts.f1 < 0 && line.starts_with("f1")) arts.f1 = static_cast<int>(arts.lines.size());
    else if (arts.f2 < 0 && line.starts_with("f2")) arts.f2 = static_cast<int>(arts.lines.size());
    arts.lines.push_back(line);
  }
  return arts;
}

std::vector<std::string> Slice(const std::vector<std::string>& lines, int from, int to) {
  from = std::clamp(from, 0, static_cast<int>(lines.size()));
  to = std::clamp(to, from, static_cast<int>(lines.size()));
  return {lines.begin() + from, lines.begin() + to};
}

std::string CommunityName(int community) {
  if (community < 1 || community > 19) return {};
  return std::string(TrimBlanks(Field(Tabs().TabComunida[static_cast<std::size_t>(community)].view(), 3, 53)));
}

std::string CentreHeading(const PlasticCentre& centre, const char* prefix) {
  return prefix + std::string(TrimBlanks(centre.name)) + "  -  Tel. " + centre.phone;
}

}  // namespace

std::vector<PageLine> ProfilePage(int degree) {
  static CachedFile grados;
  const CachedFile& file = LanguageFile(grados, "grados.txt", true);
  char marker[16];
  std::snprintf(marker, sizeof marker, "<<%3d", DegreeValue(degree, kCode));
  std::vector<PageLine> page;
  const auto start = std::find_if(file.lines.begin(), file.lines.end(),
                                  [&marker](const std::string& line) { return line.find(marker) != std::string::npos; });
  const auto firstShown = start == file.lines.end() ? start : std::min(start + 2, file.lines.end());
  const auto end = std::find_if(firstShown, file.lines.end(), [](const std::string& line) { return line.find("<<") != std::string::npos; });
  if (degree < 1 || start == file.lines.end() || end == file.lines.end())
    return std::vector<PageLine>(kBlankProfileLines, {"  ", PageLineKind::Body});
  for (auto line = firstShown; line != end; ++line) page.push_back(Classified(*line, true));
  if (!page.empty()) page.front().kind = PageLineKind::Title;
  return page;
}

std::vector<TextRun> HighlightedRuns(std::string_view line) {
  static const std::array<std::string, 3> kWords = {"profesiones", "ocupaci\xF3n", "trabajar"};
  const std::string lower = Lower(line);
  std::vector<TextRun> runs;
  std::size_t plain = 0;
  for (std::size_t at = 0; at < line.size(); ++at) {
    if (at > 0 && IsWordCharacter(line[at - 1])) continue;
    for (const std::string& word : kWords) {
      const std::size_t end = at + word.size();
      if (lower.compare(at, word.size(), word) != 0 || (end < line.size() && IsWordCharacter(line[end]))) continue;
      if (at > plain) runs.push_back({std::string(line.substr(plain, at - plain)), false});
      runs.push_back({std::string(line.substr(at, word.size())), true});
      plain = end;
      at = end - 1;
      break;
    }
  }
  if (plain < line.size() || runs.empty()) runs.push_back({std::string(line.substr(plain)), false});
  return runs;
}

std::vector<PageLine> MastersPage() {
  static CachedFile masters;
  std::vector<PageLine> page;
  for (const std::string& line : LanguageFile(masters, "master.txt", false).lines) page.push_back(Classified(line, false));
  return page;
}

std::vector<std::string> OtherStudyPage(int study) {
  std::vector<std::string> page;
  const FiftyBlockTable& blocks = Tabs().TabAsignaot;
  if (study < 1 || study >= static_cast<int>(blocks.size())) return page;
  const auto& block = blocks[static_cast<std::size_t>(study)];
  const auto blank = [&block](int line) {
    return line <= kStudyPageLines && IsBlankLine(block[static_cast<std::size_t>(line)].view().substr(0, kBlankColumns));
  };
  for (int line = 1; line <= kStudyPageLines; ++line) {
    if (blank(line) && blank(line + 1)) break;
    page.emplace_back(block[static_cast<std::size_t>(line)].view());
  }
  return page;
}

bool LoadArtsFile(ArtsStudy study) {
  static constexpr std::array<const char*, 4> kFiles = {"artesplas", "musica", "danza", "dramatico"};
  const std::string name = LanguageFolder + kFiles[static_cast<std::size_t>(study)];
  SharedTables& t = Tabs();
  t.CountArtsFile = 0;
  if (!DataFileExists(name)) {
    ShowMessage(MissingFileText(name));
    return false;
  }
  LoadLongLineTable(name, t.TabArtsFile, t.CountArtsFile, WidthLong);
  return true;
}

std::vector<std::string> ArtsIntroLines() {
  const ArtsLines arts = ReadArts();
  return Slice(arts.lines, 0, arts.f1 < 0 ? static_cast<int>(arts.lines.size()) : arts.f1);
}

std::vector<std::string> ArtsSpecialityLines() {
  const ArtsLines arts = ReadArts();
  if (arts.f1 < 0) return {};
  return Slice(arts.lines, arts.f1 + 1, arts.f2 < 0 ? static_cast<int>(arts.lines.size()) : arts.f2);
}

std::vector<std::string> PlasticSpecialities() {
  const ArtsLines arts = ReadArts();
  std::vector<std::string> names;
  if (arts.f1 < 0) return names;
  for (const std::string& line : Slice(arts.lines, arts.f1 + 1, arts.f1 + 1 + kPlasticSpecialities))
    names.emplace_back(TrimBothBlanks(Field(line, 3, 90)));
  return names;
}

std::vector<PlasticCentre> PlasticCentres() {
  const ArtsLines arts = ReadArts();
  std::vector<PlasticCentre> centres;
  if (arts.f2 < 0) return centres;
  for (std::size_t i = static_cast<std::size_t>(arts.f2) + 1; i + 1 < arts.lines.size(); i += 2) {
    const std::string& line = arts.lines[i];
    PlasticCentre centre{ParseInt(Field(line, 1, 2)).value_or(0), std::string(TrimBlanks(Field(line, 3, 22))),
                         std::string(TrimBlanks(Field(line, 25, 9))), arts.lines[i + 1], {}};
    for (int k = 0; k < 5; ++k)
      if (const auto code = ParseInt(Field(line, 35 + 2 * k, 2)); code && *code >= 0 && *code < kPlasticSpecialities)
        centre.specialities.push_back(*code);
    centres.push_back(std::move(centre));
  }
  return centres;
}

std::vector<std::string> CentresOfSpeciality(int speciality) {
  std::vector<std::string> rows;
  int community = 0;
  for (const PlasticCentre& centre : PlasticCentres()) {
    if (std::find(centre.specialities.begin(), centre.specialities.end(), speciality) == centre.specialities.end()) continue;
    if (centre.community != community) rows.push_back("- " + CommunityName(centre.community));
    community = centre.community;
    rows.push_back(CentreHeading(centre, "   "));
    rows.push_back(std::string(5, ' ') + centre.address);
    rows.emplace_back();
  }
  return rows;
}

std::vector<std::string> PlasticCentresOfCommunity(int community) {
  std::vector<std::string> rows;
  const std::vector<std::string> names = PlasticSpecialities();
  for (const PlasticCentre& centre : PlasticCentres()) {
    if (centre.community != community) continue;
    rows.push_back(CentreHeading(centre, "-  "));
    for (const int code : centre.specialities)
      if (code < static_cast<int>(names.size())) rows.push_back("   " + names[static_cast<std::size_t>(code)]);
    rows.push_back(std::string(5, ' ') + centre.address);
    rows.emplace_back();
  }
  return rows;
}

std::vector<std::string> MusicPlaces() {
  const ArtsLines arts = ReadArts();
  std::vector<std::string> rows;
  if (arts.f2 < 0) return rows;
  for (const std::string& line : Slice(arts.lines, arts.f2 + 1, static_cast<int>(arts.lines.size()))) {
    if (const auto community = ParseInt(Field(line, 1, 2)); community && *community >= 1 && *community <= 19) {
      rows.push_back("- " + CommunityName(*community));
      continue;
    }
    const std::size_t http = line.find("http");
    if (http == std::string::npos || http < 3) continue;
    rows.push_back("  " + std::string(TrimBothBlanks(Field(line, 3, static_cast<int>(http) - 2))));
    rows.push_back("  " + line.substr(http));
  }
  return rows;
}

std::vector<std::string> DancePlaces() {
  const ArtsLines arts = ReadArts();
  return arts.f2 < 0 ? std::vector<std::string>{} : Slice(arts.lines, arts.f2 + 1, static_cast<int>(arts.lines.size()));
}

std::vector<std::string> DramaPlaces() {
  const ArtsLines arts = ReadArts();
  std::vector<std::string> rows;
  if (arts.f2 < 0) return rows;
  const auto at = [&arts](int offset) -> std::string {
    const auto i = static_cast<std::size_t>(arts.f2 + offset);
    return i < arts.lines.size() ? arts.lines[i] : std::string();
  };
  std::array<std::string, 8> specialities;
  for (int k = 0; k < 8; ++k) specialities[static_cast<std::size_t>(k)] = std::string(TrimBothBlanks(Field(at(2 + k), 2, 88)));
  for (int offset = 8; arts.f2 + offset < static_cast<int>(arts.lines.size()); ++offset) {
    const std::string line = at(offset);
    if (line.starts_with("http")) {
      rows.push_back(line);
      rows.emplace_back();
    } else if (line.starts_with('-')) {
      std::vector<int> digits;
      for (const char c : Field(line, 41, 7)) {
        if (c < '0' || c > '7') break;
        digits.push_back(c - '0');
      }
      rows.push_back(std::string(Field(line, 1, 25)) + (digits.empty() ? std::string() : specialities[static_cast<std::size_t>(digits[0])]));
      for (std::size_t d = 1; d < digits.size(); ++d) rows.push_back(std::string(28, ' ') + specialities[static_cast<std::size_t>(digits[d])]);
      rows.push_back("Tel. " + std::string(TrimBlanks(Field(line, 26, 9))));
    }
  }
  return rows;
}

std::vector<std::string> ArtsReportLines(ArtsStudy study) {
  const ArtsLines arts = ReadArts();
  std::vector<std::string> lines;
  switch (study) {
    case ArtsStudy::Music:
    case ArtsStudy::Dance: {
      bool afterF2 = false;
      for (const std::string& line : arts.lines) {
        if (line.starts_with("f1")) continue;
        if (line.starts_with("f2")) {
          afterF2 = true;
          continue;
        }
        lines.push_back(afterF2 && study == ArtsStudy::Music ? (line.size() > 2 ? line.substr(2) : std::string()) : line);
      }
      break;
    }
    case ArtsStudy::PlasticArts: {
      lines = Slice(arts.lines, 0, arts.f1 < 0 ? static_cast<int>(arts.lines.size()) : arts.f1);
      const std::vector<std::string> names = PlasticSpecialities();
      int community = 0;
      for (const PlasticCentre& centre : PlasticCentres()) {
        if (centre.community != community) lines.push_back("- " + CommunityName(centre.community));
        community = centre.community;
        lines.push_back("  " + std::string(TrimBlanks(centre.name)) + "  -  Tel. " + centre.phone);
        for (const int code : centre.specialities)
          if (code < static_cast<int>(names.size())) lines.push_back(names[static_cast<std::size_t>(code)]);
        lines.push_back(std::string(5, ' ') + centre.address);
      }
      break;
    }
    case ArtsStudy::Drama:
      for (int i = 0; i < (arts.f2 < 0 ? static_cast<int>(arts.lines.size()) : arts.f2); ++i)
        if (i != arts.f1) lines.push_back(arts.lines[static_cast<std::size_t>(i)]);
      for (const std::string& row : DramaPlaces()) lines.push_back(row);
      break;
  }
  for (std::string& line : lines) line = std::string(TrimBlanks(line));
  return lines;
}

}  // namespace velmora
