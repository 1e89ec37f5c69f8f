#include "core/startup.h"

#include <array>
#include <cstdio>

#include "core/binary_readers.h"
#include "core/common.h"
#include "core/data_file.h"
#include "core/line_loaders.h"
#include "core/picture_archive.h"
#include "core/platform/platform.h"
#include "core/shared_bitmaps.h"
#include "core/text_helpers.h"
#include "core/text_table.h"

namespace velmora {

#ifndef VELMORA_INSTALLED_DATA_FOLDER
#define VELMORA_INSTALLED_DATA_FOLDER "../share/velmora"
#endif
const std::string_view kInstalledDataFolder = VELMORA_INSTALLED_DATA_FOLDER;

const std::string_view kAlreadyRunningMessage = "\xA1\xA1 El Velmora ya est\xE1 funcionando !!\r Mira en la barra de tareas...";

namespace {

constexpr std::string_view kNoDataFolderMessage =
    "El programa no funcionar\xE1 correctamente. Falta la carpeta velmora15_16 con los archivos necesrios.";
constexpr std::string_view kNoSettingsMessage =
    "El programa no funcionar\xE1 correctamente. Faltan ficheros. Vuelva a instalarlo.";
constexpr std::array<std::string_view, 4> kLanguageFolders = {"cas\\", "catVal\\", "galego\\", "euskera\\"};
constexpr int kMinimumGraphicsVersion = 7;
constexpr std::string_view kNoAnimationMessage = "No funcionar\xE1 la animaci\xF3n.";

// Offsets (0-based) of the fields of the settings record.
constexpr std::size_t kNameLengthByte = 0;
constexpr std::size_t kNameCapacity = 50;
constexpr std::size_t kAnimationByte = 51;
constexpr std::size_t kLanguageByte = 57;
constexpr std::size_t kKeepScreenSizeByte = 58;  // 0 (as older records have it): enlarge on large displays

// Reads both walk-through archives once; a damaged one turns the animation off, said, and the
// program starts in the corridor.
void LoadWalkArchives() {
  WalkPictures& pictures = LoadedWalkPictures();
  std::array<PictureArchive*, 2> targets = {&pictures.figure, &pictures.building};
  for (std::size_t k = 0; k < kAnimationArchives.size(); ++k) {
    std::string bytes;
    std::optional<PictureArchive> read;
    if (ReadWholeFile(kAnimationArchives[k], bytes)) read = ReadPictureArchive(bytes);
    if (!read) {
      pictures = {};
      AnimationOn = false;
      ShowMessage(kNoAnimationMessage);
      return;
    }
    *targets[k] = std::move(*read);
  }
}

}  // namespace

std::string_view LanguageFolderFor(int index) {
  return index >= 0 && index < static_cast<int>(kLanguageFolders.size()) ? kLanguageFolders[static_cast<std::size_t>(index)]
                                                                          : std::string_view{};
}

std::optional<std::filesystem::path> FindDataFolder(const std::filesystem::path& executableFolder) {
  std::error_code error;
  for (const auto& folder : {std::filesystem::path(kDataFolderName), executableFolder / kDataFolderName,
                             executableFolder / kInstalledDataFolder / kDataFolderName})
    if (std::filesystem::is_directory(folder, error)) return std::filesystem::absolute(folder, error);
  return std::nullopt;
}

bool EnterDataFolder(const std::filesystem::path& executableFolder) {
  const std::optional<std::filesystem::path> folder = FindDataFolder(executableFolder);
  std::error_code error;
  if (!folder) return false;
  std::filesystem::current_path(*folder, error);
  if (error) return false;
  DataFolderPath = std::filesystem::current_path().string();
  return true;
}

bool KeepsScreenSize(const std::filesystem::path& dataFolder) {
  std::FILE* file = std::fopen((dataFolder / kSettingsFile).string().c_str(), "rb");
  if (file == nullptr) return false;
  std::array<unsigned char, kSettingsRecordSize> record{};
  const bool read = std::fread(record.data(), 1, record.size(), file) == record.size();
  std::fclose(file);
  return read && record[kKeepScreenSizeByte] != 0;
}

void ProbeOpenMode() {
  std::FILE* file = std::fopen(NativePath(kSettingsFile).c_str(), "r+b");
  if (file == nullptr) {
    FileModeReadOnly = true;
    return;
  }
  std::fclose(file);
}

void ReadCentreSettings() {
  StartAborted = false;
  std::string record;
  if (!ReadWholeFile(kSettingsFile, record) || record.size() < kSettingsRecordSize) {
    ShowMessage(kNoSettingsMessage);
    StartAborted = true;
    return;
  }
  const auto byteAt = [&](std::size_t offset) { return static_cast<unsigned char>(record[offset]); };
  AnimationOn = byteAt(kAnimationByte) != 0;
  const std::size_t nameLength = std::min<std::size_t>(byteAt(kNameLengthByte), kNameCapacity);
  CentreName = TrimBothBlanks(std::string_view(record).substr(kNameLengthByte + 1, nameLength));
  const int language = byteAt(kLanguageByte);
  NonCastilian = language > 0;
  LanguageFolder = LanguageFolderFor(language);
}

void ApplyCommandLine(const std::vector<std::string>& parameters) {
  if (parameters.empty() || parameters[0].empty()) return;
  if (parameters.size() > 1) {
    if (parameters[1] == "S") AnimationOn = true;
    if (parameters[1] == "N") AnimationOn = false;
  }
  if (parameters.size() > 2) {
    // Only "0".."3" name a language; any other value leaves the language as it was.
    const std::string& language = parameters[2];
    if (language.size() == 1 && language[0] >= '0' && language[0] <= '3') {
      LanguageFolder = LanguageFolderFor(language[0] - '0');
      NonCastilian = language[0] != '0';
    }
  }
}

void RunStageA(const std::vector<std::string>& parameters, const std::filesystem::path& executableFolder) {
  AllocateSharedTables();
  WidthStd = 60;
  WidthShort = 55;
  WidthFP = 60;
  WidthLong = 90;
  HelpStep = HelpStep2 = 0;
  StartAborted = false;

  if (!EnterDataFolder(executableFolder)) {
    ShowMessage(kNoDataFolderMessage);
    StartAborted = true;
    return;
  }
  ProbeOpenMode();
  ReadCentreSettings();
  ApplyCommandLine(parameters);
  if (StartAborted) return;

  SharedTables& tabs = Tabs();
  LoadTextLines(LanguageFolder + "textos", tabs.TabTextos, tabs.CountTextos);
  // A cut textos would leave captions and messages blank: it is as damaged as a missing one.
  if (!StartAborted && tabs.CountTextos < kTextSlotLines) ReportMissingFile(LanguageFolder + "textos");
  if (StartAborted) return;
  FillTextSlots();

  CentreScreens = true;
  WalkThroughStarted = false;
  InAssistant = FromContextInfo = FPMFirstVisit = false;
  SetPalette();

  for (const std::string_view archive : kAnimationArchives)
    if (!DataFileExists(archive)) AnimationOn = false;
  if (AnimationOn) LoadWalkArchives();
  DirectXVersion = CurrentPlatform().GraphicsVersion();
  if (DirectXVersion < kMinimumGraphicsVersion) AnimationOn = false;

  MapLabelWidth = 115;
  MapRegion = 1;
  FontSizeAdjust = 0;

  LoadSharedBitmaps();
  SetRegionAnchors();
  if (!DataFileExists(kHitMapFile)) {
    ShowMessage("Faltan ficheros");
    StartAborted = true;
    return;
  }
  PrepareHitMaps();
  LoadLines600(LanguageFolder + "informa_l", tabs.TabInformaL, tabs.CountInformaL, WidthStd);
  LoadLines600(LanguageFolder + "materias_l", tabs.TabMateriasL, tabs.CountMateriasL, WidthStd);
}

void OfferDisplayMode(int mode) {
  Platform& platform = CurrentPlatform();
  if (!platform.CanSwitchDisplayModes()) return;
  const DisplayMode display = platform.CurrentDisplay();
  const bool ask = mode == 0 ? display.height < 768 && display.bitsPerPixel < 16
                             : !(display.width == 1024 && display.height == 768 && display.bitsPerPixel >= 16);
  if (!ask) return;
  DisplayChanged = false;
  std::string question(TextLine(253));
  question += ' ';
  question += TextLine(254);
  if (!platform.AskYesNo(question)) return;
  for (int index = 0;; ++index) {
    const auto candidate = platform.DisplayModeAt(index);
    if (!candidate) return;
    if (candidate->width == 1024 && candidate->height == 768 && candidate->bitsPerPixel == 16) break;
  }
  DisplayChanged = true;
  platform.SwitchDisplayMode({1024, 768, display.bitsPerPixel < 16 ? 16 : display.bitsPerPixel});
}

void ExitProgram() {
  if (DisplayChanged) CurrentPlatform().RestoreDisplayMode();
  StartAborted = true;
  ReleaseSharedTables();
  ReleaseSharedBitmaps();
  CurrentPlatform().Terminate();
}

}  // namespace velmora
