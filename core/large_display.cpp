#include "core/large_display.h"

#include <QByteArray>
#include <QtGlobal>
#include <algorithm>
#include <cmath>

#include "core/module_screen.h"

namespace velmora {

namespace {

// How many times a 1024 x 768 screen fits the display, on its tighter side.
double Fit(int displayWidth, int displayHeight) {
  return std::min(static_cast<double>(displayWidth) / kScreenWidth, static_cast<double>(displayHeight) / kScreenHeight);
}

}  // namespace

double ScreenScaleFor(int displayWidth, int displayHeight) {
  const double fit = Fit(displayWidth, displayHeight);
  if (fit < 1.25) return 1.0;
  return std::floor(fit * 20.0) / 20.0;
}

std::optional<double> QtScaleFactorFor(const PrimaryDisplay& display) {
  const double desktop = std::max(display.desktopScale, 1.0);
  const double fit = Fit(display.width, display.height);
  // A desktop that already scales past what the display holds would cut the screens: shrink to fit.
  const double total = desktop > fit ? std::max(fit, 1.0) : ScreenScaleFor(display.width, display.height);
  const double factor = std::floor(total / desktop * 20.0) / 20.0;
  if (std::abs(factor - 1.0) < 0.05) return std::nullopt;
  return factor;
}

void EnlargeScreensOnLargeDisplay(bool keepScreenSize) {
  if (keepScreenSize || qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return;
  const std::optional<PrimaryDisplay> display = ProbePrimaryDisplay();
  if (!display) return;
  if (const std::optional<double> factor = QtScaleFactorFor(*display))
    qputenv("QT_SCALE_FACTOR", QByteArray::number(*factor, 'f', 2));
}

}  // namespace velmora
