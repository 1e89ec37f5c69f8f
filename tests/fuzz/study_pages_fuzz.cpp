// The text pages of the degrees screen: profiles, masters, other studies and the four artistic
// studies with their centre lists, from one input that carries any of their files.
#include <array>

#include "core/common.h"
#include "core/line_loaders.h"
#include "tests/fuzz/fuzz_folder.h"
#include "university/study_pages.h"

using namespace velmora;

namespace {

constexpr std::array<fuzz::FileSpec, 9> kFiles = {{
    {"cas\\grados.txt"}, {"grados.txt"}, {"cas\\master.txt"}, {"cas\\asignaot"}, {"cas\\artesplas"},
    {"cas\\musica"},     {"cas\\danza"}, {"cas\\dramatico"},  {"cas\\carreran"},
}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshState();
  LanguageFolder = "cas\\";
  fuzz::Script script(fuzz::UnpackFiles(fuzz::Input(data, size), kFiles));
  SharedTables& t = Tabs();
  LoadLineTable("cas\\carreran", t.TabCarreran, t.CountCarreran, WidthStd);
  for (const PageLine& line : ProfilePage(script.Next(360))) HighlightedRuns(line.text);
  MastersPage();
  LoadBlocks51("cas\\asignaot", t.TabAsignaot);
  OtherStudyPage(script.Next(55));
  for (const ArtsStudy study : {ArtsStudy::PlasticArts, ArtsStudy::Music, ArtsStudy::Dance, ArtsStudy::Drama}) {
    if (!LoadArtsFile(study)) continue;
    ArtsIntroLines();
    ArtsSpecialityLines();
    ArtsReportLines(study);
    if (study == ArtsStudy::PlasticArts) {
      PlasticSpecialities();
      PlasticCentres();
      CentresOfSpeciality(script.Next(kPlasticSpecialities + 2) - 1);
      PlasticCentresOfCommunity(script.Next(22));
    }
  }
  MusicPlaces();
  DancePlaces();
  DramaPlaces();
  return 0;
}
