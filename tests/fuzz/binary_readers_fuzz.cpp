// The binary readers, the readers of text files with codes of their own and the centre
// settings: the first byte picks the reader, the rest is the file.
#include <span>

#include "core/binary_readers.h"
#include "core/common.h"
#include "core/startup.h"
#include "tests/fuzz/fuzz_folder.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  fuzz::FreshState();
  const int reader = data[0] % 12;
  const fuzz::Input file(data + 1, size - 1);
  SharedTables& t = Tabs();
  BinaryTables& b = t.Binary;
  int count = 0;
  switch (reader) {
    case 0:
      fuzz::WriteFile("datluggm", file);
      ReadRecords("datluggm", std::as_writable_bytes(std::span(b.Datfps)), 7, 3);
      break;
    case 1:
      fuzz::WriteFile("datgrub", file);
      ReadRecordGroups("datgrub", std::as_writable_bytes(std::span(b.Datfps)), 5, 3);
      break;
    case 2:
      fuzz::WriteFile("datgrados", file);
      ReadDegreeRecords("datgrados", b.TabDatgrados);
      break;
    case 3: {
      // The matrix is large: the input is its start, the rest zeros.
      std::vector<std::uint8_t> matrix(file.begin(), file.end());
      if (matrix.size() < kHitRecordSize && (file.empty() || file[0] % 2 == 0)) matrix.resize(kHitRecordSize);
      fuzz::WriteFile("puntos3", matrix);
      LoadHitMaps("puntos3", t.Maps);
      break;
    }
    case 4:
      fuzz::WriteFile("comarcas", file);
      LoadRegionNames("comarcas", b.Comarcas, count, 20);
      break;
    case 5:
      fuzz::WriteFile("comarcasm", file);
      LoadRegionNamesM("comarcasm", b.Municipalities, count, 25);
      break;
    case 6:
      fuzz::WriteFile("lugar", file);
      LoadPlaces("lugar", t.TabLugarName, t.TabLugarText, b.PlaceCodes, count);
      break;
    case 7:
      // Degree codes 1..350 at the 10th integer, so that the double degrees find some.
      for (int d = 1; d <= kMaxDegrees; ++d) b.TabDatgrados[static_cast<std::size_t>(d)][10] = d;
      fuzz::WriteFile("dobles", file);
      LoadDoubles("dobles", b.TabDobles, count, b.TabDatgrados, file.empty() ? 0 : file[0] * 2);
      break;
    case 8:
      fuzz::WriteFile("comuint", file);
      LoadCommunityTexts("comuint", b.CommunityTexts, count);
      break;
    case 9: {
      // The lengths come from datcarn, the letters from datcarnue.
      const std::size_t half = file.size() / 2;
      fuzz::WriteFile("datcarn", file.first(half));
      ReadRecordGroups("datcarn", std::as_writable_bytes(std::span(b.Datcarn)), kDegreeStringsSize, 2);
      std::vector<std::uint8_t> letters(file.begin() + static_cast<std::ptrdiff_t>(half), file.end());
      letters.resize(std::max(letters.size(), 2 * kDegreeStringsSize));
      fuzz::WriteFile("datcarnue", letters);
      LoadDegreeLetters("datcarnue", b, file.empty() ? 0 : file[0] + 100);
      break;
    }
    case 10:
      fuzz::WriteFile("clave16", file);
      ReadCentreSettings();
      break;
    default:
      fuzz::WriteFile("datfps", file);
      ReadRecords("datfps", std::as_writable_bytes(std::span(b.Datfps)), b.Datfps.size(), 1);
      break;
  }
  return 0;
}
