#include "core/qt_text.h"

#include "core/cp1252.h"

namespace velmora {

QString ToQString(std::string_view text1252) {
  QString text;
  text.reserve(static_cast<qsizetype>(text1252.size()));
  for (const char c : text1252) text.append(QChar(static_cast<char16_t>(Cp1252ToUnicode(static_cast<unsigned char>(c)))));
  return text;
}

std::string FromQString(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (const QChar c : text) out.push_back(static_cast<char>(UnicodeToCp1252(c.unicode()).value_or('?')));
  return out;
}

QColor ToQColor(TColor colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

}  // namespace velmora
