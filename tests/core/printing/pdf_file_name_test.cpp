#include "core/printing/pdf_file_name.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(PdfFileName, TheHeadingKeptToSafeFileCharacters) {
  // Windows-1252 headings: accents stay, separators and the bullet become blanks.
  EXPECT_EQ(PdfFileName("Relaci\xF3n de centros: Madrid / Zona 3"),
            QString::fromUtf8("Relaci\xC3\xB3n de centros Madrid Zona 3.pdf"));
  EXPECT_EQ(PdfFileName("   T\xE9" "cnico en Cocina y Gastronom\xED" "a   "),
            QString::fromUtf8("T\xC3\xA9" "cnico en Cocina y Gastronom\xC3\xAD" "a.pdf"));
  EXPECT_EQ(PdfFileName("\x95 Grado (Biolog\xED" "a), 2015-16"),
            QString::fromUtf8("Grado (Biolog\xC3\xAD" "a), 2015-16.pdf"));
  EXPECT_EQ(PdfFileName("a\\b*c?d\"e<f>g|h\ti\rj"), QStringLiteral("a b c d e f g h i j.pdf"));
  // Nothing that hides the file or climbs out of the folder.
  EXPECT_EQ(PdfFileName("../../.profile"), QStringLiteral("profile.pdf"));
  EXPECT_EQ(PdfFileName(""), QStringLiteral("Velmora.pdf"));
  EXPECT_EQ(PdfFileName(" /:* "), QStringLiteral("Velmora.pdf"));
  // A long heading is cut to 80 characters, never ending on a blank.
  const QString cut = PdfFileName(std::string(79, 'x') + " yyyy");
  EXPECT_EQ(cut, QString(79, u'x') + QStringLiteral(".pdf"));
  EXPECT_EQ(PdfFileName(std::string(200, 'z')).size(), 84);
}

TEST(PdfFileName, ProposedInAnExistingFolderOutsideTheDataFolder) {
  // The program runs inside its data folder; the proposal must not follow the current folder.
  const QTemporaryDir dataFolder;
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dataFolder.path()));
  const QFileInfo proposed(ProposedPdfPath("Notas de corte"));
  QDir::setCurrent(previous);
  EXPECT_EQ(proposed.fileName(), QStringLiteral("Notas de corte.pdf"));
  EXPECT_TRUE(proposed.isAbsolute());
  EXPECT_TRUE(proposed.dir().exists());
  EXPECT_FALSE(proposed.absoluteFilePath().startsWith(dataFolder.path()));
}

}  // namespace
}  // namespace velmora
