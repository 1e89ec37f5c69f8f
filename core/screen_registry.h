// The screens in their fixed order of creation. Each screen adds its factory here; the start-up
// creates the registered ones in order, moving the splash's progress bar before each group and
// stopping after a group when a creation set StartAborted.
#pragma once

#include <functional>
#include <string_view>

class QWidget;

namespace velmora {

using ScreenFactory = std::function<QWidget*()>;

void RegisterScreen(std::string_view name, ScreenFactory create);
bool IsScreenRegistered(std::string_view name);
void ClearScreenRegistry();

struct ScreenCreation {
  QWidget* mainForm = nullptr;  // the first screen created
  bool aborted = false;
};

// Creates every registered screen in order; progress(p) is called before each group.
ScreenCreation CreateScreens(const std::function<void(int)>& progress);

}  // namespace velmora
