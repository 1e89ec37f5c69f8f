// The file a report is proposed under when it is printed to a PDF file: a name made from the
// report's heading, in the user's documents folder (never the data folder, which the program
// runs in and which may be read-only).
#pragma once

#include <QString>
#include <string_view>

namespace velmora {

// The heading (Windows-1252) kept to letters, digits, blanks and - _ ( ) , with every other
// character a blank, blanks collapsed, at most 80 characters, + ".pdf"; "Velmora.pdf" when
// nothing is left.
QString PdfFileName(std::string_view heading);

// PdfFileName in the user's documents folder (the home folder when there is none).
QString ProposedPdfPath(std::string_view heading);

}  // namespace velmora
