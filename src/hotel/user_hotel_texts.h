// Texts of the user hotel registration: the list window (timetable13), the
// editor (timetable14), their hints, messages and confirmations.
#pragma once

#include <array>
#include <string_view>

namespace vorlash::user_hotel_text {

// Both windows show their frame caption as their title.
inline constexpr std::string_view kFrame = "ホテル情報";

// List window.
inline constexpr std::array<std::string_view, 4> kColumnLabels = {"地域名", "地区名", "ホテル名",
                                                                  "電話番号"};
inline constexpr std::string_view kEndRegistration = "登録終了";
inline constexpr std::string_view kAdd = "追加";
inline constexpr std::string_view kChange = "修正";
inline constexpr std::string_view kDelete = "削除";
inline constexpr std::string_view kCancel = "取消";
inline constexpr std::string_view kConfirmDelete = "本当に削除しますよ！！";
inline constexpr int kConfirmDeleteHelp = 251;

// Editor.
inline constexpr std::string_view kAddMode = "追加モード";
inline constexpr std::string_view kChangeMode = "修正モード";
inline constexpr std::string_view kStore = "更新";
inline constexpr std::string_view kStoreAsNew = "追加更新";
inline constexpr std::string_view kAreaButton = "?";
inline constexpr std::string_view kConfirmAdd = "追加しますよ！！";
inline constexpr int kConfirmAddHelp = 253;
inline constexpr std::string_view kConfirmChange = "更新しますよ！！";
inline constexpr int kConfirmChangeHelp = 252;

// The editor's boxes in the order of the Enter key: label, hint, example.
inline constexpr std::array<std::string_view, 8> kFieldLabels = {
    "地域名", "地区名", "ホテル名", "電話番号", "部屋数", "交通", "部屋代", "備考"};
inline constexpr std::array<std::string_view, 8> kHints = {
    "地域名を選択して下さい",
    "地区名を入力して下さい(日本語6文字以内)",
    "ホテル名を入力して下さい(日本語16文字以内)",
    "電話番号を入力して下さい(カナ12文字以内)",
    "部屋数を入力して下さい(数字4文字以内)",
    "交通を入力して下さい(日本語12文字以内)",
    "部屋代を入力して下さい(¥付きで数字8文字以内)",
    "備考を入力して下さい(日本語8文字以内)"};
inline constexpr std::array<std::string_view, 8> kExamples = {
    "入力例：大阪／伊丹",   "入力例：京橋", "入力例：ソルマーホテル",
    "入力例：012-345-6789", "入力例：123",  "入力例：京橋駅徒歩１０分",
    "入力例：¥10,000",      "入力例：○"};

// Editor checks (shown in the message line).
inline constexpr std::string_view kRegionEmpty = "ホテル検索地域名は省略できません";
inline constexpr std::string_view kRegionUnknown = "ホテル検索地域名の入力です";
inline constexpr std::string_view kNameEmpty = "ホテル名は省略できません";
inline constexpr std::string_view kTelEmpty = "電話番号は省略できません";
inline constexpr std::string_view kRoomsNotNumber = "部屋数の入力に誤り(数字のみ可)";
// The UserHotelFile encloses texts in double quotes without escaping and is
// Shift-JIS with one hotel a line: such texts could not be read back.
inline constexpr std::string_view kQuoteRefused = "ダブルクォーテーション(\")は入力できません";
inline constexpr std::string_view kLineBreakRefused = "改行は入力できません";
inline constexpr std::string_view kCharRefusedHead = "保存できない文字です：";
// A new hotel would push a DataFile hotel out of the table's 1000 slots.
inline constexpr std::string_view kTableFullHead =
    "これ以上ホテルを登録できません(データファイルのホテルと合わせて1000件までのため、登録は";
inline constexpr std::string_view kTableFullTail = "件まで)";

// The list window opening on a UserHotelFile it cannot read whole: the
// file, "2、5～7行目" and this, the note, then where the original is kept.
inline constexpr std::string_view kLineTail = "行目";
inline constexpr std::string_view kMoreLines = "ほか";
inline constexpr std::string_view kUnreadable = "が読み込めません。";
inline constexpr std::string_view kFileUnreadable = "このファイルが読み込めません。";
// The DataFile's hotel section cannot be read when the window opens: which
// DataFile hotels the user hotels push out is unknown.
inline constexpr std::string_view kDataHotelsUnread =
    "データファイルのホテル情報が読み込めないため、"
    "ホテル検索に出なくなるホテルを確かめられません。";
inline constexpr std::string_view kUnreadNote =
    "読み込めなかった行のホテルは一覧に出ず、登録終了で書き込むファイルにも入りません。";
inline constexpr std::string_view kKeptHead = "元のファイルは ";
inline constexpr std::string_view kKeptTail = " に残してあります。";
inline constexpr std::string_view kNotKept =
    "元のファイルの控えを作れませんでした。登録終了しても元のファイルは置き換えません。";

// The user hotels push DataFile hotels out of the table: "…" count, this,
// their regions, the tail.
inline constexpr std::string_view kLeftOutHead =
    "登録ホテルとデータファイルのホテルを合わせると1000件を超えるため、データファイルのホテル";
inline constexpr std::string_view kLeftOutCount = "件がホテル検索に出ません(地域：";
inline constexpr std::string_view kMoreRegions = "ほか";
inline constexpr std::string_view kLeftOutTail =
    ")。登録ホテルをその件数だけ減らすと、すべて出るようになります。";
// "登録終了" could not write the UserHotelFile.
inline constexpr std::string_view kWriteFailed = "ホテル情報を保存できませんでした。";

// A UserHotelFile line that cannot be read, or a hotel that cannot be
// written ("{}" filled by fill()).
inline constexpr std::string_view kLineUnread = "{} 行目: {}";
inline constexpr std::string_view kLineSeparator = "；";
inline constexpr std::string_view kNoClosingQuote =
    "{} 番目の項目のダブルクォーテーションが閉じていません";
inline constexpr std::string_view kTextAfterQuote =
    "{} 番目の項目の閉じたダブルクォーテーションの後に文字があります";
inline constexpr std::string_view kFieldCount = "項目が {} 個あります（8 個のはずです）";
inline constexpr std::string_view kRoomsFieldNotNumber = "部屋数「{}」が数字ではありません";
inline constexpr std::string_view kTooManyUserHotels = "ホテルが {} 件を超えています";
inline constexpr std::string_view kNotShiftJis = "Shift-JIS として読めない文字があります";
inline constexpr std::string_view kHotelField = "{}: 利用者ホテル {} の{}: {}";
inline constexpr std::array<std::string_view, 7> kFieldNames = {
    "地域名", "地区名", "ホテル名", "電話番号", "交通", "部屋代", "備考"};
inline constexpr std::string_view kQuoteNotStored = "ダブルクォーテーション(\")は保存できません";
inline constexpr std::string_view kBreakNotStored = "改行は保存できません";
inline constexpr std::string_view kNotInShiftJis = "Shift-JIS にない文字は保存できません";

}  // namespace vorlash::user_hotel_text
