#include "core/data_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace velmora {

std::string NativePath(std::string_view name) {
  std::string path(name);
  if constexpr (std::filesystem::path::preferred_separator != '\\') std::ranges::replace(path, '\\', '/');
  return path;
}

bool DataFileExists(std::string_view name) {
  std::error_code error;
  return std::filesystem::is_regular_file(NativePath(name), error);
}

bool ReadWholeFile(std::string_view name, std::string& buffer) {
  const std::string path = NativePath(name);
  // A device or a FIFO may never end (or block the open itself), so only regular files of a
  // plausible size are opened at all.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kMaxDataFileSize) return false;
  // Data files are only ever read, so every open asks for read access alone: a data folder
  // on read-only media works as any other.
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  buffer.clear();
  buffer.reserve(static_cast<std::size_t>(size));  // one allocation for the whole file
  char chunk[1 << 16];
  std::size_t got = 0;
  // A file still growing while it is read stops at the limit too.
  while (buffer.size() <= kMaxDataFileSize && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
    buffer.append(chunk, got);
  const bool failed = std::ferror(file) != 0 || buffer.size() > kMaxDataFileSize;
  std::fclose(file);
  return !failed;
}

void NormaliseLineEnds(std::string& content) {
  if (const auto ctrlZ = content.find('\x1A'); ctrlZ != std::string::npos) content.resize(ctrlZ);
  std::erase(content, '\r');
}

}  // namespace velmora
