// A short UTF-8 text held in place, for the train codes and vehicle marks of
// the timetables: a thousand or more of them are read at every start, and a
// std::string each would cost its construction, copying and release. A code
// field of w Shift-JIS bytes needs at most 3w bytes in UTF-8 (a half-width
// katakana becomes three), so 15 bytes hold the five-byte Keiyo codes.
#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vorlash {

template <std::size_t Capacity>
class ShortText {
  static_assert(Capacity < 256, "the length is kept in one byte");

 public:
  ShortText() = default;

  // Taking a longer text is a fault of the caller, which knows its field
  // widths: it throws rather than cutting a code short.
  ShortText& operator=(std::string_view text) {
    if (text.size() > Capacity) throw std::length_error("ShortText: text too long");
    text.copy(bytes_.data(), text.size());
    size_ = static_cast<std::uint8_t>(text.size());
    return *this;
  }

  std::string_view view() const { return {bytes_.data(), size_}; }
  operator std::string_view() const { return view(); }
  std::string str() const { return std::string(view()); }

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  char operator[](std::size_t i) const { return bytes_[i]; }

  friend bool operator==(const ShortText& a, const ShortText& b) { return a.view() == b.view(); }
  friend bool operator==(const ShortText& a, std::string_view b) { return a.view() == b; }
  friend std::strong_ordering operator<=>(const ShortText& a, const ShortText& b) {
    return a.view() <=> b.view();
  }
  friend std::ostream& operator<<(std::ostream& out, const ShortText& text) {
    return out << text.view();
  }

 private:
  std::array<char, Capacity> bytes_{};
  std::uint8_t size_ = 0;
};

// Train codes (four Shift-JIS bytes on the Shinkansen, five on the Keiyo
// line) and vehicle marks ("N", "RS", ...).
using TrainCode = ShortText<15>;
using VehicleMark = ShortText<7>;

}  // namespace vorlash
