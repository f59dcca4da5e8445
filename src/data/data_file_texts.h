// Texts of a DataFile that cannot be read: the section being read and what
// is wrong with it. A message reads "<file>: <section>: <what>"; "{}" marks
// where fill() puts numbers.
#pragma once

#include <string_view>

namespace vorlash::data_text {

// Sections of the DataFile.
inline constexpr std::string_view kControlSection = "制御ブロック";
inline constexpr std::string_view kRegionSection = "地域名の表";
inline constexpr std::string_view kDistrictSection = "地区名の表";
inline constexpr std::string_view kKeiyoStationSection = "京葉線の駅名";
inline constexpr std::string_view kKeiyoTimeSection = "京葉線の時刻";
inline constexpr std::string_view kSinkansenStationSection = "新幹線の駅名";
inline constexpr std::string_view kSinkansenTimeSection = "新幹線の時刻";

// The file ends before what is being read.
inline constexpr std::string_view kShorterThanBlock =
    "ファイルが途中で終わっています（{} バイトしかなく、1ブロック 1024 バイトに足りません）";
inline constexpr std::string_view kCutInBlock =
    "ファイルが途中で終わっています（{} バイトで終わり、最後のブロック {} が欠けています）";
inline constexpr std::string_view kNoControlBlock =
    "ファイルが途中で終わっているか壊れています（{} バイト、{} ブロックで終わり、最後のブロック"
    "が制御ブロックになっていません：値 {} が {}）";
inline constexpr std::string_view kSectionPastEnd =
    "ファイルが途中で終わっています（{}はブロック {} からですが、ファイルは {} ブロックです）";
inline constexpr std::string_view kBlockPastEnd =
    "ファイルが途中で終わっています（ブロック {} がありません。ファイルは {} バイト）";
inline constexpr std::string_view kLongPastEnd =
    "ファイルが途中で終わっています（{} バイト目の数値を読むところ。ファイルは {} バイト）";
inline constexpr std::string_view kRecordPastEnd =
    "ファイルが途中で終わっています（{} バイト目の文字列を読むところ。ファイルは {} バイト）";
inline constexpr std::string_view kStreamPastEnd =
    "ファイルが途中で終わっています（{}の終わりの印より前にブロック {} がありません）";

// Damaged contents.
inline constexpr std::string_view kNotABlock = "ブロック {} はありえない番号です";
inline constexpr std::string_view kRecordNotText =
    "{} バイト目の値の種類が {} です（文字列ではありません）";
inline constexpr std::string_view kRecordNotSjis = "{} バイト目の文字列に読めない文字があります";
inline constexpr std::string_view kFieldNotSjis = "{}に読めない文字があります";
inline constexpr std::string_view kUnknownEdition =
    "版 {} は知らない版です（値 23 は 1、2、3 のどれか）";
inline constexpr std::string_view kCountOutside = "件数 {} が 0～{} の外です";
inline constexpr std::string_view kRegionNamesTooLong =
    "地域名がブロック 0 に収まりません（{} バイト目まで）";
inline constexpr std::string_view kAreaPastEnd = "ファイルが途中で終わっています（地域の番号）";
inline constexpr std::string_view kKeiyoStationCount = "表 {} の駅数 {} が 0～{} の外です";
inline constexpr std::string_view kKeiyoTrainCount = "表 {} の列車数 {} が {} を超えています";
inline constexpr std::string_view kKeiyoTrainCode = "表 {} の列車番号 {}";
inline constexpr std::string_view kKeiyoStream = "表 {} の時刻";
inline constexpr std::string_view kStreamTrainBeyond =
    "{}に列車 {} の時刻がありますが、列車は {} 本です";
inline constexpr std::string_view kStreamNegative = "{}に負の値 {} があります";
inline constexpr std::string_view kKeiyoTimeBelowNumber =
    "{}で列車 {} の時刻が列車番号より小さくなっています";
inline constexpr std::string_view kRowKind = "方向 {} の {} 行目の種類 {} は知らない種類です";
inline constexpr std::string_view kStationCount = "駅数 {} が 0～{} の外です";
inline constexpr std::string_view kSinkansenTrainCode = "方向 {} の列車番号 {}";
inline constexpr std::string_view kSinkansenStream = "方向 {} の時刻";
inline constexpr std::string_view kStreamTrainOutside = "{}の列車 {} が 1～{} の外です";
inline constexpr std::string_view kStreamRowOutside = "{}の駅の行 {} が 1～{} の外です";
inline constexpr std::string_view kVehicleTrainOutside =
    "方向 {} の車両 {} の列車 {} が 1～{} の外です";

}  // namespace vorlash::data_text
