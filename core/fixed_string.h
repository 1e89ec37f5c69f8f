// Fixed-capacity, length-prefixed text record: the unit every data table is made of.
// Assigning a longer text keeps its first N characters, as the data files expect.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace velmora {

template <std::size_t N>
class FixedString {
  static_assert(N > 0 && N <= 255, "a record holds at most 255 characters");

 public:
  static constexpr std::size_t kCapacity = N;

  FixedString() = default;
  FixedString(std::string_view text) { assign(text); }  // NOLINT: records are built from text

  FixedString& operator=(std::string_view text) {
    assign(text);
    return *this;
  }

  void assign(std::string_view text) {
    length_ = static_cast<std::uint8_t>(std::min(text.size(), N));
    if (length_ > 0) std::memcpy(chars_.data(), text.data(), length_);  // an empty view may hold no pointer
  }
  void clear() { length_ = 0; }

  std::string_view view() const { return {chars_.data(), length_}; }
  operator std::string_view() const { return view(); }  // NOLINT: reads like a text
  std::string str() const { return std::string(view()); }
  std::size_t size() const { return length_; }
  bool empty() const { return length_ == 0; }
  char operator[](std::size_t i) const { return chars_[i]; }

  friend bool operator==(const FixedString& a, std::string_view b) { return a.view() == b; }

 private:
  std::uint8_t length_ = 0;
  std::array<char, N> chars_{};
};

}  // namespace velmora
