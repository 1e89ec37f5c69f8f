// Read access to the degree tables: names, degree records, who offers a degree with which mark
// and under which local name, and the mark text. Entries that point past the loaded tables (a
// university number past lugar, a community above 19) are left out, never read out of bounds.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/common.h"

namespace velmora {

inline constexpr int kBranches = 5;
inline constexpr int kNoCutOffMark = 10;

// Positions of the fields of a degree record (element 0 unused).
enum DegreeField : std::size_t {
  kBranch = 1, kGroup, kItinerary1, kItinerary2, kProfession1, kProfession2, kProfession3, kProfession4,
  kCatalogueValue, kCode, kWeighted1, kWeighted2, kWeighted3, kWeighted4
};

int DegreeCount();  // lines of carreran, at most 350
std::string_view DegreeName(int degree);  // the carreran record, padded; empty outside 1..count
int DegreeValue(int degree, DegreeField field);

// The universities that offer a degree, their marks and local-name codes, read in place.
class DegreeOffers {
 public:
  explicit DegreeOffers(int degree);
  int size() const { return static_cast<int>(universities_.size()); }
  int University(int k) const { return At(universities_, k); }  // k 0-based
  int Mark(int k) const { return At(marks_, k); }
  int LocalName(int k) const { return At(names_, k); }
  // Position of the university among the offers, -1 when it does not offer the degree.
  int PositionOf(int university) const;

 private:
  static int At(std::string_view bytes, int k) {
    return k >= 0 && k < static_cast<int>(bytes.size()) ? static_cast<std::uint8_t>(bytes[static_cast<std::size_t>(k)]) : 0;
  }
  std::string_view universities_, marks_, names_;
};

// The university is one of lugar's (1..count).
bool IsUniversity(int university);
// Its community 1..19, or 0 when lugar gives none of them.
int CommunityOfUniversity(int university);
// Regions 18 and 19 (Ceuta, Melilla) have no university of their own: they look up region 1.
int UniversityCommunityOfRegion(int region);

std::string_view UniversityName(int university);  // 35 characters as lugar has it
// A university-specific name (carrenue line code, 1-based), trailing blanks removed.
std::string_view LocalDegreeName(int code);
// The name degree i carries at the university: its local name there, else its own.
std::string_view DegreeNameAt(int degree, int university);
// The same when the local-name code (0 = none) is already at hand.
std::string_view DegreeNameWithCode(int degree, int localName);

// The mark in tenths as four characters: " 5,5", "12,3"; the no-cut-off value 10 as "  - ".
std::string MarkText(int tenths);

// The name of branch 1..5 (text table lines 515-519).
std::string_view BranchName(int branch);

}  // namespace velmora
