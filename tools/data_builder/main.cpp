// Writes the data folder from the readable sources: every "*.txt" under the source folder
// becomes a Windows-1252 line file of the same path without the extension, checked against its
// layout, and "clave16" is written from the options. With --set-centre it rewrites the
// "clave16" of an installed data folder instead.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/cp1252.h"
#include "tools/data_builder/centre_settings.h"
#include "tools/data_builder/language_folders.h"
#include "tools/data_builder/layout_rules.h"

namespace fs = std::filesystem;
using velmora::tools::CentreSettings;

namespace {

constexpr const char* kUsage =
    "usage: velmora_data_builder --source DIR --out DIR [--centre NAME] [--animation 0|1] [--language 0-3]\n"
    "       [--enlarge 0|1]\n"
    "       velmora_data_builder --set-centre DATA_FOLDER [--centre NAME] [--animation 0|1] [--language 0-3]\n"
    "       [--enlarge 0|1]\n";

struct Options {
  fs::path source, out, installed;
  std::optional<std::string> centre;
  std::optional<bool> animation;
  std::optional<bool> enlarge;
  std::optional<int> language;
};

bool Fail(const std::string& message) {
  std::cerr << "velmora_data_builder: " << message << "\n";
  return false;
}

std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    if (i + 1 >= argc) return std::nullopt;
    const std::string value = argv[++i];
    if (flag == "--source") options.source = value;
    else if (flag == "--out") options.out = value;
    else if (flag == "--set-centre") options.installed = value;
    else if (flag == "--centre") options.centre = value;
    else if (flag == "--animation" && (value == "0" || value == "1")) options.animation = value == "1";
    else if (flag == "--enlarge" && (value == "0" || value == "1")) options.enlarge = value == "1";
    else if (flag == "--language" && value.size() == 1 && value[0] >= '0' && value[0] <= '3') options.language = value[0] - '0';
    else return std::nullopt;
  }
  if (options.installed.empty() == (options.source.empty() || options.out.empty())) return std::nullopt;
  return options;
}

bool WriteFile(const fs::path& path, std::string_view bytes) {
  // Written beside and renamed, so an installed folder never holds half a file.
  const fs::path temporary = path.string() + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) return Fail("cannot write " + path.string());
  }
  std::error_code error;
  fs::rename(temporary, path, error);
  return error ? Fail("cannot write " + path.string() + ": " + error.message()) : true;
}

bool ApplySettings(const Options& options, CentreSettings& settings) {
  if (options.centre) {
    const auto converted = velmora::Utf8ToCp1252(*options.centre);
    if (converted.badColumn != 0) return Fail("the centre name has a character without a Windows-1252 form");
    if (converted.text.size() > velmora::tools::kCentreNameCapacity) return Fail("the centre name holds at most 50 characters");
    settings.name = converted.text;
  }
  if (options.animation) settings.animation = *options.animation;
  if (options.enlarge) settings.enlarge = *options.enlarge;
  if (options.language) settings.language = *options.language;
  return true;
}

bool WriteSettings(const fs::path& path, const CentreSettings& settings) {
  const auto record = velmora::tools::EncodeCentreSettings(settings);
  return WriteFile(path, std::string_view(record.data(), record.size()));
}

bool SetInstalledCentre(const Options& options) {
  const fs::path path = options.installed / "clave16";
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  auto settings = velmora::tools::DecodeCentreSettings(content.str());
  if (!settings) return Fail(path.string() + " is missing or not a settings record");
  return ApplySettings(options, *settings) && WriteSettings(path, *settings);
}

// Converts one source file; its problems are printed as file:line: message. The converted lines
// are handed back for the comparison of the language folders.
bool ConvertLineFile(const fs::path& source, const fs::path& relative, const fs::path& out, std::vector<std::string>& lines) {
  std::ifstream in(source, std::ios::binary);
  std::string line;
  bool ok = true;
  const std::string label = (fs::path("data/folder") / relative).generic_string();
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto converted = velmora::Utf8ToCp1252(line);
    if (converted.badColumn != 0) {
      ok = Fail(label + ":" + std::to_string(lines.size() + 1) + ":" + std::to_string(converted.badColumn) +
                (converted.unmappable ? ": character has no Windows-1252 form" : ": malformed UTF-8"));
    }
    lines.push_back(converted.text);
  }
  fs::path target = out / relative;
  target.replace_extension();
  for (const std::string& problem : velmora::tools::CheckLayout(fs::relative(target, out).generic_string(), lines))
    ok = Fail(label + ": " + problem);
  if (!ok) return false;
  std::string bytes;
  for (const std::string& text : lines) bytes += text + "\r\n";
  fs::create_directories(target.parent_path());
  return WriteFile(target, bytes);
}

// Each translated language folder against the Castilian one.
bool CompareLanguageFolders(const std::map<std::string, velmora::tools::FolderFiles>& languages) {
  const auto reference = languages.find(std::string(velmora::tools::kReferenceLanguage));
  if (reference == languages.end()) return true;
  bool ok = true;
  for (const auto& [language, files] : languages) {
    if (language == reference->first) continue;
    for (const std::string& problem : velmora::tools::CompareLanguageFolder(reference->second, files))
      ok = Fail("data/folder/" + language + "/" + problem);
  }
  return ok;
}

bool BuildFolder(const Options& options) {
  if (!fs::is_directory(options.source)) return Fail(options.source.string() + " is not a folder");
  fs::create_directories(options.out);
  bool ok = true;
  std::map<std::string, velmora::tools::FolderFiles> languages;  // folder -> file -> lines
  for (const auto& entry : fs::recursive_directory_iterator(options.source)) {
    if (!entry.is_regular_file() || entry.path().extension() != ".txt") continue;
    const fs::path relative = fs::relative(entry.path(), options.source);
    std::vector<std::string> lines;
    ok = ConvertLineFile(entry.path(), relative, options.out, lines) && ok;
    // The files directly inside a folder of their own are a language folder's.
    if (std::distance(relative.begin(), relative.end()) == 2 && relative.begin()->string() != "info")
      languages[relative.begin()->string()][relative.stem().string()] = std::move(lines);
  }
  ok = CompareLanguageFolders(languages) && ok;
  CentreSettings settings;
  settings.name = "IES de muestra";
  return ApplySettings(options, settings) && WriteSettings(options.out / "clave16", settings) && ok;
}

}  // namespace

int main(int argc, char** argv) {
  const auto options = ParseOptions(argc, argv);
  if (!options) {
    std::cerr << kUsage;
    return 2;
  }
  const bool ok = options->installed.empty() ? BuildFolder(*options) : SetInstalledCentre(*options);
  return ok ? 0 : 1;
}
