// Qt's own dialogs (message boxes, the print and save dialogs) in the interface language: Qt's
// catalogues for Castilian and Catalan, ours, compiled into the program, for Galician and Basque.
#pragma once

#include <QString>
#include <optional>
#include <string_view>

namespace velmora {

struct QtCatalogue {
  QString locale;     // "es", "ca", "gl", "eu"
  QString fileName;   // without the ".qm"
  QString directory;  // Qt's translations folder, or the program's resources
};

// The catalogue of language index 0..3 (the language folders' order); none for another index.
std::optional<QtCatalogue> QtCatalogueFor(int languageIndex);

// Index 0..3 of a language folder ("cas\\" .. "euskera\\"); -1 for any other text.
int LanguageIndexOf(std::string_view languageFolder);

// Makes Qt's dialogs speak the language of that index from now on (replacing the previous
// one); false when its catalogue could not be loaded (the dialogs then stay as they were).
bool InstallQtTranslations(int languageIndex);

}  // namespace velmora
