// Texts of the data compiler (build-data) and of export-data: what is wrong
// with a line of a source file. A message reads "<file>:<line>: <what>"; the
// column names and values in it stay as the files spell them. "{}" marks
// where fill() puts them.
#pragma once

#include <string_view>

namespace vorlash::source_text {

// A file as a whole.
inline constexpr std::string_view kFileMissing = "ファイルがありません";
inline constexpr std::string_view kHeaderMismatch =
    "見出しの行はタブ区切りの列 {} でなければなりません";
inline constexpr std::string_view kNoHeader = "見出しの行がありません（{}）";
inline constexpr std::string_view kTooManyFields = "列が {} 個あります（見出しは {} 個）";
inline constexpr std::string_view kMoreErrors = "（ほかに {} 件の誤りがあります）";
// Where an error belongs to no one file.
inline constexpr std::string_view kAllFiles = "（すべてのファイル）";

// One field: "<column> <value> …".
inline constexpr std::string_view kFieldEmpty = "{} {} が空です";
inline constexpr std::string_view kFieldNotWhole = "{} {} は整数ではありません";
inline constexpr std::string_view kFieldNotTime =
    "{} {} は H:MM の時刻ではありません（時 0～47、分 0～59）";
inline constexpr std::string_view kFieldZeroTime =
    "{} {} は記録できません：0 は停車なしのしるしです（24:00 と書いてください）";
inline constexpr std::string_view kFieldNotDistance =
    "{} {} は小数 1 けたの距離ではありません（552.6 のように）";
inline constexpr std::string_view kOutOfRange = "{} {} が {}～{} の外です";
inline constexpr std::string_view kNotOneOrTwo = "{} {} は 1 でも 2 でもありません";
inline constexpr std::string_view kNegative = "{} が負の値です";
inline constexpr std::string_view kNotSingleByte =
    "{} {} は 1 バイト文字（ASCII か半角カナ）だけで書いてください";
inline constexpr std::string_view kLongerThan = "{} {} が {} 文字を超えています";
inline constexpr std::string_view kRecordTooLong =
    "{} は Shift-JIS で {} バイトあります（一つの値は 65535 バイトまで）";
inline constexpr std::string_view kBlank = "{} が空白だけです";
inline constexpr std::string_view kNotStation = "{} {} は {} の direction 1 の駅ではありません";
inline constexpr std::string_view kNotListed = "{} {} は {} にありません";

// Keys, tables and rows.
inline constexpr std::string_view kUnknownKey = "key {} は知らないキーです";
inline constexpr std::string_view kGivenTwice = "{} が二度あります（最初は {} 行目）";
inline constexpr std::string_view kEntryMissing = "{} がありません";
// A table with too many entries: what, limit, the first number too many.
inline constexpr std::string_view kTooMany = "{}が {} 件を超えています（これが {} 件目）";
inline constexpr std::string_view kRegions = "地域";
inline constexpr std::string_view kDistricts = "地区";
inline constexpr std::string_view kTrains = "列車";
inline constexpr std::string_view kKmEntries = "キロ程";
inline constexpr std::string_view kFarePairs = "運賃の組";
inline constexpr std::string_view kGreenBrackets = "グリーン料金の区分";
inline constexpr std::string_view kTickets = "割引きっぷ";
inline constexpr std::string_view kNozomiCharges = "のぞみ料金";
inline constexpr std::string_view kHotels = "ホテル";
// The column "km" as the writer checks it, in tenths.
inline constexpr std::string_view kKmInTenths = "km（0.1 km 単位）";

// What the DataFile layout cannot hold.
inline constexpr std::string_view kRegionBlockFull =
    "地域の数と名前が Shift-JIS で {} バイトあり、ブロック 0 の 1024 バイトに収まりません";
inline constexpr std::string_view kKeiyoCodeForm =
    "code {} は列車番号と英字 1 文字の形（5 文字まで）ではありません";
inline constexpr std::string_view kKeiyoCodeZero = "code {}：列車番号は 1 以上にしてください";
inline constexpr std::string_view kKeiyoFieldFull =
    "{} {} と列車番号 {} の和が 13 ビットの欄（8191）を超えています";
inline constexpr std::string_view kNoStop = "（停車なし）";
inline constexpr std::string_view kShinkansenCodeBlank =
    "code {} は空にも、空白で始まる形や終わる形にもできません";
inline constexpr std::string_view kNotVehicle = "vehicle {} は版 {} の車両の種類ではありません（{}）";
inline constexpr std::string_view kBlockBeyondControl =
    "部分の始まりがブロック {} になりますが、制御の値が指せるのはブロック 0～32767 だけです";
inline constexpr std::string_view kNozomiEditionOne =
    "のぞみ料金は版 1 でしか読まれません（これは版 {}）";

// export-data: a loaded table that its source file cannot carry. A message
// reads "<file>: <entry> 件目：<what>".
inline constexpr std::string_view kExportEntry = "{} 件目：{}";
inline constexpr std::string_view kHoldsTabOrBreak = "{} にタブか改行があります";
inline constexpr std::string_view kReadsAsComment = "{} は注釈の行として読まれてしまいます";
inline constexpr std::string_view kEmptyNameLine = "空の名前は空の行として読まれてしまいます";
inline constexpr std::string_view kTimeNotHmm = "時刻 {} は H:MM で書けません";
inline constexpr std::string_view kNegativeDistance = "負の距離は書けません";

}  // namespace vorlash::source_text
