// The centre settings record "clave16": the school's name, the animation switch, the language
// and whether large displays enlarge the screens.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::tools {

struct CentreSettings {
  std::string name;  // Windows-1252, at most 50 characters
  bool animation = true;
  int language = 0;  // 0 Castilian, 1 Catalan/Valencian, 2 Galician, 3 Basque
  bool enlarge = true;  // the screens drawn larger on displays much larger than 1024 x 768
};

inline constexpr std::size_t kCentreNameCapacity = 50;

std::array<char, 86> EncodeCentreSettings(const CentreSettings& settings);
std::optional<CentreSettings> DecodeCentreSettings(std::string_view record);

}  // namespace velmora::tools
