// The files the vocational screens read at start-up. The degrees and questionnaires screens that
// will read them are not written yet, so one function reads them all at the degrees screen's turn.
#pragma once

#include <string>
#include <vector>

namespace velmora {

inline constexpr int kBasicFamilyLines = 9;

// Reads fpba into TabFpba without its nine family lines, so that title n is record n as the offer
// files number it; returns the family lines for the FP Basica family list.
std::vector<std::string> LoadBasicTitles();

// Reads comunida, lu1..lu4, the three offer files, fp, fpba and fp2 (with their marked tables), familias,
// asignagm, informa, comarcas and comarcasm, gives fp, lu1..lu4 and comunida their print headings,
// then prepares the zone codes of lu2 and lu4.
// A missing line file sets StartAborted through its loader.
void LoadVocationalFiles();

}  // namespace velmora
