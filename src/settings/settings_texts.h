// Every text of the settings window (timetable5) and the date/time
// correction window (timetable21): captions, labels, options, buttons and
// messages.
#pragma once

#include <string_view>

namespace vorlash::settings_text {

// ---- Settings window ("動作環境") --------------------------------------------
inline constexpr std::string_view kSettingsCaption = "動作環境";

inline constexpr std::string_view kKeiyoFrame = "京葉線の設定";
inline constexpr std::string_view kKeiyoDown = "京葉線下りの時刻表を表示";
inline constexpr std::string_view kKeiyoUp = "京葉線上りの時刻表を表示";
inline constexpr std::string_view kSinkansenFrame = "新幹線の設定";
inline constexpr std::string_view kSinkansenDown = "新幹線の下りの時刻表を表示";
inline constexpr std::string_view kSinkansenUp = "新幹線の上りの時刻表を表示";

// The station sub-group of both lines.
inline constexpr std::string_view kStationFrame = "利用駅の設定";
inline constexpr std::string_view kStationLabel = "利用している駅";
inline constexpr std::string_view kNormalLabel = "駅まで通常";
inline constexpr std::string_view kHurryLabel = "駅まで急いで";
inline constexpr std::string_view kMinuteUnit = "分";
inline constexpr std::string_view kCountLabel = "列車案内の表示件数";
inline constexpr std::string_view kCountNote = "（０：２時間後まで表示）";

inline constexpr std::string_view kHotelFrame = "利用者ホテル情報の登録・修正";
inline constexpr std::string_view kSortEachEntry = "入力の都度，地域名順，地区名順に並び換えする";
inline constexpr std::string_view kSortOnStore = "格納時，地域名順，地区名順に並び換えする";
inline constexpr std::string_view kNoSort = "並び換えしない";

inline constexpr std::string_view kSaveFrame = "動作環境の退避";
inline constexpr std::string_view kSaveOnExit = "終了時の動作環境を退避する";
inline constexpr std::string_view kNoSaveOnExit = "終了時の動作環境を待避しない";

inline constexpr std::string_view kKeiyoUseFrame = "京葉線の表示";
inline constexpr std::string_view kKeiyoShow = "京葉線の時刻表を表示する";
inline constexpr std::string_view kKeiyoHide = "京葉線の時刻表を表示しない";
inline constexpr std::string_view kKeiyoUseNote =
    "この設定を変更した場合（表示しない→表示する）、京葉線データ読み込みのために再起動が必要です。"
    "　変更した場合はプログラムを終了します。";

inline constexpr std::string_view kOk = "了解";

// Messages of the station checks (written into the message line).
inline constexpr std::string_view kNoTerminus = "終着駅は指定できません";
inline constexpr std::string_view kNoOrigin = "始発駅は指定できません";

// The Keiyo station taken when the Keiyo tables are not loaded.
inline constexpr std::string_view kDefaultKeiyoStation = "海浜幕張";

// ---- Date/time correction window ("日時補正") ---------------------------------
inline constexpr std::string_view kCorrectionCaption = "日時補正";
inline constexpr std::string_view kClockFrame = "現在日時";
inline constexpr std::string_view kCorrectedFrame = "補正日時";
// Unit labels of the six fields: year, month, day, hour, minute, second.
inline constexpr std::string_view kUnits[7] = {"", "年", "月", "日", "時", "分", "秒"};
inline constexpr std::string_view kSetClock = "日時設定";
inline constexpr std::string_view kTemporary = "一時設定";
inline constexpr std::string_view kCancel = "取消終了";

// Shown (with the platform's reason) when the computer refuses to set its clock.
inline constexpr std::string_view kClockRefused =
    "コンピュータの日時を設定できませんでした。補正は行っていません。";

// ---- A SettingsFile that cannot be read or written ("{}" filled by fill()) -
inline constexpr std::string_view kLineOf = "{}: {} 行目: {}";
inline constexpr std::string_view kBeforeFirstHeader = "（最初の見出しの前）";
inline constexpr std::string_view kEndsBeforeHolidayLines =
    "ファイルが休日の行の前で終わっています";
inline constexpr std::string_view kEndsBeforeHoliday =
    "ファイルが [Holiday] の見出しの前で終わっています";
inline constexpr std::string_view kEndsInRecentList = "ファイルが5件の一覧の途中で終わっています";
inline constexpr std::string_view kEndsInHolidayList = "ファイルが休日の一覧の途中で終わっています";
inline constexpr std::string_view kLineWithoutEquals = "{} に「=」のない行があります";
inline constexpr std::string_view kValueNot16Bits = "{} の値が16ビットに収まりません";
inline constexpr std::string_view kHolidayNot16Bits = "休日の値が16ビットに収まりません";
inline constexpr std::string_view kUnreadableCharacter = "Shift-JIS として読めない文字があります";
inline constexpr std::string_view kCannotWrite = "{} は保存できません：{}";
inline constexpr std::string_view kHasCommaOrBreak = "コンマか改行が含まれています";
inline constexpr std::string_view kHasQuoteOrBreak = "ダブルクォーテーションか改行が含まれています";
inline constexpr std::string_view kStartsWithBracket = "「[」で始まっています";
inline constexpr std::string_view kNotInShiftJis = "Shift-JIS にない文字が含まれています";

}  // namespace vorlash::settings_text
