#include "text/language.h"

#include <atomic>

namespace vorlash {

namespace {
// Set once before any window or output exists; atomic so that loader
// threads reading texts never race with it.
std::atomic<Language> current{Language::ja};
}  // namespace

Language language() noexcept {
  return current.load(std::memory_order_relaxed);
}

void set_language(Language lang) noexcept {
  current.store(lang, std::memory_order_relaxed);
}

std::optional<Language> parse_language(std::string_view name) {
  if (name == "ja") return Language::ja;
  if (name == "en") return Language::en;
  return std::nullopt;
}

std::string_view language_code(Language lang) noexcept {
  return lang == Language::en ? "en" : "ja";
}

Language language_from_locale(std::string_view lc_all, std::string_view lc_messages,
                              std::string_view lang) {
  for (std::string_view value : {lc_all, lc_messages, lang}) {
    if (value.empty()) continue;
    return value.starts_with("en") ? Language::en : Language::ja;
  }
  return Language::ja;
}

}  // namespace vorlash
