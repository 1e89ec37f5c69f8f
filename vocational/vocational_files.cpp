#include "vocational/vocational_files.h"

#include <algorithm>
#include <span>

#include "core/binary_readers.h"
#include "core/common.h"
#include "core/line_loaders.h"
#include "vocational/place_model.h"

namespace velmora {

void LoadBasicTitles() {
  SharedTables& t = Tabs();
  LoadLineTable(LanguageFolder + "fpba", t.TabFpba, t.CountFpba, WidthFP);
  // Lines 1-9 name the families; the offer files number the titles from line 10.
  const int families = std::min(kBasicFamilyLines, t.CountFpba);
  std::vector<std::string> names;
  for (int i = 1; i <= families; ++i) names.emplace_back(t.TabFpba[static_cast<std::size_t>(i)].view());
  TakeOutLeadingLines(t.TabFpba, t.CountFpba, families);
  BasicFamilyLines = std::move(names);
}

void LoadVocationalFiles() {
  SharedTables& t = Tabs();
  const std::string& lang = LanguageFolder;
  LoadBasicTitles();
  LoadLineTable(lang + "informa", t.TabInforma, t.CountInforma, WidthStd);
  LoadLineTable(lang + "fp2", t.TabFp2, t.CountFp2, WidthFP);
  LoadMarkedLines(lang + "fp2", t.TabFp2Marked, t.CountFp2Marked, t.Fp2MarkedLines, WidthFP);
  LoadBlocks26(lang + "asignagm", t.TabAsignagm, t.CountFp2);
  if (StartAborted) return;
  ReadRecords("datluggm", std::as_writable_bytes(std::span(t.Binary.OfferGM)), kOfferRecordSize, 4);
  ReadRecords("datlugbas", std::as_writable_bytes(std::span(t.Binary.OfferBasic)), kOfferRecordSize, 4);
  ReadRecords("datfpm", std::as_writable_bytes(std::span(t.Binary.Datfpm)), t.Binary.Datfpm.size(), 1);
  int count = 0;
  LoadRegionNames("comarcas", t.Binary.Comarcas, count, 20);
  LoadRegionNamesM("comarcasm", t.Binary.Municipalities, count, 25);
  PrepareCentreZoneCodes();
}

}  // namespace velmora
