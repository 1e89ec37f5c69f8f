#include "tools/offer_maker/source_files.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>

#include "core/cp1252.h"

namespace velmora::tools {

std::optional<std::string> ReadWhole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

std::optional<std::vector<std::string>> ReadFolderLines(const std::filesystem::path& path) {
  auto bytes = ReadWhole(path);
  if (!bytes) return std::nullopt;
  if (const auto eof = bytes->find('\x1A'); eof != std::string::npos) bytes->resize(eof);
  std::vector<std::string> lines;
  std::istringstream in(*bytes);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool WriteFile(const std::filesystem::path& path, const std::string& bytes, const char* maker) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) std::cerr << maker << ": cannot write " << path.string() << "\n";
  return static_cast<bool>(out);
}

std::optional<CsvTable> ReadSourceTable(const std::filesystem::path& path, const std::vector<std::string>& columns,
                                        std::vector<SourceProblem>& problems) {
  const std::string label = path.generic_string();
  const auto text = ReadWhole(path);
  if (!text) {
    problems.push_back({label, 0, "missing"});
    return std::nullopt;
  }
  CsvTable table = ParseCsv(*text, label, problems);
  if (table.header != columns) {
    std::string expected;
    for (const auto& column : columns) expected += (expected.empty() ? "" : ",") + column;
    problems.push_back({label, 0, "the header must be " + expected});
    return std::nullopt;
  }
  for (CsvRow& row : table.rows) {
    for (std::string& field : row.fields) {
      auto converted = Utf8ToCp1252(field);
      if (converted.badColumn != 0)
        problems.push_back({label, row.line, "a character is not valid UTF-8 or has no Windows-1252 form"});
      field = converted.text;
    }
  }
  return table;
}

std::optional<std::map<std::string, std::filesystem::path>> ParseMakerFlags(int argc, char** argv,
                                                                              const std::vector<std::string>& flags) {
  std::map<std::string, std::filesystem::path> values;
  if (argc != 1 + 2 * static_cast<int>(flags.size())) return std::nullopt;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string flag = argv[i];
    if (std::find(flags.begin(), flags.end(), flag) == flags.end() || *argv[i + 1] == '\0') return std::nullopt;
    values[flag] = argv[i + 1];
  }
  if (values.size() != flags.size()) return std::nullopt;
  return values;
}

}  // namespace velmora::tools
