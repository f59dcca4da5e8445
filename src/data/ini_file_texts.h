// The messages of the SettingsFile's reader and writer.
#pragma once

#include <array>
#include <string_view>

#include "text/language.h"

namespace vorlash::settings_text {

// ---- A SettingsFile that cannot be read or written ("{}" filled by fill()) -
inline constexpr Text kLineOf{"{}: {} 行目: {}", "{}: line {}: {}"};
inline constexpr Text kBeforeFirstHeader{"（最初の見出しの前）", "(before the first heading)"};
inline constexpr Text kEndsBeforeHolidayLines{"ファイルが休日の行の前で終わっています",
                                              "the file ends before the holiday lines"};
inline constexpr Text kEndsBeforeHoliday{"ファイルが [Holiday] の見出しの前で終わっています",
                                         "the file ends before the [Holiday] heading"};
inline constexpr Text kEndsInRecentList{"ファイルが5件の一覧の途中で終わっています",
                                        "the file ends within the list of five"};
inline constexpr Text kEndsInHolidayList{"ファイルが休日の一覧の途中で終わっています",
                                         "the file ends within the holiday list"};
inline constexpr Text kLineWithoutEquals{"{} に「=」のない行があります",
                                         "{} has a line without \"=\""};
inline constexpr Text kValueNot16Bits{"{} の値が16ビットに収まりません",
                                      "the value of {} does not fit in 16 bits"};
inline constexpr Text kHolidayNot16Bits{"休日の値が16ビットに収まりません",
                                        "a holiday value does not fit in 16 bits"};
inline constexpr Text kUnreadableCharacter{"Shift-JIS として読めない文字があります",
                                           "characters that cannot be read as Shift-JIS"};
inline constexpr Text kCannotWrite{"{} は保存できません：{}", "{} cannot be saved: {}"};
inline constexpr Text kHasCommaOrBreak{"コンマか改行が含まれています",
                                       "it contains a comma or a line break"};
inline constexpr Text kHasQuoteOrBreak{"ダブルクォーテーションか改行が含まれています",
                                       "it contains a double quote or a line break"};
inline constexpr Text kStartsWithBracket{"「[」で始まっています", "it starts with \"[\""};
inline constexpr Text kNotInShiftJis{"Shift-JIS にない文字が含まれています",
                                     "it contains characters outside Shift-JIS"};

}  // namespace vorlash::settings_text
