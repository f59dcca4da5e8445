#include "settings/settings_form.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace vorlash {
namespace {

// Keiyo table 1 with its eleven stations (position 8 is the branch
// terminus) and a down-direction Shinkansen list of 17 rows where 名古屋 is
// listed twice (arrival row 3, departure-only row 4).
std::unique_ptr<AppState> make_state(int edition = 1) {
  auto state = std::make_unique<AppState>();
  state->edition = edition;
  char const* const keiyo[] = {"東京",   "八丁堀",   "新木場",   "葛西臨海公園", "舞浜", "新浦安",
                               "南船橋", "新習志野", "海浜幕張", "千葉みなと",   "蘇我"};
  for (int p = 1; p <= 11; ++p) state->keiyo.station[1][p] = keiyo[p - 1];
  state->keiyo.station_count[1] = 11;

  auto& tab = state->sinkansen;
  std::pair<char const*, int> const rows[] = {{"東京", 0},   {"新横浜", 0}, {"名古屋", 1},
                                              {"名古屋", 2}, {"京都", 0},   {"新大阪", 0}};
  for (int r = 1; r <= 6; ++r) {
    tab.station[1][r] = rows[r - 1].first;
    tab.row_kind[1][r] = rows[r - 1].second;
  }
  for (int r = 7; r <= 17; ++r) tab.station[1][r] = "駅" + std::to_string(r);
  tab.station_count[1] = 17;

  state->keiyo_line = LineSettings{1, "  海浜幕張 ", 15, 5, 0};
  state->sinkansen_line = LineSettings{1, "新横浜", 20, 10, 3};
  state->keiyo_use = 1;
  state->control2_flg = 1;
  state->control3_flg = 2;
  return state;
}

TEST(SettingsForm, FillsFromAppState) {
  auto state = make_state();
  auto form = fill_settings_form(*state);
  EXPECT_EQ(form.text[kKeiyoStationField], "海浜幕張");
  EXPECT_EQ(form.text[kKeiyoNormalField], "15");
  EXPECT_EQ(form.text[kSinkansenCountField], "3");
  EXPECT_TRUE(form.keiyo_down);
  EXPECT_TRUE(form.save_on_exit);
  EXPECT_EQ(form.hotel_sort, 2);
  EXPECT_TRUE(form.keiyo_display);

  // Values outside the options select the fallback option of each group.
  state->sinkansen_line.flg = 0;
  state->control2_flg = 2;
  state->control3_flg = 7;
  state->keiyo_use = 2;
  form = fill_settings_form(*state);
  EXPECT_FALSE(form.sinkansen_down);
  EXPECT_FALSE(form.save_on_exit);
  EXPECT_EQ(form.hotel_sort, 0);
  EXPECT_FALSE(form.keiyo_display);
}

struct StationCase {
  int field;
  char const* text;
  bool down;
  bool passes;
  char const* message;
};

TEST(SettingsForm, StationChecks) {
  auto const state = make_state();
  StationCase const cases[] = {
      {kKeiyoStationField, " 舞浜 ", true, true, ""},
      {kKeiyoStationField, "蘇我", true, false, "終着駅は指定できません"},
      {kKeiyoStationField, "蘇我", false, true, ""},
      {kKeiyoStationField, "東京", false, false, "始発駅は指定できません"},
      {kKeiyoStationField, "東京", true, true, ""},
      {kKeiyoStationField, "新習志野", true, false, ""},
      {kKeiyoStationField, "大阪", true, false, ""},
      {kKeiyoStationField, "", false, false, ""},
      {kSinkansenStationField, "新横浜", true, true, ""},
      {kSinkansenStationField, "名古屋", true, true, ""},  // the arrival row
      {kSinkansenStationField, "駅17", true, false, "終着駅は指定できません"},
      {kSinkansenStationField, "駅17", false, true, ""},
      {kSinkansenStationField, "東京", false, false, "始発駅は指定できません"},
      {kSinkansenStationField, "駅16", true, true, ""},  // only Edition 2 ends there
      {kSinkansenStationField, "博多", true, false, ""},
  };
  for (auto const& c : cases) {
    SCOPED_TRACE(c.text);
    auto form = fill_settings_form(*state);
    form.keiyo_down = form.sinkansen_down = c.down;
    form.message = "前のメッセージ";
    form.text[c.field] = c.text;
    EXPECT_EQ(check_settings_field(form, *state, c.field), c.passes);
    EXPECT_EQ(form.message, c.message);
  }
}

TEST(SettingsForm, StationRowKindTwoAndEditionTermini) {
  auto state = make_state(2);
  // A station listed only as a departure row is not offered.
  state->sinkansen.station[1][4] = "岐阜羽島";
  auto form = fill_settings_form(*state);
  form.text[kSinkansenStationField] = "岐阜羽島";
  EXPECT_FALSE(check_settings_field(form, *state, kSinkansenStationField));

  form.text[kSinkansenStationField] = "駅16";
  EXPECT_FALSE(check_settings_field(form, *state, kSinkansenStationField));
  EXPECT_EQ(form.message, "終着駅は指定できません");
  form.sinkansen_down = false;
  EXPECT_TRUE(check_settings_field(form, *state, kSinkansenStationField));

  state->edition = 3;
  form.sinkansen_down = true;
  form.text[kSinkansenStationField] = "駅11";
  EXPECT_FALSE(check_settings_field(form, *state, kSinkansenStationField));
  EXPECT_EQ(form.message, "終着駅は指定できません");
}

TEST(SettingsForm, KeiyoStationWithoutKeiyoTables) {
  auto state = make_state();
  state->keiyo.station_count[1] = 0;
  auto form = fill_settings_form(*state);
  form.text[kKeiyoStationField] = "どこでも";
  EXPECT_TRUE(check_settings_field(form, *state, kKeiyoStationField));
  EXPECT_EQ(form.text[kKeiyoStationField], "海浜幕張");
}

TEST(SettingsForm, MinuteAndCountChecks) {
  auto const state = make_state();
  struct Case {
    char const* normal;
    char const* hurry;
    bool normal_passes;
    bool hurry_passes;
  };
  Case const cases[] = {
      {"", "", true, true},         // both empty become 0
      {"5", "7", true, false},      // hurrying takes longer than walking
      {"5", "5", true, false},      // and must be strictly shorter
      {"7", "0", true, true},       // 0: no hurry limit
      {"2", "0", true, true},       //
      {"-1", "-3", false, true},    // a negative hurry value is only compared
      {" 12 ", "3.5", true, true},  // blanks and fractions are numbers
      {"1a", "x", false, false},
  };
  for (auto const& c : cases) {
    SCOPED_TRACE(std::string(c.normal) + "/" + c.hurry);
    for (int const first : {kKeiyoNormalField, kSinkansenNormalField}) {
      auto form = fill_settings_form(*state);
      form.text[first] = c.normal;
      form.text[first + 1] = c.hurry;
      EXPECT_EQ(check_settings_field(form, *state, first), c.normal_passes);
      EXPECT_EQ(check_settings_field(form, *state, first + 1), c.hurry_passes);
    }
  }
  auto form = fill_settings_form(*state);
  form.text[kKeiyoCountField] = " ";
  EXPECT_TRUE(check_settings_field(form, *state, kKeiyoCountField));
  EXPECT_EQ(form.text[kKeiyoCountField], "0");
  form.text[kSinkansenCountField] = "-2";
  EXPECT_FALSE(check_settings_field(form, *state, kSinkansenCountField));
}

TEST(SettingsForm, EnterOrder) {
  int const expected[] = {0, 2, 3, 4, kSettingsOkButton, 6, 7, 8, 1};
  for (int field = 1; field <= kSettingsFieldCount; ++field)
    EXPECT_EQ(next_settings_field(field), expected[field]) << field;
}

TEST(SettingsForm, AcceptStopsAtTheFirstFailingField) {
  auto state = make_state();
  auto const before = state->sinkansen_line;
  auto form = fill_settings_form(*state);
  form.text[kSinkansenStationField] = "駅9";
  form.text[kSinkansenHurryField] = "30";  // fails, normal is 20
  form.text[kSinkansenCountField] = "-1";  // fails too, but later
  auto const result = accept_settings(form, *state);
  EXPECT_EQ(result.outcome, SettingsOutcome::rejected);
  EXPECT_EQ(result.focus, kSinkansenHurryField);
  EXPECT_EQ(state->sinkansen_line.station, before.station);
  EXPECT_EQ(state->sinkansen_line.hun2, before.hun2);
}

TEST(SettingsForm, AcceptStoresRoundedValuesAndSkipsOverflow) {
  auto state = make_state();
  auto form = fill_settings_form(*state);
  form.keiyo_down = false;
  form.text[kKeiyoStationField] = " 南船橋 ";
  form.text[kKeiyoNormalField] = "40000";  // does not fit 16 bits: kept at 15
  form.text[kKeiyoHurryField] = "2.5";     // half to even: 2
  form.text[kKeiyoCountField] = "3.5";     // half to even: 4
  form.sinkansen_down = false;
  form.text[kSinkansenStationField] = "京都";
  form.text[kSinkansenNormalField] = "32767";
  form.text[kSinkansenHurryField] = "";
  form.text[kSinkansenCountField] = "99999.6";  // kept at 3
  form.save_on_exit = false;
  form.hotel_sort = 0;
  form.keiyo_display = false;

  auto const result = accept_settings(form, *state);
  EXPECT_EQ(result.outcome, SettingsOutcome::stored);
  auto const& k = state->keiyo_line;
  EXPECT_EQ(k.flg, 2);
  EXPECT_EQ(k.station, "南船橋");
  EXPECT_EQ(k.hun1, 15);
  EXPECT_EQ(k.hun2, 2);
  EXPECT_EQ(k.hyouji, 4);
  auto const& s = state->sinkansen_line;
  EXPECT_EQ(s.flg, 2);
  EXPECT_EQ(s.station, "京都");
  EXPECT_EQ(s.hun1, 32767);
  EXPECT_EQ(s.hun2, 0);
  EXPECT_EQ(s.hyouji, 3);
  EXPECT_EQ(state->control2_flg, 0);
  EXPECT_EQ(state->control3_flg, 0);
  EXPECT_EQ(state->keiyo_use, 0);
}

TEST(SettingsForm, SwitchingTheKeiyoDisplayOnAsksForARestart) {
  auto state = make_state();
  state->keiyo_use = 0;
  state->keiyo.station_count[1] = 0;  // not loaded in this run
  auto form = fill_settings_form(*state);
  EXPECT_FALSE(form.keiyo_display);
  form.keiyo_display = true;
  form.text[kKeiyoStationField] = "東京";
  form.text[kSinkansenNormalField] = "25";
  auto const result = accept_settings(form, *state);
  EXPECT_EQ(result.outcome, SettingsOutcome::restart);
  EXPECT_EQ(state->keiyo_use, 1);
  // The values before the Keiyo display step are stored all the same.
  EXPECT_EQ(state->keiyo_line.station, "海浜幕張");
  EXPECT_EQ(state->sinkansen_line.hun1, 25);

  // Already on (any nonzero value): stays on as 1, no restart.
  state->keiyo_use = 5;
  form = fill_settings_form(*state);
  form.keiyo_display = true;
  EXPECT_EQ(accept_settings(form, *state).outcome, SettingsOutcome::stored);
  EXPECT_EQ(state->keiyo_use, 1);
}

}  // namespace
}  // namespace vorlash
