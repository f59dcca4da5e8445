#include "text/names.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "text/language.h"

namespace vorlash {

namespace {

struct NamePair {
  std::string_view ja;
  std::string_view en;
};

// Generated from data/names_en.tsv by the build.
constexpr NamePair kNames[] = {
#include "names_en.inc"
};

// Lower-case letters and digits only: "Shin-Osaka", "shin osaka" and
// "SHINOSAKA" all read "shinosaka".
std::string folded(std::string_view text) {
  std::string out;
  for (char const c : text) {
    if (c == '-' || c == ' ') continue;
    out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return out;
}

}  // namespace

std::string_view english_name(std::string_view japanese) {
  auto const it = std::find_if(std::begin(kNames), std::end(kNames),
                               [&](NamePair const& n) { return n.ja == japanese; });
  return it == std::end(kNames) ? std::string_view() : it->en;
}

std::string_view shown_name(std::string_view japanese) {
  if (language() != Language::en) return japanese;
  auto const en = english_name(japanese);
  return en.empty() ? japanese : en;
}

std::string data_name(std::string_view typed) {
  std::string const key = folded(typed);
  if (key.empty()) return std::string(typed);
  for (auto const& n : kNames) {
    if (folded(n.en) == key) return std::string(n.ja);
  }
  return std::string(typed);
}

}  // namespace vorlash
