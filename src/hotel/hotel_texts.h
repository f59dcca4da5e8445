// Texts of the hotel search, the hotel list, the area selection and the
// district selection: window titles, captions, headers and messages.
#pragma once

#include <array>
#include <string_view>

#include "data/hotel_file_texts.h"
#include "text/language.h"

namespace vorlash::hotel_text {

// Hotel search window (HotelSearchWindow).
inline constexpr Text kSearchTitle{"ｿﾙﾏｰ時刻表&ﾎﾃﾙ情報", "Solmer Timetable & Hotel Guide"};
inline constexpr Text kSearchFrame{"ホテル検索条件", "Hotel search"};
inline constexpr Text kRegionLabel{"ホテル検索地域名", "Hotel region"};
inline constexpr Text kStartSearch{"検索開始", "Search"};
inline constexpr Text kEndSearch{"検索終了", "Close"};
inline constexpr std::string_view kAreaButton = "?";
// Proposed region when the recent hotel regions hold none.
inline constexpr std::string_view kDefaultRegion = "東京／羽田";  // data text: not translated
inline constexpr Text kRegionError{"ホテル検索地域名の入力エラー！！",
                                   "The hotel region is not valid!!"};
inline constexpr int kRegionErrorHelp = 256;

// Hotel list window (HotelListWindow).
inline constexpr Text kListTitle{"ソルマー時刻表&ホテル情報", "Solmer Timetable & Hotel Guide"};
inline constexpr Text kListClose{"終了", "Close"};
inline constexpr Text kNarrow{"地区の絞り込み", "Choose districts"};
inline constexpr Text kListNote{
    "備考(評価)は作者の個人的な評価です。公的機関の評価ではありません。ご留意下さい。",
    "Remarks (rating) are the author's personal rating, not an official one. Please bear this in "
    "mind."};
inline constexpr Text kNoHotels{"ホテルデータなし", "No hotel data"};
inline constexpr int kNoHotelsHelp = 204;
// The title line: origin, arrow, region, two blanks, date, " 出発".
inline constexpr Text kSearchOrigin{"＊＊＊＊＊", "*****"};
inline constexpr Text kTitleArrow{" → ", " -> "};
inline constexpr Text kTitleGap{"  ", "  "};
inline constexpr Text kTitleTail{" 出発", " departure"};

inline constexpr int kGridColumns = 7;
inline constexpr std::array<Text, kGridColumns> kGridHeaders = {{{"地区", "District"},
                                                                 {"ホテル名", "Hotel"},
                                                                 {"電話番号", "Telephone"},
                                                                 {"部屋数", "Rooms"},
                                                                 {"交通", "Access"},
                                                                 {"部屋代", "Charge"},
                                                                 {"備考(評価)", "Rating"}}};
// Column widths of the hotel grid, in twips.
inline constexpr std::array<int, kGridColumns> kGridTwips = {900, 2520, 1170, 720, 1980, 720, 1080};
inline constexpr Text kRoomsPicture{"#####", "#####"};
// The longest text of each grid column that the editor's limits allow:
// characters, and whether they are full-width (district 6, name 16,
// telephone 12 single-byte, rooms "#####", access 12, charge 8 single-byte,
// remarks 8). A column is never narrower than this nor than its header.
struct GridColumnFill {
  int chars;
  bool fullwidth;
};
inline constexpr std::array<GridColumnFill, kGridColumns> kGridColumnFill = {
    {{6, true}, {16, true}, {12, false}, {5, false}, {12, true}, {8, false}, {8, true}}};

// Area selection window (AreaSelectWindow); its title is its frame caption.
inline constexpr Text kAreaFrame{"ホテル地域の選択", "Choose a hotel region"};
inline constexpr int kAreaCount = 10;  // area 0 (全国) and areas 1..9
inline constexpr std::array<Text, kAreaCount> kAreaOptions = {
    {{"全国", "All Japan"},
     {"北海道エリア", "Hokkaido"},
     {"東北エリア", "Tohoku"},
     {"北陸・中部エリア", "Hokuriku/Chubu"},
     {"東京エリア", "Tokyo area"},
     {"大阪エリア", "Osaka area"},
     {"中国エリア", "Chugoku"},
     {"四国エリア", "Shikoku"},
     {"九州エリア", "Kyushu"},
     {"沖縄エリア", "Okinawa"}}};
inline constexpr Text kRegionListHeader{"ホテル地域", "Hotel regions"};
inline constexpr Text kRecentHeader{"最近選択のホテル地域", "Recently chosen regions"};
inline constexpr Text kAreaMessage{
    "エリア、もしくは最近選択の出発地よりホテル地域を選択して下さい",
    "Choose a hotel region from an area or from the recently chosen regions"};
inline constexpr Text kConfirmChoice{"選択確定", "Choose"};
inline constexpr Text kAreaBack{"取消", "Back"};
inline constexpr Text kAreaCancel{"取消終了", "Cancel"};

// District selection window (DistrictSelectWindow).
inline constexpr Text kDistrictTitle{"ホテル地区選択", "Choose hotel districts"};
inline constexpr Text kAvailableHeader{"ホテル地区名", "Hotel districts"};
inline constexpr Text kChosenHeader{"選択地区名", "Chosen districts"};
inline constexpr Text kMoveSelected{"選択>", "Add >"};
inline constexpr Text kMoveAll{"全選択>>", "Add all >>"};
inline constexpr Text kBackSelected{"<取消", "< Remove"};
inline constexpr Text kBackAll{"<<全取消", "<< Remove all"};
inline constexpr Text kDistrictCancel{"ｷｬﾝｾﾙ", "Cancel"};
inline constexpr Text kDistrictAccept{"了解", "OK"};

}  // namespace vorlash::hotel_text
