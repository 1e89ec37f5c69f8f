#include "core/text_helpers.h"

#include <algorithm>
#include <charconv>

namespace velmora {

std::string PadBlanks(int n, char c) {
  if (n <= 1) return {};
  return std::string(static_cast<std::size_t>(std::min(n - 1, 80)), c);
}

std::string_view TrimBlanks(std::string_view s) {
  const auto end = s.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view{} : s.substr(0, end + 1);
}

std::string_view TrimBothBlanks(std::string_view s) {
  s = TrimBlanks(s);
  const auto start = s.find_first_not_of(' ');
  return start == std::string_view::npos ? std::string_view{} : s.substr(start);
}

bool IsBlankLine(std::string_view s) { return s.find_first_not_of(' ') == std::string_view::npos; }

std::size_t ShapedLength(std::size_t lineLength, int width) {
  if (width <= 0) return 0;
  const std::size_t padding = width <= 1 ? 0 : static_cast<std::size_t>(std::min(width - 1, 80));
  return std::min(static_cast<std::size_t>(width), lineLength + padding);
}

std::string ShapeToWidth(std::string_view line, int width) {
  std::string shaped(line.substr(0, ShapedLength(line.size(), width)));
  shaped.resize(ShapedLength(line.size(), width), ' ');
  return shaped;
}

std::string_view Field(std::string_view record, int column, int length) {
  if (length <= 0) return {};
  const std::size_t start = static_cast<std::size_t>(std::max(column, 1) - 1);
  if (start >= record.size()) return {};
  return record.substr(start, static_cast<std::size_t>(length));
}

std::optional<int> ParseInt(std::string_view field) {
  field = TrimBothBlanks(field);
  if (!field.empty() && field.front() == '+') field.remove_prefix(1);
  if (field.empty()) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc{} || end != field.data() + field.size()) return std::nullopt;
  return value;
}

std::string PadTo(std::string_view text, std::size_t width) {
  std::string padded(text.substr(0, width));
  padded.resize(width, ' ');
  return padded;
}

std::vector<std::string> WrapWords(std::string_view text, std::size_t width) {
  std::vector<std::string> lines;
  if (width == 0) return lines;
  text = TrimBlanks(text);
  while (text.size() > width) {
    std::size_t cut = text.rfind(' ', width);
    if (cut == std::string_view::npos || cut == 0) cut = width;
    lines.emplace_back(TrimBlanks(text.substr(0, cut)));
    text = text.substr(cut);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  }
  lines.emplace_back(text);
  return lines;
}

}  // namespace velmora
