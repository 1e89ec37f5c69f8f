// Text helpers shared by the loaders and the screens: padding, trimming, 1-based fields, numbers.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// n - 1 copies of c, never more than 80 characters; n <= 1 gives the empty text.
std::string PadBlanks(int n, char c = ' ');

// s without its trailing blanks (character 32 only); leading blanks stay.
std::string_view TrimBlanks(std::string_view s);

// Both ends trimmed of blanks.
std::string_view TrimBothBlanks(std::string_view s);

// True when s is empty or holds blanks only.
bool IsBlankLine(std::string_view s);

// Length of a line of lineLength characters once shaped to width w (see ShapeToWidth).
std::size_t ShapedLength(std::size_t lineLength, int width);

// The line shaped to width w: its first w characters after padding with PadBlanks(w).
// A non-empty line becomes exactly w characters (for w <= 81); an empty one w - 1 blanks.
std::string ShapeToWidth(std::string_view line, int width);

// Characters column .. column + length - 1 (1-based), clipped to the text.
std::string_view Field(std::string_view record, int column, int length);

// The text cut or padded with blanks to exactly width characters.
std::string PadTo(std::string_view text, std::size_t width);

// The text broken at blanks into lines of at most width characters (a longer word is cut).
std::vector<std::string> WrapWords(std::string_view text, std::size_t width);

// The integer a field holds, surrounding blanks allowed; nullopt when it is not a number.
std::optional<int> ParseInt(std::string_view field);

}  // namespace velmora
