// The readable sources of the centre and offer files and the rules that turn them into the
// fixed-column centre lines and the binary offer blocks of the data folder.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::tools {

inline constexpr int kCentreFiles = 4;
inline constexpr int kCentreCapacity = 1100;  // lines per centre file and entries per offer block
inline constexpr int kOfferTitles = 25;       // titles per centre and grade
inline constexpr int kEntryIntegers = 26;
inline constexpr std::size_t kTownWidth = 17;
inline constexpr std::size_t kWideTownWidth = 35;
inline constexpr std::size_t kCentreTextWidth = 44;  // columns 2-45
inline constexpr std::size_t kPhoneWidth = 9;        // columns 46-54

// One problem of a source, reported as file:line: message.
struct SourceProblem {
  std::string file;
  int line = 0;
  std::string message;
  std::string Text() const;
};

// A comma-separated table: '#' lines are comments, the first other line names the columns;
// a field in double quotes may hold commas.
struct CsvRow {
  int line = 0;
  std::vector<std::string> fields;
};
struct CsvTable {
  std::vector<std::string> header;
  std::vector<CsvRow> rows;
};
CsvTable ParseCsv(std::string_view text, const std::string& file, std::vector<SourceProblem>& problems);

enum class Grade { Middle, Higher, Basic };
inline constexpr std::array<Grade, 3> kGrades = {Grade::Middle, Grade::Higher, Grade::Basic};
std::optional<Grade> GradeFromName(std::string_view name);  // "GM", "GS", "FPB"
std::string_view TitleFileName(Grade grade);               // fp2, fp, fpba
std::string_view OfferFileName(Grade grade);               // datluggm, datluggs, datlugbas

// A centre as the sources give it; texts already in Windows-1252.
struct Centre {
  int sourceLine = 0;
  std::string id;
  int file = 0;      // 1..4
  char area = ' ';   // as written in column 1 of the file
  std::string town;
  std::string name;
  std::string phone;
  std::string key;   // comarca or zone key, two characters, or empty
};

// Town names of these places are 35 characters long instead of 17 (the districts of large cities,
// but not Madrid's, which FP Básica reads 17 wide).
bool IsWidePlace(int file, char area);
// Whether the line carries a comarca (lu4) or Madrid zone (lu2) key in column 45, and the area
// character the key starts with once the program has read the file (A as 5, H as 8).
bool NeedsKey(int file, char area);
char ReadArea(int file, char area);

// The 54-column line of a centre, or a problem: town, name and phone that break their columns.
std::optional<std::string> LayOutCentre(const Centre& centre, std::string& problem);

// The order the program relies on within one file: in lu4 the Catalan lines follow all others
// and the first of them is a Barcelona line; in lu2 the Madrid lines form one block that starts
// with a capital line and is followed at once by a Cuenca (D) line. Problems name the source line.
std::vector<std::string> CheckFileOrder(int file, const std::vector<const Centre*>& lines, int& problemLine);

// Title number of each title name of a grade's title file (Windows-1252 lines, CR dropped).
// Middle and higher grade: every line not starting with "-" is a title, its number the line
// number. Basic: lines 1-9 are the families, then each line is a class character and the name,
// a name starting with "-" being a heading; the number is the line number minus 9.
// A name that appears twice keeps its first number.
std::map<std::string, int> IndexTitles(Grade grade, const std::vector<std::string>& lines);

// Keys that some click on the detailed maps looks up: comarcas 1-41 but the Barcelonès (its
// click opens the sub-area list), the sub-areas but the list's fifth entry; for Madrid the key of
// each zone's first municipality.
std::vector<std::string> ReachableComarcaKeys(const std::vector<std::string>& comarcasLines);
std::vector<std::string> ReachableZoneKeys(const std::vector<std::string>& comarcasmLines);

// The offer file of one grade: for each centre file an offer block of 1100 entries of 26
// little-endian int32, entry j for line j: the count, then the title numbers.
using OfferLists = std::array<std::vector<std::vector<int>>, kCentreFiles>;  // [file-1][line-1]
std::string EncodeOffers(const OfferLists& offers);

}  // namespace velmora::tools
