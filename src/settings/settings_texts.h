// Every text of the settings window (SettingsWindow) and the date/time
// correction window (CorrectionWindow): captions, labels, options, buttons and
// messages.
#pragma once

#include <string_view>

#include "data/ini_file_texts.h"
#include "text/language.h"

namespace vorlash::settings_text {

// ---- Settings window ("動作環境") --------------------------------------------
inline constexpr Text kSettingsCaption{"動作環境", "Settings"};

inline constexpr Text kKeiyoFrame{"京葉線の設定", "Keiyo line"};
inline constexpr Text kKeiyoDown{"京葉線下りの時刻表を表示", "Show the Keiyo line down timetable"};
inline constexpr Text kKeiyoUp{"京葉線上りの時刻表を表示", "Show the Keiyo line up timetable"};
inline constexpr Text kSinkansenFrame{"新幹線の設定", "Shinkansen"};
inline constexpr Text kSinkansenDown{"新幹線の下りの時刻表を表示",
                                     "Show the Shinkansen down timetable"};
inline constexpr Text kSinkansenUp{"新幹線の上りの時刻表を表示",
                                   "Show the Shinkansen up timetable"};

// The station sub-group of both lines.
inline constexpr Text kStationFrame{"利用駅の設定", "Your station"};
inline constexpr Text kStationLabel{"利用している駅", "Station you use"};
inline constexpr Text kNormalLabel{"駅まで通常", "Minutes to the station"};
inline constexpr Text kHurryLabel{"駅まで急いで", "Minutes in a hurry"};
inline constexpr Text kMinuteUnit{"分", "min"};
inline constexpr Text kCountLabel{"列車案内の表示件数", "Trains shown"};
inline constexpr Text kCountNote{"（０：２時間後まで表示）", "(0: the next 2 hours)"};

inline constexpr Text kHotelFrame{"利用者ホテル情報の登録・修正", "Registering your own hotels"};
inline constexpr Text kSortEachEntry{"入力の都度，地域名順，地区名順に並び換えする",
                                     "Sort by region and district after each entry"};
inline constexpr Text kSortOnStore{"格納時，地域名順，地区名順に並び換えする",
                                   "Sort by region and district when storing"};
inline constexpr Text kNoSort{"並び換えしない", "Do not sort"};

inline constexpr Text kSaveFrame{"動作環境の退避", "Saving the settings"};
inline constexpr Text kSaveOnExit{"終了時の動作環境を退避する", "Save the settings on exit"};
inline constexpr Text kNoSaveOnExit{"終了時の動作環境を待避しない",
                                    "Do not save the settings on exit"};

inline constexpr Text kKeiyoUseFrame{"京葉線の表示", "Keiyo line timetable"};
inline constexpr Text kKeiyoShow{"京葉線の時刻表を表示する", "Show the Keiyo line timetable"};
inline constexpr Text kKeiyoHide{"京葉線の時刻表を表示しない",
                                 "Do not show the Keiyo line timetable"};
inline constexpr Text kKeiyoUseNote{
    "この設定を変更した場合（表示しない→表示する）、京葉線データ読み込みのために再起動が必要です。"
    "　変更した場合はプログラムを終了します。",
    "Changing this setting (from not shown to shown) needs a restart to load the Keiyo line data. "
    "If you change it, the program ends."};

inline constexpr Text kOk{"了解", "OK"};

// Messages of the station checks (written into the message line).
inline constexpr Text kNoTerminus{"終着駅は指定できません", "The terminus cannot be chosen"};
inline constexpr Text kNoOrigin{"始発駅は指定できません", "The first station cannot be chosen"};

// The Keiyo station taken when the Keiyo tables are not loaded.
inline constexpr std::string_view kDefaultKeiyoStation = "海浜幕張";  // data text: not translated

// ---- Date/time correction window ("日時補正") ---------------------------------
inline constexpr Text kCorrectionCaption{"日時補正", "Adjust date and time"};
inline constexpr Text kClockFrame{"現在日時", "Current date and time"};
inline constexpr Text kCorrectedFrame{"補正日時", "Adjusted date and time"};
// Unit labels of the six fields: year, month, day, hour, minute, second.
inline constexpr Text kUnits[7] = {{"", ""},    {"年", "Y"}, {"月", "M"}, {"日", "D"},
                                   {"時", "h"}, {"分", "m"}, {"秒", "s"}};
inline constexpr Text kSetClock{"日時設定", "Set clock"};
inline constexpr Text kTemporary{"一時設定", "For now"};
inline constexpr Text kCancel{"取消終了", "Cancel"};

// Shown (with the platform's reason) when the computer refuses to set its clock.
inline constexpr Text kClockRefused{
    "コンピュータの日時を設定できませんでした。補正は行っていません。",
    "The computer's date and time could not be set. Nothing was adjusted."};

}  // namespace vorlash::settings_text
