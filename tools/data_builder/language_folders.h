// Every language folder holds the same files as the Castilian one, line for line where the
// program reads them by line, with the same codes, keys, markers and numbers in the same columns;
// only the text is translated.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::tools {

using FolderFiles = std::map<std::string, std::vector<std::string>, std::less<>>;  // file name -> lines

inline constexpr std::string_view kReferenceLanguage = "cas";

// The problems of one translated file against its Castilian twin (lines in Windows-1252), each
// naming the line that differs.
std::vector<std::string> CompareLanguageFile(std::string_view name, const std::vector<std::string>& castilian,
                                             const std::vector<std::string>& translated);

// The problems of a whole folder: files missing or extra, then each file's.
std::vector<std::string> CompareLanguageFolder(const FolderFiles& castilian, const FolderFiles& translated);

}  // namespace velmora::tools
