#include "tools/data_builder/language_folders.h"

#include <algorithm>

#include "core/text_helpers.h"

namespace velmora::tools {
namespace {

std::string At(std::size_t line, std::string_view what) { return "line " + std::to_string(line) + ": " + std::string(what); }

std::string Columns(std::string_view line, int first, int last) { return PadTo(Field(line, first, last - first + 1), static_cast<std::size_t>(last - first + 1)); }

// The characters of a line that are not text: what the program reads as codes, keys, markers or
// numbers. Files not named keep only their line count.
std::string Skeleton(std::string_view file, std::size_t number, std::string_view line) {
  if (file == "informa" || file == "informa_l" || file == "materias" || file == "materias_l" || file == "cuestion")
    return Columns(line, 1, 2);
  if (file == "cuesgm") return number > 11 ? Columns(line, 1, 2) : std::string();
  if (file == "fps") return Columns(line, 1, 7);
  if (file == "familias") return number <= 26 ? Columns(line, 1, 1) : Columns(line, 1, 6);
  if (file == "activida") return Columns(line, 1, 5);
  if (file == "profesio") return Columns(line, 1, 10) + Columns(line, 51, 56);
  if (file == "fracortas") return Columns(line, 1, 10);
  if (file == "fralargas") return Columns(line, 116, 134);
  if (file == "certificah") return number <= 9 ? Columns(line, 1, 1) : Columns(line, 1, 7);
  if (file == "fp" || file == "fp2") return line.starts_with("-|") ? "-|" : line.starts_with('-') ? "-" : "";
  if (file == "fpba" || file == "certifica") {
    if (number <= 9) return std::string(line.substr(0, std::min(line.find_first_of(' '), line.size())));
    return line.size() > 1 && line[1] == '-' ? Columns(line, 1, 2) : Columns(line, 1, 1);
  }
  return {};
}

// The degree-profile file is free text between its markers: the markers must come in the same order.
std::vector<std::string> Markers(const std::vector<std::string>& lines) {
  std::vector<std::string> markers;
  for (const std::string& line : lines)
    if (line.find("<<") != std::string::npos) markers.emplace_back(TrimBothBlanks(line));
  return markers;
}

}  // namespace

std::vector<std::string> CompareLanguageFile(std::string_view name, const std::vector<std::string>& castilian,
                                             const std::vector<std::string>& translated) {
  std::vector<std::string> problems;
  if (name == "grados.txt") {
    const std::vector<std::string> want = Markers(castilian), have = Markers(translated);
    if (want != have)
      problems.push_back("its degree markers differ from the Castilian file's (" + std::to_string(have.size()) + " against " +
                         std::to_string(want.size()) + ")");
    return problems;
  }
  if (castilian.size() != translated.size()) {
    problems.push_back("has " + std::to_string(translated.size()) + " lines, the Castilian file " +
                       std::to_string(castilian.size()));
    return problems;
  }
  for (std::size_t i = 0; i < castilian.size(); ++i) {
    if (Skeleton(name, i + 1, castilian[i]) != Skeleton(name, i + 1, translated[i]))
      problems.push_back(At(i + 1, "its codes or columns differ from the Castilian line \"" + castilian[i] + "\""));
    else if (IsBlankLine(castilian[i]) != IsBlankLine(translated[i]))
      problems.push_back(At(i + 1, IsBlankLine(castilian[i]) ? "is blank in the Castilian file" : "is blank, the Castilian line is not"));
  }
  return problems;
}

std::vector<std::string> CompareLanguageFolder(const FolderFiles& castilian, const FolderFiles& translated) {
  std::vector<std::string> problems;
  for (const auto& [name, lines] : castilian) {
    const auto twin = translated.find(name);
    if (twin == translated.end()) {
      problems.push_back(name + ": missing (the Castilian folder has it)");
      continue;
    }
    for (const std::string& problem : CompareLanguageFile(name, lines, twin->second)) problems.push_back(name + ": " + problem);
  }
  for (const auto& [name, lines] : translated)
    if (!castilian.contains(name)) problems.push_back(name + ": not in the Castilian folder");
  return problems;
}

}  // namespace velmora::tools
