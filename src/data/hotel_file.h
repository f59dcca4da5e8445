// The hotel table's two sources: the hotel section of the DataFile and the
// user's own hotels in the UserHotelFile "hotelusr.csv"; writing the
// UserHotelFile back, and ordering hotels by region and district.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "data/app_state.h"
#include "data/data_file.h"
#include "data/readers.h"
#include "platform/program_files.h"

namespace vorlash {

inline constexpr int kRemarksWidth = 8;

// "東京／羽田" -> "東京", "大阪／関西" -> "大阪" (tested on the trimmed text);
// any other region is returned unchanged.
std::string fold_region(std::string region);

// The DataFile hotels that find no slot beside the user hotels: the last
// `count` hotels of the section, and their regions, each once, in file order.
struct LeftOutHotels {
  int count = 0;
  std::vector<std::string> regions;
};

// Reads the DataFile's hotel section (first block = control value 9): the
// hotels that fit beside the U user hotels go into slots U+1..U+N, N is set,
// and the section's full count goes to data_file_hotel_count; *left_out
// (when given) receives the hotels that did not fit. A region number above
// 100, a district number above 200, more than 1000 hotels in the section, or
// any part of it lying past the end of the file is an error; N is then 0 and
// the slots stay as they were.
Status get_hotel(const DataFile& file, AppState& state, const YieldFn& yield,
                 bool fold_regions = true, LeftOutHotels* left_out = nullptr);

// Reads only the index of the hotel section: sets data_file_hotel_count and
// tells which DataFile hotels would not fit beside the U user hotels.
Status count_data_file_hotels(const DataFile& file, AppState& state, LeftOutHotels& left_out);

// Reads UserHotelFile bytes (Shift-JIS, one hotel a line) into slots 1..U and
// sets U to the number of hotels read. A line that cannot be read (or a hotel
// past the table's 1000 slots) is left out and the reading goes on; the
// error then names file_name and every such line, and *unread_lines (when
// given) receives their numbers. Input without a hotel line leaves U as it
// was.
Status parse_user_hotels(std::string_view bytes, std::string_view file_name, AppState& state,
                         bool fold_regions, std::vector<int>* unread_lines);

// The numbers of the lines parse_user_hotels leaves out.
std::vector<int> unreadable_user_lines(std::string_view bytes);

// The same from the file at path; a missing or empty file leaves U unchanged
// and is no error. A file that cannot be read at all leaves *unread_lines
// empty.
Status get_hotel_user(const std::string& path, AppState& state, bool fold_regions,
                      std::vector<int>* unread_lines);

// The UserHotelFile bytes for slots 1..U (Shift-JIS, CR LF). A double quote
// or a line break inside a text field, or a character that code page 932
// cannot hold, is an error naming the hotel and the field.
Status render_user_hotels(const AppState& state, std::string_view file_name, std::string& sjis);

// Keeps a copy of the UserHotelFile at path, when there is one: in
// path + ".bak", unless that backup holds lines the reader leaves out and
// the file lacks (hotels kept nowhere else); the copy then goes to a new
// file named with the local date and time, path + ".20261208-0130.bak"
// (numbered "-2", "-3" when taken), unless every line of the file is
// already held, byte for byte, by some backup. A backup that already holds
// the same bytes is used as it is. Backups are the program's own files: a
// link under a backup's name is refused, and a backup gets the permissions
// of the file it copies. *backup (when given) receives the file holding the
// copy, empty when there is no file at path.
Status back_up_user_hotels(const std::string& path, std::string* backup);

// Writes the user hotels to path: refuses unwritable texts before touching
// anything, sorts the user hotels first when control3_flg is 2, keeps a
// backup of the old file (back_up_user_hotels), then replaces the file
// safely.
Status write_user_hotels(const std::string& path, AppState& state);

// Orders the user hotels in slots 1..U by region, then district, moving
// whole records.
void sort_hotel(AppState& state);

// Orders the first count slot numbers of a result list by the region and
// district of the hotels they name; the table is left unchanged.
void sort_hotel(const AppState& state, std::array<int, kMaxHotelResults + 1>& result, int count);

}  // namespace vorlash
