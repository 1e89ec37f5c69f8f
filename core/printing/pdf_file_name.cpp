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

QString PdfFileName(std::string_view heading) {
  QString name = ToQString(heading);
  for (QChar& c : name)
    if (!IsSafeFileCharacter(c)) c = u' ';
  name = name.simplified().left(kMaxNameLength).trimmed();
  if (name.isEmpty()) name = QStringLiteral("Velmora");
  return name + QStringLiteral(".pdf");
}

QString ProposedPdfPath(std::string_view heading) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  return QDir(folder).filePath(PdfFileName(heading));
}

}  // namespace velmora
