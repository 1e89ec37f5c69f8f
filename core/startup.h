// Start-up: the common module's preparation (tables, data folder, centre settings, command
// line, language, texts, pictures, maps), the display-mode offer and the exit path.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

inline constexpr std::string_view kSettingsFile = "clave16";
inline constexpr std::size_t kSettingsRecordSize = 86;
inline constexpr std::string_view kInstanceLockName = "velmora15_16.exe";

// "cas\\", "catVal\\", "galego\\", "euskera\\" for 0..3; empty for any other index.
std::string_view LanguageFolderFor(int index);

// Where an installed program keeps its data folder, relative to the executable's folder
// ("../share/velmora" for a standard install; the build sets it from the install layout).
extern const std::string_view kInstalledDataFolder;

// Where EnterDataFolder would go, without going there.
std::optional<std::filesystem::path> FindDataFolder(const std::filesystem::path& executableFolder);

// Enters "velmora15_16" of the current directory, or else the one beside the executable, or
// else the installed one.
bool EnterDataFolder(const std::filesystem::path& executableFolder);

// Records whether the data folder can be written (it may be on read-only media).
void ProbeOpenMode();

// The first 86-byte record of "clave16": centre name, animation switch, language.
void ReadCentreSettings();

// Whether the school's "clave16" in that folder keeps the screens at 1024 x 768 on large
// displays; false when it does not say so or cannot be read (the start reports that later).
bool KeepsScreenSize(const std::filesystem::path& dataFolder);

// Parameters after the program name: when the first is present, "S"/"N" switch the animation
// and "0".."3" choose the language; anything else changes nothing.
void ApplyCommandLine(const std::vector<std::string>& parameters);

// The whole preparation; StartAborted tells whether it failed (its messages already shown).
void RunStageA(const std::vector<std::string>& parameters, const std::filesystem::path& executableFolder);

// Offers to switch the display to 1024 x 768 (mode 0: the main menu, mode 1: the walk-through).
// Not offered where the desktop cannot switch modes.
void OfferDisplayMode(int mode);

// Restores the display if it was switched, releases the shared tables and pictures and ends.
void ExitProgram();

// "¡¡ El Velmora ya está funcionando !!" CR " Mira en la barra de tareas..." (Windows-1252).
extern const std::string_view kAlreadyRunningMessage;

}  // namespace velmora
