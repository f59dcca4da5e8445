#include <gtest/gtest.h>

#include <cmath>

#include "text/date.h"
#include "text/fullwidth.h"
#include "text/number_format.h"
#include "text/numeric.h"
#include "text/short_text.h"
#include "text/sjis.h"
#include "text/utf8.h"

namespace vorlash {
namespace {

TEST(ShiftJis, RoundTripsJapaneseAndHalfWidthKana) {
  std::string const text = "東海道・山陽新幹線 ｶﾚﾝﾀﾞｰ ～ \\10,000 ①";
  std::string sjis, back;
  ASSERT_TRUE(utf8_to_sjis(text, sjis).ok());
  EXPECT_EQ(static_cast<unsigned char>(sjis[0]), 0x93);  // 東 = 0x93 0x8C
  ASSERT_TRUE(sjis_to_utf8(sjis, back).ok());
  EXPECT_EQ(back, text);
}

TEST(ShiftJis, RefusesWhatCodePage932CannotHold) {
  std::string out = "old";
  Status const st = utf8_to_sjis("abc😀def", out);
  EXPECT_FALSE(st.ok());
  EXPECT_NE(st.error.find("😀"), std::string::npos);
  EXPECT_TRUE(out.empty());
  EXPECT_FALSE(fits_cp932("♪☺"));
  EXPECT_TRUE(fits_cp932("～"));
}

TEST(ShiftJis, RejectsBrokenBytes) {
  std::string out;
  EXPECT_FALSE(sjis_to_utf8(std::string("\x93", 1), out).ok());  // lead byte cut off
  EXPECT_FALSE(sjis_to_utf8(std::string("\x81\x20", 2), out).ok());
  // The place named is counted from the start, past a plain ASCII prefix.
  Status const st = sjis_to_utf8(std::string("N700\x81\x20", 6), out);
  EXPECT_NE(st.error.find('4'), std::string::npos) << st.error;
  EXPECT_TRUE(out.empty());
}

// Plain ASCII, short texts and texts longer than any name all convert alike.
TEST(ShiftJis, ConvertsTextsOfEveryLength) {
  std::string long_text;
  for (int i = 0; i < 300; ++i) long_text += i % 3 == 0 ? "A" : "新幹線";
  for (std::string const& text : {std::string(), std::string("N700 "), std::string("ひかり1号"),
                                  std::string("700系のぞみ"), long_text}) {
    std::string sjis, back = "stale";
    ASSERT_TRUE(utf8_to_sjis(text, sjis).ok());
    ASSERT_TRUE(sjis_to_utf8(sjis, back).ok());
    EXPECT_EQ(back, text);
  }
}

TEST(ShortText, HoldsUpToItsCapacityAndComparesAsText) {
  TrainCode a, b;
  a = "K12";
  b = "ｶﾞｷﾞ ";  // 13 bytes
  EXPECT_EQ(a, "K12");
  EXPECT_LT(a, b);
  EXPECT_EQ(b.size(), 13u);
  EXPECT_THROW(a = std::string(16, 'x'), std::length_error);
  EXPECT_EQ(a, "K12");
}

TEST(Utf8, CountsAndCutsByCharacters) {
  EXPECT_EQ(char_count("グリーン車料金"), 7);
  EXPECT_EQ(left_chars("東京駅", 2), "東京");
  EXPECT_EQ(right_chars("N123", 3), "123");
  EXPECT_EQ(mid_chars("あいうえお", 1, 2), "いう");
  EXPECT_EQ(fit_chars("A", 8), "A       ");
  EXPECT_EQ(fit_chars("★★★★★★★★★", 8), "★★★★★★★★");
  EXPECT_EQ(trim("  東京　 "), "東京　");  // a full-width blank is text
  EXPECT_EQ(crlf_to_lf("a\r\nb\rc"), "a\nb\rc");
}

TEST(FullWidth, ConvertsDigitsPunctuationAndBlank) {
  EXPECT_EQ(to_fullwidth("12:34"), "１２：３４");
  EXPECT_EQ(to_fullwidth("13,440"), "１３，４４０");
  EXPECT_EQ(to_fullwidth("N 1"), "Ｎ　１");
  EXPECT_EQ(to_fullwidth("東"), "東");
}

TEST(FullWidth, BackToHalfWidthLeavesOtherTextAlone) {
  EXPECT_EQ(to_halfwidth("１０"), "10");
  EXPECT_EQ(to_halfwidth("￥１０，０００"), "\\10,000");
  EXPECT_EQ(to_halfwidth("０３－１２３４　Ａｚ～"), "03-1234 Az~");
  EXPECT_EQ(to_halfwidth("東京ーあ10"), "東京ーあ10");  // the long vowel mark is text
  EXPECT_EQ(to_halfwidth("\xEF\xBC"), "\xEF\xBC");      // a cut sequence stays
  EXPECT_EQ(to_halfwidth(to_fullwidth("12:34 N")), "12:34 N");
}

TEST(NumberFormat, Pictures) {
  EXPECT_EQ(format_hhmm(605), "06:05");
  EXPECT_EQ(format_hhmm(0), "00:00");
  EXPECT_EQ(format_hhmm(2359), "23:59");
  EXPECT_EQ(format_number(1, "000"), "001");
  EXPECT_EQ(format_number(1005, "000"), "1005");
  EXPECT_EQ(format_number(5, "00"), "05");
  EXPECT_EQ(format_number(0, "#0"), "0");
  EXPECT_EQ(format_number(0, "##"), "");
  EXPECT_EQ(format_number(7, "##"), "7");
  EXPECT_EQ(format_number(0, "##0"), "0");
  EXPECT_EQ(format_number(0, "####"), "");
  EXPECT_EQ(format_number(1103, "####"), "1103");
  EXPECT_EQ(format_number(-12, "###0"), "-12");
  EXPECT_EQ(format_number(13440, "##,###"), "13,440");
  EXPECT_EQ(format_number(0, "##,###"), "");
  EXPECT_EQ(format_number(980, "##,###"), "980");
  EXPECT_EQ(format_number(123456, "###,###"), "123,456");
  EXPECT_EQ(format_number(1234567, "###,###"), "1,234,567");
}

TEST(Numeric, LeadingNumberAndRounding) {
  EXPECT_EQ(leading_number("  12abc"), 12);
  EXPECT_EQ(leading_number("abc"), 0);
  EXPECT_EQ(leading_number("-3.5x"), -3.5);
  // Whole numbers are added up directly up to 15 digits, then left to strtod.
  EXPECT_EQ(leading_number("+007"), 7);
  EXPECT_TRUE(std::signbit(leading_number("-0")));
  EXPECT_EQ(leading_number("999999999999999"), 999999999999999.0);
  EXPECT_EQ(leading_number("-12345678901234567"), -12345678901234567.0);
  EXPECT_EQ(round_half_even(2.5), 2);
  EXPECT_EQ(round_half_even(3.5), 4);
  EXPECT_EQ(round_half_even(-2.5), -2);
  EXPECT_EQ(parse_number(" 12 "), 12);
  EXPECT_FALSE(parse_number("12a"));
  EXPECT_FALSE(parse_number(""));
  EXPECT_EQ(parse_int16("32767"), 32767);
  EXPECT_FALSE(parse_int16("32768"));
  EXPECT_EQ(parse_int16("0.5"), 0);
}

TEST(Dates, DayNumbersWeekdaysAndTexts) {
  int const dn = day_number(2000, 3, 11);
  EXPECT_EQ(dn, 36596);
  EXPECT_EQ(weekday_of(dn), 7);                      // Saturday
  EXPECT_EQ(weekday_of(day_number(2000, 1, 2)), 1);  // Sunday
  CivilDate const c = civil_date(dn + 20);
  EXPECT_EQ(c.year, 2000);
  EXPECT_EQ(c.month, 3);
  EXPECT_EQ(c.day, 31);
  EXPECT_EQ(format_date_jp(dn), "2000/03/11（土）");
  EXPECT_EQ(format_date_paren(dn), "2000/03/11 (土)");
  EXPECT_EQ(format_weekday_paren(dn), "(土)");
  EXPECT_FALSE(is_leap_year(1900));
  EXPECT_TRUE(is_leap_year(2000));
  EXPECT_TRUE(is_leap_year(2004));
  EXPECT_EQ(month_length(2001, 2), 28);
  EXPECT_EQ(month_length(2000, 13), 0);
}

TEST(Dates, TimeOfDaySurvivesTheFraction) {
  int h = 0, m = 0, s = 0;
  split_time_of_day(time_of_day(14, 5, 0), h, m, s);
  EXPECT_EQ(h * 10000 + m * 100 + s, 140500);
  EXPECT_EQ(format_hh_mm(time_of_day(1, 24, 1)), "01:24");
}

}  // namespace
}  // namespace vorlash
