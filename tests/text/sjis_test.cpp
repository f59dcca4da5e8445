#include "text/sjis.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace vorlash {
namespace {

std::string utf8_of(char32_t cp) {
  std::string s;
  if (cp < 0x80) {
    s += static_cast<char>(cp);
  } else if (cp < 0x800) {
    s += static_cast<char>(0xC0 | (cp >> 6));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    s += static_cast<char>(0xE0 | (cp >> 12));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (cp >> 18));
    s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return s;
}

std::string bytes_of(unsigned code) {
  std::string s;
  if (code > 0xFF) s += static_cast<char>(code >> 8);
  s += static_cast<char>(code & 0xFF);
  return s;
}

// What the user's input methods type for characters of the code page: written
// as those characters, never read back as them.
struct TypedAlias {
  char32_t typed;
  unsigned written;
};
constexpr TypedAlias kTypedAliases[] = {
    {0x301C, 0x8160}, {0x2016, 0x8161}, {0x2212, 0x817C}, {0x00A2, 0x8191},
    {0x00A3, 0x8192}, {0x00AC, 0x81CA}, {0x00A5, 0x5C},
};

// The mapping the program's files have always used (tests/text/cp932_golden.txt).
struct Golden {
  std::map<unsigned, char32_t> reads;   // byte sequence -> code point
  std::map<char32_t, unsigned> writes;  // code point -> byte sequence
};

Golden load_golden() {
  Golden g;
  std::ifstream in(VORLASH_SOURCE_DIR "/tests/text/cp932_golden.txt");
  std::map<char32_t, int> sources;
  std::map<char32_t, unsigned> chosen;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string a, b, c;
    fields >> a >> b >> c;
    if (a == "W") {
      chosen[static_cast<char32_t>(std::stoul(b, nullptr, 16))] = std::stoul(c, nullptr, 16);
    } else {
      auto const code = static_cast<unsigned>(std::stoul(a, nullptr, 16));
      auto const cp = static_cast<char32_t>(std::stoul(b, nullptr, 16));
      g.reads[code] = cp;
      g.writes[cp] = code;
      ++sources[cp];
    }
  }
  for (auto const& [cp, n] : sources) {
    if (n > 1) {
      EXPECT_TRUE(chosen.count(cp)) << std::hex << "U+" << static_cast<unsigned>(cp);
      g.writes[cp] = chosen[cp];
    }
  }
  return g;
}

TEST(ShiftJis, ReadsEveryByteSequenceAsTheFilesAlwaysDid) {
  Golden const g = load_golden();
  ASSERT_GT(g.reads.size(), 9000u);
  std::string out;
  for (unsigned code = 0; code <= 0xFFFF; ++code) {
    bool const single = code <= 0xFF;
    if (!single && g.reads.count(code >> 8)) continue;  // a readable byte then another
    auto const want = g.reads.find(code);
    bool const ok = sjis_to_utf8(bytes_of(code), out).ok();
    if (want == g.reads.end()) {
      EXPECT_FALSE(ok) << std::hex << code;
    } else {
      ASSERT_TRUE(ok) << std::hex << code;
      EXPECT_EQ(out, utf8_of(want->second)) << std::hex << code;
    }
  }
}

TEST(ShiftJis, WritesEveryCharacterAsTheFilesAlwaysDid) {
  Golden const g = load_golden();
  std::map<char32_t, unsigned> typed;
  for (auto const& a : kTypedAliases) typed[a.typed] = a.written;
  std::string out;
  for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    bool const ok = utf8_to_sjis(utf8_of(cp), out).ok();
    auto want = g.writes.find(cp);
    if (want == g.writes.end()) want = typed.find(cp);
    if (want == typed.end()) {
      EXPECT_FALSE(ok) << std::hex << "U+" << static_cast<unsigned>(cp);
    } else {
      ASSERT_TRUE(ok) << std::hex << "U+" << static_cast<unsigned>(cp);
      EXPECT_EQ(out, bytes_of(want->second)) << std::hex << "U+" << static_cast<unsigned>(cp);
    }
  }
}

TEST(ShiftJis, TypedCharactersAreWrittenAsTheCodePagesOwn) {
  for (auto const& a : kTypedAliases) {
    std::string sjis, back;
    ASSERT_TRUE(utf8_to_sjis("a" + utf8_of(a.typed) + "b", sjis).ok());
    EXPECT_EQ(sjis, "a" + bytes_of(a.written) + "b");
    ASSERT_TRUE(sjis_to_utf8(sjis, back).ok());
    EXPECT_NE(back, "a" + utf8_of(a.typed) + "b");
  }
  std::string sjis;
  ASSERT_TRUE(utf8_to_sjis("¥5,000〜", sjis).ok());
  EXPECT_EQ(sjis,
            "\x5C"
            "5,000\x81\x60");
}

TEST(ShiftJis, RefusesBrokenUtf8NamingIt) {
  for (std::string const bad :
       {"\xC0\xAF", "\xE3\x81", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"}) {
    std::string out = "old";
    Status const st = utf8_to_sjis("ab" + bad, out);
    EXPECT_FALSE(st.ok());
    EXPECT_TRUE(out.empty());
    EXPECT_NE(st.error.find("は Shift-JIS で書けません"), std::string::npos);
  }
}

}  // namespace
}  // namespace vorlash
