// The screens in their fixed order of creation. Each screen adds its factory here; the start-up
// creates the registered ones in order, moving the splash's progress bar before each group and
// stopping after a group when a creation set StartAborted.
//
// A screen registered on demand is built the first time it is needed (its door opens, or another
// screen asks for it): at start-up only its files are read, in the same order, so a missing file
// still stops the start. Building every screen's controls at start-up took most of it.
#pragma once

#include <functional>
#include <initializer_list>
#include <string_view>

class QWidget;

namespace velmora {

using ScreenFactory = std::function<QWidget*()>;

// Built at start-up in its place, after loadFiles (the corridor waits for its first use when the
// walk-through comes first).
void RegisterScreen(std::string_view name, ScreenFactory create, std::function<void()> loadFiles = {});
// loadFiles runs at start-up in the screen's place; the doors lead to the screen, and their
// openers build it first (its constructor then sets the real openers).
void RegisterScreenOnDemand(std::string_view name, ScreenFactory create, std::function<void()> loadFiles = {},
                            std::initializer_list<int> doors = {});
bool IsScreenRegistered(std::string_view name);
void ClearScreenRegistry();

// The registered screen of that name, built now if it was on demand and not built yet; null
// when no such screen is registered or the start-up has not reached it.
QWidget* ScreenNamed(std::string_view name);

// A screen's one instance: the one it keeps (also when built outside the registry, as tests do),
// or the registered one, built now.
template <typename Screen>
Screen* InstanceOrBuilt(Screen* instance, std::string_view name) {
  return instance != nullptr ? instance : static_cast<Screen*>(ScreenNamed(name));
}

struct ScreenCreation {
  QWidget* mainForm = nullptr;  // the first screen created
  bool aborted = false;
};

// Creates every registered screen in order; progress(p) is called before each group.
ScreenCreation CreateScreens(const std::function<void(int)>& progress);

}  // namespace velmora
