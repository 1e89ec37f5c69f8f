#include "core/printing/pdf_file_name.h"

#include <QDir>
#include <QStandardPaths>

#include "core/qt_text.h"

namespace velmora {
namespace {

constexpr qsizetype kMaxNameLength = 80;

bool IsSafeFileCharacter(QChar c) {
  return c.isLetterOrNumber() || c == u' ' || c == u'-' || c == u'_' || c == u'(' || c == u')' || c == u',';
}

}  // namespace

QString SafeFileName(std::string_view heading, QStringView extension) {
  QString name = ToQString(heading);
  for (QChar& c : name)
    if (!IsSafeFileCharacter(c)) c = u' ';
  name = name.simplified().left(kMaxNameLength).trimmed();
  if (name.isEmpty()) name = QStringLiteral("Velmora");
  return name + extension.toString();
}

QString PdfFileName(std::string_view heading) { return SafeFileName(heading, u".pdf"); }

QString ProposedDocumentPath(std::string_view heading, QStringView extension) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  return QDir(folder).filePath(SafeFileName(heading, extension));
}

QString ProposedPdfPath(std::string_view heading) { return ProposedDocumentPath(heading, u".pdf"); }

}  // namespace velmora
