#include "core/shell.h"

#include <QUrl>
#include <filesystem>

#include "core/common.h"
#include "core/cp1252.h"
#include "core/data_file.h"
#include "core/platform/platform.h"
#include "core/qt_text.h"

namespace velmora {

std::optional<std::string> ShellTarget(std::string_view target) {
  if (target.starts_with("http")) {
    const QUrl url(ToQString(target), QUrl::StrictMode);
    const bool web = url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) &&
                     !url.host().isEmpty();
    if (!web) return std::nullopt;
    return std::string(target);
  }
  if (target.empty() || DataFolderPath.empty()) return std::nullopt;
  namespace fs = std::filesystem;
  // Names in the data are Windows-1252; the file system's are UTF-8.
  const fs::path relative = fs::path(Cp1252ToUtf8(NativePath(target))).lexically_normal();
  if (relative.is_absolute() || relative.has_root_name()) return std::nullopt;
  std::error_code error;
  const fs::path folder = fs::weakly_canonical(DataFolderPath, error);
  const fs::path document = fs::weakly_canonical(folder / relative, error);
  if (error) return std::nullopt;
  // Symbolic links resolved: the document must still lie under the data folder.
  const auto [folderEnd, documentAt] = std::mismatch(folder.begin(), folder.end(), document.begin(), document.end());
  if (folderEnd != folder.end() || documentAt == document.end()) return std::nullopt;
  return document.string();
}

void OpenWithShell(std::string_view target) {
  if (const auto accepted = ShellTarget(target)) CurrentPlatform().OpenWithDesktop(*accepted);
}

}  // namespace velmora
