// Texts of a DataFile that cannot be read: the section being read and what
// is wrong with it. A message reads "<file>: <section>: <what>"; "{}" marks
// where fill() puts numbers.
#pragma once

#include <string_view>

#include "text/language.h"

namespace vorlash::data_text {

// Edition titles by Edition 1..3, as the title bar and the printout show them.
inline constexpr Text kEditionTitles[4] = {
    {"", ""},
    {"東海道・山陽新幹線", "Tokaido/Sanyo Shinkansen"},
    {"東北・山形・秋田新幹線", "Tohoku/Yamagata/Akita Shinkansen"},
    {"上越・長野行新幹線", "Joetsu/Nagano Shinkansen"}};

// Sections of the DataFile.
inline constexpr Text kControlSection{"制御ブロック", "control block"};
inline constexpr Text kRegionSection{"地域名の表", "region name table"};
inline constexpr Text kDistrictSection{"地区名の表", "district name table"};
inline constexpr Text kKeiyoStationSection{"京葉線の駅名", "Keiyo line station names"};
inline constexpr Text kKeiyoTimeSection{"京葉線の時刻", "Keiyo line times"};
inline constexpr Text kSinkansenStationSection{"新幹線の駅名", "Shinkansen station names"};
inline constexpr Text kSinkansenTimeSection{"新幹線の時刻", "Shinkansen times"};

// The file ends before what is being read.
inline constexpr Text kShorterThanBlock{
    "ファイルが途中で終わっています（{} バイトしかなく、1ブロック 1024 バイトに足りません）",
    "the file ends early ({} bytes only, less than one block of 1024 bytes)"};
inline constexpr Text kCutInBlock{
    "ファイルが途中で終わっています（{} バイトで終わり、最後のブロック {} が欠けています）",
    "the file ends early (it ends at {} bytes; the last block {} is incomplete)"};
inline constexpr Text kNoControlBlock{
    "ファイルが途中で終わっているか壊れています（{} バイト、{} ブロックで終わり、最後のブロック"
    "が制御ブロックになっていません：値 {} が {}）",
    "the file ends early or is damaged (it ends at {} bytes, {} blocks, and the last block is not "
    "a control block: value {} is {})"};
inline constexpr Text kSectionPastEnd{
    "ファイルが途中で終わっています（{}はブロック {} からですが、ファイルは {} ブロックです）",
    "the file ends early ({} starts at block {}, but the file has {} blocks)"};
inline constexpr Text kBlockPastEnd{
    "ファイルが途中で終わっています（ブロック {} がありません。ファイルは {} バイト）",
    "the file ends early (block {} is missing; the file has {} bytes)"};
inline constexpr Text kLongPastEnd{
    "ファイルが途中で終わっています（{} バイト目の数値を読むところ。ファイルは {} バイト）",
    "the file ends early (reading a number at byte {}; the file has {} bytes)"};
inline constexpr Text kRecordPastEnd{
    "ファイルが途中で終わっています（{} バイト目の文字列を読むところ。ファイルは {} バイト）",
    "the file ends early (reading a string at byte {}; the file has {} bytes)"};
inline constexpr Text kStreamPastEnd{
    "ファイルが途中で終わっています（{}の終わりの印より前にブロック {} がありません）",
    "the file ends early (before the end mark of {}, block {} is missing)"};

// Damaged contents.
inline constexpr Text kNotABlock{"ブロック {} はありえない番号です",
                                 "block {} is an impossible number"};
inline constexpr Text kRecordNotText{"{} バイト目の値の種類が {} です（文字列ではありません）",
                                     "the value at byte {} is of kind {} (not a string)"};
inline constexpr Text kRecordNotSjis{"{} バイト目の文字列に読めない文字があります",
                                     "the string at byte {} has unreadable characters"};
inline constexpr Text kFieldNotSjis{"{}に読めない文字があります", "{} has unreadable characters"};
inline constexpr Text kUnknownEdition{"版 {} は知らない版です（値 23 は 1、2、3 のどれか）",
                                      "Edition {} is unknown (value 23 is 1, 2 or 3)"};
inline constexpr Text kCountOutside{"件数 {} が 0～{} の外です", "count {} is outside 0 to {}"};
inline constexpr Text kRegionNamesTooLong{"地域名がブロック 0 に収まりません（{} バイト目まで）",
                                          "the region names do not fit in block 0 (up to byte {})"};
inline constexpr Text kAreaPastEnd{"ファイルが途中で終わっています（地域の番号）",
                                   "the file ends early (area numbers)"};
inline constexpr Text kKeiyoStationCount{"表 {} の駅数 {} が 0～{} の外です",
                                         "table {} station count {} is outside 0 to {}"};
inline constexpr Text kKeiyoTrainCount{"表 {} の列車数 {} が {} を超えています",
                                       "table {} train count {} exceeds {}"};
inline constexpr Text kKeiyoTrainCode{"表 {} の列車番号 {}", "table {} train number {}"};
inline constexpr Text kKeiyoStream{"表 {} の時刻", "table {} times"};
inline constexpr Text kStreamTrainBeyond{"{}に列車 {} の時刻がありますが、列車は {} 本です",
                                         "{} has times of train {}, but there are {} trains"};
inline constexpr Text kStreamNegative{"{}に負の値 {} があります", "{} has a negative value {}"};
inline constexpr Text kKeiyoTimeBelowNumber{"{}で列車 {} の時刻が列車番号より小さくなっています",
                                            "in {} a time of train {} is below the train number"};
inline constexpr Text kRowKind{"方向 {} の {} 行目の種類 {} は知らない種類です",
                               "direction {} row {} has an unknown kind {}"};
inline constexpr Text kStationCount{"駅数 {} が 0～{} の外です",
                                    "station count {} is outside 0 to {}"};
inline constexpr Text kSinkansenTrainCode{"方向 {} の列車番号 {}", "direction {} train number {}"};
inline constexpr Text kSinkansenStream{"方向 {} の時刻", "direction {} times"};
inline constexpr Text kStreamTrainOutside{"{}の列車 {} が 1～{} の外です",
                                          "in {}, train {} is outside 1 to {}"};
inline constexpr Text kStreamRowOutside{"{}の駅の行 {} が 1～{} の外です",
                                        "in {}, station row {} is outside 1 to {}"};
inline constexpr Text kVehicleTrainOutside{"方向 {} の車両 {} の列車 {} が 1～{} の外です",
                                           "direction {} vehicle {} train {} is outside 1 to {}"};

}  // namespace vorlash::data_text
