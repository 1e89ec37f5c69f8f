// Handing a document of the data folder or a web page to the desktop.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// What the desktop is given for a target: a well-formed http(s) address as it stands, or the
// absolute path (UTF-8) of a document inside the data folder; nothing for anything else.
std::optional<std::string> ShellTarget(std::string_view target);

// Asks the desktop to open the target and returns at once; a refused target opens nothing,
// without a message, like a target the desktop cannot open.
void OpenWithShell(std::string_view target);

}  // namespace velmora
