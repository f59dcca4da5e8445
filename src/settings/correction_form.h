// The date/time correction window without its widgets: the texts of the six
// corrected fields, their checks, and the three ways out: "日時設定" sets the
// computer's clock, "一時設定" runs the program on a fixed offset from the
// clock, "取消終了" drops every correction.
//
// The checks keep the accepted parts in the form; AppState receives them
// together with the date they make (when the day check passes, and by the
// buttons), so the board's day type never mixes an entered month with the
// previous date.
#pragma once

#include <array>
#include <string>

#include "base/status.h"
#include "data/app_state.h"
#include "platform/clock.h"

namespace vorlash {

// The six fields of each group, in the order of checking and of Enter.
inline constexpr int kYearField = 1;
inline constexpr int kMonthField = 2;
inline constexpr int kDayField = 3;
inline constexpr int kHourField = 4;
inline constexpr int kMinuteField = 5;
inline constexpr int kSecondField = 6;
inline constexpr int kCorrectionFieldCount = 6;
// Focus target after Enter in the second field: the "一時設定" button.
inline constexpr int kTemporaryButton = 7;

// The first year the window accepts; the last is the clock's year + 20.
inline constexpr int kFirstCorrectionYear = 1996;
inline constexpr int kCorrectionYearsAhead = 20;

using ClockFields = std::array<std::string, kCorrectionFieldCount + 1>;  // [1..6]

struct CorrectionForm {
  ClockFields text{};
  // part[1..6]: the value each field last passed its check with (the
  // clock's values as the window opened, until then).
  std::array<int, kCorrectionFieldCount + 1> part{};
};

// The six texts of a clock reading: "yyyy", "mm", "dd", "hh", "nn", "ss".
ClockFields clock_field_texts(const ClockReading& reading);

// Reads the computer's clock into the clock values of AppState (date, its
// year, month and day, time of day and its hour, minute and second).
ClockReading read_clock(AppState& state, const Clock& clock);

// The corrected fields as the window opens: the clock's date and time.
CorrectionForm fill_correction_form(const ClockReading& reading);

// The check of one field (1..6), as Enter runs it: a number (blanks around it
// allowed), made whole, within its range. The day must exist in the accepted
// year and month and, in the clock's own month, not lie before the clock's
// day; passing it takes the corrected date and weekday into AppState.
bool check_correction_field(CorrectionForm& form, AppState& state, int field);

// Where the focus goes after Enter passed in `field`.
int next_correction_field(int field);

enum class CorrectionOutcome {
  rejected,  // a check failed: focus the field
  refused,   // the computer refused to set its clock: AppState as before
  done,      // corrected: refresh the main window and close
};

struct CorrectionResult {
  CorrectionOutcome outcome = CorrectionOutcome::rejected;
  int focus = 0;      // the failing field on rejection
  std::string error;  // the platform's reason on refusal
};

// "日時設定": checks every field, sets the computer's clock to the entered
// date and time and takes them as the program's date and time, offset 0.
// When the clock cannot be set, AppState is left exactly as it was before.
CorrectionResult set_date_time(CorrectionForm& form, AppState& state, Clock& clock);

// "一時設定": checks every field and takes the entered date as the program's
// date; the offset makes the board time (clock time + offset) equal the
// entered time. The clock is not touched.
CorrectionResult set_temporary(CorrectionForm& form, AppState& state);

// "取消終了" and Escape: the program's date and time are the clock's (as last
// read) again, offset 0.
void cancel_correction(AppState& state);

}  // namespace vorlash
