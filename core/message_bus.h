// The first text a window shows wakes Qt's accessibility bridge, which asks for the session's
// message bus. Where the session has none, libdbus falls back to launching one: it forks the
// whole program and tries dbus-launch in every folder of the search path, a fifth of the
// start-up. Where no dbus-launch is installed that can only fail, and a screen reader has no bus
// to reach the program through anyway, so the program says at once that there is no bus.
#pragma once

#include <string_view>

namespace velmora {

// True when libdbus would have to launch a bus (no address given, no bus socket in the runtime
// folder) and no folder of searchPath (colon-separated, as PATH) holds dbus-launch.
bool BusLaunchCannotSucceed(std::string_view address, std::string_view runtimeFolder, std::string_view searchPath);

// Sets DBUS_SESSION_BUS_ADDRESS to an address that fails at once when BusLaunchCannotSucceed
// for this process's environment. It changes the environment: call it before any thread starts.
void SkipHopelessBusLaunch();

}  // namespace velmora
