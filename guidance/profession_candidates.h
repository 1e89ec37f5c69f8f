// Which short statements the professions questionnaire offers for the kept long statements:
// the activity codes of those statements, then the statements linked to the professions of those
// activities. Header-only and free of the program's tables, so the data tools check the sample
// data with the very rule the screen uses.
#pragma once

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

inline constexpr std::size_t kMaxCollectedCodes = 35;
inline constexpr std::size_t kMaxCandidateStatements = 120;

using ActivityCode = std::string;  // four characters; four blanks = none
using LongStatementCodes = std::array<ActivityCode, 4>;

struct ProfessionLinks {
  ActivityCode code1, code2;
  int statement1 = 0, statement2 = 0;  // short statements, 0 = none
};

inline bool IsNoActivity(std::string_view code) {
  return std::ranges::all_of(code, [](char c) { return c == ' '; });
}

// The codes of the kept statements in statement order, each statement's in column order, without
// blanks or repeats.
inline std::vector<ActivityCode> CollectActivityCodes(std::span<const LongStatementCodes> kept) {
  std::vector<ActivityCode> codes;
  for (const LongStatementCodes& statement : kept)
    for (const ActivityCode& code : statement)
      if (!IsNoActivity(code) && std::ranges::find(codes, code) == codes.end() && codes.size() < kMaxCollectedCodes)
        codes.push_back(code);
  return codes;
}

// Four passes over the professions: first code with first statement, first code with second,
// second code with first, second code with second; each statement once, 0 skipped.
inline std::vector<int> CandidateStatements(std::span<const ActivityCode> codes, std::span<const ProfessionLinks> professions) {
  std::vector<int> candidates;
  const auto add = [&](int statement) {
    if (statement != 0 && candidates.size() < kMaxCandidateStatements && std::ranges::find(candidates, statement) == candidates.end())
      candidates.push_back(statement);
  };
  for (int pass = 0; pass < 4; ++pass)
    for (const ProfessionLinks& profession : professions)
      for (const ActivityCode& code : codes) {
        const ActivityCode& own = pass < 2 ? profession.code1 : profession.code2;
        if (own == code) add(pass % 2 == 0 ? profession.statement1 : profession.statement2);
      }
  return candidates;
}

}  // namespace velmora
