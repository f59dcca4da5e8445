// The DataFile's hotel section: its name and the messages of its reader.
#pragma once

#include <array>
#include <string_view>

#include "text/language.h"

namespace vorlash::hotel_text {

// The hotel section of the DataFile cannot be read ("{}" filled by fill()).
inline constexpr Text kHotelSection{"ホテル情報", "hotel information"};
inline constexpr Text kIndexCount{"索引ブロック {} の件数 {} が 0～250 の外です",
                                  "index block {} count {} is outside 0 to 250"};
inline constexpr Text kTooManyHotels{"ホテルが {} 件を超えています", "more than {} hotels"};
inline constexpr Text kNegativeIndex{"ホテル {} の索引の値 {} が負の値です",
                                     "hotel {} index value {} is negative"};
inline constexpr Text kRegionAbove{"ホテル {} の地域 {} が 100 を超えています",
                                   "hotel {} region {} exceeds 100"};
inline constexpr Text kDistrictAbove{"ホテル {} の地区 {} が 200 を超えています",
                                     "hotel {} district {} exceeds 200"};
inline constexpr Text kTelOf{"ホテル {} の電話番号", "telephone number of hotel {}"};
inline constexpr Text kChargeOf{"ホテル {} の部屋代", "room charge of hotel {}"};
inline constexpr Text kBlankTel{"ホテル {} の電話番号が空です",
                                "telephone number of hotel {} is empty"};

}  // namespace vorlash::hotel_text
