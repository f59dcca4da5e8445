// Every Japanese text of the fare text and the season names, in one place so that
// a reader can see all of them. Full-width blanks (U+3000) are part of the texts.
#pragma once

#include <string_view>

namespace vorlash::fare_texts {

// Season names of the header and the printout, by season class 1..3.
inline constexpr std::string_view kSeasonRegular = "　通常期";
inline constexpr std::string_view kSeasonPeak = "　繁忙期";
inline constexpr std::string_view kSeasonOffPeak = "　閑散期";

// Charge lines.
inline constexpr std::string_view kLabelFare = "運賃";
inline constexpr std::string_view kValidityOpen = "（有効期間：";
inline constexpr std::string_view kValidityClose = "日）";
inline constexpr std::string_view kLabelOrdinaryExpress = "普通車指定席特急料金";
inline constexpr std::string_view kLabelGreen = "グリーン車料金";
inline constexpr std::string_view kLabelRoom12 = "グリーン車個室料金（１～２人用；１人分）";
inline constexpr std::string_view kLabelRoom34 = "グリーン車個室料金（３～４人用；１人分）";
inline constexpr std::string_view kGreenExpressNote =
    "※グリーン車利用の場合､普通車指定席特急料金は､";
inline constexpr std::string_view kGreenExpressNoteEnd = "円となります";
inline constexpr std::string_view kLabelNozomiExpress = "のぞみ特急料金";
inline constexpr std::string_view kLabelFreeSeatExpress = "全区間自由席利用時の特急料金";

// Journey totals.
inline constexpr std::string_view kTotalsHeader = "＜＜交通費の合計＞＞";
inline constexpr std::string_view kTotalOrdinary = "普通席指定席利用時";
inline constexpr std::string_view kTotalGreen = "グリーン車指定席利用時";
inline constexpr std::string_view kTotalNozomi = "のぞみ指定席利用時";
inline constexpr std::string_view kTotalNozomiGreen = "のぞみグリーン車指定席利用時";
inline constexpr std::string_view kTotalFreeSeat = "全区間自由席利用時";

// Discount tickets.
inline constexpr std::string_view kTicketsHeader = "＜＜新幹線のトクトクきっぷ＞＞";
inline constexpr std::string_view kPerSheet = "円／１枚あたりの料金";
inline constexpr std::string_view kTicketOpen = "（";
inline constexpr std::string_view kSheetsSuffix = "枚綴り、";
inline constexpr std::string_view kValidityDays = "日";
inline constexpr std::string_view kValidityMonths = "ヶ月";
inline constexpr std::string_view kPriceLabel = "、ねだん：";
inline constexpr std::string_view kTicketClose = "円）";
inline constexpr std::string_view kCouponName = "新幹線自由席特急回数券";
inline constexpr std::string_view kNoTickets = "　　　　新幹線のトクトクきっぷは設定されていません";

// Nozomi change supplements.
inline constexpr std::string_view kSupplementHeader =
    "＜＜のぞみとひかり・こだまを乗り継ぐ場合の普通車指定席特急料金の加算料金＞＞";
inline constexpr std::string_view kSectionJoin = "～";
inline constexpr std::string_view kSectionSuffix = "間乗車時";

// Pieces of every amount line.
inline constexpr std::string_view kColon = "：";
inline constexpr std::string_view kYen = "円";

// A fare section of the DataFile that cannot be read ("{}" filled by fill()).
inline constexpr std::string_view kKmSection = "営業キロの表";
inline constexpr std::string_view kPairSection = "運賃の表";
inline constexpr std::string_view kGreenSection = "グリーン料金の表";
inline constexpr std::string_view kTicketSection = "割引きっぷの表";
inline constexpr std::string_view kNozomiSection = "のぞみ料金の表";
inline constexpr std::string_view kNegativeTrailer = "ブロック {} の件数 {} が負の値です";
inline constexpr std::string_view kTrailerTooLarge =
    "ブロック {} の件数 {} が1ブロックに入る数を超えています";
inline constexpr std::string_view kTooManyRecords = "{} 件（表の大きさ）を超えています";
inline constexpr std::string_view kRecord = "{} 件目：{}";
inline constexpr std::string_view kNegativeKey = "キー {} が負の値です";
inline constexpr std::string_view kNot16Bits = "{} {} が16ビットに収まりません";
inline constexpr std::string_view kStationRowOutside = "駅の行 {} が 1～50 の外です";
inline constexpr std::string_view kTicketKindOutside = "きっぷの種類 {} が 1～14 の外です";

}  // namespace vorlash::fare_texts
