#include "core/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <array>
#include <memory>

#include "core/startup.h"

namespace velmora {
namespace {

struct Language {
  const char* locale;
  bool ownCatalogue;  // Qt ships none for it
};
constexpr std::array<Language, 4> kLanguages = {{{"es", false}, {"ca", false}, {"gl", true}, {"eu", true}}};

struct InstalledCatalogue {
  std::unique_ptr<QTranslator> translator;
  int languageIndex = -1;
};

InstalledCatalogue& Installed() {
  static InstalledCatalogue installed;
  return installed;
}

}  // namespace

std::optional<QtCatalogue> QtCatalogueFor(int languageIndex) {
  if (languageIndex < 0 || languageIndex >= static_cast<int>(kLanguages.size())) return std::nullopt;
  const Language& language = kLanguages[static_cast<std::size_t>(languageIndex)];
  const QString locale = QString::fromLatin1(language.locale);
  return QtCatalogue{locale, QStringLiteral("qtbase_") + locale,
                     language.ownCatalogue ? QStringLiteral(":/translations")
                                           : QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

int LanguageIndexOf(std::string_view languageFolder) {
  for (int index = 0; index < static_cast<int>(kLanguages.size()); ++index)
    if (!languageFolder.empty() && LanguageFolderFor(index) == languageFolder) return index;
  return -1;
}

bool InstallQtTranslations(int languageIndex) {
  const auto catalogue = QtCatalogueFor(languageIndex);
  if (!catalogue) return false;
  InstalledCatalogue& installed = Installed();
  // The start installs Castilian, then the folder's language: most often the same catalogue.
  if (installed.translator && installed.languageIndex == languageIndex) return true;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(catalogue->fileName, catalogue->directory)) return false;
  if (installed.translator) QCoreApplication::removeTranslator(installed.translator.get());
  QCoreApplication::installTranslator(translator.get());
  installed = {std::move(translator), languageIndex};
  QLocale::setDefault(QLocale(catalogue->locale + QStringLiteral("_ES")));
  return true;
}

}  // namespace velmora
