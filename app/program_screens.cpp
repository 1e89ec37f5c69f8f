#include "app/program_screens.h"

#include "core/screen_registry.h"
#include "core/yes_no_dialog.h"
#include "navigation/main_menu.h"
#include "vocational/middle_grade_screen.h"
#include "vocational/vocational_files.h"

namespace velmora {

// Each screen adds one line here as it is written; the registry creates them in their order.
void RegisterProgramScreens() {
  RegisterScreen("Tform0", [] { return new Tform0; });
  // Until the degrees screen exists, its turn reads the files the vocational screens need.
  RegisterScreen("TForm1", []() -> QWidget* {
    LoadVocationalFiles();
    return nullptr;
  });
  RegisterScreen("TForm3", [] { return new TForm3; });
  RegisterScreen("TForm4", [] { return new TForm4; });
}

}  // namespace velmora
