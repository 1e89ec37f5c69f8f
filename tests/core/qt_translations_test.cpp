#include "core/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <gtest/gtest.h>

#include "core/startup.h"

namespace velmora {
namespace {

TEST(QtTranslations, EachLanguageFolderHasItsCatalogue) {
  const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  const struct {
    int index;
    const char* locale;
    QString directory;
  } expected[] = {{0, "es", qtFolder}, {1, "ca", qtFolder}, {2, "gl", ":/translations"}, {3, "eu", ":/translations"}};
  for (const auto& language : expected) {
    const auto catalogue = QtCatalogueFor(language.index);
    ASSERT_TRUE(catalogue) << language.index;
    EXPECT_EQ(catalogue->locale, QString::fromLatin1(language.locale));
    EXPECT_EQ(catalogue->fileName, QStringLiteral("qtbase_") + QString::fromLatin1(language.locale));
    EXPECT_EQ(catalogue->directory, language.directory);
    EXPECT_EQ(LanguageIndexOf(LanguageFolderFor(language.index)), language.index);
  }
  EXPECT_FALSE(QtCatalogueFor(-1));
  EXPECT_FALSE(QtCatalogueFor(4));
  EXPECT_EQ(LanguageIndexOf(""), -1);
  EXPECT_EQ(LanguageIndexOf("cat\\"), -1);
}

// The dialogs' own words, as Qt asks for them, in each of the four languages.
TEST(QtTranslations, TheDialogsSpeakTheLanguageInstalled) {
  const auto translate = [](const char* context, const char* source) {
    return QCoreApplication::translate(context, source);
  };
  const struct {
    int index;
    const char *yes, *no, *print, *toFile;
  } expected[] = {
      {0, "&S\xC3\xAD", "&No", "Imprimir", "Imprimir a archivo (PDF)"},
      {1, "&S\xC3\xAD", "&No", "Imprimeix", "Imprimeix a un fitxer (PDF)"},
      {2, "&Si", "&Non", "Imprimir", "Imprimir nun ficheiro (PDF)"},
      {3, "&Bai", "&Ez", "Inprimatu", "Inprimatu fitxategian (PDF)"},
  };
  for (const auto& language : expected) {
    ASSERT_TRUE(InstallQtTranslations(language.index)) << language.index;
    EXPECT_EQ(translate("QPlatformTheme", "&Yes"), QString::fromUtf8(language.yes)) << language.index;
    EXPECT_EQ(translate("QPlatformTheme", "&No"), QString::fromUtf8(language.no)) << language.index;
    EXPECT_EQ(translate("QPrintDialog", "Print"), QString::fromUtf8(language.print)) << language.index;
    EXPECT_EQ(translate("QPrintDialog", "Print to File (PDF)"), QString::fromUtf8(language.toFile)) << language.index;
    EXPECT_EQ(QLocale().name().left(2), QtCatalogueFor(language.index)->locale);
  }
  // An unknown language keeps the one installed.
  EXPECT_FALSE(InstallQtTranslations(7));
  EXPECT_EQ(translate("QPlatformTheme", "&Yes"), QStringLiteral("&Bai"));
  ASSERT_TRUE(InstallQtTranslations(0));
}

}  // namespace
}  // namespace velmora
