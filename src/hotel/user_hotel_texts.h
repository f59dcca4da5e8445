// Texts of the user hotel registration: the list window (UserHotelListWindow), the
// editor (UserHotelEditorWindow), their hints, messages and confirmations.
#pragma once

#include <array>
#include <string_view>

#include "data/user_hotel_file_texts.h"
#include "text/language.h"

namespace vorlash::user_hotel_text {

// Both windows show their frame caption as their title.
inline constexpr Text kFrame{"ホテル情報", "Hotel information"};

// List window.
inline constexpr std::array<Text, 4> kColumnLabels = {{{"地域名", "Region"},
                                                       {"地区名", "District"},
                                                       {"ホテル名", "Hotel"},
                                                       {"電話番号", "Telephone"}}};
inline constexpr Text kEndRegistration{"登録終了", "Finish"};
inline constexpr Text kAdd{"追加", "Add"};
inline constexpr Text kChange{"修正", "Change"};
inline constexpr Text kDelete{"削除", "Delete"};
inline constexpr Text kCancel{"取消", "Cancel"};
inline constexpr Text kConfirmDelete{"本当に削除しますよ！！",
                                     "This hotel will really be deleted!!"};
inline constexpr int kConfirmDeleteHelp = 251;

// Editor.
inline constexpr Text kAddMode{"追加モード", "Add mode"};
inline constexpr Text kChangeMode{"修正モード", "Change mode"};
inline constexpr Text kStore{"更新", "Store"};
inline constexpr Text kStoreAsNew{"追加更新", "Store as new"};
inline constexpr std::string_view kAreaButton = "?";
inline constexpr Text kConfirmAdd{"追加しますよ！！", "The hotel will be added!!"};
inline constexpr int kConfirmAddHelp = 253;
inline constexpr Text kConfirmChange{"更新しますよ！！", "The hotel will be changed!!"};
inline constexpr int kConfirmChangeHelp = 252;

// The editor's boxes in the order of the Enter key: label, hint, example.
inline constexpr std::array<Text, 8> kFieldLabels = {{{"地域名", "Region"},
                                                      {"地区名", "District"},
                                                      {"ホテル名", "Hotel"},
                                                      {"電話番号", "Telephone"},
                                                      {"部屋数", "Rooms"},
                                                      {"交通", "Access"},
                                                      {"部屋代", "Charge"},
                                                      {"備考", "Remarks"}}};
inline constexpr std::array<Text, 8> kHints = {
    {{"地域名を選択して下さい", "Choose the region"},
     {"地区名を入力して下さい(日本語6文字以内)",
      "Enter the district (6 Japanese characters at most)"},
     {"ホテル名を入力して下さい(日本語16文字以内)",
      "Enter the hotel name (16 Japanese characters at most)"},
     {"電話番号を入力して下さい(カナ12文字以内)",
      "Enter the telephone number (12 characters at most)"},
     {"部屋数を入力して下さい(数字4文字以内)", "Enter the number of rooms (4 digits at most)"},
     {"交通を入力して下さい(日本語12文字以内)",
      "Enter the access (12 Japanese characters at most)"},
     {"部屋代を入力して下さい(¥付きで数字8文字以内)",
      "Enter the room charge (8 characters at most, with ¥)"},
     {"備考を入力して下さい(日本語8文字以内)", "Enter remarks (8 Japanese characters at most)"}}};
inline constexpr std::array<Text, 8> kExamples = {
    {{"入力例：大阪／伊丹", "Example: Osaka/Itami"},
     {"入力例：京橋", "Example: Kyobashi"},
     {"入力例：ソルマーホテル", "Example: Solmer Hotel"},
     {"入力例：012-345-6789", "Example: 012-345-6789"},
     {"入力例：123", "Example: 123"},
     {"入力例：京橋駅徒歩１０分", "Example: 10 min walk from Kyobashi"},
     {"入力例：¥10,000", "Example: ¥10,000"},
     {"入力例：○", "Example: Good"}}};

// Editor checks (shown in the message line).
inline constexpr Text kRegionEmpty{"ホテル検索地域名は省略できません",
                                   "The hotel region cannot be left empty"};
inline constexpr Text kRegionUnknown{"ホテル検索地域名の入力です", "The hotel region is not valid"};
inline constexpr Text kNameEmpty{"ホテル名は省略できません", "The hotel name cannot be left empty"};
inline constexpr Text kTelEmpty{"電話番号は省略できません",
                                "The telephone number cannot be left empty"};
inline constexpr Text kRoomsNotNumber{"部屋数の入力に誤り(数字のみ可)", "Rooms: digits only"};
// The UserHotelFile encloses texts in double quotes without escaping and is
// Shift-JIS with one hotel a line: such texts could not be read back.
inline constexpr Text kQuoteRefused{"ダブルクォーテーション(\")は入力できません",
                                    "Double quotes (\") cannot be entered"};
inline constexpr Text kLineBreakRefused{"改行は入力できません", "Line breaks cannot be entered"};
inline constexpr Text kCharRefusedHead{"保存できない文字です：",
                                       "Character that cannot be saved: "};
// A new hotel would push a DataFile hotel out of the table's 1000 slots.
inline constexpr Text kTableFullHead{
    "これ以上ホテルを登録できません(データファイルのホテルと合わせて1000件までのため、登録は",
    "No more hotels can be registered (1000 hotels at most together with the data file's hotels, "
    "so up to "};
inline constexpr Text kTableFullTail{"件まで)", " may be registered)"};

// The list window opening on a UserHotelFile it cannot read whole: the
// file, "2、5～7行目" and this, the note, then where the original is kept.
inline constexpr Text kLineHead{"", "Lines "};
inline constexpr Text kListComma{"、", ", "};
inline constexpr Text kRangeDash{"～", "-"};
inline constexpr Text kLineTail{"行目", ""};  // nothing in English
inline constexpr Text kMoreLines{"ほか", " and more"};
inline constexpr Text kUnreadable{"が読み込めません。", " cannot be read."};
inline constexpr Text kFileUnreadable{"このファイルが読み込めません。",
                                      "This file cannot be read."};
// The DataFile's hotel section cannot be read when the window opens: which
// DataFile hotels the user hotels push out is unknown.
inline constexpr Text kDataHotelsUnread{
    "データファイルのホテル情報が読み込めないため、"
    "ホテル検索に出なくなるホテルを確かめられません。",
    "The data file's hotels cannot be read, so it cannot be told which hotels no longer show in "
    "the hotel search."};
inline constexpr Text kUnreadNote{
    "読み込めなかった行のホテルは一覧に出ず、登録終了で書き込むファイルにも入りません。",
    "The hotels of the lines not read are not listed and are not in the file written on Finish."};
inline constexpr Text kKeptHead{"元のファイルは ", "The original file is kept as "};
inline constexpr Text kKeptTail{" に残してあります。", "."};
inline constexpr Text kNotKept{
    "元のファイルの控えを作れませんでした。登録終了しても元のファイルは置き換えません。",
    "No copy of the original file could be made. Finish will not replace the original file."};

// The user hotels push DataFile hotels out of the table: "…" count, this,
// their regions, the tail.
inline constexpr Text kLeftOutHead{
    "登録ホテルとデータファイルのホテルを合わせると1000件を超えるため、データファイルのホテル",
    "The registered hotels and the data file's hotels together exceed 1000, so "};
inline constexpr Text kLeftOutCount{
    "件がホテル検索に出ません(地域：",
    " of the data file's hotels are left out of the hotel search (regions: "};
inline constexpr Text kMoreRegions{"ほか", " and more"};
inline constexpr Text kLeftOutTail{
    ")。登録ホテルをその件数だけ減らすと、すべて出るようになります。",
    "). Registering that many fewer hotels brings them all back."};
// "登録終了" could not write the UserHotelFile.
inline constexpr Text kWriteFailed{"ホテル情報を保存できませんでした。",
                                   "The hotel information could not be saved."};

}  // namespace vorlash::user_hotel_text
