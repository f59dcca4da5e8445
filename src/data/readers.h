// The readers of the DataFile's control, region, district, Keiyo and
// Shinkansen sections. Each reads its section into a fresh table and stores
// it into AppState only when the whole section was read: a broken file leaves
// the AppState table as it was and returns an error naming the file and the
// section. yield lets pending window events run between blocks.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/status.h"
#include "data/app_state.h"
#include "data/data_file.h"

namespace vorlash {

using YieldFn = std::function<void()>;

// The number a float-coded long holds (IEEE single-precision bits). Only
// magnitudes from 1 to just below 2^24 are decoded; anything else gives 0.
double cnv_data(std::int32_t c);

// A float-coded count made whole (half to even); counts outside 0..limit
// are an error of the section.
Status float_count(const DataFile& file, std::string_view section, std::int32_t c, int limit,
                   int& count);

// Control values 1..24 from the last 1024 bytes of the DataFile at path.
Status get_control(const std::string& path, AppState& state);
Status get_control(const DataFile& file, AppState& state);

// Edition, edition code, edition title and SettingsFile name from control
// value 23. An Edition other than 1..3 is an error (no SettingsFile exists
// for it).
Status apply_edition(AppState& state);

Status get_hatyaku(const DataFile& file, AppState& state, const YieldFn& yield);
Status get_tiku(const DataFile& file, AppState& state, const YieldFn& yield);
Status get_keiyo_station(const DataFile& file, AppState& state, const YieldFn& yield);
Status get_keiyo_time(const DataFile& file, AppState& state, const YieldFn& yield);
Status get_sinkansen_station(const DataFile& file, AppState& state, const YieldFn& yield);
// Needs the Edition (vehicle types) set in state.
Status get_sinkansen_time(const DataFile& file, AppState& state, const YieldFn& yield);

// Everything the DataFile holds, for export and inspection: the control
// section and Edition, every timetable section (the Keiyo sections whatever
// keiyo_use says), the fare tables and the hotel section (regions not
// folded; the user hotel count is set to 0 first).
Status read_whole_data_file(const std::string& path, AppState& state);
Status read_whole_data_file(const DataFile& file, AppState& state, const YieldFn& yield);

}  // namespace vorlash
