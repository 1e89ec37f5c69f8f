// The whole program after the application object exists: preparation, program body, message loop.
#pragma once

#include <future>

namespace velmora {

// Before the application object exists (and before any other thread starts): the session's
// message bus settled and the font configuration read on another core. Keep the result until
// the application object exists.
[[nodiscard]] std::future<void> PrepareProcess();

// Returns the exit code. With quitWhenLoopStarts the message loop ends as soon as it has
// started, so a benchmark can time everything up to it.
int RunVelmora(bool quitWhenLoopStarts = false);

}  // namespace velmora
