#include "settings/correction_form.h"

#include <optional>

#include "board/clock_day.h"
#include "text/date.h"
#include "text/number_format.h"
#include "text/numeric.h"

namespace vorlash {

namespace {

// The field's text as a whole number: a decimal number with blanks around it
// allowed, made whole half to even; nothing when it is not a number or does
// not fit 16 bits.
std::optional<int> whole_value(const std::string& text) {
  auto const v = parse_number(text);
  if (!v) return std::nullopt;
  long long const whole = round_half_even(*v);
  if (!fits_int16(whole)) return std::nullopt;
  return static_cast<int>(whole);
}

bool in_range(int value, int low, int high) {
  return value >= low && value <= high;
}

bool day_fits(const CorrectionForm& form, const ClockState& clock, int day) {
  int const year = form.part[kYearField];
  int const month = form.part[kMonthField];
  if (!in_range(day, 1, month_length(year, month))) return false;
  // A correction never goes back before today within the clock's own month.
  return !(year == clock.clock_year && month == clock.clock_month && day < clock.clock_day);
}

// The accepted year, month and day become the program's date.
void take_date(const CorrectionForm& form, AppState& state) {
  ClockState& c = state.clock;
  c.corrected_year = form.part[kYearField];
  c.corrected_month = form.part[kMonthField];
  c.corrected_day = form.part[kDayField];
  c.corrected_date = day_number(c.corrected_year, c.corrected_month, c.corrected_day);
  c.corrected_weekday = weekday_of(c.corrected_date);
}

void take_time(const CorrectionForm& form, AppState& state) {
  ClockState& c = state.clock;
  c.corrected_hour = form.part[kHourField];
  c.corrected_minute = form.part[kMinuteField];
  c.corrected_second = form.part[kSecondField];
  c.corrected_time = time_of_day(c.corrected_hour, c.corrected_minute, c.corrected_second);
}

// Checks the six fields in order; the first failing field, or 0.
int first_failing_field(CorrectionForm& form, AppState& state) {
  for (int field = 1; field <= kCorrectionFieldCount; ++field) {
    if (!check_correction_field(form, state, field)) return field;
  }
  return 0;
}

}  // namespace

ClockFields clock_field_texts(const ClockReading& reading) {
  return {"",
          format_number(reading.year, "0000"),
          format_number(reading.month, "00"),
          format_number(reading.day, "00"),
          format_number(reading.hour, "00"),
          format_number(reading.minute, "00"),
          format_number(reading.second, "00")};
}

ClockReading read_clock(AppState& state, const Clock& clock) {
  ClockReading const now = clock.now();
  ClockState& c = state.clock;
  c.clock_date = day_number(now.year, now.month, now.day);
  c.clock_year = now.year;
  c.clock_month = now.month;
  c.clock_day = now.day;
  c.clock_time = time_of_day(now.hour, now.minute, now.second);
  c.clock_hour = now.hour;
  c.clock_minute = now.minute;
  c.clock_second = now.second;
  return now;
}

CorrectionForm fill_correction_form(const ClockReading& reading) {
  CorrectionForm form;
  form.text = clock_field_texts(reading);
  form.part = {
      0, reading.year, reading.month, reading.day, reading.hour, reading.minute, reading.second};
  return form;
}

bool check_correction_field(CorrectionForm& form, AppState& state, int field) {
  if (field < 1 || field > kCorrectionFieldCount) return false;
  auto const value = whole_value(form.text[field]);
  if (!value) return false;
  ClockState const& clock = state.clock;
  bool ok = false;
  switch (field) {
    case kYearField:
      ok = in_range(*value, kFirstCorrectionYear, clock.clock_year + kCorrectionYearsAhead);
      break;
    case kMonthField:
      ok = in_range(*value, 1, 12);
      break;
    case kDayField:
      ok = day_fits(form, clock, *value);
      break;
    case kHourField:
      ok = in_range(*value, 0, 23);
      break;
    default:  // minute, second
      ok = in_range(*value, 0, 59);
      break;
  }
  if (!ok) return false;
  form.part[field] = *value;
  if (field == kDayField) take_date(form, state);
  return true;
}

int next_correction_field(int field) {
  return field >= kSecondField ? kTemporaryButton : field + 1;
}

CorrectionResult set_date_time(CorrectionForm& form, AppState& state, Clock& clock) {
  ClockState const before = state.clock;
  auto const flags_before = state.day_flags;
  if (int const failed = first_failing_field(form, state); failed != 0)
    return {CorrectionOutcome::rejected, failed, {}};

  auto const& p = form.part;
  ClockReading const wanted{p[kYearField], p[kMonthField],  p[kDayField],
                            p[kHourField], p[kMinuteField], p[kSecondField]};
  if (Status const set = clock.set(wanted); !set) {
    // Nothing of this button may remain: the date the day check took goes too.
    state.clock = before;
    state.day_flags = flags_before;
    return {CorrectionOutcome::refused, 0, set.error};
  }
  take_date(form, state);
  take_time(form, state);
  state.clock.offset = 0;
  set_holiday(state);
  read_clock(state, clock);
  return {CorrectionOutcome::done, 0, {}};
}

CorrectionResult set_temporary(CorrectionForm& form, AppState& state) {
  if (int const failed = first_failing_field(form, state); failed != 0)
    return {CorrectionOutcome::rejected, failed, {}};
  take_date(form, state);
  take_time(form, state);
  // The clock time as last read (at most one second old while the window is
  // open): the board time, clock time + offset, then shows the entered time.
  state.clock.offset = state.clock.corrected_time - state.clock.clock_time;
  set_holiday(state);
  return {CorrectionOutcome::done, 0, {}};
}

void cancel_correction(AppState& state) {
  ClockState& c = state.clock;
  c.corrected_date = c.clock_date;
  c.corrected_year = c.clock_year;
  c.corrected_month = c.clock_month;
  c.corrected_day = c.clock_day;
  c.corrected_weekday = weekday_of(c.corrected_date);
  c.corrected_time = c.clock_time;
  c.corrected_hour = c.clock_hour;
  c.corrected_minute = c.clock_minute;
  c.corrected_second = c.clock_second;
  c.offset = 0;
  set_holiday(state);
}

}  // namespace vorlash
