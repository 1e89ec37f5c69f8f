#include "core/platform/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QUrl>
#include <fstream>

#include "core/data_file.h"
#include "core/printing/pdf_file_name.h"
#include "core/printing/qt_printer_canvas.h"
#include "core/qt_text.h"

#ifndef VELMORA_INSTALLED_MODULE_FOLDER
#define VELMORA_INSTALLED_MODULE_FOLDER "../lib/velmora"
#endif

namespace velmora {
namespace {

// Every message box says whose it is, whatever the executable is called.
const QString kProgramName = QStringLiteral("Velmora");

// Message texts carry CR as their line break.
QString MessageText(std::string_view text) { return ToQString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')); }

}  // namespace

std::unique_ptr<SoundPlayer> LoadSoundPlayer(const QStringList& folders) {
  for (const QString& folder : folders) {
    QLibrary module(folder + QLatin1Char('/') + QLatin1String(kSoundModuleName));
    const auto create = reinterpret_cast<CreateSoundPlayerFunction>(module.resolve(kCreateSoundPlayerSymbol));
    // The module stays loaded for the players it makes: QLibrary's end does not unload it.
    if (create != nullptr) return std::unique_ptr<SoundPlayer>(create());
  }
  return nullptr;  // a desktop without the module plays nothing, as one without speakers
}

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

void QtPlatform::ShowMessage(std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, kProgramName, MessageText(text), QMessageBox::Ok);
  box.exec();
}

bool QtPlatform::AskYesNo(std::string_view question) {
  QMessageBox box(QMessageBox::Question, kProgramName, MessageText(question), QMessageBox::Yes | QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

bool QtPlatform::AcquireInstanceLock(std::string_view name) {
  auto lock = std::make_unique<InstanceLock>(InstanceLock::PathFor(ToQString(name)));
  if (!lock->TryLock()) return false;
  instanceLock_ = std::move(lock);
  return true;
}

int QtPlatform::GraphicsVersion() {
  // The walk-through needs a real screen to draw on; without one it cannot run.
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr && screen->depth() >= 16 ? 9 : 0;
}

double QtPlatform::ProcessorSpeedMHz() {
  std::ifstream cpuinfo("/proc/cpuinfo");
  std::string line;
  while (std::getline(cpuinfo, line)) {
    if (line.rfind("cpu MHz", 0) != 0) continue;
    if (const auto colon = line.find(':'); colon != std::string::npos) return std::stod(line.substr(colon + 1));
  }
  return 2000.0;  // a typical school desktop when the system does not say
}

DisplayMode QtPlatform::CurrentDisplay() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  return {screen->geometry().width(), screen->geometry().height(), screen->depth()};
}

int QtPlatform::DisplayDotsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? qRound(screen->logicalDotsPerInch()) : 96;
}

void QtPlatform::PlaySound(std::string_view file, bool wait) {
  const QString path = QFileInfo(QString::fromStdString(NativePath(file))).absoluteFilePath();
  if (!QFileInfo::exists(path)) return;
  if (!soundModuleTried_) {
    soundModuleTried_ = true;
    const QString programFolder = QCoreApplication::applicationDirPath();
    soundPlayer_ = LoadSoundPlayer({programFolder, programFolder + QStringLiteral("/" VELMORA_INSTALLED_MODULE_FOLDER)});
  }
  if (soundPlayer_) soundPlayer_->Play(path, wait);
}

std::unique_ptr<PrintCanvas> QtPlatform::ChoosePrinter(std::string_view heading) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  // The dialog would otherwise propose a file in the current folder, the data folder. Naming
  // the file turns the printer into a PDF writer: the default printer stays the first choice.
  printer->setOutputFileName(ProposedPdfPath(heading));
  printer->setOutputFormat(QPrinter::NativeFormat);
  QPrintDialog dialog(printer.get(), QApplication::activeWindow());
  // The reports always print whole; a page range would not be honoured.
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies |
                    QAbstractPrintDialog::PrintShowPageSize);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return std::make_unique<QtPrinterCanvas>(std::move(printer));
}

std::optional<std::string> QtPlatform::ChooseTextFile(std::string_view proposedPath) {
  QFileDialog dialog(QApplication::activeWindow());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QStringLiteral("*.txt"));
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  dialog.selectFile(QString::fromUtf8(proposedPath.data(), static_cast<qsizetype>(proposedPath.size())));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst().toStdString();
}

void QtPlatform::OpenWithDesktop(std::string_view target) {
  const bool web = target.starts_with("http");
  const QUrl url = web ? QUrl(ToQString(target), QUrl::StrictMode)
                       : QUrl::fromLocalFile(QString::fromUtf8(target.data(), static_cast<qsizetype>(target.size())));
  QDesktopServices::openUrl(url);
}

int QtPlatform::RunModal(QDialog& dialog) { return dialog.exec(); }

void QtPlatform::Terminate() { QCoreApplication::quit(); }

}  // namespace velmora
