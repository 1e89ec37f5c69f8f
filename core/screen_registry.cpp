#include "core/screen_registry.h"

#include <map>
#include <string>

#include "core/common.h"

namespace velmora {
namespace {

struct ScreenStep {
  std::string_view name;
  int progress;  // set on the splash before this screen; 0 for none
  bool check;    // stop after this screen when a creation failed
  bool onlyWithAnimation;
};

// The order matters: the degrees screen and the questionnaires screen load files that the
// screens created after them use.
constexpr ScreenStep kScreenOrder[] = {
    {"Tform9", 0, false, true},   {"Tform0", 0, false, false},        {"TForm6", 10, false, false},
    {"TEstadisticas", 0, false, false}, {"TFormEstGra", 0, false, false}, {"TForm7", 0, true, false},
    {"TForm1", 20, false, false}, {"TForm8", 0, true, false},         {"TFormCon", 30, false, false},
    {"TForm2", 0, true, false},   {"TForm5", 40, false, false},       {"TForm3", 50, false, false},
    {"TForm4", 60, false, false}, {"TFIniPro", 70, true, false},      {"TCertifica", 80, true, false},
    {"Tprofe", 90, true, false},  {"TFormCat", 100, false, false},    {"TFlomce", 0, true, false},
};

std::map<std::string, ScreenFactory, std::less<>>& Registry() {
  static std::map<std::string, ScreenFactory, std::less<>> registry;
  return registry;
}

}  // namespace

void RegisterScreen(std::string_view name, ScreenFactory create) { Registry()[std::string(name)] = std::move(create); }

bool IsScreenRegistered(std::string_view name) { return Registry().contains(name); }

void ClearScreenRegistry() { Registry().clear(); }

ScreenCreation CreateScreens(const std::function<void(int)>& progress) {
  ScreenCreation result;
  for (const ScreenStep& step : kScreenOrder) {
    if (step.progress > 0) progress(step.progress);
    if (step.onlyWithAnimation && !AnimationOn) continue;
    if (const auto found = Registry().find(step.name); found != Registry().end()) {
      QWidget* screen = found->second();
      if (result.mainForm == nullptr) result.mainForm = screen;
    }
    if (step.check && StartAborted) {
      result.aborted = true;
      return result;
    }
  }
  return result;
}

}  // namespace velmora
