// Every user-visible text has English: a string literal with Japanese in it
// anywhere under src/ must open a {"日本語", "English"} pair whose English has
// no Japanese. Data the program compares or writes (file names, region
// prefixes) carry the comment "data text: not translated" on their line; an
// English text left empty on purpose carries "nothing in English".
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Japanese script, full-width forms and CJK punctuation (U+3000..U+9FFF,
// U+FF00..U+FFEF), told by their UTF-8 lead bytes.
bool has_japanese(std::string const& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto const b = static_cast<unsigned char>(text[i]);
    if (b >= 0xE3 && b <= 0xE9) return true;
    if (b == 0xEF && i + 1 < text.size()) {
      auto const b2 = static_cast<unsigned char>(text[i + 1]);
      if (b2 >= 0xBC && b2 <= 0xBF) return true;
    }
  }
  return false;
}

struct Literal {
  std::size_t begin;  // offset of the opening quote of the first piece
  std::size_t end;    // offset past the closing quote of the last piece
  std::string text;   // the pieces joined, escapes left as written
  int line;
};

// The string literals of a C++ source, adjacent pieces joined, comments and
// character literals skipped.
std::vector<Literal> literals(std::string const& src) {
  std::vector<Literal> out;
  int line = 1;
  std::size_t i = 0;
  auto skip_quoted = [&](char quote, std::string* text) {
    ++i;
    while (i < src.size() && src[i] != quote) {
      if (src[i] == '\\') {
        if (text) *text += src.substr(i, 2);
        i += 2;
        continue;
      }
      if (text) *text += src[i];
      ++i;
    }
    ++i;
  };
  while (i < src.size()) {
    if (src.compare(i, 2, "//") == 0) {
      i = src.find('\n', i);
      if (i == std::string::npos) break;
    } else if (src.compare(i, 2, "/*") == 0) {
      std::size_t const end = src.find("*/", i);
      for (; i < end; ++i) line += src[i] == '\n';
      i += 2;
    } else if (src[i] == '\'') {
      skip_quoted('\'', nullptr);
    } else if (src[i] == '"') {
      bool const joins = !out.empty() && src.find_first_not_of(" \t\r\n", out.back().end) == i;
      if (!joins) out.push_back({i, i, "", line});
      skip_quoted('"', &out.back().text);
      out.back().end = i;
    } else {
      line += src[i] == '\n';
      ++i;
    }
  }
  return out;
}

std::string line_of(std::string const& src, std::size_t at) {
  std::size_t const from = src.rfind('\n', at) + 1;
  return src.substr(from, src.find('\n', at) - from);
}

// The faults of one source file, one "file:line: text" each.
std::vector<std::string> untranslated(fs::path const& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  std::string const src = buffer.str();
  auto const lits = literals(src);
  std::vector<std::string> faults;
  for (std::size_t k = 0; k < lits.size(); ++k) {
    Literal const& ja = lits[k];
    if (!has_japanese(ja.text)) continue;
    if (line_of(src, ja.begin).find("data text: not translated") != std::string::npos) continue;
    std::size_t const comma = src.find_first_not_of(" \t\r\n", ja.end);
    bool const paired = comma != std::string::npos && src[comma] == ',' && k + 1 < lits.size() &&
                        src.find_first_not_of(" \t\r\n", comma + 1) == lits[k + 1].begin;
    std::string why;
    if (!paired) {
      why = "no English";
    } else if (has_japanese(lits[k + 1].text)) {
      why = "English has Japanese";
    } else if (lits[k + 1].text.empty() &&
               line_of(src, lits[k + 1].begin).find("nothing in English") == std::string::npos) {
      why = "English is empty";
    }
    if (paired) ++k;  // the English is no text of its own
    if (!why.empty())
      faults.push_back(file.string() + ":" + std::to_string(ja.line) + ": " + why + ": \"" +
                       ja.text + "\"");
  }
  return faults;
}

TEST(TextsHaveEnglish, EveryJapaneseLiteralUnderSrcHasItsEnglish) {
  std::vector<std::string> faults;
  for (auto const& entry : fs::recursive_directory_iterator(fs::path(VORLASH_SOURCE_DIR) / "src")) {
    auto const ext = entry.path().extension();
    if (ext != ".h" && ext != ".cpp") continue;
    for (auto& f : untranslated(entry.path())) faults.push_back(std::move(f));
  }
  std::string report;
  for (auto const& f : faults) report += f + "\n";
  EXPECT_TRUE(faults.empty()) << report;
}

TEST(TextsHaveEnglish, TheCheckFindsWhatItMustFind) {
  fs::path const file = fs::temp_directory_path() / "vorlash_texts_check.h";
  std::ofstream(file) << "// 日本語 in a comment is fine\n"
                         "inline constexpr Text kGood{\"良い\", \"Good\"};\n"
                         "inline constexpr std::string_view kBare = \"裸\";\n"
                         "inline constexpr Text kBoth{\"地域名\", \"地区名\"};\n"
                         "inline constexpr Text kEmpty{\"行目\", \"\"};\n"
                         "inline constexpr Text kMarked{\"行目\", \"\"};  // nothing in English\n"
                         "auto d = \"東京\";  // data text: not translated\n"
                         "inline constexpr Text kLong{\"長い\"\n    \"文\", \"long\" \" text\"};\n";
  auto const faults = untranslated(file);
  fs::remove(file);
  std::string all;
  for (auto const& f : faults) all += f + "\n";
  ASSERT_EQ(faults.size(), 3u) << all;
  EXPECT_NE(faults[0].find(":3: no English"), std::string::npos);
  EXPECT_NE(faults[1].find(":4: English has Japanese"), std::string::npos);
  EXPECT_NE(faults[2].find(":5: English is empty"), std::string::npos);
}

}  // namespace
