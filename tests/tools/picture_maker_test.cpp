// Checks the generated media the way the program uses them: names, formats,
// sizes, how the corridor lines up with the menu's door labels, and the sounds.

#include "corridor.h"
#include "media_set.h"
#include "sounds.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

using picture::MediaFile;

const std::map<QString, QSize> kBitmapSizes = {
    {"chica.bmp", {88, 138}}, {"parte", {174, 305}},   {"heli.bmp", {64, 32}},
    {"suelo", {128, 128}},    {"marcod", {24, 768}},   {"marcoi", {24, 768}},
    {"marcoar", {1024, 33}},  {"rotulon.bmp", {97, 57}}, {"imagen", {136, 130}},
    {"imagen2", {150, 130}}};
const QStringList kSounds = {"tecla.wav", "motor.wav"};

// The data folder is written once for the whole suite.
class MediaFolder : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new QTemporaryDir;
        error_ = picture::writeMediaSet(picture::buildMediaSet(), folder_->path());
    }
    static void TearDownTestSuite()
    {
        delete folder_;
        folder_ = nullptr;
    }
    static QString path(const QString& name) { return QDir(folder_->path()).filePath(name); }
    static QByteArray bytes(const QString& name)
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QImage image(const QString& name)
    {
        QImage img(path(name));
        return img.convertToFormat(QImage::Format_RGB32);
    }

    static QTemporaryDir* folder_;
    static QString error_;
};
QTemporaryDir* MediaFolder::folder_ = nullptr;
QString MediaFolder::error_;

TEST_F(MediaFolder, HoldsExactlyTheExpectedFiles)
{
    ASSERT_TRUE(error_.isEmpty()) << error_.toStdString();
    QStringList expected = kSounds;
    expected << QStringLiteral("segdxg1.DXG") << QStringLiteral("romanico.DXG");
    for (const auto& entry : kBitmapSizes) {
        expected << entry.first;
    }
    expected.sort();
    EXPECT_EQ(QDir(folder_->path()).entryList(QDir::Files, QDir::Name), expected);
}

TEST_F(MediaFolder, BitmapsAre24BitBmpFoundByContentAtTheirSizes)
{
    for (const auto& [name, size] : kBitmapSizes) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray b = bytes(name);
        ASSERT_GT(b.size(), 54);
        EXPECT_EQ(b.left(2), QByteArray("BM"));
        EXPECT_EQ(qFromLittleEndian<quint16>(b.constData() + 28), 24);  // bits per pixel
        EXPECT_EQ(qFromLittleEndian<quint32>(b.constData() + 30), 0u);  // uncompressed
        // Names without an extension must still be recognised from their bytes.
        QImageReader reader(path(name));
        EXPECT_EQ(reader.format(), QByteArray("bmp"));
        const QImage img = reader.read();
        ASSERT_FALSE(img.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(img.size(), size);
    }
}

TEST_F(MediaFolder, BuildsAreReproducible)
{
    const std::vector<MediaFile> again = picture::buildMediaSet();
    for (const MediaFile& file : again) {
        QString error;
        EXPECT_EQ(picture::encode(file, &error), bytes(file.name)) << file.name.toStdString();
    }
}

// A pixel of a door leaf: wood, much redder than blue, unlike wall, rail band and frame.
bool isDoor(QRgb c)
{
    return qRed(c) - qBlue(c) > 90 && qRed(c) > 150;
}

struct Label {
    int left;
    int top;
    int lines;
};
// Door labels of the menu: upper row, then lower row.
const Label kUpperLabels[] = {{59, 140, 2}, {232, 132, 2}, {410, 140, 2},
                              {579, 140, 2}, {757, 140, 2}, {928, 140, 2}};
const Label kLowerLabels[] = {{223, 539, 3}, {408, 523, 4}, {584, 523, 4}, {930, 539, 2}};

TEST_F(MediaFolder, EveryDoorLabelAndDoorAnimationSitsOnADoor)
{
    const QImage corridor = picture::tileCorridor(image("parte"));
    auto check = [&](const Label& l, int animationTop) {
        SCOPED_TRACE(testing::Message() << "label at " << l.left << "," << l.top);
        // Where the caption text goes: centre of the label's first and last line.
        const int x = l.left + 32;
        EXPECT_TRUE(isDoor(corridor.pixel(x, l.top + 8)));
        EXPECT_TRUE(isDoor(corridor.pixel(x, l.top + 16 * l.lines - 8)));
        // The opening door drawn 56 px wide at label left + 4 covers the leaf.
        const int y = animationTop + 60;
        EXPECT_TRUE(isDoor(corridor.pixel(l.left + 6, y)));
        EXPECT_TRUE(isDoor(corridor.pixel(l.left + 58, y)));
    };
    for (const Label& l : kUpperLabels) {
        check(l, 130);
    }
    for (const Label& l : kLowerLabels) {
        check(l, 470);
    }
    // Rows repeat every tile height: the lower row the zoom enlarges starts at 305.
    EXPECT_EQ(corridor.copy(0, 305, 174, 305), corridor.copy(0, 0, 174, 305));
}

TEST_F(MediaFolder, MenuPicturesCarryTheCorridorAndKeepLabelsClear)
{
    const QImage corridor = picture::tileCorridor(image("parte"));
    const struct {
        QString name;
        QPoint at;
    } placed[] = {{"rotulon.bmp", {913, 288}}, {"imagen", {24, 480}}, {"imagen2", {744, 480}}};
    // Generous boxes for the lower labels and the centre name and year.
    const QRect labels[] = {{223, 539, 90, 50}, {408, 523, 90, 64}, {584, 523, 90, 64},
                            {930, 539, 90, 34}, {412, 624, 200, 46}};
    for (const auto& p : placed) {
        SCOPED_TRACE(p.name.toStdString());
        const QImage img = image(p.name);
        // Corners not covered by the drawing are the corridor itself.
        EXPECT_EQ(img.pixel(0, img.height() - 1),
                  corridor.pixel(p.at.x(), p.at.y() + img.height() - 1));
        EXPECT_EQ(img.pixel(img.width() - 1, 0), corridor.pixel(p.at.x() + img.width() - 1, p.at.y()));
        for (const QRect& label : labels) {
            EXPECT_FALSE(QRect(p.at, img.size()).intersects(label));
        }
    }
}

TEST_F(MediaFolder, FiguresStandOnAWhiteBackdropThatCanBeKeyedOut)
{
    for (const QString& name : {QString("chica.bmp"), QString("heli.bmp")}) {
        SCOPED_TRACE(name.toStdString());
        const QImage img = image(name);
        EXPECT_EQ(img.pixel(0, img.height() - 1), qRgb(255, 255, 255));
        int drawn = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                drawn += img.pixel(x, y) != qRgb(255, 255, 255);
            }
        }
        EXPECT_GT(drawn, img.width() * img.height() * 4 / 10);
    }
}

int channelGap(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

TEST_F(MediaFolder, TilesJoinWithoutSeams)
{
    // Opposite edges of a tile meet when tiled, so they must look alike.
    const QImage floor = image("suelo");
    for (int k = 0; k < floor.width(); ++k) {
        EXPECT_LE(channelGap(floor.pixel(0, k), floor.pixel(floor.width() - 1, k)), 6) << k;
        EXPECT_LE(channelGap(floor.pixel(k, 0), floor.pixel(k, floor.height() - 1)), 6) << k;
    }
    const QImage door = image("parte");
    for (int y = 0; y < door.height(); ++y) {
        EXPECT_LE(channelGap(door.pixel(0, y), door.pixel(door.width() - 1, y)), 6) << y;
    }
}

TEST_F(MediaFolder, FloorIsLightAndQuietUnderText)
{
    const QImage floor = image("suelo");
    int darkest = 255;
    double sum = 0;
    for (int y = 0; y < floor.height(); ++y) {
        for (int x = 0; x < floor.width(); ++x) {
            const int g = qGray(floor.pixel(x, y));
            darkest = std::min(darkest, g);
            sum += g;
        }
    }
    EXPECT_GT(darkest, 200);
    EXPECT_GT(sum / (floor.width() * floor.height()), 235);
}

struct Wave {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<qint16> samples;
};

Wave parseWave(const QByteArray& b)
{
    Wave w;
    if (b.size() < 44 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE" || b.mid(12, 4) != "fmt "
        || b.mid(36, 4) != "data") {
        return w;
    }
    const char* d = b.constData();
    EXPECT_EQ(qFromLittleEndian<quint32>(d + 4), quint32(b.size() - 8));
    w.format = qFromLittleEndian<quint16>(d + 20);
    w.channels = qFromLittleEndian<quint16>(d + 22);
    w.rate = int(qFromLittleEndian<quint32>(d + 24));
    w.bits = qFromLittleEndian<quint16>(d + 34);
    const quint32 size = qFromLittleEndian<quint32>(d + 40);
    EXPECT_EQ(size, quint32(b.size() - 44));
    for (quint32 i = 0; i + 1 < size; i += 2) {
        w.samples.push_back(qFromLittleEndian<qint16>(d + 44 + i));
    }
    return w;
}

TEST_F(MediaFolder, SoundsArePcmMonoOfTheRightLengthAndClean)
{
    const struct {
        QString name;
        double minSeconds;
        double maxSeconds;
    } sounds[] = {{"tecla.wav", 0.030, 0.060}, {"motor.wav", 2.0, 5.0}};
    for (const auto& s : sounds) {
        SCOPED_TRACE(s.name.toStdString());
        const Wave w = parseWave(bytes(s.name));
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.bits, 16);
        EXPECT_TRUE(w.rate == 22050 || w.rate == 44100);
        ASSERT_FALSE(w.samples.empty());
        const double seconds = double(w.samples.size()) / w.rate;
        EXPECT_GE(seconds, s.minSeconds);
        EXPECT_LE(seconds, s.maxSeconds);
        int peak = 0;
        for (qint16 v : w.samples) {
            peak = std::max(peak, std::abs(int(v)));
        }
        EXPECT_GT(peak, 8000);    // clearly audible
        EXPECT_LT(peak, 32000);   // never clipped
        // No pop where playback starts and stops.
        EXPECT_LT(std::abs(int(w.samples.front())), 300);
        EXPECT_LT(std::abs(int(w.samples.back())), 300);
    }
}

TEST_F(MediaFolder, EngineSoundThumpsLikeARotor)
{
    const Wave w = parseWave(bytes("motor.wav"));
    ASSERT_GT(w.samples.size(), std::size_t(w.rate * 2));
    // Loudness in 10 ms windows over the steady middle second.
    const std::size_t win = std::size_t(w.rate / 100);
    std::vector<double> env;
    for (std::size_t i = std::size_t(w.rate); i + win <= std::size_t(2 * w.rate); i += win) {
        double e = 0;
        for (std::size_t k = i; k < i + win; ++k) {
            e += double(w.samples[k]) * w.samples[k];
        }
        env.push_back(std::sqrt(e / double(win)));
    }
    // Count rises through the middle level: one per blade pass.
    const auto [lo, hi] = std::minmax_element(env.begin(), env.end());
    EXPECT_GT(*hi, 3 * *lo);
    const double mid = (*lo + *hi) / 2;
    int beats = 0;
    for (std::size_t i = 1; i < env.size(); ++i) {
        beats += env[i - 1] < mid && env[i] >= mid;
    }
    EXPECT_GE(beats, 6);
    EXPECT_LE(beats, 20);
}

TEST(WaveEncoding, ScalesAndClampsSamples)
{
    const QByteArray b = picture::encodeWave({0.0f, 1.0f, -1.0f, 0.5f, 3.0f, -3.0f}, 44100);
    const Wave w = parseWave(b);
    EXPECT_EQ(w.rate, 44100);
    EXPECT_EQ(w.samples, (std::vector<qint16>{0, 32767, -32767, 16384, 32767, -32767}));
}

TEST(WritingMedia, ReportsAFolderThatCannotBeWritten)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("taken"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString error = picture::writeMediaSet(picture::buildMediaSet(), dir.filePath("taken/out"));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(error.contains("taken/out")) << error.toStdString();
}

TEST(PictureMakerProgram, ExitsNonZeroWithAMessage)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("taken"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    auto run = [](const QStringList& args, QString* err) {
        QProcess p;
        p.start(QStringLiteral(PICTURE_MAKER_PATH), args);
        p.waitForFinished(30000);
        *err = QString::fromLocal8Bit(p.readAllStandardError());
        return p.exitCode();
    };
    QString err;
    EXPECT_EQ(run({}, &err), 2);
    EXPECT_TRUE(err.contains("usage")) << err.toStdString();
    EXPECT_EQ(run({"--out", dir.filePath("taken")}, &err), 1);
    EXPECT_TRUE(err.contains("taken")) << err.toStdString();
    EXPECT_EQ(run({"--out", dir.filePath("media")}, &err), 0);
    EXPECT_TRUE(QFile::exists(dir.filePath("media/parte")));
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
