// The Shinkansen search window without its widgets: the texts of its input
// boxes and option buttons, the check of every box, "検索開始" and the storing
// of the accepted conditions in AppState. The window calls these functions and
// moves the focus as they say.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "data/app_state.h"
#include "platform/clock.h"

namespace vorlash {

// Numbers of the input boxes; box 12 is the message line.
inline constexpr int kFieldBoarding = 1;
inline constexpr int kFieldDepFromHour = 2;
inline constexpr int kFieldDepFromMinute = 3;
inline constexpr int kFieldDepToHour = 4;
inline constexpr int kFieldDepToMinute = 5;
inline constexpr int kFieldAlighting = 6;
inline constexpr int kFieldArrFromHour = 7;
inline constexpr int kFieldArrFromMinute = 8;
inline constexpr int kFieldArrToHour = 9;
inline constexpr int kFieldArrToMinute = 10;
inline constexpr int kFieldWait = 11;
inline constexpr int kMessageLine = 12;
inline constexpr int kFieldYear = 13;
inline constexpr int kFieldMonth = 14;
inline constexpr int kFieldDay = 15;
// Focus target after Enter in the waiting-minutes box: the "検索開始" button.
inline constexpr int kFocusStartButton = 16;

// Option groups of the window.
inline constexpr int kOrderDeparture = 1;  // "発車時刻順"
inline constexpr int kOrderArrival = 2;    // "到着時刻順"
inline constexpr int kOrderRide = 3;       // "乗車時間順"

struct SearchForm {
  std::array<std::string, 16> text{};  // text[1..15]; text[12] is the message line
  int order = kOrderRide;
  int transfers = 1;          // 1 "１回", 2 "２回"
  bool one_per_train = true;  // "１列車あたり１件" (else "１列車あたり全件")
  std::string weekday_label;  // "(土)"
};

// The window as it opens: the last conditions from AppState, the planned date
// (or today's date from the clock when none was chosen in this run).
SearchForm fill_search_form(const AppState& state, const ClockReading& today);

// The check of one input box (1..11, 13..15), as Enter runs it. An empty hour
// or minute box first receives its default. The station checks write the
// message line; the date checks store plan_year, plan_month and plan_day.
// clock_year is the computer's current year. Returns whether the box passed.
bool check_field(SearchForm& form, AppState& state, int field, int clock_year);

// The box that gets the focus after Enter passed in `field`.
int next_field(int field);

// Rejects the station pairs the Edition cannot serve; sets the provisional
// cond.st_row and cond.ed_row. Writes "指定できない組み合わせです" on rejection.
bool check_station_combination(SearchForm& form, AppState& state);

// With two transfers the departure window may span at most two whole hours.
bool check_two_hour_rule(SearchForm& form);

// Answer of the two-transfer confirmation: true = OK, false = Cancel.
using ConfirmTwoTransfers = std::function<bool()>;

enum class StartOutcome { accepted, rejected, cancelled };

struct StartResult {
  StartOutcome outcome = StartOutcome::rejected;
  int focus = 0;  // the box to focus on rejection, else 0
};

// "検索開始": every check in order, then the storing of the conditions. On
// `accepted` the window opens the results window and closes.
StartResult start_search(SearchForm& form, AppState& state, int clock_year,
                         const ConfirmTwoTransfers& confirm);

// Stores the checked conditions (planned date, its day flags, stations, times,
// waiting time, transfers, combination). Returns false when the two-transfer
// confirmation was cancelled; the values stored up to then stay.
bool store_conditions(SearchForm& form, AppState& state, const ConfirmTwoTransfers& confirm);

// First row 1..station count of direction d with this name and one of the two
// row kinds; 0 when there is none.
int find_station_row(const AppState& state, int d, const std::string& name, int kind_a, int kind_b);

}  // namespace vorlash
