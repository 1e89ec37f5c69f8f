#include "university/degree_files.h"

#include <algorithm>
#include <span>
#include <string>

#include "core/binary_readers.h"
#include "core/common.h"
#include "core/data_file.h"
#include "core/line_loaders.h"
#include "core/text_helpers.h"
#include "core/text_table.h"

namespace velmora {
namespace {

constexpr int kItineraries = 12;
constexpr int kFamilies = 26;
constexpr int kMaxActivities = 30;
constexpr int kMaxProfessions = 250;

// materiasp: the first 70 characters of each line, line s into record s - 1.
void LoadSubjects(std::string_view name) {
  SharedTables& t = Tabs();
  int count = 0;
  const bool opened = ForEachRequiredLine(name, [&](std::string_view line) {
    if (count >= static_cast<int>(t.TabMateriasp.size())) return false;
    t.TabMateriasp[static_cast<std::size_t>(count++)] = line;
    return true;
  });
  if (!opened) return;
  t.CountMateriasp = count;
}

// profesio: two activity codes, the name and two linked short statements, read from the line
// extended with 22 blanks; a statement that is no number reads as none.
void LoadProfessions(std::string_view name) {
  SharedTables& t = Tabs();
  int count = 0;
  std::string extended;
  const bool opened = ForEachRequiredLine(name, [&](std::string_view line) {
    if (count >= kMaxProfessions) return false;
    const auto p = static_cast<std::size_t>(++count);
    extended.assign(line).append(22, ' ');
    t.ProfessionCode1[p] = Field(extended, 1, 4);
    t.ProfessionCode2[p] = Field(extended, 6, 4);
    t.TabProfesio[p] = Field(extended, 11, 40);
    t.ProfessionStatement1[p] = ParseInt(Field(extended, 51, 3)).value_or(0);
    t.ProfessionStatement2[p] = ParseInt(Field(extended, 54, 3)).value_or(0);
    return true;
  });
  if (!opened) return;
  t.TabProfesio[0] = name;
  t.CountProfesio = count;
}

// activida: the code moves to its own table and the record keeps the name from column 6.
void SplitActivityCodes() {
  SharedTables& t = Tabs();
  t.CountActivida = std::min(t.CountActivida, kMaxActivities);
  for (int a = 1; a <= t.CountActivida; ++a) {
    const auto at = static_cast<std::size_t>(a);
    const std::string record(t.TabActivida[at].view());
    t.ActivityCodes[at] = Field(record, 1, 4);
    t.TabActivida[at] = record.size() > 5 ? std::string_view(record).substr(5) : std::string_view();
  }
}

}  // namespace

void LoadDegreeLanguageFiles() {
  SharedTables& t = Tabs();
  const std::string& lang = LanguageFolder;
  LoadSubjects(lang + "materiasp");
  LoadLineTable(lang + "carreran", t.TabCarreran, t.CountCarreran, WidthStd);
  if (!LoadLines200(lang + "carrenue", t.TabCarrenue, t.CountCarrenue)) ReportMissingFile(lang + "carrenue");
  LoadLineTable(lang + "carreranb", t.TabCarreranb, t.CountCarreranb, WidthStd);
  LoadLineTable(lang + "otros", t.TabOtros, t.CountOtros, WidthShort);
  LoadLineTable(lang + "itinerar", t.TabItinerar, t.CountItinerar, WidthStd);
  LoadLineTable(lang + "fp", t.TabFp, t.CountFp, WidthFP);
  // Read twice, but a missing file is reported once.
  if (DataFileExists(lang + "fp")) LoadMarkedLines(lang + "fp", t.TabFpMarked, t.CountFpMarked, t.FpMarkedLines, WidthFP);
  LoadLineTable(lang + "reqfp", t.TabReqfp, t.CountReqfp, WidthShort);
  LoadBlocks26(lang + "asignafp", t.TabAsignafp, t.CountFp);
  LoadBlocks51(lang + "asignaot", t.TabAsignaot);
  ReadLineTable(lang + "activida", t.TabActivida, t.CountActivida);
  t.CountItinerar = std::min(t.CountItinerar, kItineraries);
  ReadLineTable(lang + "familias", t.TabFamilias, t.CountFamilias);
  t.CountFamilias = std::min(t.CountFamilias, kFamilies);
  SplitActivityCodes();
  LoadProfessions(lang + "profesio");
}

void LoadDegreeFiles() {
  LoadDegreeLanguageFiles();
  if (StartAborted) return;
  SharedTables& t = Tabs();
  BinaryTables& b = t.Binary;
  LoadLineTable("comunida", t.TabComunida, t.CountComunida, WidthShort);
  LoadPlaces("lugar", t.TabLugarName, t.TabLugarText, b.PlaceCodes, t.CountLugar);
  LoadCommunityTexts("comuint", b.CommunityTexts, b.CountCommunityTexts);
  LoadLineTable("lu1", t.TabLu1, t.CountLu1, WidthStd);
  LoadLineTable("lu2", t.TabLu2, t.CountLu2, WidthStd);
  LoadLineTable("lu3", t.TabLu3, t.CountLu3, WidthStd);
  LoadLineTable("lu4", t.TabLu4, t.CountLu4, WidthStd);
  ReadRecordGroups("datgrub", std::as_writable_bytes(std::span(b.Datgrub)), kGroupRecordSize, 3);
  ReadRecordGroups("datcarn", std::as_writable_bytes(std::span(b.Datcarn)), kDegreeStringsSize, 2);
  LoadDegreeLetters("datcarnue", b, t.CountCarreran);
  if (ReadDegreeRecords("datgrados", b.TabDatgrados)) {
    t.BranchOfDegree.fill(0);
    for (int d = 1; d <= std::min(t.CountCarreran, kMaxDegrees); ++d)
      t.BranchOfDegree[static_cast<std::size_t>(d)] = b.TabDatgrados[static_cast<std::size_t>(d)][1];
  }
  ReadRecords("datfps", std::as_writable_bytes(std::span(b.Datfps)), b.Datfps.size(), 1);
  ReadRecords("datluggs", std::as_writable_bytes(std::span(b.OfferGS)), kOfferRecordSize, 4);
  int doubles = 0;
  LoadDoubles("dobles", b.TabDobles, doubles, b.TabDatgrados, t.CountCarreran);
  if (StartAborted) return;
  // Record 0 of a table is its heading when the table is printed; the loaders put the file name there.
  t.TabCarreran[0] = TextLine(48);
  t.TabItinerar[0] = TextLine(281);
  t.TabFp[0] = TextLine(294);
  for (auto* centres : {&t.TabLu1, &t.TabLu2, &t.TabLu3, &t.TabLu4}) (*centres)[0] = TextLine(276);
  t.TabReqfp[0] = TextLine(277);
  t.TabComunida[0] = TextLine(275);
}

}  // namespace velmora
