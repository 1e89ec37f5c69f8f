#include "app/program_screens.h"

#include "core/navigation.h"
#include "core/screen_registry.h"
#include "core/yes_no_dialog.h"
#include "guidance/advice_screen.h"
#include "guidance/assistant_screen.h"
#include "guidance/catalogue_screen.h"
#include "guidance/lomce_screen.h"
#include "guidance/professions_screen.h"
#include "guidance/questionnaires_screen.h"
#include "navigation/main_menu.h"
#include "navigation/star_map.h"
#include "navigation/walk_through.h"
#include "university/admission_screen.h"
#include "university/degrees_screen.h"
#include "university/statistics_screen.h"
#include "vocational/basic_grade_screen.h"
#include "vocational/certificates.h"
#include "vocational/certificates_screen.h"
#include "vocational/fp_statistics_screen.h"
#include "vocational/higher_grade_screen.h"
#include "vocational/middle_grade_screen.h"

namespace velmora {

// Each screen adds one line here as it is written; the registry creates them in their order. The
// corridor (unless the walk-through comes first) and the yes/no dialog are built at start-up,
// the others when first needed.
void RegisterProgramScreens() {
  RegisterScreen("Tform9", [] { return new Tform9; });
  RegisterScreen("Tform0", [] { return new Tform0; }, &Tform0::LoadFiles);
  RegisterScreenOnDemand("TForm6", [] { return new TForm6; });
  RegisterScreenOnDemand("TEstadisticas", [] { return new TEstadisticas; });
  RegisterScreenOnDemand("TFormEstGra", [] { return new TFormEstGra; });
  RegisterScreenOnDemand("TForm7", [] { return new TForm7; });
  RegisterScreenOnDemand("TForm1", [] { return new TForm1; }, &TForm1::LoadFiles, {kDoorDegrees});
  RegisterScreenOnDemand("TFormCon", [] { return new TFormCon; }, &TFormCon::LoadFiles, {kDoorAdvice});
  RegisterScreenOnDemand("TForm2", [] { return new TForm2; }, &TForm2::LoadFiles, {kDoorQuestionnaires, kDoorItineraries});
  RegisterScreenOnDemand("TForm3", [] { return new TForm3; }, &TForm3::LoadFiles, {kDoorMiddleGrade});
  RegisterScreenOnDemand("TForm8", [] { return new TForm8; }, {}, {kDoorHigherGrade});
  RegisterScreenOnDemand("TFIniPro", [] { return new TFIniPro; }, &TFIniPro::LoadFiles, {kDoorBasicGrade});
  RegisterScreen("TForm4", [] { return new TForm4; });
  RegisterScreenOnDemand("Tprofe", [] { return new Tprofe; }, &Tprofe::LoadFiles, {kDoorProfessions});
  RegisterScreenOnDemand("TCertifica", [] { return new TCertifica; }, &LoadCertificateFiles, {kDoorCertificates});
  RegisterScreenOnDemand("TFormCat", [] { return new TFormCat; }, {}, {kDoorCatalogue});
  RegisterScreenOnDemand("TFlomce", [] { return new TFlomce; });
  RegisterScreenOnDemand("TForm5", [] { return new TForm5; }, {}, {kDoorAssistant});
}

}  // namespace velmora
