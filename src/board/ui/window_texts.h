// Captions, menu entries and messages of the main window and of the
// timetable, passing-stations and station-picker windows. Captions are
// written in the program's notation: "(&C&ｿ)" holds two access keys, the
// first of which is the keyboard's (see platform/ui/captions.h).
#pragma once

#include <string_view>

namespace vorlash::board_window_text {

// Main window (timetable1).
inline constexpr std::string_view kMainCaption = "ソルマー時刻表&ホテル情報";
inline constexpr std::string_view kFrame1 = "新幹線";
inline constexpr std::string_view kFrame2 = "京葉線";
inline constexpr std::string_view kCommand1 = "終了";
inline constexpr std::string_view kCommand3 = "新幹線検索";
inline constexpr std::string_view kCommand4 = "ホテル検索";
inline constexpr std::string_view kCommand5 = "動作環境";

inline constexpr std::string_view kMenuFile = "ﾌｧｲﾙ(&F&ﾊ)";
inline constexpr std::string_view kMenuFileEnd = "終了(&X&ｻ)";
inline constexpr std::string_view kMenuEdit = "編集(&E&ｲ)";
inline constexpr std::string_view kMenuEditTime = "日時補正(&T&ｶ)";
inline constexpr std::string_view kMenuEditSettings = "動作環境登録(&C&ｿ)";
inline constexpr std::string_view kMenuEditHotels = "ホテル情報の登録・修正（&H&ｸ）";
inline constexpr std::string_view kMenuView = "表示(&V&ﾋ)";
inline constexpr std::string_view kMenuViewSinkansen = "新幹線時刻表(&S&ﾄ)";
inline constexpr std::string_view kMenuViewKeiyo = "京葉線時刻表(&K&ﾉ)";
inline constexpr std::string_view kMenuViewSearch = "新幹線検索(&C&ｿ)";
inline constexpr std::string_view kMenuViewHotelSearch = "ﾎﾃﾙ検索(&H&ｸ)";
inline constexpr std::string_view kMenuHelp = "ﾍﾙﾌﾟ(&H&ｸ)";
inline constexpr std::string_view kMenuHelpTopics = "ﾄﾋﾟｯｸの検索(&H&ｸ)";
inline constexpr std::string_view kMenuHelpAbout = "バージョン情報(&A&ﾊ)";

// The SettingsFile could not be written at the end; the reason follows on
// the next line. The program ends all the same.
inline constexpr std::string_view kSettingsNotSaved =
    "動作環境を保存できませんでした。ファイルは元のままです。";

// Timetable window (timetable24).
inline constexpr std::string_view kTimetableCaption = "時刻表の表示";
inline constexpr std::string_view kTimetableExit = "終了";

// Passing-stations window (timetable23).
inline constexpr std::string_view kPassingCaption = "通過駅の時刻表示";

// Station picker (timetable22).
inline constexpr std::string_view kPickerCaption = "利用駅の選択";
// The station list's name for screen readers, after the header.
inline constexpr std::string_view kPickerListName = "駅の一覧";
inline constexpr std::string_view kPickerChoose = "選択";
inline constexpr std::string_view kPickerCancel = "取消終了";

}  // namespace vorlash::board_window_text
