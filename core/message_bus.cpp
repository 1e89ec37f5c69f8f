#include "core/message_bus.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace velmora {
namespace {

bool FileIn(std::string_view folder, std::string_view name) {
  std::error_code error;
  // An empty folder in a search path is the current one.
  const std::filesystem::path path = std::filesystem::path(folder.empty() ? "." : folder) / name;
  return std::filesystem::exists(path, error);
}

}  // namespace

bool BusLaunchCannotSucceed(std::string_view address, std::string_view runtimeFolder, std::string_view searchPath) {
  if (!address.empty()) return false;
  if (!runtimeFolder.empty() && FileIn(runtimeFolder, "bus")) return false;
  while (true) {
    const std::size_t end = searchPath.find(':');
    if (FileIn(searchPath.substr(0, end), "dbus-launch")) return false;
    if (end == std::string_view::npos) return true;
    searchPath.remove_prefix(end + 1);
  }
}

void SkipHopelessBusLaunch() {
#if defined(__unix__) && !defined(__APPLE__)
  const auto variable = [](const char* name, const char* unset) {
    const char* value = std::getenv(name);
    return std::string(value == nullptr ? unset : value);
  };
  // libdbus tries its own folder first, then the search path (the system's default when unset).
  const std::string searchPath = "/usr/bin:" + variable("PATH", "/bin:/usr/bin");
  if (BusLaunchCannotSucceed(variable("DBUS_SESSION_BUS_ADDRESS", ""), variable("XDG_RUNTIME_DIR", ""), searchPath))
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);  // an address of no known kind fails at once
#endif
}

}  // namespace velmora
