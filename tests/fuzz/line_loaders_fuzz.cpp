// The line loaders and the text table: the first byte picks the loader, the second the width,
// the rest is the file.
#include "core/line_loaders.h"
#include "core/text_table.h"
#include "tests/fuzz/fuzz_folder.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  fuzz::FreshState();
  const int loader = data[0] % 12;
  const int width = data[1] % 100;
  fuzz::WriteFile("cas\\f", fuzz::Input(data + 2, size - 2));
  SharedTables& t = Tabs();
  int count = 0;
  switch (loader) {
    case 0: LoadLineTable("cas\\f", t.WorkList, count, width); break;
    case 1: LoadLineTable75("cas\\f", t.WorkTables75[0], count, width); break;
    case 2: LoadLongLineTable("cas\\f", t.TabArtsFile, count, width); break;
    case 3: ReadLineTable("cas\\f", t.WorkList, count); break;
    case 4: ReadLineTable90("cas\\f", t.TabCertificah, count); break;
    case 5: LoadMarkedLines("cas\\f", t.TabFpMarked, count, t.FpMarkedLines, width); break;
    case 6: LoadLines600("cas\\f", t.TabInformaL, count, width); break;
    case 7: LoadLines200("cas\\f", t.TabCarrenue, count); break;
    case 8: LoadBlocks26("cas\\f", t.TabAsignafp, width); break;
    case 9: LoadBlocks51("cas\\f", t.TabAsignaot); break;
    default:
      // The interface texts as start-up reads them, then every slot.
      LoadTextLines("cas\\f", t.TabTextos, t.CountTextos);
      FillTextSlots();
      for (int line = 0; line <= kTextSlotLines + 1; ++line) count += static_cast<int>(TextLine(line).size());
      break;
  }
  return 0;
}
