#include "app/program_screens.h"

#include "core/screen_registry.h"
#include "core/yes_no_dialog.h"
#include "navigation/main_menu.h"
#include "navigation/star_map.h"
#include "university/admission_screen.h"
#include "university/degrees_screen.h"
#include "university/statistics_screen.h"
#include "vocational/basic_grade_screen.h"
#include "vocational/certificates_screen.h"
#include "vocational/fp_statistics_screen.h"
#include "vocational/higher_grade_screen.h"
#include "vocational/middle_grade_screen.h"

namespace velmora {

// Each screen adds one line here as it is written; the registry creates them in their order.
void RegisterProgramScreens() {
  RegisterScreen("Tform0", [] { return new Tform0; });
  RegisterScreen("TForm6", [] { return new TForm6; });
  RegisterScreen("TEstadisticas", [] { return new TEstadisticas; });
  RegisterScreen("TFormEstGra", [] { return new TFormEstGra; });
  RegisterScreen("TForm7", [] { return new TForm7; });
  RegisterScreen("TForm1", [] { return new TForm1; });
  RegisterScreen("TForm3", [] { return new TForm3; });
  RegisterScreen("TForm8", [] { return new TForm8; });
  RegisterScreen("TFIniPro", [] { return new TFIniPro; });
  RegisterScreen("TForm4", [] { return new TForm4; });
  RegisterScreen("TCertifica", [] { return new TCertifica; });
}

}  // namespace velmora
