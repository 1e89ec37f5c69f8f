// Time from process start to the message loop on the sample data folder, and peak memory.
// Run it beside the data folder, from build/app: ../bench/velmora_startup_bench
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

#include "app/program.h"

namespace {

// Seconds since this process was started, from the kernel's own record.
double SecondsSinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string field;
  for (int i = 1; i <= 22 && stat >> field; ++i) {}
  const double startTicks = std::stod(field);
  std::ifstream uptimeFile("/proc/uptime");
  double uptime = 0;
  uptimeFile >> uptime;
  return uptime - startTicks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace

int main(int argc, char** argv) {
  const auto entered = std::chrono::steady_clock::now();
  QApplication application(argc, argv);
  const int exitCode = velmora::RunVelmora(true);
  const double toLoop = std::chrono::duration<double>(std::chrono::steady_clock::now() - entered).count();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("main() to message loop: %.1f ms; process start to loop (10 ms clock): %.0f ms; peak RSS %.1f MB; exit %d\n",
              toLoop * 1000.0, SecondsSinceProcessStart() * 1000.0, static_cast<double>(usage.ru_maxrss) / 1024.0, exitCode);
  return 0;
}
