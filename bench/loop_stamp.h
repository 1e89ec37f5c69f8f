// When a child's message loop started, handed to the benchmark that spawned it: the monotonic
// clock, in nanoseconds, written to the file that VELMORA_LOOP_STAMP names.
#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace velmora::bench {

inline constexpr const char* kLoopStampVariable = "VELMORA_LOOP_STAMP";

inline long long MonotonicNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

inline void StampLoopStart() {
  const char* path = std::getenv(kLoopStampVariable);
  if (path == nullptr) return;
  if (std::FILE* file = std::fopen(path, "w")) {
    std::fprintf(file, "%lld\n", MonotonicNanoseconds());
    std::fclose(file);
  }
}

inline std::optional<long long> ReadLoopStamp(const char* path) {
  std::FILE* file = std::fopen(path, "r");
  if (file == nullptr) return std::nullopt;
  long long stamp = 0;
  const bool read = std::fscanf(file, "%lld", &stamp) == 1;
  std::fclose(file);
  return read ? std::optional<long long>(stamp) : std::nullopt;
}

}  // namespace velmora::bench
