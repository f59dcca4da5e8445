// The registration of the user's own hotels, slots 1..U of the hotel table:
// the editor's checks, storing an edited hotel (as a change or as a new
// hotel), deleting one, and the lines of the registration list.
//
// Row r of the registration list (from 0) shows the hotel of slot r + 1;
// every function here keeps that correspondence, so a list rebuilt from
// user_hotel_lines matches the table.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "data/app_state.h"
#include "data/file_paths.h"
#include "data/hotel_file.h"

namespace vorlash {

// The editor's boxes, in the order of the Enter key and of the hotel record.
enum class HotelField { region, district, name, tel, rooms, access, charge, remarks };
inline constexpr int kHotelFieldCount = 8;

inline constexpr int field_index(HotelField field) {
  return static_cast<int>(field);
}

// The texts of the editor's boxes as typed, indexed by field_index.
using HotelInput = std::array<std::string, kHotelFieldCount>;

// The message line while a box has the focus: its hint, CR LF, its example.
std::string field_hint(HotelField field);

// The room count box as a number: an empty box is 0; otherwise a number
// rounded to a whole 16-bit value; nullopt when it is not one.
std::optional<int> room_count(std::string_view text);

// Why a text cannot go into the UserHotelFile (a double quote, a line
// break, a character code page 932 cannot hold), or empty when it can.
std::string unstorable_text(std::string_view text);

// The check the Enter key runs on one box; empty = passed. An empty district
// box receives the region box's text.
std::string check_field(const AppState& state, HotelField field, HotelInput& input);

struct InputError {
  HotelField field;
  std::string message;
};

// The checks of "更新" and "追加更新", box by box in field order; the first
// failure is returned. An empty district box receives the region's text.
std::optional<InputError> check_input(const AppState& state, HotelInput& input);

// A checked input as a hotel record: texts as they stand, the room count as
// its number, the remarks cut or padded to 8 characters.
HotelRecord hotel_from_input(const HotelInput& input);

// A hotel's fields as the editor's boxes show them in change mode.
HotelInput input_from_hotel(const HotelRecord& hotel);

// The region proposed for a new hotel: the most recent hotel region, else
// "東京／羽田".
std::string proposed_region(const AppState& state);

// The user hotels that fit beside every hotel of the DataFile in the table's
// 1000 slots.
int user_hotel_room(const AppState& state);

// A new hotel fits while U is below user_hotel_room, so that it never
// pushes a DataFile hotel out of the table.
bool can_add_user_hotel(const AppState& state);

// The editor's message when a new hotel no longer fits.
std::string table_full_message(const AppState& state);

// Stores a new hotel into slot U + 1 and returns the slot it ends in (0 when
// the table is full). The DataFile hotels behind the user hotels move down
// one slot (the last is dropped when the table is full). With control3_flg 1
// the user hotels are then sorted by region and district.
int add_user_hotel(AppState& state, HotelRecord hotel);

// Replaces the hotel of `slot` (1..U), then sorts as add_user_hotel does.
// False, with nothing changed, for a slot outside 1..U.
bool change_user_hotel(AppState& state, int slot, HotelRecord hotel);

// Removes the hotel of `slot` (1..U): the hotels of the following slots,
// user and DataFile hotels alike, move up one and U drops by one. False, with
// nothing changed, for a slot outside 1..U.
bool delete_user_hotel(AppState& state, int slot);

// The registration list: one line per slot 1..U.
std::vector<std::string> user_hotel_lines(const AppState& state);

// The hotels of slots 1..U.
std::vector<HotelRecord> user_hotels(const AppState& state);

// Puts the registration list's hotels back into slots 1..U when the table
// no longer holds them (a hotel search reloaded it from the file while the
// list was open, dropping unsaved entries). Returns true when it changed the
// table; the hotel-loaded flag is then cleared, since the DataFile hotels no
// longer follow the user hotels.
bool restore_user_hotels(AppState& state, const std::vector<HotelRecord>& hotels);

// What the registration finds when it opens.
struct RegistrationOpening {
  Status user_file;               // reading the UserHotelFile
  std::vector<int> unread_lines;  // its lines left out of the list
  std::string backup;             // the file that keeps the original then
  Status backup_status;           // keeping that copy
  LeftOutHotels left_out;         // DataFile hotels that find no slot
  Status data_file_hotels;        // reading the DataFile's hotel index for left_out
};

// Reads the user hotels for the registration list when the hotel table is
// not loaded (no region folding), and finds the lines of the UserHotelFile
// that the list lacks either way; the file holding such lines is copied at
// once (back_up_user_hotels), so that the message can name the copy. Counts
// the DataFile's hotels to tell which of them the user hotels push out.
// The UserHotelFile is user_hotel_file_path(state, program_folder), here and
// in end_registration.
RegistrationOpening read_for_registration(AppState& state, const std::string& program_folder);

// The message box text for an opening that left something out, or empty:
// the file and the lines that could not be read and the file that keeps
// them; the DataFile hotels that do not fit.
std::string registration_message(const std::string& path, const RegistrationOpening& opening);

// The DataFile hotels that do not fit beside the user hotels, or empty when
// none is left out.
std::string left_out_message(const LeftOutHotels& left_out);

// "登録終了": U is the number of rows; writes the UserHotelFile (sorted first
// with control3_flg 2, the old file kept as hotelusr.csv.bak) and clears the
// hotel-loaded flag so the next search reads the new file.
Status end_registration(AppState& state, const std::string& program_folder);

}  // namespace vorlash
