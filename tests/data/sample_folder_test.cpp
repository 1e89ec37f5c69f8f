// The sample data folder the build writes, read with the program's own loaders and checked
// against the layouts and capacities the screens rely on.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

#include "core/binary_readers.h"
#include "core/code_table.h"
#include "core/data_file.h"
#include "core/common.h"
#include "core/line_loaders.h"
#include "core/platform/recording_platform.h"
#include "core/shared_bitmaps.h"
#include "core/startup.h"
#include "core/text_helpers.h"
#include "core/text_table.h"
#include "tests/support/built_folder.h"

namespace velmora {
namespace {

class SampleDataFolder : public testing::BuiltFolderTest {
 protected:
  // Codes of a coded line file (columns 1-2), blank codes left out.
  static std::set<int> Codes(const LineTable600& table, int count) {
    std::set<int> codes;
    for (int i = 0; i < count; ++i)
      if (const auto code = ParseInt(Field(table[static_cast<std::size_t>(i)].view(), 1, 2))) codes.insert(*code);
    return codes;
  }
};

TEST_F(SampleDataFolder, StartsWithoutAnyMessage) {
  EXPECT_TRUE(platform.messages.empty()) << platform.messages.front();
  EXPECT_FALSE(StartAborted);
  EXPECT_EQ(CentreName, VELMORA_CENTRE_NAME);
  EXPECT_EQ(LanguageFolder, "cas\\");
}

TEST_F(SampleDataFolder, DegreeProfilesAvoidTheDativeSlip) {
  // "para quien le gusta" is a slip a teacher marks; "para alguien a quien le gusta" is not.
  int lines = 0;
  ForEachFileLine("cas\\grados.txt", [&](std::string_view line) {
    ++lines;
    EXPECT_EQ(line.find("para quien le"), std::string_view::npos) << line;
    EXPECT_EQ(line.find("para quien les"), std::string_view::npos) << line;
    return true;
  });
  EXPECT_GT(lines, 5000);
}

TEST_F(SampleDataFolder, EverySlotOfTheCastilianTextsHasItsText) {
  EXPECT_GE(Tabs().CountTextos, kTextSlotLines);
  for (int line = 1; line <= kTextSlotLines; ++line) {
    if (TextSlotCapacity(line) > 0) {
      EXPECT_FALSE(IsBlankLine(TextLine(line))) << "line " << line;
    }
  }
  // The captions every screen shares.
  EXPECT_EQ(TextLine(82), "Retroceder");
  EXPECT_EQ(TextLine(36), "Imprimir");
  EXPECT_EQ(TextLine(13), "Cerrar");
  EXPECT_EQ(TextLine(19), "Aceptar");
  EXPECT_EQ(TextLine(54), "Salir");
}

TEST_F(SampleDataFolder, EducationSystemTextsCarryEveryCodeTheScreensLookUp) {
  const SharedTables& tabs = Tabs();
  const std::set<int> informa = Codes(tabs.TabInformaL, tabs.CountInformaL);
  for (int code = 50; code <= 59; ++code) EXPECT_TRUE(informa.contains(code)) << "step " << code;
  for (int code = 70; code <= 95; ++code) EXPECT_TRUE(informa.contains(code)) << "calendar " << code;
  for (int code : {8, 9, 10}) EXPECT_TRUE(informa.contains(code)) << "FP Basica " << code;
  // The fixed-role lines carry no code, so no code search picks them up.
  for (int line = 0; line < 54; ++line)
    EXPECT_TRUE(IsBlankLine(Field(tabs.TabInformaL[static_cast<std::size_t>(line)].view(), 1, 2))) << line + 1;
  const std::set<int> materias = Codes(tabs.TabMateriasL, tabs.CountMateriasL);
  for (int code : {1, 2, 3, 4, 10, 11, 12, 13, 14, 20, 21, 22, 23, 24, 30})
    EXPECT_TRUE(materias.contains(code)) << "subject group " << code;
}

TEST_F(SampleDataFolder, MapsAndHitTablesAgreeWithTheRegionFiles) {
  const SharedBitmaps& b = Bitmaps();
  EXPECT_EQ(b.BmpMap->size(), QSize(kMapWidth, kMapHeight));
  EXPECT_EQ(b.BmpMapC->size(), QSize(kMapWidth, kDetailMapHeight));
  EXPECT_EQ(b.BmpMapM->size(), QSize(kMapWidth, kDetailMapHeight));

  auto codesOf = [](const auto& table, int height, int highest) {
    std::set<int> codes;
    for (int x = 1; x <= kMapWidth; ++x)
      for (int y = 1; y <= height; ++y) {
        const int code = table[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
        EXPECT_LE(code, highest) << x << "," << y;
        if (code > 0) codes.insert(code);
      }
    return codes;
  };
  const HitMaps& maps = MapHitCodes();
  EXPECT_EQ(codesOf(maps.HitMap, kMapHeight, 19).size(), 19u);
  EXPECT_EQ(codesOf(maps.HitMapC, kDetailMapHeight, 41).size(), 41u);
  EXPECT_EQ(codesOf(maps.HitMapM, kDetailMapHeight, 28).size(), 28u);
  // Marks placed at a region's anchor land on that region.
  for (int region = 1; region <= 19; ++region) {
    const MapPoint anchor = RegionAnchor[static_cast<std::size_t>(region)];
    EXPECT_EQ(maps.HitMap[static_cast<std::size_t>(anchor.x)][static_cast<std::size_t>(anchor.y)], region) << region;
  }

  int count = 0;
  ComarcaTable& comarcas = Tabs().Binary.Comarcas;
  LoadRegionNames("comarcas", comarcas, count, 20);
  EXPECT_GE(count, 42);  // the 41 comarcas and the Barcelona sub-areas
  for (int code = 1; code <= 41; ++code) {
    EXPECT_FALSE(IsBlankLine(comarcas.name[static_cast<std::size_t>(code)].view())) << "comarca " << code;
    // Catalonia's centres are in lu4 under the areas of its provinces (A read as 5).
    EXPECT_NE(std::string_view("56789").find(comarcas.key[static_cast<std::size_t>(code)][0]), std::string_view::npos)
        << "comarca " << code;
  }
  MunicipalityTable& municipalities = Tabs().Binary.Municipalities;
  LoadRegionNamesM("comarcasm", municipalities, count, 25);
  for (int zone = 1; zone <= 28; ++zone) EXPECT_GT(municipalities.ZoneTable[static_cast<std::size_t>(zone)][1], 0) << zone;
  for (int k = 1; k <= count; ++k) {
    const std::string_view key = municipalities.key[static_cast<std::size_t>(k)].view();
    EXPECT_TRUE(key.size() == 2 && key.find(' ') == std::string_view::npos) << k;
  }
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SampleDataFolder, EveryPlaceHasItsOwnPlaceCode) {
  SharedTables& tabs = Tabs();
  LoadLineTable("comunida", tabs.TabComunida, tabs.CountComunida, WidthShort);
  ASSERT_GE(tabs.CountComunida, 19);
  std::map<int, int> places;  // community -> place lines
  for (int line = 20; line <= tabs.CountComunida; ++line) {
    const auto community = ParseInt(Field(tabs.TabComunida[static_cast<std::size_t>(line)].view(), 1, 2));
    ASSERT_TRUE(community && *community >= 1 && *community <= 19) << "line " << line;
    ++places[*community];
  }
  std::set<int> entries;
  for (int community = 1; community <= 19; ++community) {
    const auto base = ParseInt(Field(tabs.TabComunida[static_cast<std::size_t>(community)].view(), 1, 2));
    ASSERT_TRUE(base) << "community " << community;
    const int count = std::max(places[community], 1);
    for (int k = 0; k < count; ++k) {
      const int entry = *base + k;
      ASSERT_TRUE(entry >= 1 && entry <= 64) << "community " << community;
      EXPECT_TRUE(entries.insert(entry).second) << "entry " << entry << " used twice";
      EXPECT_TRUE(CodeTable64[static_cast<std::size_t>(entry)][0] >= '1' && CodeTable64[static_cast<std::size_t>(entry)][0] <= '4');
    }
  }
}

TEST_F(SampleDataFolder, VocationalTitlesBlocksCentresAndOffersFitTogether) {
  SharedTables& tabs = Tabs();
  int familyCount = 0;
  ReadLineTable("cas\\familias", tabs.TabFamilias, familyCount);
  EXPECT_GE(familyCount, 48);
  LoadLineTable("cas\\fp2", tabs.TabFp2, tabs.CountFp2, WidthFP);
  LoadMarkedLines("cas\\fp2", tabs.TabFp2Marked, tabs.CountFp2Marked, tabs.Fp2MarkedLines, WidthFP);
  LoadLineTable("cas\\fp", tabs.TabFp, tabs.CountFp, WidthFP);
  LoadLineTable("cas\\fpba", tabs.TabFpba, tabs.CountFpba, WidthFP);
  EXPECT_GT(tabs.CountFp2Marked, 0);
  EXPECT_EQ(tabs.Fp2MarkedLines[0], 1);  // the file opens with a family header
  // A block per line of the matching title file, header lines included.
  auto blockCount = [](std::string_view name) {
    int lines = 0;
    ForEachFileLine(name, [&](std::string_view) { return ++lines, true; });
    return lines / 26;
  };
  EXPECT_EQ(blockCount("cas/asignagm"), tabs.CountFp2);
  EXPECT_EQ(blockCount("cas/asignafp"), tabs.CountFp);
  LoadBlocks26("cas\\asignagm", tabs.TabAsignagm, tabs.CountFp2);

  LineTable* centres[] = {&tabs.TabLu1, &tabs.TabLu2, &tabs.TabLu3, &tabs.TabLu4};
  int* centreCounts[] = {&tabs.CountLu1, &tabs.CountLu2, &tabs.CountLu3, &tabs.CountLu4};
  for (int file = 0; file < 4; ++file)
    LoadLineTable("lu" + std::to_string(file + 1), *centres[file], *centreCounts[file], WidthStd);
  // Every offered title is a title line of its grade's file, and every title is offered somewhere.
  struct Grade {
    const char* offers;
    std::array<std::byte, 4 * kOfferRecordSize>& table;
    const LineTable& titles;
    int count;
    int firstTitleLine;  // FP Basica numbers its titles after the nine family lines
  };
  Grade grades[] = {{"datluggm", tabs.Binary.OfferGM, tabs.TabFp2, tabs.CountFp2, 0},
                    {"datluggs", tabs.Binary.OfferGS, tabs.TabFp, tabs.CountFp, 0},
                    {"datlugbas", tabs.Binary.OfferBasic, tabs.TabFpba, tabs.CountFpba, 9}};
  for (Grade& grade : grades) {
    ASSERT_TRUE(ReadRecords(grade.offers, std::as_writable_bytes(std::span(grade.table)), kOfferRecordSize, 4));
    const ConstBytes offers = std::as_bytes(std::span(grade.table));
    std::set<int> offered;
    for (std::size_t file = 0; file < 4; ++file) {
      for (int line = 1; line <= 1100; ++line) {
        const std::size_t entry = file * 1100 * 26 + static_cast<std::size_t>(line - 1) * 26;
        const int n = Int32At(offers, entry);
        ASSERT_TRUE(n >= 0 && n <= 25) << grade.offers << " file " << file + 1 << " line " << line;
        if (n > 0) {
          EXPECT_LE(line, *centreCounts[file]) << grade.offers << ": an offer past the centres";
        }
        for (int k = 1; k <= n; ++k) {
          const int title = Int32At(offers, entry + static_cast<std::size_t>(k));
          const int titleLine = title + grade.firstTitleLine;
          ASSERT_TRUE(titleLine >= 1 && titleLine <= grade.count) << grade.offers << " title " << title;
          EXPECT_NE(grade.titles[static_cast<std::size_t>(titleLine)][0], '-') << grade.offers << " offers a header";
          offered.insert(titleLine);
        }
      }
    }
    EXPECT_GT(offered.size(), 20u) << grade.offers;
  }
  EXPECT_TRUE(platform.messages.empty()) << platform.messages.front();
}

// The two certificate files run in parallel: a heading of "certifica" has a blank line in
// "certificah", a certificate its levels and hours; every entry keeps its details in 250 lines.
TEST_F(SampleDataFolder, CertificateFilesRunInParallel) {
  SharedTables& tabs = Tabs();
  LoadLineTable("cas\\certifica", tabs.TabCertifica, tabs.CountCertifica, WidthFP);
  ReadLineTable90("cas\\certificah", tabs.TabCertificah, tabs.CountCertificah);
  ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
  ASSERT_EQ(tabs.CountCertificah, tabs.CountCertifica);
  EXPECT_LE(tabs.CountCertificah, 250);
  std::set<char> families;
  for (int line = 1; line <= 9; ++line)
    for (const char key : TrimBlanks(Field(tabs.TabCertifica[static_cast<std::size_t>(line)].view(), 1, 8)))
      EXPECT_TRUE(families.insert(key).second) << "area group " << key << " in two families";
  int certificates = 0;
  for (int line = 10; line <= tabs.CountCertifica; ++line) {
    const std::string_view entry = tabs.TabCertifica[static_cast<std::size_t>(line)].view();
    const std::string_view details = tabs.TabCertificah[static_cast<std::size_t>(line)].view();
    EXPECT_TRUE(families.contains(entry[0])) << "line " << line << " belongs to no family";
    EXPECT_EQ(entry[1] == '-', IsBlankLine(Field(details, 1, 6))) << "line " << line;
    if (entry[1] != '-') ++certificates;
  }
  EXPECT_GT(certificates, 100);
}

TEST_F(SampleDataFolder, PicturesAndSounds) {
  for (const char* picture : {"rotulon.bmp", "imagen", "imagen2"}) EXPECT_FALSE(LoadDataPicture(picture).isNull()) << picture;
  EXPECT_FALSE(Bitmaps().BmpGirl->isNull());
  EXPECT_EQ(Bitmaps().BmpFrameTop->height(), 33);
  for (const char* sound : {"tecla.wav", "motor.wav"}) {
    std::ifstream in(sound, std::ios::binary);
    char header[12] = {};
    in.read(header, sizeof header);
    EXPECT_EQ(std::string_view(header, 4), "RIFF") << sound;
    EXPECT_EQ(std::string_view(header + 8, 4), "WAVE") << sound;
  }
}

}  // namespace
}  // namespace velmora
