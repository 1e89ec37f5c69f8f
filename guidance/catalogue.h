// The catalogue by professional family: for one family, its degrees, higher- and middle-grade
// titles, FP Básica titles and certificates of professionalism, what each item tells in its
// information panel, and the printed lists. It reads the tables the other screens load.
// Widget-free; texts are Windows-1252.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace velmora {

inline constexpr int kProfessionalFamilies = 26;
inline constexpr int kCatalogueLists = 5;
inline constexpr int kMaxCatalogueItems = 600;
// The family whose key is "5" also lists the artistic cycles: the last line of fp and of fp2.
inline constexpr char kArtsFamilyKey = '5';

enum class CatalogueKind { Degree, HigherTitle, MiddleTitle, BasicTitle, Certificate };

struct CatalogueItem {
  std::string text;
  int number = 0;  // degree, title or certificate entry
};
using CatalogueLists = std::array<std::vector<CatalogueItem>, kCatalogueLists>;

// "1".."9" are families 1..9, "A".."Q" families 10..26; any other key is no family (0).
int FamilyNumberOfKey(char key);
// Line 1..26 of familias: its key and its name (columns 2-61, trimmed).
char FamilyKeyAt(int line);
std::string FamilyNameAt(int line);

// The five lists of the family with that key, in the order each table lists its items.
CatalogueLists CatalogueOfFamily(char key);

struct CatalogueLine {
  std::string text;
  bool heading = false;
};
// What an item's information panel shows.
std::vector<CatalogueLine> CatalogueInformation(CatalogueKind kind, int number, char familyKey);

// The captions above the five lists.
std::array<std::string, kCatalogueLists> CatalogueCaptions();

// Fills PrintLines and BoldLines: the title, then each list that has items under its caption.
// Returns the number of the last row.
int BuildCatalogueReport(const std::string& familyName, const CatalogueLists& lists);

}  // namespace velmora
