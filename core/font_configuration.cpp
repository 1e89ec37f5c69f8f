#include "core/font_configuration.h"

#include <QFontDatabase>
#include <QStringList>

#ifdef VELMORA_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace velmora {

std::future<void> StartReadingFontConfiguration() {
#ifdef VELMORA_FONTCONFIG
  // Qt's own FcInit, after the application object has connected to the display, finds the
  // configuration read: that connection takes longer than this reading.
  return std::async(std::launch::async, [] { FcInit(); });
#else
  return {};
#endif
}

std::future<void> StartFillingFontDatabase() {
  return std::async(std::launch::async, [] { QFontDatabase::families(); });
}

}  // namespace velmora
