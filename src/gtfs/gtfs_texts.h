// The texts a transit feed written by export-gtfs carries: agency, route
// names and the service and id schemes. The feed is data, in Japanese in
// every language of the program.
#pragma once

#include <string_view>

#include "text/language.h"

namespace vorlash::gtfs_text {

inline constexpr std::string_view kAgencyId = "VORLASH";
inline constexpr std::string_view kAgencyName = "vorlash 時刻表";  // data text: not translated
inline constexpr std::string_view kPublisherUrl = "https://vorlash.invalid/";
inline constexpr std::string_view kTimezone = "Asia/Tokyo";
inline constexpr std::string_view kLanguage = "ja";

inline constexpr std::string_view kShinkansenRoute = "SHINKANSEN";
inline constexpr std::string_view kKeiyoRoute = "KEIYO";
// Route names by Edition 1..3, and the Keiyo line.
inline constexpr std::string_view kShinkansenName[4] = {
    "新幹線",                                             // data text: not translated
    "東海道・山陽新幹線",                                 // data text: not translated
    "東北・山形・秋田新幹線",                             // data text: not translated
    "上越・長野新幹線"};                                  // data text: not translated
inline constexpr std::string_view kKeiyoName = "京葉線";  // data text: not translated
// Extended route types: high-speed rail and regional rail.
inline constexpr int kHighSpeedRail = 101;
inline constexpr int kRegionalRail = 106;

// Keiyo services: tables 1 and 2 run on weekdays, 3 and 4 on Saturdays and holidays.
inline constexpr std::string_view kKeiyoWeekday = "KEIYO_WEEKDAY";
inline constexpr std::string_view kKeiyoHoliday = "KEIYO_HOLIDAY";

// Errors of the feed and mapping files as a whole (reasons after
// "<path>: 読み込めません（…）").
inline constexpr Text kNotFeed{"フィードのフォルダーでも .zip ファイルでもありません",
                               "neither a feed folder nor a .zip file"};
inline constexpr Text kEditionNeeded{"--base を指定しないときは、対応表に版（edition）が必要です",
                                     "without --base the mapping must give the edition"};

// import-gtfs: what is wrong with a line of the feed. A message reads
// "<file>:<line>: <column> "<value>": <what>"; "{}" marks where fill() puts
// column names and values, which stay as the feed spells them.
inline constexpr Text kNotHms{"H:MM:SS の時刻ではありません", "is not H:MM:SS"};
inline constexpr Text kHasSeconds{"秒があります（DataFile は秒を持てません）",
                                  "has seconds, which the DataFile cannot hold"};
inline constexpr Text kPast4759{"47:59 を過ぎています（DataFile は持てません）",
                                "lies past 47:59, which the DataFile cannot hold"};
inline constexpr Text kNoCalendar{"フィードに calendar.txt も calendar_dates.txt もありません",
                                  "the feed has neither calendar.txt nor calendar_dates.txt"};
inline constexpr Text kFeedLacksFile{"フィードにこのファイルがありません",
                                     "the feed lacks this file"};
inline constexpr Text kHeaderLacksColumn{"見出しに列 {} がありません",
                                         "the header lacks the column {}"};
inline constexpr Text kStopTwice{"この停留所が二度あります", "the stop is given twice"};
inline constexpr Text kRouteNotInRoutes{"route {} は routes.txt にありません",
                                        "route {} is not in routes.txt"};
inline constexpr Text kTripTwice{"この便が二度あります", "the trip is given twice"};
inline constexpr Text kServiceUnknown{
    "この運行日は calendar.txt にも calendar_dates.txt にもありません",
    "the service is in neither calendar.txt nor calendar_dates.txt"};
inline constexpr Text kNoDirection{"対応表にこの方向の行き先がありません",
                                   "the mapping gives no direction for it"};
inline constexpr Text kNoDayCode{"対応表にこの運行日の運転日コードがありません",
                                 "the mapping gives no operating-day code for it"};
inline constexpr Text kNoKeiyoTable{
    "対応表に、この運行日と direction_id {} の京葉線の表がありません",
    "the mapping gives no Keiyo table for it with direction_id {}"};
inline constexpr Text kShinkansenCodeUnfit{
    "列車コード {} になりますが、コードは 1～4 文字の 1 バイト文字です",
    "gives the train code {}, but a code is 1 to 4 single-byte characters"};
inline constexpr Text kKeiyoCodeUnfit{
    "京葉線の列車コード（番号と英字 1 文字、5 文字まで）ではありません",
    "is not a Keiyo train code (the number and one letter, at most 5 characters)"};
inline constexpr Text kTooManyInDirection{"DataFile の direction {} に入る列車は {} 本までです",
                                          "direction {} of the DataFile holds at most {} trains"};
inline constexpr Text kTooManyInKeiyo{"DataFile の京葉線の表 {} に入る列車は {} 本までです",
                                      "Keiyo table {} of the DataFile holds at most {} trains"};
inline constexpr Text kTripNotInTrips{"この便は trips.txt にありません",
                                      "the trip is not in trips.txt"};
inline constexpr Text kStopNotInStops{"この停留所は stops.txt にありません",
                                      "the stop is not in stops.txt"};
inline constexpr Text kNotWhole{"整数ではありません", "is not a whole number"};
inline constexpr Text kStopNeedsTime{"DataFile では停車に時刻が要ります",
                                     "a stop needs a time in the DataFile"};
inline constexpr Text kDepartsBeforeArrival{
    "到着より前です：便が時間をさかのぼっています",
    "lies before the arrival: the trip runs backwards in time"};
inline constexpr Text kSequenceTwice{"一つの便の中で二度あります", "is given twice in the trip"};
inline constexpr Text kArrivesBeforeDeparture{
    "前の停留所の発車より前です：便が時間をさかのぼっています",
    "lies before the departure from the stop before: the trip runs backwards in time"};
inline constexpr Text kNameNotSjis{"Shift-JIS で表せない名前です",
                                   "Shift-JIS cannot hold this name"};
inline constexpr Text kMappedStopNotInStops{"stop {} は stops.txt にありません",
                                            "stop {} is not in stops.txt"};
inline constexpr Text kStopOffDirection{
    "direction {} の駅の並びで、この便のそれより前の停車の後にありません（trips.txt:{}）",
    "is not in the station list of direction {} after the trip's stops before it (trips.txt:{})"};
inline constexpr Text kStopOffKeiyo{
    "京葉線の表 {} の時刻のある位置 1～12 で、この便のそれより前の停車の後にありません"
    "（trips.txt:{}）",
    "is not in the station list of Keiyo table {} (positions 1..12 carry times) after the trip's "
    "stops before it (trips.txt:{})"};

// The feed's CSV files as text.
inline constexpr Text kTextAfterQuote{"{} 番目の欄の閉じた引用符の後に文字があります",
                                      "text after the closing quote of field {}"};
inline constexpr Text kQuoteNotClosed{"引用符で始まる欄がファイルの終わりまで閉じていません",
                                      "a quoted field is not closed before the end of the file"};
inline constexpr Text kTooManyFields{"欄が {} 個あります（見出しは {} 個）",
                                     "{} fields, but the header has {}"};
inline constexpr Text kNoHeader{"見出しの行がありません", "the file has no header line"};

// The mapping file (feed.tsv): "<file>:<line>: <what>".
inline constexpr Text kNotKeyword{"{} は対応表のキーワードではありません",
                                  "{} is not a keyword of the mapping"};
inline constexpr Text kExpectedFields{"{} の形（タブ区切り）で書いてください",
                                      "expected {} (tab-separated)"};
inline constexpr Text kEditionRange{"edition は 1、2、3 のどれかです", "edition must be 1, 2 or 3"};
inline constexpr Text kStationCountRange{"station_count は 1～50 です",
                                         "station_count must be 1..50"};
inline constexpr Text kOneKeiyoRoute{"京葉線の route は一つだけです",
                                     "the Keiyo line has one route"};
inline constexpr Text kDirectionRange{"方向は 1（下り）か 2（上り）です",
                                      "the direction must be 1 (down) or 2 (up)"};
inline constexpr Text kMappedTwice{"{} が二度対応づけられています", "{} is mapped twice"};
inline constexpr Text kStationRowRange{"方向は 1 か 2、行は 1～50 です",
                                       "the direction must be 1 or 2 and the row 1..50"};
inline constexpr Text kKindRange{"種類は 0、1、2 のどれかです", "the kind must be 0, 1 or 2"};
inline constexpr Text kRowTwice{"direction {} の row {} が二度あります",
                                "direction {} row {} is given twice"};
inline constexpr Text kDayCodeRange{"運転日コードは 0～255 です",
                                    "the operating-day code must be 0..255"};
inline constexpr Text kTrainNameForm{"列車名には英字 1 文字のコードと名前が要ります",
                                     "a train name needs one code letter and a name"};
inline constexpr Text kTripGivenTwice{"trip {} が二度あります", "trip {} is given twice"};
inline constexpr Text kKeiyoTableRange{"京葉線の表は 1～4 です", "the Keiyo table must be 1..4"};
inline constexpr Text kKeiyoCountRange{"京葉線の表は 1～4、駅数は 0～15 です",
                                       "the Keiyo table must be 1..4 and the count 0..15"};
inline constexpr Text kKeiyoPositionRange{"京葉線の表は 1～4、位置は 1～15 です",
                                          "the Keiyo table must be 1..4 and the position 1..15"};
inline constexpr Text kNothingToImport{
    "shinkansen_route も keiyo_route もなく、取り込むものがありません",
    "no shinkansen_route and no keiyo_route: nothing to import"};

// A .zip feed that cannot be read: "<archive>: <what>", or
// "<archive>: <entry>: <what>" for one file in it.
inline constexpr Text kZipCannotInflate{"展開を始められません", "cannot start inflating"};
inline constexpr Text kZipBadDeflate{"圧縮されたデータが壊れているか、記された大きさと違います",
                                     "the deflated data is broken or not of the stated size"};
inline constexpr Text kZipTooShort{".zip アーカイブにしては短すぎます",
                                   "too short for a .zip archive"};
inline constexpr Text kZipNoEnd{".zip アーカイブの終わりの記録がありません",
                                "no end record of a .zip archive"};
inline constexpr Text kZipDirectoryOutside{"中央ディレクトリがアーカイブの外にあります",
                                           "the central directory lies outside the archive"};
inline constexpr Text kZipEntry{"{} 番目の項目", "entry {}"};
inline constexpr Text kZipBrokenDirectory{"中央ディレクトリが壊れています",
                                          "broken central directory"};
inline constexpr Text kZipEncrypted{"暗号化された項目は読めません",
                                    "encrypted entries cannot be read"};
inline constexpr Text kZipMethod{
    "圧縮方式 {} には対応していません（無圧縮と deflate だけです）",
    "compression method {} is not supported (only stored and deflate)"};
inline constexpr Text kZipTooLarge{"項目が大きすぎます", "the entry is too large"};
inline constexpr Text kZipLocalHeader{"ローカルヘッダーがアーカイブの外にあるか壊れています",
                                      "the local header lies outside the archive or is broken"};
inline constexpr Text kZipDataOutside{"データがアーカイブの外にあります",
                                      "the data lies outside the archive"};
inline constexpr Text kZipTwoSizes{"無圧縮の項目に二つの違う大きさが記されています",
                                   "stored entry with two different sizes"};
inline constexpr Text kZipBadCrc{"CRC が合いません（アーカイブが壊れています）",
                                 "the CRC does not match (the archive is damaged)"};
inline constexpr Text kZipFileTwice{"アーカイブに同じファイルが二つあります",
                                    "the archive holds the file twice"};

// export-gtfs: what the DataFile holds that a feed cannot carry.
inline constexpr Text kDateNotYmd{"DataFile の日付 {} が YYYY/MM/DD ではありません",
                                  "the DataFile's date {} is not YYYY/MM/DD"};
inline constexpr Text kRowWithoutStation{"{} 件目：row {} に時刻がありますが、駅名がありません",
                                         "entry {}: row {} has a time but no station name"};
inline constexpr Text kPositionWithoutStation{
    "{} 件目：position {} に時刻がありますが、駅名がありません",
    "entry {}: position {} has a time but no station name"};

}  // namespace vorlash::gtfs_text
