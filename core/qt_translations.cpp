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

std::unique_ptr<QTranslator>& InstalledTranslator() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
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
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(catalogue->fileName, catalogue->directory)) return false;
  std::unique_ptr<QTranslator>& installed = InstalledTranslator();
  if (installed) QCoreApplication::removeTranslator(installed.get());
  QCoreApplication::installTranslator(translator.get());
  installed = std::move(translator);
  QLocale::setDefault(QLocale(catalogue->locale + QStringLiteral("_ES")));
  return true;
}

}  // namespace velmora
