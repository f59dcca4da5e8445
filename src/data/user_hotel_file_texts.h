// The messages of the UserHotelFile's reader and writer.
#pragma once

#include <array>
#include <string_view>

#include "text/language.h"

namespace vorlash::user_hotel_text {

// A UserHotelFile line that cannot be read, or a hotel that cannot be
// written ("{}" filled by fill()).
inline constexpr Text kLineUnread{"{} 行目: {}", "line {}: {}"};
inline constexpr Text kLineSeparator{"；", "; "};
inline constexpr Text kNoClosingQuote{"{} 番目の項目のダブルクォーテーションが閉じていません",
                                      "the double quote of field {} is not closed"};
inline constexpr Text kTextAfterQuote{
    "{} 番目の項目の閉じたダブルクォーテーションの後に文字があります",
    "field {} has text after its closing double quote"};
inline constexpr Text kFieldCount{"項目が {} 個あります（8 個のはずです）",
                                  "{} fields (there should be 8)"};
inline constexpr Text kRoomsFieldNotNumber{"部屋数「{}」が数字ではありません",
                                           "rooms \"{}\" is not a number"};
inline constexpr Text kTooManyUserHotels{"ホテルが {} 件を超えています", "more than {} hotels"};
inline constexpr Text kNotShiftJis{"Shift-JIS として読めない文字があります",
                                   "characters that cannot be read as Shift-JIS"};
inline constexpr Text kHotelField{"{}: 利用者ホテル {} の{}: {}", "{}: user hotel {}, {}: {}"};
inline constexpr std::array<Text, 7> kFieldNames = {{{"地域名", "region"},
                                                     {"地区名", "district"},
                                                     {"ホテル名", "hotel name"},
                                                     {"電話番号", "telephone number"},
                                                     {"交通", "access"},
                                                     {"部屋代", "room charge"},
                                                     {"備考", "remarks"}}};
inline constexpr Text kQuoteNotStored{"ダブルクォーテーション(\")は保存できません",
                                      "double quotes (\") cannot be saved"};
inline constexpr Text kBreakNotStored{"改行は保存できません", "line breaks cannot be saved"};
inline constexpr Text kNotInShiftJis{"Shift-JIS にない文字は保存できません",
                                     "characters outside Shift-JIS cannot be saved"};

}  // namespace vorlash::user_hotel_text
