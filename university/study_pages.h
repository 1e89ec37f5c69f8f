// The text pages of the degrees screen: a degree's profile and career outlets, the masters page,
// the page of an other study, and the four artistic studies (introduction, specialities and
// where each is taught). Everything returns lines for the screen to show or print.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

enum class PageLineKind { Title, Heading, Bullet, Body };
struct PageLine {
  std::string text;
  PageLineKind kind = PageLineKind::Body;
};

// The block of the degree's code in "grados.txt" (the language folder's, else the data folder's);
// 101 lines of two blanks when the block is missing or is the last of the file.
std::vector<PageLine> ProfilePage(int degree);
// A line cut into runs; the whole words "profesiones", "ocupación" and "trabajar" in any case
// are highlighted.
struct TextRun {
  std::string text;
  bool highlighted = false;
};
std::vector<TextRun> HighlightedRuns(std::string_view line);

// "master.txt": "*" lines are bullets, "-" lines headings.
std::vector<PageLine> MastersPage();

// Lines 1..50 of the study's block of asignaot, up to two lines in a row that are blank in
// their first 16 characters.
std::vector<std::string> OtherStudyPage(int study);

// ---- Artistic studies -------------------------------------------------------------------
enum class ArtsStudy { PlasticArts, Music, Dance, Drama };
// Reads the study's file into the artistic-study table; false (with the program's message)
// when it is missing.
bool LoadArtsFile(ArtsStudy study);
// The lines before "f1"; the lines between "f1" and "f2".
std::vector<std::string> ArtsIntroLines();
std::vector<std::string> ArtsSpecialityLines();

inline constexpr int kPlasticSpecialities = 17;
// Plastic arts: the 17 speciality names and the centres with the specialities they teach.
struct PlasticCentre {
  int community = 0;
  std::string name, phone, address;
  std::vector<int> specialities;  // 0-based
};
std::vector<std::string> PlasticSpecialities();
std::vector<PlasticCentre> PlasticCentres();
// Rows of the centres teaching speciality c (0-based), under their communities.
std::vector<std::string> CentresOfSpeciality(int speciality);
// Rows of a community's centres with their specialities.
std::vector<std::string> PlasticCentresOfCommunity(int community);
// Where music, dance and drama are taught, as rows.
std::vector<std::string> MusicPlaces();
std::vector<std::string> DancePlaces();
std::vector<std::string> DramaPlaces();
// The report of the study on show (its lines without trailing blanks).
std::vector<std::string> ArtsReportLines(ArtsStudy study);

}  // namespace velmora
