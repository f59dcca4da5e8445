#include "settings/settings_form.h"

#include <algorithm>
#include <optional>

#include "settings/settings_texts.h"
#include "text/numeric.h"
#include "text/utf8.h"

namespace vorlash {

namespace {

// The Keiyo stations a user may travel from: positions 1 to 11 of the
// weekday-down table, except position 8 (the branch terminus, served by few
// trains). Position 11 is the down terminus, position 1 the up terminus.
constexpr int kKeiyoLastChoice = 11;
constexpr int kKeiyoSkipped = 8;

// Rows that end most down trains of an Edition though they are not the last
// row of the station list: row 16 in Edition 2, row 11 in Edition 3.
int down_terminus_row(int edition) {
  if (edition == 2) return 16;
  if (edition == 3) return 11;
  return 0;
}

bool check_keiyo_station(SettingsForm& form, const AppState& state) {
  form.message.clear();
  auto const& keiyo = state.keiyo;
  if (keiyo.station_count[1] <= 0) {
    // Without the Keiyo tables nothing can be checked; the field takes the
    // station the installed settings name.
    form.text[kKeiyoStationField] = std::string(settings_text::kDefaultKeiyoStation);
    return true;
  }
  std::string const name = trim(form.text[kKeiyoStationField]);
  // Positions past the table's station count hold no station: an empty field
  // must not match an empty slot.
  int const last = std::min(kKeiyoLastChoice, keiyo.station_count[1]);
  int found = 0;
  for (int p = 1; p <= last && !name.empty(); ++p) {
    if (p != kKeiyoSkipped && keiyo.station[1][p] == name) {
      found = p;
      break;
    }
  }
  if (found == 0) return false;
  if (form.keiyo_down && found == kKeiyoLastChoice) {
    form.message = std::string(settings_text::kNoTerminus);
    return false;
  }
  if (!form.keiyo_down && found == 1) {
    form.message = std::string(settings_text::kNoOrigin);
    return false;
  }
  return true;
}

bool check_sinkansen_station(SettingsForm& form, const AppState& state) {
  form.message.clear();
  auto const& tab = state.sinkansen;
  std::string const name = trim(form.text[kSinkansenStationField]);
  int const count = std::min(tab.station_count[1], kMaxRows);
  int found = 0;
  for (int r = 1; r <= count && !name.empty(); ++r) {
    int const kind = tab.row_kind[1][r];
    if ((kind == 0 || kind == 1) && tab.station[1][r] == name) {
      found = r;
      break;
    }
  }
  if (found == 0) return false;
  bool const terminus = found == count || found == down_terminus_row(state.edition);
  if (form.sinkansen_down && terminus) {
    form.message = std::string(settings_text::kNoTerminus);
    return false;
  }
  if (!form.sinkansen_down && found == 1) {
    form.message = std::string(settings_text::kNoOrigin);
    return false;
  }
  return true;
}

// An empty (or blank) minutes or count field counts as 0.
std::optional<double> number_field(std::string& text) {
  if (trim(text).empty()) text = std::string(1, '0');  // not a literal: dodges a false -Wrestrict
  return parse_number(text);
}

// Normal minutes and counts: a number, not negative.
bool check_not_negative(SettingsForm& form, int field) {
  auto const v = number_field(form.text[field]);
  return v && *v >= 0;
}

// Hurry minutes: a number; unless 0, less than the normal minutes of the
// field before it.
bool check_hurry(SettingsForm& form, int field) {
  auto const v = number_field(form.text[field]);
  if (!v) return false;
  if (*v == 0) return true;
  double const normal = leading_number(trim(form.text[field - 1]));
  return normal > *v;
}

// Stores the field's value made whole (half to even) when it fits 16 bits;
// otherwise the value keeps its previous content.
void store_int16(const std::string& text, int& target) {
  auto const v = parse_number(text);
  if (!v) return;
  long long const whole = round_half_even(*v);
  if (fits_int16(whole)) target = static_cast<int>(whole);
}

void store_line(const SettingsForm& form, int first_field, bool down, LineSettings& line) {
  line.flg = down ? 1 : 2;
  line.station = trim(form.text[first_field]);
  store_int16(form.text[first_field + 1], line.hun1);
  store_int16(form.text[first_field + 2], line.hun2);
  store_int16(form.text[first_field + 3], line.hyouji);
}

}  // namespace

SettingsForm fill_settings_form(const AppState& state) {
  SettingsForm form;
  auto const put_line = [&form](int first_field, const LineSettings& line) {
    form.text[first_field] = trim(line.station);
    form.text[first_field + 1] = std::to_string(line.hun1);
    form.text[first_field + 2] = std::to_string(line.hun2);
    form.text[first_field + 3] = std::to_string(line.hyouji);
  };
  put_line(kKeiyoStationField, state.keiyo_line);
  put_line(kSinkansenStationField, state.sinkansen_line);
  form.keiyo_down = state.keiyo_line.flg == 1;
  form.sinkansen_down = state.sinkansen_line.flg == 1;
  form.save_on_exit = state.control2_flg == 1;
  form.hotel_sort = (state.control3_flg == 1 || state.control3_flg == 2) ? state.control3_flg : 0;
  form.keiyo_display = state.keiyo_use == 1;
  return form;
}

bool check_settings_field(SettingsForm& form, const AppState& state, int field) {
  switch (field) {
    case kKeiyoStationField:
      return check_keiyo_station(form, state);
    case kSinkansenStationField:
      return check_sinkansen_station(form, state);
    case kKeiyoNormalField:
    case kKeiyoCountField:
    case kSinkansenNormalField:
    case kSinkansenCountField:
      return check_not_negative(form, field);
    case kKeiyoHurryField:
    case kSinkansenHurryField:
      return check_hurry(form, field);
    default:
      return false;
  }
}

int next_settings_field(int field) {
  if (field == kKeiyoCountField) return kSettingsOkButton;
  if (field == kSinkansenCountField) return kKeiyoStationField;
  return field + 1;
}

SettingsResult accept_settings(SettingsForm& form, AppState& state) {
  for (int field = 1; field <= kSettingsFieldCount; ++field) {
    if (!check_settings_field(form, state, field)) return {SettingsOutcome::rejected, field};
  }
  store_line(form, kSinkansenStationField, form.sinkansen_down, state.sinkansen_line);
  store_line(form, kKeiyoStationField, form.keiyo_down, state.keiyo_line);
  state.control2_flg = form.save_on_exit ? 1 : 0;
  state.control3_flg = form.hotel_sort;

  if (!form.keiyo_display) {
    state.keiyo_use = 0;
  } else if (state.keiyo_use != 0) {
    state.keiyo_use = 1;
  } else {
    // The Keiyo tables were not loaded at start-up; they are read at the
    // next start, so the program ends now.
    state.keiyo_use = 1;
    return {SettingsOutcome::restart, 0};
  }
  return {SettingsOutcome::stored, 0};
}

}  // namespace vorlash
