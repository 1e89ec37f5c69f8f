#include "university/degree_tables.h"

#include <algorithm>
#include <cstdio>

#include "core/text_helpers.h"
#include "core/text_table.h"

namespace velmora {

int DegreeCount() { return std::clamp(Tabs().CountCarreran, 0, kMaxDegrees); }

std::string_view DegreeName(int degree) {
  if (degree < 1 || degree > DegreeCount()) return {};
  return Tabs().TabCarreran[static_cast<std::size_t>(degree)].view();
}

int DegreeValue(int degree, DegreeField field) {
  if (degree < 1 || degree > DegreeCount()) return 0;
  return Tabs().Binary.TabDatgrados[static_cast<std::size_t>(degree)][field];
}

DegreeOffers::DegreeOffers(int degree) {
  if (degree < 1 || degree > DegreeCount()) return;
  const BinaryTables& b = Tabs().Binary;
  const auto index = static_cast<std::size_t>(degree - 1);
  universities_ = ShortStringAt(std::as_bytes(std::span(b.Datcarn[0])), kDegreeStringField, index);
  // The marks and names are read over the length of the university string.
  const auto field = [&](const auto& record) {
    const std::string_view all(reinterpret_cast<const char*>(record.data()) + index * kDegreeStringField + 1,
                               kDegreeStringField - 1);
    return all.substr(0, universities_.size());
  };
  marks_ = field(b.Datcarn[1]);
  names_ = field(b.Datcarnue[1]);
}

int DegreeOffers::PositionOf(int university) const {
  for (int k = 0; k < size(); ++k)
    if (University(k) == university) return k;
  return -1;
}

bool IsUniversity(int university) { return university >= 1 && university <= Tabs().CountLugar; }

int CommunityOfUniversity(int university) {
  if (!IsUniversity(university)) return 0;
  const int community = Tabs().Binary.PlaceCodes[static_cast<std::size_t>(university)];
  return community >= 1 && community <= 19 ? community : 0;
}

int UniversityCommunityOfRegion(int region) { return region == 18 || region == 19 ? 1 : region; }

std::string_view UniversityName(int university) {
  if (!IsUniversity(university)) return {};
  return Tabs().TabLugarName[static_cast<std::size_t>(university)].view();
}

std::string_view LocalDegreeName(int code) {
  if (code < 1 || code > Tabs().CountCarrenue) return {};
  return TrimBlanks(Tabs().TabCarrenue[static_cast<std::size_t>(code - 1)].view());
}

std::string_view DegreeNameWithCode(int degree, int localName) {
  const std::string_view local = LocalDegreeName(localName);
  return local.empty() ? DegreeName(degree) : local;
}

std::string_view DegreeNameAt(int degree, int university) {
  const DegreeOffers offers(degree);
  const int k = offers.PositionOf(university);
  return DegreeNameWithCode(degree, k >= 0 ? offers.LocalName(k) : 0);
}

std::string MarkText(int tenths) {
  if (tenths == kNoCutOffMark) return "  - ";
  char digits[16];
  std::snprintf(digits, sizeof digits, "%3d", tenths);
  const std::string_view text(digits);
  return std::string(text.substr(0, text.size() - 1)) + "," + std::string(text.substr(text.size() - 1));
}

std::string_view BranchName(int branch) {
  if (branch < 1 || branch > kBranches) return {};
  return TextLine(514 + branch);
}

}  // namespace velmora
