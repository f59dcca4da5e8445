// The settings window without its widgets: the texts of its eight fields and
// the state of its option buttons, the check of every field, the Enter order
// and "了解", which stores the accepted values in AppState. The window calls
// these functions and moves the focus as they say.
#pragma once

#include <array>
#include <string>

#include "data/app_state.h"

namespace vorlash {

// The eight fields in the order of checking and of Enter.
inline constexpr int kKeiyoStationField = 1;
inline constexpr int kKeiyoNormalField = 2;
inline constexpr int kKeiyoHurryField = 3;
inline constexpr int kKeiyoCountField = 4;
inline constexpr int kSinkansenStationField = 5;
inline constexpr int kSinkansenNormalField = 6;
inline constexpr int kSinkansenHurryField = 7;
inline constexpr int kSinkansenCountField = 8;
inline constexpr int kSettingsFieldCount = 8;
// Focus target after Enter in the Keiyo count field: the "了解" button.
inline constexpr int kSettingsOkButton = 9;

struct SettingsForm {
  std::array<std::string, kSettingsFieldCount + 1> text{};  // text[1..8]
  std::string message;                                      // the message line
  bool keiyo_down = true;
  bool sinkansen_down = true;
  int hotel_sort = 0;  // control3_flg of the selected option: 1, 2 or 0
  bool save_on_exit = false;
  bool keiyo_display = false;
};

// The window as it opens, from AppState.
SettingsForm fill_settings_form(const AppState& state);

// The check of one field (1..8), as Enter runs it. An empty minutes or count
// field first becomes "0"; the station checks clear the message line and may
// write a message into it. Returns whether the field passed.
bool check_settings_field(SettingsForm& form, const AppState& state, int field);

// Where the focus goes after Enter passed in `field`: the next field, the
// "了解" button after field 4, field 1 after field 8.
int next_settings_field(int field);

enum class SettingsOutcome {
  rejected,  // a check failed: focus the field, nothing stored
  stored,    // stored: refresh the board and close
  restart,   // the Keiyo display was switched on: the program ends
};

struct SettingsResult {
  SettingsOutcome outcome = SettingsOutcome::rejected;
  int focus = 0;  // the failing field on rejection
};

// "了解": checks 1 to 8, then the storing of every value. A number that does
// not fit 16 bits is not stored (that value keeps its previous content); the
// others are stored all the same. Switching the Keiyo display on sets
// keiyo_use to 1 and answers `restart`.
SettingsResult accept_settings(SettingsForm& form, AppState& state);

}  // namespace vorlash
