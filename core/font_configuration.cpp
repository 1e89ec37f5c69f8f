#include "core/font_configuration.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
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
  return std::async(std::launch::async, [] {
    QFontDatabase::families();
    // The screens' family is seldom installed under its own name: the first text laid out in it
    // looks for its stand-ins, which Qt keeps for every thread once found.
    QFontMetrics(QFont(QStringLiteral("Arial"))).horizontalAdvance(QLatin1Char('x'));
  });
}

}  // namespace velmora
