// Every Japanese text of the fare text and the season names, in one place so that
// a reader can see all of them. Full-width blanks (U+3000) are part of the texts.
#pragma once

#include <string_view>

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

// A fare section of the DataFile that cannot be read ("{}" filled by fill()).
inline constexpr Text kKmSection{"営業キロの表", "fare kilometre table"};
inline constexpr Text kPairSection{"運賃の表", "fare table"};
inline constexpr Text kGreenSection{"グリーン料金の表", "Green charge table"};
inline constexpr Text kTicketSection{"割引きっぷの表", "discount ticket table"};
inline constexpr Text kNozomiSection{"のぞみ料金の表", "Nozomi charge table"};
inline constexpr Text kNegativeTrailer{"ブロック {} の件数 {} が負の値です",
                                       "block {} count {} is negative"};
inline constexpr Text kTrailerTooLarge{"ブロック {} の件数 {} が1ブロックに入る数を超えています",
                                       "block {} count {} exceeds what a block holds"};
inline constexpr Text kTooManyRecords{"{} 件（表の大きさ）を超えています",
                                      "more than {} records (the table's size)"};
inline constexpr Text kRecord{"{} 件目：{}", "record {}: {}"};
inline constexpr Text kNegativeKey{"キー {} が負の値です", "key {} is negative"};
inline constexpr Text kNot16Bits{"{} {} が16ビットに収まりません", "{} {} does not fit in 16 bits"};
inline constexpr Text kStationRowOutside{"駅の行 {} が 1～50 の外です",
                                         "station row {} is outside 1 to 50"};
inline constexpr Text kTicketKindOutside{"きっぷの種類 {} が 1～14 の外です",
                                         "ticket kind {} is outside 1 to 14"};

// Ticket names by ticket kind 1..14 (0 unused).
inline constexpr Text kTicketNames[15] = {
    {"", ""},
    {"のぞみ指定席特急回数券（普通車用）", "Nozomi reserved express coupons (ordinary car)"},
    {"のぞみ指定席特急回数券（グリーン車用）", "Nozomi reserved express coupons (Green Car)"},
    {"新幹線エコノミーきっぷ（普通車用）", "Shinkansen economy ticket (ordinary car)"},
    {"新幹線エコノミーきっぷ（グリーン車用）", "Shinkansen economy ticket (Green Car)"},
    {"新幹線指定席特急回数券（普通車用）", "Shinkansen reserved express coupons (ordinary car)"},
    {"新幹線指定席特急回数券（グリーン車用）", "Shinkansen reserved express coupons (Green Car)"},
    {"なすのきっぷ（往復割引きっぷ：普通車自由席）",
     "Nasuno ticket (return discount ticket: non-reserved)"},
    {"なすの指定席特急回数券", "Nasuno reserved express coupons"},
    {"のぞみ東京ビジネス回数券（普通車用）", "Nozomi Tokyo business coupons (ordinary car)"},
    {"のぞみ東京ビジネス回数券（グリーン車用）", "Nozomi Tokyo business coupons (Green Car)"},
    {"新幹線ウィークエンド回数券（普通車自由席）", "Shinkansen weekend coupons (non-reserved)"},
    {"新幹線オフピーク回数券（普通車自由席）", "Shinkansen off-peak coupons (non-reserved)"},
    {"こまち回数券", "Komachi coupons"},
    {"新幹線自由席特急回数券", "Shinkansen non-reserved express coupons"},
};

// Fields of the fare records, named in messages about a broken record.
inline constexpr Text kFieldFreeSeatExpress{"自由席特急料金", "non-reserved express charge"};
inline constexpr Text kFieldFare{"運賃", "fare"};
inline constexpr Text kFieldExpress{"特急料金", "express charge"};
inline constexpr Text kFieldUpperKm{"上限キロ", "upper kilometres"};
inline constexpr Text kFieldGreen{"グリーン料金", "Green charge"};
inline constexpr Text kFieldRoom12{"個室料金（1～2人）", "compartment charge (1-2 persons)"};
inline constexpr Text kFieldRoom34{"個室料金（3～4人）", "compartment charge (3-4 persons)"};
inline constexpr Text kFieldValidity{"有効期間", "validity"};
inline constexpr Text kFieldSpare{"予備の値", "spare value"};
inline constexpr Text kFieldNozomiExpress{"のぞみ特急料金", "Nozomi express charge"};
inline constexpr Text kFieldSupplement{"加算額", "supplement"};

}  // namespace vorlash::fare_texts
