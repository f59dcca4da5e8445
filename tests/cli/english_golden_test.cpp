// vorlash-cli in English on the sample data of the three Editions, against
// golden files in tests/cli/golden_en/ (VORLASH_UPDATE_GOLDEN=1 rewrites
// them); and "--lang ja" leaves the Japanese output as it was.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/cli_run.h"

namespace {

namespace fs = std::filesystem;

struct Golden {
  int edition;
  const char* name;       // golden file: edition<N>_<name>.txt
  const char* arguments;  // after vorlash-cli, before --dir and --at
};

constexpr Golden kGoldens[] = {
    {1, "board", "board"},
    {1, "timetable", "timetable shinkansen"},
    {1, "stops", "stops shinkansen 1"},
    {1, "search", "search --from Tokyo --to shin-osaka --dep 10:00-11:00"},
    {1, "hotels", "hotels Tokyo/Haneda"},
    {2, "board", "board"},
    {2, "timetable", "timetable shinkansen"},
    {2, "stops", "stops shinkansen 1"},
    {2, "search", "search --from 東京 --to Morioka --dep 10:00-11:00"},
    {2, "hotels", "hotels Sendai"},
    {3, "board", "board"},
    {3, "timetable", "timetable keiyo"},
    {3, "stops", "stops keiyo 1"},
    {3, "search", "search --from Tokyo --to Niigata --dep 10:00-11:00"},
    {3, "hotels", "hotels Niigata --district Furumachi"},
};

std::string edition_folder(int edition) {
  if (edition == 1) return VORLASH_SAMPLE_DIR;
  return (fs::path(VORLASH_SAMPLE_DIR).parent_path() / ("edition" + std::to_string(edition)))
      .string();
}

vorlash::test::CliRun run(Golden const& g, const char* lang) {
  return vorlash::test::run_shell(vorlash::test::cli_path() + lang + " " + g.arguments +
                                  " --dir \"" + edition_folder(g.edition) +
                                  "\" --at \"2000-03-15 10:00\" 2>&1");
}

class EnglishGolden : public ::testing::TestWithParam<Golden> {
 protected:
  void SetUp() override {
    VORLASH_SKIP_CLI_ON_WINDOWS();
    if (!fs::exists(fs::path(edition_folder(GetParam().edition)) / "vorlashj.dat"))
      FAIL() << "missing file: vorlashj.dat in " << edition_folder(GetParam().edition);
  }
};

TEST_P(EnglishGolden, MatchesItsGoldenFile) {
  Golden const& g = GetParam();
  auto const english = run(g, " --lang en");
  ASSERT_EQ(english.status, 0) << english.out;
  fs::path const file = fs::path(VORLASH_SOURCE_DIR) / "tests/cli/golden_en" /
                        ("edition" + std::to_string(g.edition) + "_" + g.name + ".txt");
  if (std::getenv("VORLASH_UPDATE_GOLDEN")) std::ofstream(file, std::ios::binary) << english.out;
  std::ifstream in(file, std::ios::binary);
  std::stringstream golden;
  golden << in.rdbuf();
  EXPECT_EQ(english.out, golden.str()) << file;
}

TEST_P(EnglishGolden, JapaneseIsTheDefaultAndUnchangedByLangJa) {
  Golden const& g = GetParam();
  auto const plain = run(g, "");
  auto const japanese = run(g, " --lang ja");
  EXPECT_EQ(plain.status, japanese.status);
  EXPECT_EQ(plain.out, japanese.out);
  EXPECT_NE(plain.out, run(g, " --lang en").out);
}

TEST(EnglishLocale, AnEnglishLocaleSpeaksEnglishUnlessToldOtherwise) {
  VORLASH_SKIP_CLI_ON_WINDOWS();
  Golden const& g = kGoldens[0];
  auto const in = [&](const char* locale, const char* lang) {
    return vorlash::test::run_shell("LC_ALL=" + std::string(locale) + " \"" + VORLASH_CLI + "\"" +
                                    lang + " " + g.arguments + " --dir \"" + edition_folder(1) +
                                    "\" --at \"2000-03-15 10:00\" 2>&1")
        .out;
  };
  EXPECT_EQ(in("en_US.UTF-8", ""), run(g, " --lang en").out);
  EXPECT_EQ(in("en_US.UTF-8", " --lang ja"), run(g, "").out);
  EXPECT_EQ(in("ja_JP.UTF-8", ""), run(g, "").out);
}

INSTANTIATE_TEST_SUITE_P(Editions, EnglishGolden, ::testing::ValuesIn(kGoldens),
                         [](auto const& info) {
                           return "edition" + std::to_string(info.param.edition) + "_" +
                                  info.param.name;
                         });

}  // namespace
