// Every Japanese text of the fare text and the season names, in one place so that
// a reader can see all of them. Full-width blanks (U+3000) are part of the texts.
#pragma once

#include <string_view>

#include "data/fare_file_texts.h"
#include "text/language.h"

namespace vorlash::fare_texts {

// Season names of the header and the printout, by season class 1..3.
inline constexpr Text kSeasonRegular{"　通常期", " regular season"};
inline constexpr Text kSeasonPeak{"　繁忙期", " peak season"};
inline constexpr Text kSeasonOffPeak{"　閑散期", " off-peak season"};

// Charge lines.
inline constexpr Text kLabelFare{"運賃", "Fare"};
inline constexpr Text kValidityOpen{"（有効期間：", " (valid for "};
inline constexpr Text kValidityClose{"日）", " days)"};
inline constexpr Text kLabelOrdinaryExpress{"普通車指定席特急料金", "Reserved seat express charge"};
inline constexpr Text kLabelGreen{"グリーン車料金", "Green Car charge"};
inline constexpr Text kLabelRoom12{"グリーン車個室料金（１～２人用；１人分）",
                                   "Green Car compartment (1-2 persons; per person)"};
inline constexpr Text kLabelRoom34{"グリーン車個室料金（３～４人用；１人分）",
                                   "Green Car compartment (3-4 persons; per person)"};
inline constexpr Text kGreenExpressNote{
    "※グリーン車利用の場合､普通車指定席特急料金は､",
    "* With the Green Car, the reserved seat express charge is "};
inline constexpr Text kGreenExpressNoteEnd{"円となります", " yen"};
inline constexpr Text kLabelNozomiExpress{"のぞみ特急料金", "Nozomi express charge"};
inline constexpr Text kLabelFreeSeatExpress{"全区間自由席利用時の特急料金",
                                            "Express charge, non-reserved all the way"};

// Journey totals.
inline constexpr Text kTotalsHeader{"＜＜交通費の合計＞＞", "<< Total travel cost >>"};
inline constexpr Text kTotalOrdinary{"普通席指定席利用時", "Reserved seat"};
inline constexpr Text kTotalGreen{"グリーン車指定席利用時", "Green Car reserved seat"};
inline constexpr Text kTotalNozomi{"のぞみ指定席利用時", "Nozomi reserved seat"};
inline constexpr Text kTotalNozomiGreen{"のぞみグリーン車指定席利用時",
                                        "Nozomi Green Car reserved seat"};
inline constexpr Text kTotalFreeSeat{"全区間自由席利用時", "Non-reserved all the way"};

// Discount tickets.
inline constexpr Text kTicketsHeader{"＜＜新幹線のトクトクきっぷ＞＞",
                                     "<< Shinkansen discount tickets >>"};
inline constexpr Text kPerSheet{"円／１枚あたりの料金", " yen per ticket"};
inline constexpr Text kTicketOpen{"（", " ("};
inline constexpr Text kSheetsSuffix{"枚綴り、", " tickets, "};
inline constexpr Text kValidityDays{"日", " days"};
inline constexpr Text kValidityMonths{"ヶ月", " months"};
inline constexpr Text kPriceLabel{"、ねだん：", ", price: "};
inline constexpr Text kTicketClose{"円）", " yen)"};
inline constexpr Text kCouponName{"新幹線自由席特急回数券",
                                  "Shinkansen non-reserved express coupon tickets"};
inline constexpr Text kNoTickets{"　　　　新幹線のトクトクきっぷは設定されていません",
                                 "        No Shinkansen discount tickets are on sale"};

// Nozomi change supplements.
inline constexpr Text kSupplementHeader{
    "＜＜のぞみとひかり・こだまを乗り継ぐ場合の普通車指定席特急料金の加算料金＞＞",
    "<< Supplement to the reserved seat express charge when changing between Nozomi and "
    "Hikari/Kodama >>"};
inline constexpr Text kSectionJoin{"～", "-"};
inline constexpr Text kSectionSuffix{"間乗車時", " section"};

// Pieces of every amount line.
inline constexpr Text kColon{"：", ": "};
inline constexpr Text kYen{"円", " yen"};

}  // namespace vorlash::fare_texts
