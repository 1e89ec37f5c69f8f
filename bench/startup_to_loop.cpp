// Start-up of the whole program to its message loop, on the sample data folder, against an empty
// 1024 x 768 Qt window: from the spawn to the moment each loop starts, and whole processes with
// their ends, run alternately, medians of ten, and the program's peak memory. Then what the screens built on demand cost the first time their door opens. Run it
// beside the data folder, from build/app:
//   ../bench/velmora_startup_bench [rounds]
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <spawn.h>
#include <string>
#include <utility>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "app/program.h"
#include "bench/loop_stamp.h"
#include "core/navigation.h"

extern char** environ;

namespace {

constexpr const char* kChildFlag = "--program";
constexpr const char* kDoorsFlag = "--doors";

// Once the message loop runs: each door's first opening, built and shown, in milliseconds.
void TimeFirstOpenings() {
  velmora::bench::StampLoopStart();
  const std::pair<const char*, int> doors[] = {{"degrees", velmora::kDoorDegrees},
                                               {"higher grade", velmora::kDoorHigherGrade},
                                               {"middle grade", velmora::kDoorMiddleGrade},
                                               {"basic grade", velmora::kDoorBasicGrade},
                                               {"certificates", velmora::kDoorCertificates}};
  const auto since = [](std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  };
  for (const auto& [name, door] : doors) {
    const auto started = std::chrono::steady_clock::now();
    QWidget* screen = velmora::PrepareDoor(door);
    const double built = since(started);
    if (screen != nullptr) {
      screen->show();
      QCoreApplication::processEvents();
      screen->hide();
    }
    std::printf("first opening of the %s door: built in %.1f ms, shown and drawn by %.1f ms\n", name, built, since(started));
  }
  QCoreApplication::exit(0);
}

struct Run {
  double milliseconds = 0;  // to the end of the process
  double toLoop = 0;        // to the start of its message loop
  double peakMegabytes = 0;
  double cpuMilliseconds = 0;  // user and system, all threads
};

Run RunProcess(const std::string& program, const std::vector<std::string>& arguments) {
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const std::string stampFile = std::filesystem::temp_directory_path() / ("velmora_loop_stamp_" + std::to_string(getpid()));
  std::remove(stampFile.c_str());
  setenv(velmora::bench::kLoopStampVariable, stampFile.c_str(), 1);
  const long long spawned = velmora::bench::MonotonicNanoseconds();
  const auto started = std::chrono::steady_clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
    std::fprintf(stderr, "cannot start %s\n", program.c_str());
    std::exit(1);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const double elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s ended badly (status %d)\n", program.c_str(), status);
    std::exit(1);
  }
  const auto milliseconds = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
  const std::optional<long long> loop = velmora::bench::ReadLoopStamp(stampFile.c_str());
  std::remove(stampFile.c_str());
  if (!loop) {
    std::fprintf(stderr, "%s did not say when its loop started\n", program.c_str());
    std::exit(1);
  }
  return {elapsed, static_cast<double>(*loop - spawned) / 1e6, static_cast<double>(usage.ru_maxrss) / 1024.0,
          milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime)};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && (std::strcmp(argv[1], kChildFlag) == 0 || std::strcmp(argv[1], kDoorsFlag) == 0)) {
    int childArgc = 1;
    const auto prepared = velmora::PrepareProcess(argv[0]);
    QApplication application(childArgc, argv);
    if (std::strcmp(argv[1], kChildFlag) == 0)
      return velmora::RunVelmora([] {
        velmora::bench::StampLoopStart();
        QCoreApplication::exit(0);  // quit() would ask the windows to close
      });
    // A timer of its own (a zero one would be a posted call, run while the splash is painted).
    QTimer::singleShot(1, &application, TimeFirstOpenings);
    return velmora::RunVelmora();
  }
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
  const std::string emptyWindow = (self.parent_path() / "velmora_empty_window").string();

  std::vector<double> program, empty, programLoop, emptyLoop, peaks, programCpu, emptyCpu;
  for (int round = 0; round < rounds; ++round) {
    const Run ours = RunProcess(self.string(), {kChildFlag});
    const Run yardstick = RunProcess(emptyWindow, {});
    program.push_back(ours.milliseconds);
    programLoop.push_back(ours.toLoop);
    emptyLoop.push_back(yardstick.toLoop);
    peaks.push_back(ours.peakMegabytes);
    empty.push_back(yardstick.milliseconds);
    programCpu.push_back(ours.cpuMilliseconds);
    emptyCpu.push_back(yardstick.cpuMilliseconds);
  }
  std::printf("start to message loop, median of %d: program %.1f ms, empty window %.1f ms, ratio %.2f\n", rounds,
              Median(programLoop), Median(emptyLoop), Median(programLoop) / Median(emptyLoop));
  std::printf("whole process, to its end: program %.1f ms, empty window %.1f ms, ratio %.2f; "
              "program's peak memory %.1f MB (largest)\n",
              Median(program), Median(empty), Median(program) / Median(empty), *std::max_element(peaks.begin(), peaks.end()));
  std::printf("processor time, median: program %.1f ms, empty window %.1f ms\n", Median(programCpu), Median(emptyCpu));
  std::fflush(stdout);
  RunProcess(self.string(), {kDoorsFlag});
  return 0;
}
