// Packs an input of the degree-files target from its readable recipe (an input that once crashed
// it, or a seed that drives a screen's logic): every file of the sample data folder, with the
// files the recipe writes out in their place, then the recipe's script of choices.
//   velmora_degree_files_input_maker <data folder> <recipe> <output>
// A recipe line "file NAME" starts the content of that file (the lines after it, each ended
// CR LF as the data files are); a line "script N N ..." gives the choices as numbers 0..255;
// "#" lines before the first file say what the input is for.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "core/data_file.h"
#include "tests/fuzz/degree_files_inputs.h"

namespace {

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Recipe {
  std::map<std::string, std::string, std::less<>> files;
  std::string script;
};

Recipe ReadRecipe(const std::filesystem::path& path) {
  Recipe recipe;
  std::ifstream in(path);
  std::string line;
  std::string* content = nullptr;
  while (std::getline(in, line)) {
    if (line.starts_with("file ")) {
      content = &recipe.files[line.substr(5)];
    } else if (line.starts_with("script ")) {
      std::istringstream numbers(line.substr(7));
      for (int choice = 0; numbers >> choice;) recipe.script += static_cast<char>(choice & 0xFF);
      content = nullptr;
    } else if (content != nullptr) {
      *content += line + "\r\n";
    }
  }
  return recipe;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: velmora_degree_files_input_maker <data folder> <recipe> <output>\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  const Recipe recipe = ReadRecipe(argv[2]);
  const auto& replaced = recipe.files;
  std::vector<std::pair<std::size_t, std::string>> files;
  for (std::size_t index = 0; index < velmora::fuzz::kDegreeFiles.size(); ++index) {
    const std::string_view name = velmora::fuzz::kDegreeFiles[index].name;
    const auto own = replaced.find(name);
    files.emplace_back(index, own != replaced.end() ? own->second : ReadBytes(folder / velmora::NativePath(name)));
  }
  std::ofstream(argv[3], std::ios::binary) << velmora::fuzz::PackFiles(files, recipe.script);
  return 0;
}
