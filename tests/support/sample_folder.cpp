#include "tests/support/sample_folder.h"

#include <QImage>

#include "core/binary_tables.h"
#include "core/data_file.h"
#include "core/picture_archive.h"

namespace velmora::testing {

std::string SettingsRecord::Bytes() const {
  std::string record(86, '\0');
  record[0] = static_cast<char>(name.size());
  record.replace(1, name.size(), name);
  record[51] = static_cast<char>(animation);
  record[57] = static_cast<char>(language);
  return record;
}

SampleFolder::SampleFolder(const FixtureFolder& fixture) : fixture_(fixture) {
  Write("clave16", SettingsRecord{}.Bytes());
  WriteLanguage("cas");
  for (const char* picture : {"chica.bmp", "parte", "heli.bmp", "suelo", "marcod", "marcoi", "marcoar"})
    WritePicture(picture, 8, 8);
  WritePicture("mapa", kMapWidth, kMapHeight);
  WritePicture("mapac", kMapWidth, kDetailMapHeight);
  WritePicture("mapam", kMapWidth, kDetailMapHeight);
  std::string hits(kHitRecordSize, '\0');
  hits[0] = 4;  // x 1, y 1 of the map of Spain
  Write("puntos3", hits);
  Write("segdxg1.DXG", TinyPictureArchive());
  Write("romanico.DXG", TinyPictureArchive());
}

std::string TinyPictureArchive() {
  QImage picture(2, 2, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::darkCyan);
  return WritePictureArchive({{"mandown01", picture}});
}

void SampleFolder::Write(std::string_view name, std::string_view bytes) const {
  fixture_.Write("velmora15_16/" + std::string(name), bytes);
}

void SampleFolder::Remove(std::string_view name) const { fixture_.Remove("velmora15_16/" + std::string(name)); }

void SampleFolder::WritePicture(std::string_view name, int width, int height) const {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(Qt::darkCyan);
  const std::string path = (fixture_.path() / "velmora15_16" / NativePath(name)).string();
  picture.save(QString::fromStdString(path), "BMP");
}

void SampleFolder::WriteLanguage(std::string_view languageFolder) const {
  const std::string folder(languageFolder);
  std::string texts;
  for (int line = 1; line <= 749; ++line) texts += folder + " " + std::to_string(line) + "\r\n";
  Write(folder + "/textos", texts);
  Write(folder + "/informa_l", CrLf({"50Paso cero", " 5Seccion"}));
  Write(folder + "/materias_l", CrLf({" 1Lengua"}));
}

}  // namespace velmora::testing
