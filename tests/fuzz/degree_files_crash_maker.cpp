// Packs an input of the degree-files target that once crashed it from its readable recipe: every
// file of the sample data folder, with the files the recipe writes out in their place.
//   velmora_degree_files_crash_maker <data folder> <recipe> <output>
// A recipe line "file NAME" starts the content of that file (the lines after it, each ended
// CR LF as the data files are); "#" lines before the first file say what the input found.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>

#include "core/data_file.h"
#include "tests/fuzz/degree_files_inputs.h"

namespace {

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::map<std::string, std::string, std::less<>> RecipeFiles(const std::filesystem::path& recipe) {
  std::map<std::string, std::string, std::less<>> files;
  std::ifstream in(recipe);
  std::string line;
  std::string* content = nullptr;
  while (std::getline(in, line)) {
    if (line.starts_with("file ")) {
      content = &files[line.substr(5)];
    } else if (content != nullptr) {
      *content += line + "\r\n";
    }
  }
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: velmora_degree_files_crash_maker <data folder> <recipe> <output>\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  const auto replaced = RecipeFiles(argv[2]);
  std::vector<std::pair<std::size_t, std::string>> files;
  for (std::size_t index = 0; index < velmora::fuzz::kDegreeFiles.size(); ++index) {
    const std::string_view name = velmora::fuzz::kDegreeFiles[index].name;
    const auto own = replaced.find(name);
    files.emplace_back(index, own != replaced.end() ? own->second : ReadBytes(folder / velmora::NativePath(name)));
  }
  std::ofstream(argv[3], std::ios::binary) << velmora::fuzz::PackFiles(files, {});
  return 0;
}
