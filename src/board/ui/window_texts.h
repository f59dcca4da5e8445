// Captions, menu entries and messages of the main window and of the
// timetable, passing-stations and station-picker windows. Captions are
// written in the program's notation: "(&C&ｿ)" holds two access keys, the
// first of which is the keyboard's (see shell/captions.h).
#pragma once

#include <string_view>

#include "text/language.h"

namespace vorlash::board_window_text {

// Main window (MainWindow).
inline constexpr Text kMainCaption{"ソルマー時刻表&ホテル情報", "Solmer Timetable & Hotel Guide"};
inline constexpr Text kFrame1{"新幹線", "Shinkansen"};
inline constexpr Text kFrame2{"京葉線", "Keiyo line"};
inline constexpr Text kCommand1{"終了", "Exit"};
inline constexpr Text kCommand3{"新幹線検索", "Shinkansen search"};
inline constexpr Text kCommand4{"ホテル検索", "Hotel search"};
inline constexpr Text kCommand5{"動作環境", "Settings"};

inline constexpr Text kMenuFile{"ﾌｧｲﾙ(&F&ﾊ)", "&File"};
inline constexpr Text kMenuFileEnd{"終了(&X&ｻ)", "E&xit"};
inline constexpr Text kMenuEdit{"編集(&E&ｲ)", "&Edit"};
inline constexpr Text kMenuEditTime{"日時補正(&T&ｶ)", "Adjust date and &time"};
inline constexpr Text kMenuEditSettings{"動作環境登録(&C&ｿ)", "&Settings"};
inline constexpr Text kMenuEditHotels{"ホテル情報の登録・修正（&H&ｸ）", "Your &hotels"};
inline constexpr Text kMenuView{"表示(&V&ﾋ)", "&View"};
inline constexpr Text kMenuViewSinkansen{"新幹線時刻表(&S&ﾄ)", "&Shinkansen timetable"};
inline constexpr Text kMenuViewKeiyo{"京葉線時刻表(&K&ﾉ)", "&Keiyo line timetable"};
inline constexpr Text kMenuViewSearch{"新幹線検索(&C&ｿ)", "Shinkansen &search"};
inline constexpr Text kMenuViewHotelSearch{"ﾎﾃﾙ検索(&H&ｸ)", "&Hotel search"};
inline constexpr Text kMenuViewLanguage{"表示言語(&L&ﾘ)", "&Language"};
// Language names are shown in their own language whichever is spoken.
inline constexpr std::string_view kLanguageJapanese = "日本語";  // data text: not translated
inline constexpr std::string_view kLanguageEnglish = "English";
inline constexpr Text kLanguageNextStart{"表示言語は次回の起動から切り替わります。",
                                         "The language changes when the program starts next."};
inline constexpr Text kMenuHelp{"ﾍﾙﾌﾟ(&H&ｸ)", "&Help"};
inline constexpr Text kMenuHelpTopics{"ﾄﾋﾟｯｸの検索(&H&ｸ)", "&Help topics"};
inline constexpr Text kMenuHelpAbout{"バージョン情報(&A&ﾊ)", "&About"};

// The SettingsFile could not be written at the end; the reason follows on
// the next line. The program ends all the same.
inline constexpr Text kSettingsNotSaved{"動作環境を保存できませんでした。ファイルは元のままです。",
                                        "The settings could not be saved. The file is unchanged."};

// Timetable window (TimetableWindow).
inline constexpr Text kTimetableCaption{"時刻表の表示", "Timetable"};
inline constexpr Text kTimetableExit{"終了", "Close"};

// Passing-stations window (PassingStationsWindow).
inline constexpr Text kPassingCaption{"通過駅の時刻表示", "Times at every station"};

// Station picker (StationPickerWindow).
inline constexpr Text kPickerCaption{"利用駅の選択", "Choose your station"};
// The station list's name for screen readers, after the header.
inline constexpr Text kPickerListName{"駅の一覧", "Stations"};
inline constexpr Text kPickerChoose{"選択", "Choose"};
inline constexpr Text kPickerCancel{"取消終了", "Cancel"};

}  // namespace vorlash::board_window_text
