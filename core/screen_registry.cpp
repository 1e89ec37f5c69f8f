#include "core/screen_registry.h"

#include <map>
#include <string>
#include <vector>

#include "core/common.h"
#include "core/navigation.h"

namespace velmora {
namespace {

struct ScreenStep {
  std::string_view name;
  int progress;  // set on the splash before this screen; 0 for none
  bool check;    // stop after this screen when a creation failed
  bool onlyWithAnimation;
  bool waitsForWalkThrough = false;  // built on first use when the walk-through comes first
};

// The order matters: the degrees screen and the questionnaires screen load files that the
// screens created after them use.
constexpr ScreenStep kScreenOrder[] = {
    {"Tform9", 0, false, true},   {"Tform0", 0, false, false, true},  {"TForm6", 10, false, false},
    {"TEstadisticas", 0, false, false}, {"TFormEstGra", 0, false, false}, {"TForm7", 0, true, false},
    {"TForm1", 20, false, false}, {"TForm8", 0, true, false},         {"TFormCon", 30, false, false},
    {"TForm2", 0, true, false},   {"TForm5", 40, false, false},       {"TForm3", 50, false, false},
    {"TForm4", 60, false, false}, {"TFIniPro", 70, true, false},      {"TCertifica", 80, true, false},
    {"Tprofe", 90, true, false},  {"TFormCat", 100, false, false},    {"TFlomce", 0, true, false},
};

struct RegisteredScreen {
  ScreenFactory create;
  bool onDemand = false;
  std::function<void()> loadFiles;
  std::vector<int> doors;
  bool reached = false;  // the start-up has come to it
  bool building = false;
  QWidget* screen = nullptr;
};

std::map<std::string, RegisteredScreen, std::less<>>& Registry() {
  static std::map<std::string, RegisteredScreen, std::less<>> registry;
  return registry;
}

// A screen whose constructor asks for itself gets nothing rather than a second copy of itself.
QWidget* Build(RegisteredScreen& entry) {
  if (entry.screen == nullptr && !entry.building) {
    entry.building = true;
    entry.screen = entry.create();
    entry.building = false;
  }
  return entry.screen;
}

// Until the screen exists its doors build it; a screen that then sets no opener opens nothing.
void OpenDoorsByBuilding(const std::string& name, const std::vector<int>& doors) {
  for (const int door : doors) {
    SetDoorOpener(door, [name, door]() -> QWidget* {
      SetDoorOpener(door, nullptr);
      ScreenNamed(name);
      return PrepareDoor(door);
    });
  }
}

}  // namespace

void RegisterScreen(std::string_view name, ScreenFactory create, std::function<void()> loadFiles) {
  RegisteredScreen entry;
  entry.create = std::move(create);
  entry.loadFiles = std::move(loadFiles);
  Registry()[std::string(name)] = std::move(entry);
}

void RegisterScreenOnDemand(std::string_view name, ScreenFactory create, std::function<void()> loadFiles,
                            std::initializer_list<int> doors) {
  RegisteredScreen entry;
  entry.create = std::move(create);
  entry.onDemand = true;
  entry.loadFiles = std::move(loadFiles);
  entry.doors = doors;
  Registry()[std::string(name)] = std::move(entry);
}

QWidget* ScreenNamed(std::string_view name) {
  const auto found = Registry().find(name);
  if (found == Registry().end() || !found->second.reached) return nullptr;
  return Build(found->second);
}

bool IsScreenRegistered(std::string_view name) { return Registry().contains(name); }

void ClearScreenRegistry() { Registry().clear(); }

ScreenCreation CreateScreens(const std::function<void(int)>& progress) {
  ScreenCreation result;
  for (const ScreenStep& step : kScreenOrder) {
    if (step.progress > 0) progress(step.progress);
    if (step.onlyWithAnimation && !AnimationOn) continue;
    if (const auto found = Registry().find(step.name); found != Registry().end()) {
      RegisteredScreen& entry = found->second;
      entry.reached = true;
      if (entry.loadFiles) entry.loadFiles();
      if (!entry.onDemand && !(step.waitsForWalkThrough && AnimationOn)) {
        QWidget* screen = Build(entry);
        if (result.mainForm == nullptr) result.mainForm = screen;
      } else {
        OpenDoorsByBuilding(found->first, entry.doors);
      }
    }
    if (step.check && StartAborted) {
      result.aborted = true;
      return result;
    }
  }
  return result;
}

}  // namespace velmora
