// The files the vocational screens read at start-up beyond those the degree files bring (the
// places, the centre files, fp, familias and datluggs). The screens that will read them are not
// written yet, so the degrees screen reads them right after its own files.
#pragma once

#include <string>
#include <vector>

namespace velmora {

inline constexpr int kBasicFamilyLines = 9;

// The nine family lines of fpba, as the last LoadBasicTitles read them.
inline std::vector<std::string> BasicFamilyLines;

// Reads fpba into TabFpba without its nine family lines, so that title n is record n as the offer
// files number it; keeps the family lines for the FP Basica family list.
void LoadBasicTitles();

// Reads fpba, fp2 (with its marked table), asignagm, informa, datluggm, datlugbas, datfpm, comarcas and
// comarcasm, then prepares the zone codes of lu2 and lu4 (read before, with the degree files).
// A missing line file sets StartAborted through its loader.
void LoadVocationalFiles();

}  // namespace velmora
