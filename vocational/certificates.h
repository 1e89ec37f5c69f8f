// The certificates of professionalism: "certifica" (nine family lines, then the area headings and
// certificates) and "certificah" (nine access levels, then one line per certifica entry), read in
// parallel; the lists, details and printed area the certificates screen shows.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/fixed_string.h"

namespace velmora {

inline constexpr int kCertificateFamilies = 9;
inline constexpr int kFamilyKeyCharacters = 8;
inline constexpr int kCertificateEntries = 255;  // entry numbers fit in one byte
inline constexpr int kAreaHeadings = 200;
inline constexpr int kAccessLevels = 9;
inline constexpr int kAccessLevelWidth = 30;  // what is kept of each level line
inline constexpr int kPrintedCertificates = 15;
inline constexpr int kPrintedRequirementWidth = 25;

struct CertificateFamily {
  std::string key;   // up to eight area-group characters
  std::string name;  // without trailing blanks
};

// The family lines and access levels taken out of the two files.
struct CertificateHeads {
  std::array<CertificateFamily, kCertificateFamilies + 1> families{};  // 1..9
  std::array<FixedString<kAccessLevelWidth>, kAccessLevels + 1> levels{};  // 1..9
};
CertificateHeads& Certificates();

// Reads both files of the language folder (the loaders report a missing one) and splits them.
void LoadCertificateFiles();
// Takes the nine family lines out of TabCertifica and the nine access levels out of
// TabCertificah, moving the remaining lines up: entry e of one is entry e of the other.
void SplitCertificateFiles();

// Entries the screen can address (at most 255).
int CertificateEntryCount();

struct CertificateItem {
  std::string name;
  int entry = 0;
};
// The area headings of family 1..9: for each key character in order, its "-" entries in entry
// order (at most 200 in all).
std::vector<CertificateItem> AreaHeadings(int family);
// The certificates sharing the area-group character of the heading entry, in entry order.
std::vector<CertificateItem> CertificatesOfArea(int headingEntry);

struct CertificateDetails {
  std::vector<std::string> requirements;  // one access-level text (28 characters) per match
  std::string hours;
  std::string description;
};
CertificateDetails DetailsOf(int entry);

// Fills PrintLines and BoldLines with the certificates of an area (at most 15) under their
// area heading, the entry just before the first certificate.
void BuildAreaReport(const std::vector<CertificateItem>& certificates);

}  // namespace velmora
