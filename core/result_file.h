// Results a student saves: UTF-8 text (any editor on any desktop shows the accents) with CR LF
// line ends, written atomically so a full disk or a crash never leaves half a result over an
// older one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The file's bytes: each line (Windows-1252) in UTF-8, ended by CR LF.
std::string ResultFileBytes(const std::vector<std::string>& lines);

// Writes the lines to the file (path in UTF-8) through a temporary file in the same folder that
// then replaces it; false when any step fails, and the old file is then left as it was.
bool WriteResultFile(std::string_view path, const std::vector<std::string>& lines);

// The program's message for a result that could not be written (Windows-1252).
std::string SaveFailedText(std::string_view path);

// Asks where to save, proposing the label's name in the documents folder; none when cancelled.
std::optional<std::string> AskResultFilePath(std::string_view label);
// WriteResultFile, saying so in the program's own message when it fails.
bool SaveResultFile(std::string_view path, const std::vector<std::string>& lines);

}  // namespace velmora
