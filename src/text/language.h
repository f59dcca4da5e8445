// The language the program speaks, chosen once at start-up for the whole
// process, and the texts that come in each language. Every user-visible
// text is a Text in its subsystem's *_texts.h header:
//     inline constexpr Text kHurry{"急げ!!", "Hurry!!"};
// Japanese is the default and its texts are used exactly as written.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace vorlash {

enum class Language { ja, en };

// The process-wide language; Japanese until set_language() is called.
Language language() noexcept;
void set_language(Language lang) noexcept;

// A user-visible text in Japanese and in English. It reads as the current
// language's text wherever a std::string_view is wanted.
struct Text {
  std::string_view ja;
  std::string_view en;

  std::string_view get() const noexcept { return language() == Language::en ? en : ja; }
  operator std::string_view() const noexcept { return get(); }
  std::string str() const { return std::string(get()); }

  friend bool operator==(Text const& text, std::string_view other) noexcept {
    return text.get() == other;
  }
  friend std::ostream& operator<<(std::ostream& out, Text const& text) { return out << text.get(); }
};

inline std::string operator+(std::string left, Text const& right) {
  return left.append(right.get());
}
inline std::string operator+(Text const& left, std::string_view right) {
  return left.str().append(right);
}

// "ja" or "en" (an option's value); nullopt for anything else.
std::optional<Language> parse_language(std::string_view name);
std::string_view language_code(Language lang) noexcept;

// The language of a POSIX locale: the first non-empty of LC_ALL, LC_MESSAGES
// and LANG decides; English for "en…", Japanese for every other locale
// (Japanese, "C", and those the program has no texts for).
Language language_from_locale(std::string_view lc_all, std::string_view lc_messages,
                              std::string_view lang);

}  // namespace vorlash
