// What each vocational grade shows, prints and allows. The three FP screens share one base and
// the place model; they read a grade's differences here instead of asking which grade it is.
#pragma once

#include <array>

#include "vocational/place_model.h"

namespace velmora {

struct GradeTraits {
  // Choosing a title
  bool familyGroups;       // the family list is grouped (familias); FP Básica lists its families alone
  bool nameAfterClass;     // a title line starts with its class character before the name
  bool enlargedTitleList;  // the title's description list follows the screen's font adjustment
  // Choosing a place
  bool detailedPlaces;         // Catalonia and Madrid by their comarca and zone maps
  bool capitalReadsAsProvince; // Barcelona's capital (code entry 35) lists Barcelona's centres (34)
  bool madridDistrictsWide;    // the towns of area 2H have wide names
  bool ownMadridCentreFile;    // reads a copy of lu2 with column 45 blank in Madrid
  // The centre grid
  bool allFpView;            // the toggle that shows every grade a centre offers
  int ownViewLine;           // text line naming what the grid shows of this grade
  bool captionAfterCentres;  // the grid's caption is line 190 + " - " + ownViewLine
  bool centreEndsWithBlanks; // each centre closed by a row of 61 blanks (else an empty row)
  // The place report
  std::array<int, 2> placeHeadingLines;  // text lines added to its heading (0: none)
  bool placeReportInColumns;             // three monospace columns, else one at 10 points
  bool placeReportBoldCentres;           // the centres' rows in bold
};

inline constexpr GradeTraits kMiddleGradeTraits{
    .familyGroups = true, .nameAfterClass = false, .enlargedTitleList = false,
    .detailedPlaces = true, .capitalReadsAsProvince = false, .madridDistrictsWide = true, .ownMadridCentreFile = false,
    .allFpView = true, .ownViewLine = 390, .captionAfterCentres = true, .centreEndsWithBlanks = false,
    .placeHeadingLines = {113, 0}, .placeReportInColumns = true, .placeReportBoldCentres = false};

inline constexpr GradeTraits kHigherGradeTraits{
    .familyGroups = true, .nameAfterClass = false, .enlargedTitleList = true,
    .detailedPlaces = true, .capitalReadsAsProvince = false, .madridDistrictsWide = true, .ownMadridCentreFile = false,
    .allFpView = true, .ownViewLine = 392, .captionAfterCentres = true, .centreEndsWithBlanks = false,
    .placeHeadingLines = {0, 0}, .placeReportInColumns = true, .placeReportBoldCentres = true};

inline constexpr GradeTraits kBasicGradeTraits{
    .familyGroups = false, .nameAfterClass = true, .enlargedTitleList = false,
    .detailedPlaces = false, .capitalReadsAsProvince = true, .madridDistrictsWide = false, .ownMadridCentreFile = true,
    .allFpView = false, .ownViewLine = 294, .captionAfterCentres = false, .centreEndsWithBlanks = true,
    .placeHeadingLines = {172, 263}, .placeReportInColumns = false, .placeReportBoldCentres = false};

constexpr const GradeTraits& TraitsOf(Grade grade) {
  switch (grade) {
    case Grade::GM: return kMiddleGradeTraits;
    case Grade::GS: return kHigherGradeTraits;
    case Grade::Basic: break;
  }
  return kBasicGradeTraits;
}

}  // namespace velmora
