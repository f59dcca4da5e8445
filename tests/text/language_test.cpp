// Choosing the language: the option, the remembered choice, the locale, and
// texts and place names following the choice.
#include "text/language.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/language_choice.h"
#include "text/date.h"
#include "text/names.h"

namespace vorlash {
namespace {

// Restores Japanese after each test: the language is process-wide.
class LanguageTest : public ::testing::Test {
 protected:
  void TearDown() override { set_language(Language::ja); }
};

TEST_F(LanguageTest, LocaleNamesEnglishOnlyForEn) {
  struct Case {
    const char* all;
    const char* messages;
    const char* lang;
    Language want;
  };
  for (auto const& c : {Case{"", "", "en_US.UTF-8", Language::en},
                        Case{"", "", "ja_JP.UTF-8", Language::ja}, Case{"", "", "C", Language::ja},
                        Case{"", "", "", Language::ja}, Case{"", "", "de_DE.UTF-8", Language::ja},
                        Case{"ja_JP.UTF-8", "", "en_GB.UTF-8", Language::ja},
                        Case{"", "en_GB.UTF-8", "ja_JP.UTF-8", Language::en},
                        Case{"C", "en_US.UTF-8", "en_US.UTF-8", Language::ja}}) {
    EXPECT_EQ(language_from_locale(c.all, c.messages, c.lang), c.want)
        << c.all << "|" << c.messages << "|" << c.lang;
  }
}

TEST_F(LanguageTest, OptionBeatsRememberedWhichBeatsLocale) {
  EXPECT_EQ(chosen_language(Language::ja, Language::en, Language::en), Language::ja);
  EXPECT_EQ(chosen_language(std::nullopt, Language::en, Language::ja), Language::en);
  EXPECT_EQ(chosen_language(std::nullopt, std::nullopt, Language::en),
            kLocalePicksLanguage ? Language::en : Language::ja);
  EXPECT_EQ(chosen_language(std::nullopt, std::nullopt, Language::ja), Language::ja);
  EXPECT_EQ(parse_language("en"), Language::en);
  EXPECT_EQ(parse_language("EN"), std::nullopt);
  const char* argv[] = {"vorlash", "--edition", "2", "--lang=en"};
  EXPECT_EQ(lang_option(4, argv), "en");
  const char* bare[] = {"vorlash", "--lang"};
  EXPECT_EQ(lang_option(2, bare), "");
  EXPECT_EQ(lang_option(1, bare), std::nullopt);
}

TEST_F(LanguageTest, RememberedChoiceLivesInTheUsersConfigFolder) {
  namespace fs = std::filesystem;
  fs::path const home = fs::temp_directory_path() / "vorlash_language_test";
  fs::remove_all(home);
  UserEnvironment env;
  env.home = home.string();
  env.appdata = (home / "AppData").string();
  EXPECT_EQ(remembered_language(env), std::nullopt);
  ASSERT_TRUE(remember_language(env, Language::en));
  EXPECT_EQ(remembered_language(env), Language::en);
  ASSERT_TRUE(remember_language(env, Language::ja));
  EXPECT_EQ(remembered_language(env), Language::ja);
  fs::remove_all(home);
}

TEST_F(LanguageTest, TextsDatesAndNamesFollowTheLanguage) {
  constexpr Text kSample{"急げ!!", "Hurry!!"};
  int const day = day_number(2026, 12, 8);
  EXPECT_EQ(std::string_view(kSample), "急げ!!");
  EXPECT_EQ(format_date_jp(day), "2026/12/08（火）");
  EXPECT_EQ(shown_name("新大阪"), "新大阪");
  set_language(Language::en);
  EXPECT_EQ(std::string_view(kSample), "Hurry!!");
  EXPECT_EQ(format_date_jp(day), "2026-12-08 (Tue)");
  EXPECT_EQ(format_weekday_paren(day), "(Tue)");
  EXPECT_EQ(shown_name("新大阪"), "Shin-Osaka");
  EXPECT_EQ(shown_name("名もない駅"), "名もない駅");  // missing: shown as written
  // Typed names, in either language, become the data's names.
  for (auto typed : {"Shin-Osaka", "shin osaka", "SHINOSAKA", "新大阪"})
    EXPECT_EQ(data_name(typed), "新大阪") << typed;
  EXPECT_EQ(data_name("Atlantis"), "Atlantis");
}

}  // namespace
}  // namespace vorlash
