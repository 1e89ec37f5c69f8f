// The whole program after the application object exists: preparation, program body, message loop.
#pragma once

#include <functional>
#include <future>

namespace velmora {

// Before the application object exists (and before any other thread starts): the session's
// message bus settled, the screens' scale chosen for the display, and the font configuration
// read on another core. Keep the result until the application object exists.
[[nodiscard]] std::future<void> PrepareProcess(const char* programPath);

// Returns the exit code. A benchmark's whenLoopStarts is called once the message loop has
// started (after the first screen is up), to time everything up to it or to end the loop.
int RunVelmora(const std::function<void()>& whenLoopStarts = {});

}  // namespace velmora
