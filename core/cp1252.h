// Windows-1252, the single-byte encoding of every data file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The Unicode code point of a Windows-1252 byte (undefined bytes map to themselves).
char32_t Cp1252ToUnicode(unsigned char byte);

// The Windows-1252 byte of a code point, nullopt when it has none.
std::optional<unsigned char> UnicodeToCp1252(char32_t code);

// UTF-8 to Windows-1252, stopping at the 1-based column of the first character that is
// malformed UTF-8 (overlong, surrogate, cut, stray byte) or has no Windows-1252 form.
struct Cp1252Result {
  std::string text;
  std::size_t badColumn = 0;  // 0 when the whole text converted
  bool unmappable = false;    // the character there is valid UTF-8 without a Windows-1252 form
};
Cp1252Result Utf8ToCp1252(std::string_view utf8);

std::string Cp1252ToUtf8(std::string_view text);

// The small letter of a Windows-1252 letter (accented capitals included); other bytes unchanged.
char LowerCp1252(char c);
// The text in capitals, accented letters included.
std::string UpperCp1252(std::string_view text);

}  // namespace velmora
