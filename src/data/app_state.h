// The program-wide values shared by every window: identity, the tables loaded
// from the DataFile, the settings, the clock and day type, the departure board,
// the search conditions and results, the fare tables and the hotel table.
//
// Plain data, one instance per run (allocate it on the heap: it is large).
// Tables indexed from 1 keep slot 0 unused so that code reads like the model.
// Texts are UTF-8 (converted from Shift-JIS when read). Numbers that the model
// calls 16-bit are held in int; the readers keep them within 16 bits.
#pragma once

#include <array>
#include <string>

namespace vorlash {

// ---- Table sizes ----------------------------------------------------------
inline constexpr int kMaxRegions = 100;
inline constexpr int kMaxDistricts = 200;
inline constexpr int kKeiyoTables = 4;
inline constexpr int kMaxKeiyoPositions = 15;
inline constexpr int kMaxKeiyoTrains = 200;
inline constexpr int kMaxRows = 50;
inline constexpr int kMaxTrains = 250;
inline constexpr int kMaxPicks = 200;
inline constexpr int kMaxHolidays = 20;
inline constexpr int kRecentEntries = 5;
inline constexpr int kMaxConnections = 1000;
inline constexpr int kMaxCandidates = 100;
inline constexpr int kMaxKmEntries = 50;
inline constexpr int kMaxFarePairs = 1000;
inline constexpr int kMaxGreenBrackets = 10;
inline constexpr int kMaxTickets = 500;
inline constexpr int kMaxNozomi = 100;
inline constexpr int kTicketKinds = 14;
inline constexpr int kMaxHotels = 1000;
inline constexpr int kMaxHotelResults = 200;
inline constexpr int kControlValues = 30;

// ---- Window positions ("[Form]" section), in twips -------------------------
struct WindowPosition {
  int top = 0;
  int left = 0;
};

// The windows that keep a position, in the order of the "[Form]" section.
inline constexpr std::array<int, 16> kFormWindows = {1,  4,  5,  6,  7,  11, 12, 13,
                                                     14, 15, 21, 22, 23, 24, 25, 26};

// ---- Loaded tables -----------------------------------------------------------
struct RegionTable {
  int count = 0;
  std::array<std::string, kMaxRegions + 1> name{};
  std::array<int, kMaxRegions + 1> area{};
  std::array<int, kMaxRegions + 1> digit{};  // read and kept, never used
};

struct DistrictTable {
  int count = 0;
  std::array<std::string, kMaxDistricts + 1> name{};
};

// Keiyo tables k = 1..4: 1 weekday down, 2 weekday up, 3 Sat/holiday down,
// 4 Sat/holiday up.
struct KeiyoTables {
  std::array<int, kKeiyoTables + 1> station_count{};
  std::array<std::array<std::string, kMaxKeiyoPositions + 1>, kKeiyoTables + 1> station{};
  std::array<int, kKeiyoTables + 1> train_count{};
  // code[k][t]: the 5-character train code (as stored, with padding).
  std::array<std::array<std::string, kMaxKeiyoTrains + 1>, kKeiyoTables + 1> code{};
  // time[k][position][t]: hhmm, 0 = no stop. Only positions 1..12 are filled.
  std::array<std::array<std::array<int, kMaxKeiyoTrains + 1>, kMaxKeiyoPositions + 1>,
             kKeiyoTables + 1>
      time{};
};

// Shinkansen tables, direction d: 1 down, 2 up.
struct ShinkansenTables {
  std::array<int, 3> station_count{};
  std::array<std::array<std::string, kMaxRows + 1>, 3> station{};
  std::array<std::array<int, kMaxRows + 1>, 3> row_kind{};  // 0 single, 1 arrival, 2 departure
  std::array<int, 3> train_count{};
  // code[d][t]: the 4-character train code (timetable row 0), as stored.
  std::array<std::array<std::string, kMaxTrains + 1>, 3> code{};
  // time[d][row][t]: hhmm, 0 = no time.
  std::array<std::array<std::array<int, kMaxTrains + 1>, kMaxRows + 1>, 3> time{};
  std::array<std::array<int, kMaxTrains + 1>, 3> operating_day{};
  std::array<std::array<std::string, kMaxTrains + 1>, 3> vehicle{};  // "N", "G", ... or ""
};

// ---- Fare tables -------------------------------------------------------------
struct KmEntry {
  std::string station;
  int tenths = 0;  // distance in tenths of a kilometre (exact)
};

struct FarePair {
  std::string station_a;
  std::string station_b;
  int free_seat_express = 0;  // 0 = not given
  int fare = 0;
  int express = 0;
  int coupon = 0;  // six-sheet free-seat coupon set, 0 = none
};

struct GreenBracket {
  int upper_km = 0;
  int green = 0;
  int room_1_2 = 0;
  int room_3_4 = 0;
};

struct DiscountTicket {
  std::string station_a;
  std::string station_b;
  int sheets = 0;
  int validity = 0;
  int kind = 0;  // 1..14
  int price = 0;
};

struct NozomiCharge {
  std::string station_a;
  std::string station_b;
  int spare = 0;
  int nozomi_express = 0;
  int supplement = 0;
};

struct FareTables {
  int km_count = 0;
  std::array<KmEntry, kMaxKmEntries + 1> km{};
  int pair_count = 0;
  std::array<FarePair, kMaxFarePairs + 1> pair{};
  int green_count = 0;
  std::array<GreenBracket, kMaxGreenBrackets + 1> green{};
  int ticket_count = 0;
  std::array<DiscountTicket, kMaxTickets + 1> ticket{};
  int nozomi_count = 0;
  std::array<NozomiCharge, kMaxNozomi + 1> nozomi{};
};

// ---- Hotel table -------------------------------------------------------------
struct HotelRecord {
  std::string region;
  std::string district;
  std::string name;
  std::string tel;
  int rooms = 0;
  std::string access;
  std::string charge;
  std::string remarks;  // always exactly 8 characters once stored
};

// ---- Settings ("[Control]", board sections, "[Retrieval condition]") ---------
struct LineSettings {
  int flg = 0;          // 1 down, otherwise up
  std::string station;  // as read (not trimmed)
  int hun1 = 0;         // minutes to the station at a normal pace
  int hun2 = 0;         // minutes when hurrying
  int hyouji = 0;       // rows to list, 0 = every train in the next two hours
};

struct SearchConditions {
  std::string st_station;
  std::string ed_station;
  int st_time1 = 0, st_time2 = 0;
  int ed_time1 = 0, ed_time2 = 0;
  int wait_time = 0;
  int wait_count = 0;
  int combination_number = 0;
  int sort_order = 0;  // 1 departure, 2 arrival, 3 ride; 0 until first set
  int plan_year = 0, plan_month = 0, plan_day = 0;
  int plan_date = 0;  // day number, 0 = not chosen yet in this run
  int plan_weekday = 0;
  int st_row = 0, ed_row = 0;
};

// One row of the connection table.
struct Connection {
  int first_train = 0;
  int second_train = 0;
  int third_train = 0;
  int first_transfer_row = 0;
  int second_transfer_row = 0;
  int sort_key = 0;
  int ride_minutes = 0;
};

struct SearchResult {
  int search_dir = 0;
  int st_row = 0, ed_row = 0;
  int hit_count = 0;
  std::array<Connection, kMaxConnections + 1> row{};
};

// Season and ticket flags of the planned date.
struct FareFlags {
  int near_holiday = 0;
  int season_class = 1;  // 1 regular, 2 peak, 3 off-peak
  bool ticket_ok = false;
  bool weekend_ok = false;
  bool offpeak_ok = false;
};

struct HotelSearchState {
  std::string region_text;  // as typed, not trimmed
  std::string origin_text;  // before the arrow of the hotel list's title
  int opened_from_search = 0;
  int result_count = 0;
  std::array<int, kMaxHotelResults + 1> result{};
  int district_count = 0;
  std::array<std::string, kMaxHotelResults + 1> district{};
  int selected_count = 0;
  std::array<std::string, kMaxHotelResults + 1> selected{};
  std::string editor_mode;  // "add" or "upd"
  int edited_slot = 0;
  int area_mode = 0;  // 2 hotel search, 3 user hotel editor
};

struct CalendarState {
  int cal_year = 0, cal_month = 0;
  std::array<int, 43> cal_days{};
};

// ---- Clock, corrected time and day type ---------------------------------------
struct ClockState {
  int clock_date = 0;  // day number
  int clock_year = 0, clock_month = 0, clock_day = 0;
  double clock_time = 0;  // fraction of a day
  int clock_hour = 0, clock_minute = 0, clock_second = 0;
  int corrected_date = 0;  // day number
  int corrected_year = 0, corrected_month = 0, corrected_day = 0;
  int corrected_weekday = 0;  // 1 Sunday .. 7 Saturday
  double corrected_time = 0;
  int corrected_hour = 0, corrected_minute = 0, corrected_second = 0;
  double offset = 0;      // fraction of a day added to the corrected time
  double board_time = 0;  // offset + corrected time, wrapped
};

// ---- Departure board -------------------------------------------------------------
struct BoardState {
  std::array<int, kMaxPicks + 1> pick{};
  int pick_count = 0;
  int keiyo_table = 0;
  int keiyo_station_row = 0;
  std::array<int, kMaxPicks + 1> keiyo_row_train{};
  int keiyo_rows = 0;  // rows in the Keiyo list that map to a train
  int chosen_keiyo_row = 0;
  int sinkansen_dir = 0;
  int sinkansen_station_row = 0;
  std::array<int, kMaxTrains + 1> sinkansen_row_train{};
  int sinkansen_rows = 0;  // rows in the Shinkansen list that map to a train
  int chosen_sinkansen_row = 0;
  int view_mode = 0;  // 1 Keiyo, 2 Shinkansen, 12/22 search stations
};

struct AppState {
  // Identity and files.
  std::string program_folder;     // DataFile and manual
  std::string settings_folder;    // SettingsFile; empty = program_folder
  std::string user_hotel_folder;  // UserHotelFile; empty = program_folder
  std::string data_file_name = "vorlashj.dat";
  std::string settings_file_name;
  std::string help_file_name = "vorlash2.hlp";
  std::string version_text = "1.59";
  std::string data_date_text = "2000/03/11";
  int edition = 0;
  int edition_code = 0;
  std::string edition_title;
  std::array<int, kControlValues + 1> control{};
  // The DataFile's bytes as read once at start-up: the control block, the
  // tables and the hotel section all come from them.
  std::string data_file_bytes;

  // DataFile tables.
  RegionTable regions;
  DistrictTable districts;
  KeiyoTables keiyo;
  ShinkansenTables sinkansen;
  FareTables fares;
  std::array<std::string, kTicketKinds + 1> ticket_name{};

  // Hotels.
  std::array<HotelRecord, kMaxHotels + 1> hotel{};
  int user_hotel_count = 0;  // U: slots 1..U
  int data_hotel_count = 0;  // N: slots U+1..U+N
  // The hotels of the DataFile's hotel section, whether or not all of them
  // fit beside the user hotels (0 until the section is read).
  int data_file_hotel_count = 0;
  int hotel_loaded = 0;
  HotelSearchState hotel_search;

  // Settings.
  std::array<WindowPosition, 27> form{};  // form[n] for window timetable<n>
  int control1_flg = 0, control2_flg = 0, control3_flg = 0, control9_flg = 0;
  std::array<std::string, kRecentEntries + 1> departure_ground{};
  std::array<std::string, kRecentEntries + 1> arrival_ground{};
  LineSettings keiyo_line;
  int keiyo_use = 0;
  LineSettings sinkansen_line;
  std::array<int, kMaxHolidays + 1> holiday_month{};
  std::array<int, kMaxHolidays + 1> holiday_day{};
  int holiday_count = 0;

  // Clock and day type.
  ClockState clock;
  std::array<int, 6> day_flags{};

  // Departure board.
  BoardState board;
  int loading_mode = 0;  // 0 start-up, 2 hotel data, 3 Shinkansen search

  // Search.
  SearchConditions cond;
  SearchResult search;
  FareFlags fare_flags;

  CalendarState calendar;
};

}  // namespace vorlash
