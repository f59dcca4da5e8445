// The DataFile's fare sections: their names, the discount tickets they hold and the
// messages of their reader.
#pragma once

#include <array>
#include <string_view>

#include "text/language.h"

namespace vorlash::fare_texts {

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
