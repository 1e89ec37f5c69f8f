#include "core/cp1252.h"

#include <array>

namespace velmora {
namespace {

// 0x80..0x9F, where Windows-1252 differs from Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t Cp1252ToUnicode(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char32_t{byte};
}

std::optional<unsigned char> UnicodeToCp1252(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<unsigned char>(code);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    // The five undefined bytes stay unmappable: they are no characters of the data.
    if (kHighControls[i] == code && code > 0xFF) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

Cp1252Result Utf8ToCp1252(std::string_view utf8) {
  Cp1252Result result;
  result.text.reserve(utf8.size());
  std::size_t column = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    ++column;
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || i + static_cast<std::size_t>(extra) >= utf8.size()) {  // a lone or cut sequence
      result.badColumn = column;
      return result;
    }
    char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) {
        result.badColumn = column;
        return result;
      }
      code = (code << 6) | (next & 0x3F);
    }
    // An overlong form (C0 8A for a line feed) or a surrogate is no character, whatever it decodes to.
    constexpr char32_t kShortest[] = {0, 0x80, 0x800, 0x10000};
    if (code < kShortest[extra] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
      result.badColumn = column;
      return result;
    }
    const auto byte = UnicodeToCp1252(code);
    if (!byte) {
      result.badColumn = column;
      result.unmappable = true;
      return result;
    }
    result.text.push_back(static_cast<char>(*byte));
    i += static_cast<std::size_t>(extra) + 1;
  }
  return result;
}

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (const char c : text) {
    const char32_t code = Cp1252ToUnicode(static_cast<unsigned char>(c));
    if (code < 0x80) {
      out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (code >> 6)));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (code >> 12)));
      out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
  }
  return out;
}

char LowerCp1252(char c) {
  const auto u = static_cast<unsigned char>(c);
  if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) return static_cast<char>(u + 0x20);
  if (u == 0x8A || u == 0x8C || u == 0x8E) return static_cast<char>(u + 0x10);
  if (u == 0x9F) return static_cast<char>(0xFF);
  return c;
}

std::string UpperCp1252(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7))
      c = static_cast<char>(u - 0x20);
    else if (u == 0x9A || u == 0x9C || u == 0x9E)
      c = static_cast<char>(u - 0x10);
    else if (u == 0xFF)
      c = static_cast<char>(0x9F);
  }
  return upper;
}

}  // namespace velmora
