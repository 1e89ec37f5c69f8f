// Conversions at the widget boundary: data texts are Windows-1252, widgets take QString.
#pragma once

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

#include "core/common.h"

namespace velmora {

QString ToQString(std::string_view text1252);
// Characters without a Windows-1252 form become '?'.
std::string FromQString(const QString& text);
QColor ToQColor(TColor colour);

}  // namespace velmora
