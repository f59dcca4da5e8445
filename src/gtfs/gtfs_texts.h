// The texts a transit feed written by export-gtfs carries: agency, route
// names and the service and id schemes. The feed is data, in Japanese in
// every language of the program.
#pragma once

#include <string_view>

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
inline constexpr std::string_view kNotFeed = "フィードのフォルダーでも .zip ファイルでもありません";
inline constexpr std::string_view kEditionNeeded =
    "--base を指定しないときは、対応表に版（edition）が必要です";

// import-gtfs: what is wrong with a line of the feed. A message reads
// "<file>:<line>: <column> "<value>": <what>"; "{}" marks where fill() puts
// column names and values, which stay as the feed spells them.
inline constexpr std::string_view kNotHms = "H:MM:SS の時刻ではありません";
inline constexpr std::string_view kHasSeconds = "秒があります（DataFile は秒を持てません）";
inline constexpr std::string_view kPast4759 = "47:59 を過ぎています（DataFile は持てません）";
inline constexpr std::string_view kNoCalendar =
    "フィードに calendar.txt も calendar_dates.txt もありません";
inline constexpr std::string_view kFeedLacksFile = "フィードにこのファイルがありません";
inline constexpr std::string_view kHeaderLacksColumn = "見出しに列 {} がありません";
inline constexpr std::string_view kStopTwice = "この停留所が二度あります";
inline constexpr std::string_view kRouteNotInRoutes = "route {} は routes.txt にありません";
inline constexpr std::string_view kTripTwice = "この便が二度あります";
inline constexpr std::string_view kServiceUnknown =
    "この運行日は calendar.txt にも calendar_dates.txt にもありません";
inline constexpr std::string_view kNoDirection = "対応表にこの方向の行き先がありません";
inline constexpr std::string_view kNoDayCode = "対応表にこの運行日の運転日コードがありません";
inline constexpr std::string_view kNoKeiyoTable =
    "対応表に、この運行日と direction_id {} の京葉線の表がありません";
inline constexpr std::string_view kShinkansenCodeUnfit =
    "列車コード {} になりますが、コードは 1～4 文字の 1 バイト文字です";
inline constexpr std::string_view kKeiyoCodeUnfit =
    "京葉線の列車コード（番号と英字 1 文字、5 文字まで）ではありません";
inline constexpr std::string_view kTooManyInDirection =
    "DataFile の direction {} に入る列車は {} 本までです";
inline constexpr std::string_view kTooManyInKeiyo = "DataFile の京葉線の表 {} に入る列車は {} 本までです";
inline constexpr std::string_view kTripNotInTrips = "この便は trips.txt にありません";
inline constexpr std::string_view kStopNotInStops = "この停留所は stops.txt にありません";
inline constexpr std::string_view kNotWhole = "整数ではありません";
inline constexpr std::string_view kStopNeedsTime = "DataFile では停車に時刻が要ります";
inline constexpr std::string_view kDepartsBeforeArrival =
    "到着より前です：便が時間をさかのぼっています";
inline constexpr std::string_view kSequenceTwice = "一つの便の中で二度あります";
inline constexpr std::string_view kArrivesBeforeDeparture =
    "前の停留所の発車より前です：便が時間をさかのぼっています";
inline constexpr std::string_view kNameNotSjis = "Shift-JIS で表せない名前です";
inline constexpr std::string_view kMappedStopNotInStops = "stop {} は stops.txt にありません";
inline constexpr std::string_view kStopOffDirection =
    "direction {} の駅の並びで、この便のそれより前の停車の後にありません（trips.txt:{}）";
inline constexpr std::string_view kStopOffKeiyo =
    "京葉線の表 {} の時刻のある位置 1～12 で、この便のそれより前の停車の後にありません"
    "（trips.txt:{}）";

// The feed's CSV files as text.
inline constexpr std::string_view kTextAfterQuote = "{} 番目の欄の閉じた引用符の後に文字があります";
inline constexpr std::string_view kQuoteNotClosed = "引用符で始まる欄がファイルの終わりまで閉じていません";
inline constexpr std::string_view kTooManyFields = "欄が {} 個あります（見出しは {} 個）";
inline constexpr std::string_view kNoHeader = "見出しの行がありません";

// The mapping file (feed.tsv): "<file>:<line>: <what>".
inline constexpr std::string_view kNotKeyword = "{} は対応表のキーワードではありません";
inline constexpr std::string_view kExpectedFields = "{} の形（タブ区切り）で書いてください";
inline constexpr std::string_view kEditionRange = "edition は 1、2、3 のどれかです";
inline constexpr std::string_view kStationCountRange = "station_count は 1～50 です";
inline constexpr std::string_view kOneKeiyoRoute = "京葉線の route は一つだけです";
inline constexpr std::string_view kDirectionRange = "方向は 1（下り）か 2（上り）です";
inline constexpr std::string_view kMappedTwice = "{} が二度対応づけられています";
inline constexpr std::string_view kStationRowRange = "方向は 1 か 2、行は 1～50 です";
inline constexpr std::string_view kKindRange = "種類は 0、1、2 のどれかです";
inline constexpr std::string_view kRowTwice = "direction {} の row {} が二度あります";
inline constexpr std::string_view kDayCodeRange = "運転日コードは 0～255 です";
inline constexpr std::string_view kTrainNameForm = "列車名には英字 1 文字のコードと名前が要ります";
inline constexpr std::string_view kTripGivenTwice = "trip {} が二度あります";
inline constexpr std::string_view kKeiyoTableRange = "京葉線の表は 1～4 です";
inline constexpr std::string_view kKeiyoCountRange = "京葉線の表は 1～4、駅数は 0～15 です";
inline constexpr std::string_view kKeiyoPositionRange = "京葉線の表は 1～4、位置は 1～15 です";
inline constexpr std::string_view kNothingToImport =
    "shinkansen_route も keiyo_route もなく、取り込むものがありません";

// A .zip feed that cannot be read: "<archive>: <what>", or
// "<archive>: <entry>: <what>" for one file in it.
inline constexpr std::string_view kZipCannotInflate = "展開を始められません";
inline constexpr std::string_view kZipBadDeflate = "圧縮されたデータが壊れているか、記された大きさと違います";
inline constexpr std::string_view kZipTooShort = ".zip アーカイブにしては短すぎます";
inline constexpr std::string_view kZipNoEnd = ".zip アーカイブの終わりの記録がありません";
inline constexpr std::string_view kZipDirectoryOutside = "中央ディレクトリがアーカイブの外にあります";
inline constexpr std::string_view kZipEntry = "{} 番目の項目";
inline constexpr std::string_view kZipBrokenDirectory = "中央ディレクトリが壊れています";
inline constexpr std::string_view kZipEncrypted = "暗号化された項目は読めません";
inline constexpr std::string_view kZipMethod =
    "圧縮方式 {} には対応していません（無圧縮と deflate だけです）";
inline constexpr std::string_view kZipTooLarge = "項目が大きすぎます";
inline constexpr std::string_view kZipLocalHeader = "ローカルヘッダーがアーカイブの外にあるか壊れています";
inline constexpr std::string_view kZipDataOutside = "データがアーカイブの外にあります";
inline constexpr std::string_view kZipTwoSizes = "無圧縮の項目に二つの違う大きさが記されています";
inline constexpr std::string_view kZipBadCrc = "CRC が合いません（アーカイブが壊れています）";
inline constexpr std::string_view kZipFileTwice = "アーカイブに同じファイルが二つあります";

// export-gtfs: what the DataFile holds that a feed cannot carry.
inline constexpr std::string_view kDateNotYmd = "DataFile の日付 {} が YYYY/MM/DD ではありません";
inline constexpr std::string_view kRowWithoutStation =
    "{} 件目：row {} に時刻がありますが、駅名がありません";
inline constexpr std::string_view kPositionWithoutStation =
    "{} 件目：position {} に時刻がありますが、駅名がありません";

}  // namespace vorlash::gtfs_text
