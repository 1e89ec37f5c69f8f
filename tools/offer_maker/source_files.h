// Reading the readable sources and the data-folder files the makers build on, and writing what
// they make. Shared by the offer maker and the degree maker.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tools/offer_maker/offer_sources.h"

namespace velmora::tools {

std::optional<std::string> ReadWhole(const std::filesystem::path& path);

// Lines of a data-folder file: CR LF ends, Ctrl-Z ends the file.
std::optional<std::vector<std::string>> ReadFolderLines(const std::filesystem::path& path);

// Writes the bytes; says so on standard error when it cannot.
bool WriteFile(const std::filesystem::path& path, const std::string& bytes, const char* maker);

// A source table whose header must be exactly columns, its fields turned into Windows-1252.
// Problems (missing file, wrong header, bad characters) are added to problems.
std::optional<CsvTable> ReadSourceTable(const std::filesystem::path& path, const std::vector<std::string>& columns,
                                        std::vector<SourceProblem>& problems);

// The command line of a maker: every flag given once with a non-empty value, nothing else.
std::optional<std::map<std::string, std::filesystem::path>> ParseMakerFlags(int argc, char** argv,
                                                                              const std::vector<std::string>& flags);

}  // namespace velmora::tools
