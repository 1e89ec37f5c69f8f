#include "core/common.h"

#include <cassert>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

#include "core/platform/platform.h"

namespace velmora {
namespace {

// The tables take several megabytes, most of which a run never fills. Zeroed memory from the
// system costs nothing until written, where constructing the tables would write every page at
// start-up; all-zero bytes are exactly their initial state (the tests check it).
static_assert(std::is_trivially_copyable_v<SharedTables> && std::is_trivially_destructible_v<SharedTables>,
              "the shared tables are plain records");
struct FreeTables {
  void operator()(SharedTables* tables) const { std::free(tables); }
};
std::unique_ptr<SharedTables, FreeTables> sharedTables;

}  // namespace

void SetPalette() {
  ColourPeach = RGB(249, 209, 183);
  ColourCream = RGB(255, 239, 206);
  ColourIvory = RGB(255, 255, 225);
  ColourLeafGreen = RGB(90, 200, 80);
  ColourSage = RGB(192, 220, 206);
  ColourCoral = RGB(231, 90, 94);
  ColourMaroon = 0x000080;
  ColourLabelNormal = 0x000080;
  ColourLabelHot = 0x0000FF;
  ColourWalkFont = 0x0000FF;
  ColourNavy = 0x800000;
  ColourWhite = 0xFFFFFF;
  ColourBlue = 0xFF0000;
  ColourGreen = 0x008000;
}

void SetRegionAnchors() {
  RegionAnchor = {{{0, 0},
                   {102, 141}, {156, 73}, {82, 41},  {221, 100}, {204, 162}, {111, 42}, {128, 108},
                   {100, 68},  {188, 64}, {77, 111}, {58, 49},   {131, 60},  {114, 89}, {148, 133},
                   {143, 52},  {160, 107}, {130, 47}, {83, 171}, {136, 174}}};
}

SharedTables& Tabs() {
  assert(sharedTables && "the shared tables are allocated at start-up");
  return *sharedTables;
}

bool SharedTablesAllocated() { return sharedTables != nullptr; }

void AllocateSharedTables() {
  if (sharedTables) return;
  sharedTables.reset(static_cast<SharedTables*>(std::calloc(1, sizeof(SharedTables))));
  if (!sharedTables) throw std::bad_alloc();
}

void ReleaseSharedTables() { sharedTables.reset(); }

void ResetCommonState() {
  StartAborted = false;
  AnimationOn = false;
  WalkThroughStarted = false;
  CentreName.clear();
  LanguageFolder.clear();
  NonCastilian = false;
  CentreScreens = true;
  DirectXVersion = -1;
  DisplayChanged = false;
  FileModeReadOnly = false;
  DataFolderPath.clear();
  MapRegion = 1;
  MapLabelWidth = 115;
  HelpStep = HelpStep2 = 0;
  FontSizeAdjust = 0;
  InAssistant = FromContextInfo = FPMFirstVisit = false;
  StudentLabel.clear();
  WidthStd = 60;
  WidthShort = 55;
  WidthFP = 60;
  WidthLong = 90;
}

void ShowMessage(std::string_view text) { CurrentPlatform().ShowMessage(text); }

std::string MissingFileText(std::string_view name) {
  std::string message = "Faltan ficheros (";
  message += name;
  message += "). Vuelva a instalar el programa";
  return message;
}

void ReportMissingFile(std::string_view name) {
  ShowMessage(MissingFileText(name));
  StartAborted = true;
}

}  // namespace velmora
