// The files an input of the degree-files target carries, in the order of their indexes.
#pragma once

#include <array>

#include "core/binary_tables.h"
#include "tests/fuzz/fuzz_folder.h"

namespace velmora::fuzz {

inline constexpr std::size_t kOffers = 4 * kOfferRecordSize;
inline constexpr std::array<FileSpec, 47> kDegreeFiles = {{
    {"cas\\materiasp"}, {"cas\\carreran"}, {"cas\\carrenue"}, {"cas\\carreranb"}, {"cas\\otros"},
    {"cas\\itinerar"},  {"cas\\fp"},       {"cas\\reqfp"},    {"cas\\asignafp"},  {"cas\\asignaot"},
    {"cas\\activida"},  {"cas\\familias"}, {"cas\\profesio"}, {"cas\\fpba"},      {"cas\\informa"},
    {"cas\\fp2"},       {"cas\\asignagm"}, {"comunida"},      {"lugar"},          {"comuint"},
    {"lu1"},            {"lu2"},           {"lu3"},           {"lu4"},            {"datgrub", 3 * kGroupRecordSize},
    {"datcarn", 2 * kDegreeStringsSize},   {"datcarnue", 2 * kDegreeStringsSize},
    {"datgrados", kMaxDegrees * 14 * 4},   {"datfps", 20000}, {"datluggs", kOffers},
    {"dobles"},         {"datluggm", kOffers}, {"datlugbas", kOffers}, {"comarcas"}, {"comarcasm"},
    {"fami_estad.txt"}, {"cas\\asignaba"},  {"cas\\informa_l"}, {"cas\\certifica"}, {"cas\\certificah"},
    {"cas\\cuestion"}, {"cas\\cualidad"}, {"cas\\interes"},
    {"datfpm", 5600},   {"cas\\cuesgm"},   {"cas\\fralargas"}, {"cas\\fracortas"},
}};

}  // namespace velmora::fuzz
