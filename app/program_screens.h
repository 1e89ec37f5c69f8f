// Adds every screen of the program to the creation order.
#pragma once

namespace velmora {
void RegisterProgramScreens();
}
