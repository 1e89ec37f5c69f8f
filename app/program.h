// The whole program after the application object exists: preparation, program body, message loop.
#pragma once

namespace velmora {

// Returns the exit code. With quitWhenLoopStarts the message loop ends as soon as it has
// started, so a benchmark can time everything up to it.
int RunVelmora(bool quitWhenLoopStarts = false);

}  // namespace velmora
