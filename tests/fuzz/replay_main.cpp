// Without libFuzzer: runs the target once on every file of the folders (or files) given, so the
// seed corpus and every input that ever crashed a target run as an ordinary test.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    // Absolute, since a target may change the current directory.
    const std::filesystem::path path = std::filesystem::absolute(argv[i]);
    if (!std::filesystem::is_directory(path)) {
      Replay(path);
      ++replayed;
      continue;
    }
    for (const auto& entry : std::filesystem::directory_iterator(path))
      if (entry.is_regular_file()) {
        Replay(entry.path());
        ++replayed;
      }
  }
  std::cout << replayed << " inputs replayed\n";
  // An empty corpus would test nothing.
  return replayed > 0 ? 0 : 1;
}
