// The hotel table's two sources: the hotel section of the DataFile and the
// user's own hotels in the UserHotelFile "hotelusr.csv"; writing the
// UserHotelFile back, and ordering hotels by region and district.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "data/app_state.h"
#include "data/data_file.h"
#include "data/readers.h"
#include "data/status.h"

namespace vorlash {

inline constexpr std::string_view kUserHotelFileName = "hotelusr.csv";
inline constexpr int kRemarksWidth = 8;

// "東京／羽田" -> "東京", "大阪／関西" -> "大阪" (tested on the trimmed text);
// any other region is returned unchanged.
std::string fold_region(std::string region);

// Reads the DataFile's hotel section (first block = control value 9) into
// slots U+1..U+N and sets N. A region number above 100, a district number
// above 200, more than 1000 hotels in all, or any part of the section lying
// past the end of the file is an error; N is then 0 and the slots stay as
// they were.
Status get_hotel(const DataFile& file, AppState& state, const YieldFn& yield,
                 bool fold_regions = true);

// Reads UserHotelFile bytes (Shift-JIS, one hotel a line) into slots 1..U and
// sets U. A line that cannot be read stops the reading: U and the slots keep
// their former values, *bad_line (when given) receives the line number and
// the error names file_name and the line. Empty input leaves U unchanged.
Status parse_user_hotels(std::string_view bytes, std::string_view file_name, AppState& state,
                         bool fold_regions, int* bad_line);

// The same from the file at path; a missing or empty file leaves U unchanged
// and is no error.
Status get_hotel_user(const std::string& path, AppState& state, bool fold_regions, int* bad_line);

// The UserHotelFile bytes for slots 1..U (Shift-JIS, CR LF). A double quote
// or a line break inside a text field, or a character that code page 932
// cannot hold, is an error naming the hotel and the field.
Status render_user_hotels(const AppState& state, std::string_view file_name, std::string& sjis);

// Writes the user hotels to path: refuses unwritable texts before touching
// anything, sorts the user hotels first when control3_flg is 2, copies the
// old file to path + ".bak", then replaces the file safely.
Status write_user_hotels(const std::string& path, AppState& state);

// Orders the user hotels in slots 1..U by region, then district, moving
// whole records.
void sort_hotel(AppState& state);

// Orders the first count slot numbers of a result list by the region and
// district of the hotels they name; the table is left unchanged.
void sort_hotel(const AppState& state, std::array<int, kMaxHotelResults + 1>& result, int count);

}  // namespace vorlash
