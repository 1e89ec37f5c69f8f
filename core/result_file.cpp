#include "core/result_file.h"

#include <QSaveFile>
#include <QString>

#include "core/common.h"
#include "core/cp1252.h"
#include "core/platform/platform.h"
#include "core/printing/pdf_file_name.h"
#include "core/qt_text.h"

namespace velmora {

std::string ResultFileBytes(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += Cp1252ToUtf8(line);
    bytes += "\r\n";
  }
  return bytes;
}

bool WriteResultFile(std::string_view path, const std::vector<std::string>& lines) {
  QSaveFile file(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const std::string bytes = ResultFileBytes(lines);
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

std::string SaveFailedText(std::string_view path) {
  const QString name = QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
  return "No se han podido guardar los resultados en " + FromQString(name) +
         ". Compruebe que hay espacio y que puede escribir en esa carpeta.";
}

std::optional<std::string> AskResultFilePath(std::string_view label) {
  return CurrentPlatform().ChooseTextFile(ProposedDocumentPath(label, u".txt").toStdString());
}

bool SaveResultFile(std::string_view path, const std::vector<std::string>& lines) {
  if (WriteResultFile(path, lines)) return true;
  ShowMessage(SaveFailedText(path));
  return false;
}

}  // namespace velmora
