// Texts of the data compiler (build-data) and of export-data: what is wrong
// with a line of a source file. A message reads "<file>:<line>: <what>"; the
// column names and values in it stay as the files spell them. "{}" marks
// where fill() puts them.
#pragma once

#include <string_view>

#include "text/language.h"

namespace vorlash::source_text {

// A file as a whole.
inline constexpr Text kFileMissing{"ファイルがありません", "the file is missing"};
inline constexpr Text kHeaderMismatch{"見出しの行はタブ区切りの列 {} でなければなりません",
                                      "the header must be the tab-separated columns {}"};
inline constexpr Text kNoHeader{"見出しの行がありません（{}）", "no header line ({})"};
inline constexpr Text kTooManyFields{"列が {} 個あります（見出しは {} 個）",
                                     "{} fields, but the header has {}"};
inline constexpr Text kMoreErrors{"（ほかに {} 件の誤りがあります）", "({} more errors)"};
// Where an error belongs to no one file.
inline constexpr Text kAllFiles{"（すべてのファイル）", "(all files)"};

// One field: "<column> <value> …".
inline constexpr Text kFieldEmpty{"{} {} が空です", "{} {} is empty"};
inline constexpr Text kFieldNotWhole{"{} {} は整数ではありません", "{} {} is not a whole number"};
inline constexpr Text kFieldNotTime{"{} {} は H:MM の時刻ではありません（時 0～47、分 0～59）",
                                    "{} {} is not H:MM (hour 0..47, minute 0..59)"};
inline constexpr Text kFieldZeroTime{
    "{} {} は記録できません：0 は停車なしのしるしです（24:00 と書いてください）",
    "{} {} cannot be stored: 0 means no stop (write 24:00)"};
inline constexpr Text kFieldNotDistance{"{} {} は小数 1 けたの距離ではありません（552.6 のように）",
                                        "{} {} is not a distance with one decimal (552.6)"};
inline constexpr Text kOutOfRange{"{} {} が {}～{} の外です", "{} {} is not {}..{}"};
inline constexpr Text kNotOneOrTwo{"{} {} は 1 でも 2 でもありません", "{} {} is not 1 or 2"};
inline constexpr Text kNegative{"{} が負の値です", "{} is negative"};
inline constexpr Text kNotSingleByte{
    "{} {} は 1 バイト文字（ASCII か半角カナ）だけで書いてください",
    "{} {} must be single-byte text (ASCII or half-width kana)"};
inline constexpr Text kLongerThan{"{} {} が {} 文字を超えています",
                                  "{} {} is longer than {} characters"};
inline constexpr Text kRecordTooLong{
    "{} は Shift-JIS で {} バイトあります（一つの値は 65535 バイトまで）",
    "{} is {} bytes long in Shift-JIS; a value record holds at most 65535"};
inline constexpr Text kBlank{"{} が空白だけです", "{} must not be blank"};
inline constexpr Text kNotStation{"{} {} は {} の direction 1 の駅ではありません",
                                  "{} {} is not a station of direction 1 in {}"};
inline constexpr Text kNotListed{"{} {} は {} にありません", "{} {} is not in {}"};

// Keys, tables and rows.
inline constexpr Text kUnknownKey{"key {} は知らないキーです", "unknown key {}"};
inline constexpr Text kGivenTwice{"{} が二度あります（最初は {} 行目）",
                                  "{} is given twice (first on line {})"};
inline constexpr Text kEntryMissing{"{} がありません", "{} is missing"};
// A table with too many entries: what, limit, the first number too many.
inline constexpr Text kTooMany{"{}が {} 件を超えています（これが {} 件目）",
                               "too many {}: more than {} (this is number {})"};
inline constexpr Text kRegions{"地域", "regions"};
inline constexpr Text kDistricts{"地区", "districts"};
inline constexpr Text kTrains{"列車", "trains"};
inline constexpr Text kKmEntries{"キロ程", "entries"};
inline constexpr Text kFarePairs{"運賃の組", "fare pairs"};
inline constexpr Text kGreenBrackets{"グリーン料金の区分", "green brackets"};
inline constexpr Text kTickets{"割引きっぷ", "discount tickets"};
inline constexpr Text kNozomiCharges{"のぞみ料金", "Nozomi charges"};
inline constexpr Text kHotels{"ホテル", "hotels"};
// The column "km" as the writer checks it, in tenths.
inline constexpr Text kKmInTenths{"km（0.1 km 単位）", "km in tenths"};

// What the DataFile layout cannot hold.
inline constexpr Text kRegionBlockFull{
    "地域の数と名前が Shift-JIS で {} バイトあり、ブロック 0 の 1024 バイトに収まりません",
    "the region count and names take {} bytes in Shift-JIS; they must fit in the 1024 bytes of "
    "block 0"};
inline constexpr Text kKeiyoCodeForm{
    "code {} は列車番号と英字 1 文字の形（5 文字まで）ではありません",
    "code {} is not a train number followed by one letter, at most 5 characters"};
inline constexpr Text kKeiyoCodeZero{"code {}：列車番号は 1 以上にしてください",
                                     "code {}: the train number must be 1 or more"};
inline constexpr Text kKeiyoFieldFull{
    "{} {} と列車番号 {} の和が 13 ビットの欄（8191）を超えています",
    "{} {} plus the train number {} exceeds the 13-bit field (8191)"};
inline constexpr Text kNoStop{"（停車なし）", "(no stop)"};
inline constexpr Text kShinkansenCodeBlank{
    "code {} は空にも、空白で始まる形や終わる形にもできません",
    "code {} must not be empty or begin or end with a blank"};
inline constexpr Text kNotVehicle{"vehicle {} は版 {} の車両の種類ではありません（{}）",
                                  "vehicle {} is not a vehicle type of Edition {} ({})"};
inline constexpr Text kBlockBeyondControl{
    "部分の始まりがブロック {} になりますが、制御の値が指せるのはブロック 0～32767 だけです",
    "a section would start at block {}; the control values address blocks 0..32767 only"};
inline constexpr Text kNozomiEditionOne{
    "のぞみ料金は版 1 でしか読まれません（これは版 {}）",
    "Nozomi charges are read for Edition 1 only; this is Edition {}"};

// export-data: a loaded table that its source file cannot carry. A message
// reads "<file>: <entry> 件目：<what>".
inline constexpr Text kExportEntry{"{} 件目：{}", "entry {}: {}"};
inline constexpr Text kHoldsTabOrBreak{"{} にタブか改行があります",
                                       "{} holds a tab or a line break"};
inline constexpr Text kReadsAsComment{"{} は注釈の行として読まれてしまいます",
                                      "{} would read as a comment line"};
inline constexpr Text kEmptyNameLine{"空の名前は空の行として読まれてしまいます",
                                     "an empty name would read as an empty line"};
inline constexpr Text kTimeNotHmm{"時刻 {} は H:MM で書けません",
                                  "time {} cannot be written as H:MM"};
inline constexpr Text kNegativeDistance{"負の距離は書けません",
                                        "a negative distance cannot be written"};

}  // namespace vorlash::source_text
