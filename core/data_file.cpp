#include "core/data_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
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

std::optional<std::uintmax_t> DataFileSize(std::string_view name) {
  const std::string path = NativePath(name);
  // A device or a FIFO may never end (or block the open itself), so only regular files of a
  // plausible size are opened at all.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kMaxDataFileSize) return std::nullopt;
  return size;
}

namespace {

// Data files are only ever read, so every open asks for read access alone: a data folder on
// read-only media works as any other.
std::FILE* OpenForReading(std::string_view name) { return std::fopen(NativePath(name).c_str(), "rb"); }

}  // namespace

bool ReadFilePart(std::string_view name, std::uintmax_t offset, std::span<std::byte> dest) {
  const auto size = DataFileSize(name);
  if (!size || offset > *size || dest.size() > *size - offset) return false;
  std::FILE* file = OpenForReading(name);
  if (file == nullptr) return false;
  const bool read = std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0 &&
                    std::fread(dest.data(), 1, dest.size(), file) == dest.size();
  std::fclose(file);
  return read;
}

bool ReadWholeFile(std::string_view name, std::string& buffer) {
  const auto size = DataFileSize(name);
  if (!size) return false;
  std::FILE* file = OpenForReading(name);
  if (file == nullptr) return false;
  buffer.clear();
  buffer.reserve(static_cast<std::size_t>(*size));  // one allocation for the whole file
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
  // Whole stretches between the CRs move at once: a byte at a time was a good part of reading.
  char* const begin = content.data();
  char* const end = begin + content.size();
  char* out = static_cast<char*>(std::memchr(begin, '\r', content.size()));
  if (out == nullptr) return;
  for (const char* from = out + 1; from < end;) {
    const char* next = static_cast<const char*>(std::memchr(from, '\r', static_cast<std::size_t>(end - from)));
    if (next == nullptr) next = end;
    std::memmove(out, from, static_cast<std::size_t>(next - from));
    out += next - from;
    from = next + 1;
  }
  content.resize(static_cast<std::size_t>(out - begin));
}

}  // namespace velmora
