// What each line file of the data folder must look like, checked while the folder is written:
// a violation names the file and the line, and fails the build.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::tools {

// Problems found in one file (Windows-1252 lines); empty when it fits its layout.
// name is the path inside the data folder with "/" separators ("cas/textos").
std::vector<std::string> CheckLayout(std::string_view name, const std::vector<std::string>& lines);

}  // namespace velmora::tools
