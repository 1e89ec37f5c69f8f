#include "tools/data_builder/centre_settings.h"

#include <algorithm>

namespace velmora::tools {

std::array<char, 86> EncodeCentreSettings(const CentreSettings& settings) {
  std::array<char, 86> record{};
  const std::size_t length = std::min(settings.name.size(), kCentreNameCapacity);
  record[0] = static_cast<char>(length);
  std::copy_n(settings.name.data(), length, record.begin() + 1);
  record[51] = settings.animation ? 1 : 0;
  record[57] = static_cast<char>(settings.language);
  record[58] = settings.enlarge ? 0 : 1;  // zero, as in records written before, enlarges
  return record;
}

std::optional<CentreSettings> DecodeCentreSettings(std::string_view record) {
  if (record.size() < 86) return std::nullopt;
  CentreSettings settings;
  const std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(record[0]), kCentreNameCapacity);
  settings.name = std::string(record.substr(1, length));
  settings.animation = record[51] != 0;
  settings.language = static_cast<unsigned char>(record[57]);
  settings.enlarge = record[58] == 0;
  return settings;
}

}  // namespace velmora::tools
