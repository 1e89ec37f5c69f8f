#include "app/program_screens.h"

#include "core/screen_registry.h"

namespace velmora {

// Each screen adds one line here as it is written: RegisterScreen("Tform0", [] { ... }).
void RegisterProgramScreens() {}

}  // namespace velmora
