// The file a report or a result is proposed under: a name made from its heading (or the
// student's label), in the user's documents folder (never the data folder, which the program
// runs in and which may be read-only).
#pragma once

#include <QString>
#include <QStringView>
#include <string_view>

namespace velmora {

// The heading (Windows-1252) kept to letters, digits, blanks and - _ ( ) , with every other
// character (those a file system refuses among them) a blank, blanks collapsed, at most 80
// characters, + the extension; "Velmora" + extension when nothing is left.
QString SafeFileName(std::string_view heading, QStringView extension);
QString PdfFileName(std::string_view heading);

// SafeFileName in the user's documents folder (the home folder when there is none).
QString ProposedDocumentPath(std::string_view heading, QStringView extension);
QString ProposedPdfPath(std::string_view heading);

}  // namespace velmora
