// Texts of the hotel search, the hotel list, the area selection and the
// district selection: window titles, captions, headers and messages.
#pragma once

#include <array>
#include <string_view>

namespace vorlash::hotel_text {

// Hotel search window (timetable12).
inline constexpr std::string_view kSearchTitle = "ｿﾙﾏｰ時刻表&ﾎﾃﾙ情報";
inline constexpr std::string_view kSearchFrame = "ホテル検索条件";
inline constexpr std::string_view kRegionLabel = "ホテル検索地域名";
inline constexpr std::string_view kStartSearch = "検索開始";
inline constexpr std::string_view kEndSearch = "検索終了";
inline constexpr std::string_view kAreaButton = "?";
// Proposed region when the recent hotel regions hold none.
inline constexpr std::string_view kDefaultRegion = "東京／羽田";
inline constexpr std::string_view kRegionError = "ホテル検索地域名の入力エラー！！";
inline constexpr int kRegionErrorHelp = 256;

// Hotel list window (timetable6).
inline constexpr std::string_view kListTitle = "ソルマー時刻表&ホテル情報";
inline constexpr std::string_view kListClose = "終了";
inline constexpr std::string_view kNarrow = "地区の絞り込み";
inline constexpr std::string_view kListNote =
    "備考(評価)は作者の個人的な評価です。公的機関の評価ではありません。ご留意下さい。";
inline constexpr std::string_view kNoHotels = "ホテルデータなし";
inline constexpr int kNoHotelsHelp = 204;
// The title line: origin, arrow, region, two blanks, date, " 出発".
inline constexpr std::string_view kSearchOrigin = "＊＊＊＊＊";
inline constexpr std::string_view kTitleArrow = " → ";
inline constexpr std::string_view kTitleGap = "  ";
inline constexpr std::string_view kTitleTail = " 出発";

inline constexpr int kGridColumns = 7;
inline constexpr std::array<std::string_view, kGridColumns> kGridHeaders = {
    "地区", "ホテル名", "電話番号", "部屋数", "交通", "部屋代", "備考(評価)"};
// Column widths of the hotel grid, in twips.
inline constexpr std::array<int, kGridColumns> kGridTwips = {900, 2520, 1170, 720, 1980, 720, 1080};
inline constexpr std::string_view kRoomsPicture = "#####";
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

// Area selection window (timetable15); its title is its frame caption.
inline constexpr std::string_view kAreaFrame = "ホテル地域の選択";
inline constexpr int kAreaCount = 10;  // area 0 (全国) and areas 1..9
inline constexpr std::array<std::string_view, kAreaCount> kAreaOptions = {
    "全国",       "北海道エリア", "東北エリア", "北陸・中部エリア", "東京エリア",
    "大阪エリア", "中国エリア",   "四国エリア", "九州エリア",       "沖縄エリア"};
inline constexpr std::string_view kRegionListHeader = "ホテル地域";
inline constexpr std::string_view kRecentHeader = "最近選択のホテル地域";
inline constexpr std::string_view kAreaMessage =
    "エリア、もしくは最近選択の出発地よりホテル地域を選択して下さい";
inline constexpr std::string_view kConfirmChoice = "選択確定";
inline constexpr std::string_view kAreaBack = "取消";
inline constexpr std::string_view kAreaCancel = "取消終了";

// District selection window (timetable7).
inline constexpr std::string_view kDistrictTitle = "ホテル地区選択";
inline constexpr std::string_view kAvailableHeader = "ホテル地区名";
inline constexpr std::string_view kChosenHeader = "選択地区名";
inline constexpr std::string_view kMoveSelected = "選択>";
inline constexpr std::string_view kMoveAll = "全選択>>";
inline constexpr std::string_view kBackSelected = "<取消";
inline constexpr std::string_view kBackAll = "<<全取消";
inline constexpr std::string_view kDistrictCancel = "ｷｬﾝｾﾙ";
inline constexpr std::string_view kDistrictAccept = "了解";

// The hotel section of the DataFile cannot be read ("{}" filled by fill()).
inline constexpr std::string_view kHotelSection = "ホテル情報";
inline constexpr std::string_view kIndexCount = "索引ブロック {} の件数 {} が 0～250 の外です";
inline constexpr std::string_view kTooManyHotels = "ホテルが {} 件を超えています";
inline constexpr std::string_view kNegativeIndex = "ホテル {} の索引の値 {} が負の値です";
inline constexpr std::string_view kRegionAbove = "ホテル {} の地域 {} が 100 を超えています";
inline constexpr std::string_view kDistrictAbove = "ホテル {} の地区 {} が 200 を超えています";
inline constexpr std::string_view kTelOf = "ホテル {} の電話番号";
inline constexpr std::string_view kChargeOf = "ホテル {} の部屋代";
inline constexpr std::string_view kBlankTel = "ホテル {} の電話番号が空です";

}  // namespace vorlash::hotel_text
