// The state every screen shares: configuration flags, record widths, colours and the data
// tables, owned here, allocated once at start-up and released on exit.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/binary_tables.h"
#include "core/tables.h"

namespace velmora {

// ---- Configuration and navigation state -------------------------------------------------
inline bool StartAborted = false;
inline bool AnimationOn = false;
inline bool WalkThroughStarted = false;
inline std::string CentreName;      // Windows-1252
inline std::string LanguageFolder;  // "cas\\", "catVal\\", "galego\\", "euskera\\" or empty
inline bool NonCastilian = false;
inline bool CentreScreens = true;
inline int DirectXVersion = -1;  // the 2D drawing version the walk-through needs
inline bool DisplayChanged = false;
inline bool FileModeReadOnly = false;  // the data folder could not be opened for writing
inline std::string DataFolderPath;     // absolute, once the data folder has been entered
inline int MapRegion = 1;
inline int MapLabelWidth = 115;
inline int HelpStep = 0;
inline int HelpStep2 = 0;
inline int FontSizeAdjust = 0;
inline bool InAssistant = false;
inline bool FromContextInfo = false;
inline bool FPMFirstVisit = false;
// The student's name and course for printed or saved results (Windows-1252).
inline FixedString<45> StudentLabel;
// Set while the higher-grade screen uses the map of Spain, so a click there chooses no university.
inline bool DegreeMapBlocked = false;

// ---- Record widths handed to the loaders -------------------------------------------------
inline int WidthStd = 60;
inline int WidthShort = 55;
inline int WidthFP = 60;
inline int WidthLong = 90;

inline constexpr std::string_view kDataFolderName = "velmora15_16";
inline constexpr std::string_view kSchoolYear = "2015/16";

// ---- Colours (TColor values, $00BBGGRR) --------------------------------------------------
using TColor = std::uint32_t;
constexpr TColor RGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return TColor{red} | (TColor{green} << 8) | (TColor{blue} << 16);
}
inline TColor ColourPeach = 0;
inline TColor ColourCream = 0;
inline TColor ColourIvory = 0;
inline TColor ColourLeafGreen = 0;
inline TColor ColourSage = 0;
inline TColor ColourCoral = 0;
inline TColor ColourMaroon = 0;
inline TColor ColourLabelNormal = 0;
inline TColor ColourLabelHot = 0;
inline TColor ColourWalkFont = 0;
inline TColor ColourNavy = 0;
inline TColor ColourWhite = 0;
inline TColor ColourBlue = 0;
inline TColor ColourGreen = 0;
void SetPalette();

// ---- Media files named by the common module ------------------------------------------------
inline constexpr std::array<std::string_view, 2> kAnimationArchives = {"segdxg1.DXG", "romanico.DXG"};
inline constexpr std::string_view kMenuPicture = "imagen";
inline constexpr std::string_view kMenuPicture2 = "imagen2";
inline constexpr std::string_view kLeaveStudiesSign = "rotulon.bmp";

// Fixed positions of the 19 regions on the map of Spain, entries 1..19.
struct MapPoint {
  int x = 0;
  int y = 0;
};
inline std::array<MapPoint, 20> RegionAnchor{};
void SetRegionAnchors();

// ---- Data tables -------------------------------------------------------------------------
struct SharedTables {
  LineTable75 TabTextos;
  int CountTextos = 0;

  LineTable TabCarreran, TabCarreranb, TabOtros, TabItinerar, TabFp, TabFpMarked, TabReqfp, TabActivida,
      TabFamilias, TabComunida, TabLu1, TabLu2, TabLu3, TabLu4, TabArts, TabFpba, TabCertifica, TabCualidad,
      TabInteres, TabMaterias, TabInforma, TabFps, TabCuestion, TabFp2, TabFp2Marked, TabLugarName,
      TabLugarText, TabProfesio;
  int CountCarreran = 0, CountCarreranb = 0, CountOtros = 0, CountItinerar = 0, CountFp = 0,
      CountFpMarked = 0, CountReqfp = 0, CountActivida = 0, CountFamilias = 0, CountComunida = 0,
      CountLu1 = 0, CountLu2 = 0, CountLu3 = 0, CountLu4 = 0, CountArts = 0, CountFpba = 0,
      CountCertifica = 0, CountCualidad = 0, CountInteres = 0, CountMaterias = 0, CountInforma = 0,
      CountFps = 0, CountCuestion = 0, CountFp2 = 0, CountFp2Marked = 0, CountLugar = 0,
      CountProfesio = 0;
  MarkedLineNumbers FpMarkedLines{}, Fp2MarkedLines{};

  LongLineTable TabArtsFile;
  int CountArtsFile = 0;
  LineTable90 TabCertificah;
  int CountCertificah = 0;
  LineTable75 TabCuesgm;
  int CountCuesgm = 0;

  BlockTable TabAsignafp, TabAsignaba, TabAsignagm;
  FiftyBlockTable TabAsignaot;

  LineTable600 TabInformaL, TabMateriasL;
  int CountInformaL = 0, CountMateriasL = 0;
  LineTable200 TabCarrenue;
  int CountCarrenue = 0;
  // Admission subjects: line s of materiasp is record s - 1.
  RecordTable<70, 100> TabMateriasp;
  int CountMateriasp = 0;
  // Activity codes of activida (1..30) and the two activity codes of each profession (1..250).
  std::array<FixedString<4>, 31> ActivityCodes{};
  std::array<FixedString<4>, 251> ProfessionCode1{}, ProfessionCode2{};
  // The two short statements of fracortas linked to each profession (0 = none).
  std::array<int, 251> ProfessionStatement1{}, ProfessionStatement2{};
  // Branch 1..5 of each degree 1..350.
  std::array<int, 351> BranchOfDegree{};

  // Work tables filled by the screens.
  PrintTable PrintLines, PrintLines2, PrintLines3;
  int PrintCount = 0;
  LineTable WorkList;
  std::array<LineTable, 5> WorkTables;
  std::array<LineTable75, 2> WorkTables75;

  // Binary tables and the structured readers' results.
  BinaryTables Binary;
  HitMaps Maps;  // read through MapHitCodes()
  bool HitMapsPending = false;  // until their codes are read
};

// The one instance; valid between AllocateSharedTables and ReleaseSharedTables.
SharedTables& Tabs();
bool SharedTablesAllocated();
void AllocateSharedTables();
void ReleaseSharedTables();

// Flags, widths and counters back to their values before start-up (tests start from here).
void ResetCommonState();

// ---- Messages ----------------------------------------------------------------------------
void ShowMessage(std::string_view text);
// "Faltan ficheros (" + name + "). Vuelva a instalar el programa", and StartAborted.
void ReportMissingFile(std::string_view name);
// The same message alone, for a file a screen reads while the program runs.
std::string MissingFileText(std::string_view name);

}  // namespace velmora
