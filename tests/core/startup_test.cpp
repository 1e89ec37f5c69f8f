#include "core/startup.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QColor>
#include <QImage>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/binary_readers.h"
#include "core/picture_archive.h"
#include "core/common.h"
#include "core/large_display.h"
#include "core/shared_bitmaps.h"
#include "core/text_table.h"
#include "tests/support/sample_folder.h"

namespace velmora {
namespace {

using testing::SettingsRecord;

class StartUp : public ::testing::Test {
 protected:
  StartUp() {
    SetCurrentPlatform(&platform);
    ResetCommonState();
  }
  ~StartUp() override {
    ReleaseSharedTables();
    ReleaseSharedBitmaps();
    SetCurrentPlatform(nullptr);
  }
  // Each run starts where the program starts: in the folder that holds the data folder.
  void Run(const std::vector<std::string>& parameters = {}) {
    std::filesystem::current_path(fixture.path());
    RunStageA(parameters, "/nonexistent");
  }

  RecordingPlatform platform;
  testing::FixtureFolder fixture;
  testing::SampleFolder data{fixture};
};

const std::string kNoFolder =
    "El programa no funcionar\xE1 correctamente. Falta la carpeta velmora15_16 con los archivos necesrios.";
const std::string kNoSettings = "El programa no funcionar\xE1 correctamente. Faltan ficheros. Vuelva a instalarlo.";

TEST_F(StartUp, ACompleteFolderStartsWithTheCentreSettings) {
  Run();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_FALSE(StartAborted);
  EXPECT_EQ(std::filesystem::current_path(), fixture.path() / "velmora15_16");
  EXPECT_EQ(CentreName, "IES Las Encinas");
  EXPECT_TRUE(AnimationOn);
  EXPECT_EQ(LanguageFolder, "cas\\");
  EXPECT_FALSE(NonCastilian);
  EXPECT_EQ(TextLine(338), "cas 338");
  EXPECT_EQ(DirectXVersion, 9);
  EXPECT_EQ(MapHitCodes().HitMap[1][1], 4);
  EXPECT_EQ(Tabs().CountInformaL, 2);
  EXPECT_EQ(Tabs().TabInformaL[0].size(), 60u);
  EXPECT_EQ(Tabs().CountMateriasL, 1);
  EXPECT_EQ(Bitmaps().BmpMapC->height(), 220);
  EXPECT_EQ(RegionAnchor[13].x, 114);
  EXPECT_EQ(RegionAnchor[19].y, 174);
  EXPECT_EQ(ColourPeach, RGB(249, 209, 183));
  EXPECT_EQ(ColourNavy, 0x800000u);
  EXPECT_EQ(MapLabelWidth, 115);
  EXPECT_TRUE(CentreScreens);
}

TEST_F(StartUp, TheDataFolderBesideTheExecutableIsTheFallBack) {
  std::filesystem::create_directories(fixture.path() / "elsewhere");
  std::filesystem::current_path(fixture.path() / "elsewhere");
  RunStageA({}, fixture.path());
  EXPECT_FALSE(StartAborted);
  EXPECT_EQ(std::filesystem::current_path(), fixture.path() / "velmora15_16");
}

TEST_F(StartUp, TheDataFolderIsLookedForHereThenBesideTheExecutableThenWhereItIsInstalled) {
  // The fixture's own folder is the current directory's; two more copies, told apart by their names.
  const std::filesystem::path bin = fixture.path() / "prefix/bin";
  const std::filesystem::path installed = bin / kInstalledDataFolder;
  for (const auto& [folder, name] : {std::pair{bin, "Junto al programa"}, std::pair{installed, "Instalado"}}) {
    std::filesystem::create_directories(folder);
    std::filesystem::copy(fixture.path() / "velmora15_16", folder / "velmora15_16", std::filesystem::copy_options::recursive);
    SettingsRecord settings;
    settings.name = name;
    std::ofstream(folder / "velmora15_16/clave16", std::ios::binary | std::ios::trunc) << settings.Bytes();
  }
  const auto runFrom = [&](const std::filesystem::path& folder) {
    ResetCommonState();
    std::filesystem::current_path(folder);
    RunStageA({}, bin);
    EXPECT_FALSE(StartAborted);
    return CentreName;
  };
  EXPECT_EQ(runFrom(fixture.path()), "IES Las Encinas");
  EXPECT_EQ(std::filesystem::current_path(), fixture.path() / "velmora15_16");
  EXPECT_EQ(runFrom("/"), "Junto al programa");
  std::filesystem::remove_all(bin / "velmora15_16");
  EXPECT_EQ(runFrom("/"), "Instalado");
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(installed / "velmora15_16"));
  std::filesystem::remove_all(installed / "velmora15_16");
  ResetCommonState();
  std::filesystem::current_path("/");
  RunStageA({}, bin);
  EXPECT_EQ(platform.messages, std::vector<std::string>{kNoFolder});
}

TEST_F(StartUp, NoDataFolderStopsWithItsMessage) {
  std::filesystem::remove_all(fixture.path() / "velmora15_16");
  Run();
  EXPECT_EQ(platform.messages, std::vector<std::string>{kNoFolder});
  EXPECT_TRUE(StartAborted);
}

TEST_F(StartUp, NoSettingsStopsAfterTheCommandLine) {
  data.Remove("clave16");
  Run({"X", "N", "2"});
  EXPECT_EQ(platform.messages, std::vector<std::string>{kNoSettings});
  EXPECT_TRUE(StartAborted);
  EXPECT_EQ(LanguageFolder, "galego\\");  // the command line was still read
  data.Write("clave16", std::string(40, 'x'));  // a record cut short is no settings either
  platform.messages.clear();
  ResetCommonState();
  Run();
  EXPECT_EQ(platform.messages, std::vector<std::string>{kNoSettings});
}

TEST_F(StartUp, SettingsRecordFields) {
  SettingsRecord settings;
  settings.name = std::string(60, 'n');  // a length byte above 50 reads 50 characters
  settings.animation = 0;
  settings.language = 2;
  std::string record = settings.Bytes();
  record[0] = 60;
  data.Write("clave16", record.substr(0, 86));
  data.WriteLanguage("galego");
  Run();
  EXPECT_EQ(CentreName, std::string(50, 'n'));
  EXPECT_FALSE(AnimationOn);
  EXPECT_EQ(LanguageFolder, "galego\\");
  EXPECT_TRUE(NonCastilian);
  EXPECT_EQ(TextLine(82), "galego 82");
}

TEST_F(StartUp, AnUnknownLanguageIndexFindsNoTexts) {
  SettingsRecord settings;
  settings.language = 9;
  data.Write("clave16", settings.Bytes());
  Run();
  EXPECT_EQ(LanguageFolder, "");
  EXPECT_EQ(platform.messages, std::vector<std::string>{"Faltan ficheros (textos). Vuelva a instalar el programa"});
  EXPECT_TRUE(StartAborted);
}

TEST_F(StartUp, CommandLineParameters) {
  struct Case {
    std::vector<std::string> parameters;
    bool animation;
    std::string folder;
    bool nonCastilian;
  };
  const Case cases[] = {
      {{}, true, "cas\\", false},
      {{"", "N", "1"}, true, "cas\\", false},  // no first parameter: the others are ignored
      {{"X", "N", "1"}, false, "catVal\\", true},
      {{"X", "s"}, true, "cas\\", false},  // lower case is no switch
      {{"X", "S", "3"}, true, "euskera\\", true},
      {{"X", "N", "0"}, false, "cas\\", false},
      {{"X", "N"}, false, "cas\\", false},
      {{"X", "N", "x"}, false, "cas\\", false},
      {{"X", "N", "7"}, false, "cas\\", false},
      {{"X", "N", "01"}, false, "cas\\", false},
  };
  for (const Case& c : cases) {
    ResetCommonState();
    AnimationOn = true;
    LanguageFolder = "cas\\";
    ApplyCommandLine(c.parameters);
    const std::string label = c.parameters.empty() ? "none" : c.parameters[0] + "," + (c.parameters.size() > 1 ? c.parameters[1] : "");
    EXPECT_EQ(AnimationOn, c.animation) << label;
    EXPECT_EQ(LanguageFolder, c.folder) << label;
    EXPECT_EQ(NonCastilian, c.nonCastilian) << label;
  }
}

TEST_F(StartUp, TheCommandLineChoosesTheLanguageFolderRead) {
  data.WriteLanguage("euskera");
  Run({"X", "N", "3"});
  EXPECT_FALSE(StartAborted);
  EXPECT_EQ(TextLine(13), "euskera 13");
  EXPECT_FALSE(AnimationOn);
}

TEST_F(StartUp, AnimationNeedsBothArchivesAndTheGraphics) {
  data.Remove("romanico.DXG");
  Run({"X", "S"});
  EXPECT_FALSE(AnimationOn);
  EXPECT_FALSE(StartAborted);
  EXPECT_TRUE(platform.messages.empty());

  // A damaged archive turns the animation off, says so, and the start goes on.
  data.Write("romanico.DXG", "archive");
  ResetCommonState();
  Run({"X", "S"});
  EXPECT_FALSE(AnimationOn);
  EXPECT_FALSE(StartAborted);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages.front(), "No funcionar\xE1 la animaci\xF3n.");
  EXPECT_TRUE(LoadedWalkPictures().figure.empty());

  data.Write("romanico.DXG", testing::TinyPictureArchive());
  platform.graphicsVersion = 6;
  ResetCommonState();
  Run();
  EXPECT_FALSE(AnimationOn);
  platform.graphicsVersion = 0;
  ResetCommonState();
  Run();
  EXPECT_EQ(DirectXVersion, 0);
  EXPECT_FALSE(AnimationOn);
}

TEST_F(StartUp, MissingTextsStopBeforeThePictures) {
  data.Remove("cas/textos");
  data.Remove("mapa");
  Run();
  EXPECT_EQ(platform.messages, std::vector<std::string>{"Faltan ficheros (cas\\textos). Vuelva a instalar el programa"});
  EXPECT_TRUE(StartAborted);
}

TEST_F(StartUp, ACutTextosAnEmptyListOrAFifoIsADamagedInstall) {
  const std::string missingTexts = "Faltan ficheros (cas\\textos). Vuelva a instalar el programa";
  std::string texts;
  for (int line = 1; line < kTextSlotLines; ++line) texts += "t\r\n";
  data.Write("cas/textos", texts);
  Run();
  EXPECT_EQ(platform.messages, std::vector<std::string>{missingTexts});
  EXPECT_TRUE(StartAborted);

  data.WriteLanguage("cas");
  data.Write("cas/materias_l", "");
  platform.messages.clear();
  ResetCommonState();
  Run();
  EXPECT_EQ(platform.messages, std::vector<std::string>{"Faltan ficheros (cas\\materias_l). Vuelva a instalar el programa"});
  EXPECT_TRUE(StartAborted);

  // A FIFO in place of the texts would block the open itself.
  data.Remove("cas/textos");
  ASSERT_EQ(mkfifo((fixture.path() / "velmora15_16/cas/textos").c_str(), 0600), 0);
  platform.messages.clear();
  ResetCommonState();
  Run();
  EXPECT_EQ(platform.messages, std::vector<std::string>{missingTexts});
}

TEST_F(StartUp, AMissingPictureAbortsSilentlyButAMissingMapSaysSo) {
  data.Remove("heli.bmp");
  Run();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(StartAborted);
  EXPECT_EQ(Tabs().CountInformaL, 2);  // the rest of the preparation still runs
}

TEST_F(StartUp, WholeBitmapsAreDecodedWhenFirstUsedAndOthersAtOnce) {
  const std::filesystem::path folder = fixture.path() / "velmora15_16";
  QImage png(kMapWidth, kDetailMapHeight, QImage::Format_RGB32);
  png.fill(Qt::red);
  ASSERT_TRUE(png.save(QString::fromStdString((folder / "mapac").string()), "PNG"));
  Run();
  ASSERT_FALSE(StartAborted);
  EXPECT_EQ(Bitmaps().BmpMapC->pixelColor(3, 3), QColor(Qt::red));
  // A whole bitmap is read when first used, and reads as it would have at once.
  std::filesystem::rename(folder / "mapam", folder / "kept");
  EXPECT_TRUE(Bitmaps().BmpMapM->isNull());
  std::filesystem::rename(folder / "kept", folder / "mapam");
  EXPECT_EQ(*Bitmaps().BmpMap, LoadDataPicture("mapa"));
  EXPECT_EQ(Bitmaps().BmpMap->size(), QSize(kMapWidth, kMapHeight));
  Bitmaps().BmpMap = QImage(2, 2, QImage::Format_RGB32);
  EXPECT_EQ(Bitmaps().BmpMap->width(), 2);
}

TEST_F(StartUp, APictureThatMayNotReadWholeIsReadAtOnce) {
  std::ifstream in(fixture.path() / "velmora15_16" / "mapac", std::ios::binary);
  std::string cut((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  cut.resize(cut.size() - 1);  // the last row is one byte short: Qt reads the rest
  data.Write("mapac", cut);
  std::string refused = cut.substr(0, 54);
  refused[28] = 7;  // seven bits a pixel
  data.Write("mapam", refused + std::string(200000, '\0'));
  Run();
  EXPECT_EQ(platform.messages, std::vector<std::string>{"Faltan ficheros"});
  EXPECT_TRUE(StartAborted);
  data.Remove("mapac");
  EXPECT_EQ(Bitmaps().BmpMapC->size(), QSize(kMapWidth, kDetailMapHeight));
}

TEST_F(StartUp, ABitmapLeftForLaterReadsAsItWouldHaveAtOnceWhateverItsHeaderSays) {
  Run();
  ASSERT_FALSE(StartAborted);
  std::ifstream in(fixture.path() / "velmora15_16" / "chica.bmp", std::ios::binary);
  const std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(whole.size(), 54u);
  // Offset and value of each header field changed, from sizes Qt reads to ones it refuses.
  const std::pair<std::size_t, std::uint32_t> changes[] = {
      {14, 12}, {14, 52}, {14, 64}, {14, 1000}, {26, 2},  {28, 0},          {28, 2},    {28, 8},
      {30, 1},  {30, 3},  {46, 257}, {46, 300}, {18, 0},  {18, 0x80000000}, {18, 40000}, {22, 0},
      {22, 0xFFFFFFFF}, {22, 0x80000000}, {10, 0}, {10, 0x7FFFFFFF}, {28, 32}, {10, 1000}};
  for (const auto& [offset, value] : changes) {
    std::string changed = whole;
    for (int i = 0; i < 4 && offset + i < 54; ++i) changed[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    data.Write("changed", changed);
    DataPicture picture;
    const bool prepared = picture.Prepare("changed");
    const QImage atOnce = LoadDataPicture("changed");
    EXPECT_EQ(prepared, !atOnce.isNull()) << "offset " << offset << ", value " << value;
    // Rows a changed header places past the end read as whatever memory held: sizes compare.
    EXPECT_EQ(picture->size(), atOnce.size()) << "offset " << offset << ", value " << value;
    EXPECT_EQ(picture->format(), atOnce.format()) << "offset " << offset << ", value " << value;
  }
}

TEST_F(StartUp, TheHitMapsAreCheckedAtStartAndReadOnFirstUse) {
  data.Write("puntos3", std::string(kHitRecordSize - 1, '\0'));
  Run();
  EXPECT_EQ(platform.messages, std::vector<std::string>{"Faltan ficheros (puntos3). Vuelva a instalar el programa"});
  EXPECT_TRUE(StartAborted);

  // Gone once the program runs: said when a map is first pointed at, and the program goes on.
  platform.messages.clear();
  ResetCommonState();
  std::string hits(kHitRecordSize, '\0');
  hits[0] = 4;
  data.Write("puntos3", hits);
  Run();
  ASSERT_FALSE(StartAborted);
  data.Remove("puntos3");
  EXPECT_EQ(MapHitCodes().HitMap[1][1], 0);
  EXPECT_EQ(platform.messages, std::vector<std::string>{"Faltan ficheros (puntos3). Vuelva a instalar el programa"});
  EXPECT_FALSE(StartAborted);
  MapHitCodes();
  EXPECT_EQ(platform.messages.size(), 1u);  // said once
}

TEST_F(StartUp, EachMissingMapAndPuntos3AreReportedInTurn) {
  data.Remove("mapa");
  data.Remove("mapam");
  data.Remove("puntos3");
  Run();
  EXPECT_EQ(platform.messages, (std::vector<std::string>{"Faltan ficheros", "Faltan ficheros", "Faltan ficheros"}));
  EXPECT_TRUE(StartAborted);
  EXPECT_EQ(Tabs().CountInformaL, 0);  // a missing puntos3 ends the preparation
}

TEST_F(StartUp, MissingStartUpTextFilesAreReported) {
  data.Remove("cas/materias_l");
  Run();
  EXPECT_EQ(platform.messages, std::vector<std::string>{"Faltan ficheros (cas\\materias_l). Vuelva a instalar el programa"});
  EXPECT_TRUE(StartAborted);
}

class DisplayOffer : public StartUp {
 protected:
  DisplayOffer() {
    Run();
    platform.canSwitchModes = true;
    platform.modes = {{800, 600, 16}, {1024, 768, 8}, {1024, 768, 16}};
  }
};

TEST_F(DisplayOffer, IsNotMadeWhereModesCannotBeSwitched) {
  platform.canSwitchModes = false;
  platform.display = {640, 480, 8};
  OfferDisplayMode(1);
  EXPECT_TRUE(platform.questions.empty());
}

TEST_F(DisplayOffer, MenuAsksOnlyOnASmallLowColourDisplay) {
  platform.display = {1024, 600, 32};
  OfferDisplayMode(0);
  platform.display = {1280, 1024, 8};
  OfferDisplayMode(0);
  EXPECT_TRUE(platform.questions.empty());
  platform.display = {800, 600, 8};
  platform.answers = {true};
  OfferDisplayMode(0);
  EXPECT_EQ(platform.questions, std::vector<std::string>{"cas 253 cas 254"});
  ASSERT_EQ(platform.switchedTo.size(), 1u);
  EXPECT_EQ(platform.switchedTo[0].width, 1024);
  EXPECT_EQ(platform.switchedTo[0].bitsPerPixel, 16);
  EXPECT_TRUE(DisplayChanged);
}

TEST_F(DisplayOffer, WalkThroughAsksUnlessExactly1024By768InColour) {
  platform.display = {1024, 768, 16};
  OfferDisplayMode(1);
  EXPECT_TRUE(platform.questions.empty());
  platform.display = {1920, 1080, 32};
  platform.answers = {true};
  OfferDisplayMode(1);
  ASSERT_EQ(platform.switchedTo.size(), 1u);
  EXPECT_EQ(platform.switchedTo[0].bitsPerPixel, 32);  // the depth only ever goes up
  platform.answers = {false};
  DisplayChanged = false;
  OfferDisplayMode(1);
  EXPECT_EQ(platform.switchedTo.size(), 1u);
  EXPECT_FALSE(DisplayChanged);
}

TEST_F(DisplayOffer, NoMatchingModeChangesNothing) {
  platform.modes = {{800, 600, 16}, {1024, 768, 32}};
  platform.display = {1920, 1080, 32};
  platform.answers = {true};
  OfferDisplayMode(1);
  EXPECT_TRUE(platform.switchedTo.empty());
  EXPECT_FALSE(DisplayChanged);
}

TEST_F(StartUp, ExitRestoresTheDisplayAndReleasesTheState) {
  Run();
  DisplayChanged = true;
  ExitProgram();
  EXPECT_EQ(platform.restoreCount, 1);
  EXPECT_EQ(platform.terminateCount, 1);
  EXPECT_TRUE(StartAborted);
  EXPECT_FALSE(SharedTablesAllocated());
}

TEST(LargeDisplays, TheScreensFillTheHeightOfALargeDisplayOnly) {
  EXPECT_EQ(ScreenScaleFor(1024, 768), 1.0);
  EXPECT_EQ(ScreenScaleFor(1366, 768), 1.0);   // wider, not taller: centred, not enlarged
  EXPECT_EQ(ScreenScaleFor(1280, 959), 1.0);   // just under a quarter larger
  EXPECT_EQ(ScreenScaleFor(1280, 960), 1.25);
  EXPECT_EQ(ScreenScaleFor(1920, 1080), 1.4);  // rounded down: the screen never overflows
  EXPECT_EQ(ScreenScaleFor(1280, 1024), 1.25); // the width is the tighter side
  EXPECT_EQ(ScreenScaleFor(3840, 2160), 2.8);
  // What Qt is asked for on top of the desktop's own scaling.
  EXPECT_EQ(QtScaleFactorFor({1920, 1080, 1.0}), 1.4);
  EXPECT_EQ(QtScaleFactorFor({1366, 768, 1.0}), std::nullopt);
  EXPECT_EQ(QtScaleFactorFor({3840, 2160, 2.0}), 1.4);
  EXPECT_EQ(QtScaleFactorFor({2880, 1800, 2.0}), 1.15);  // on top of the desktop's 2
  EXPECT_EQ(QtScaleFactorFor({2048, 1536, 2.0}), std::nullopt);  // the desktop already fills it
  EXPECT_EQ(QtScaleFactorFor({1920, 1080, 1.5}), 0.9);  // 1280 x 720 would cut the screens
}

TEST_F(StartUp, TheSchoolCanKeepTheScreensAtTheirOwnSizeOnLargeDisplays) {
  const std::filesystem::path folder = fixture.path() / "velmora15_16";
  EXPECT_FALSE(KeepsScreenSize(folder));  // the sample record leaves the byte at zero
  std::string record = SettingsRecord().Bytes();
  record[58] = 1;
  data.Write("clave16", record);
  EXPECT_TRUE(KeepsScreenSize(folder));
  data.Write("clave16", record.substr(0, 40));
  EXPECT_FALSE(KeepsScreenSize(folder));  // a record cut short says nothing
  EXPECT_FALSE(KeepsScreenSize(fixture.path() / "nowhere"));
}

}  // namespace
}  // namespace velmora
