// Captions of buttons and menu entries.
//
// The program's captions may carry two access keys, written one after the
// other: "新幹線検索(&C&ｿ)", "ホテル情報の登録・修正（&H&ｸ）". Both letters
// are shown as written, without the ampersands; the first is the keyboard
// access key (Alt+C). In Qt's mnemonic syntax that is "新幹線検索(&Cｿ)":
// Qt underlines C and binds Alt+C, and ｿ is shown as plain text. (Left as
// written, Qt would underline both letters and warn about two mnemonics.)
//
// Buttons, menu entries and labels never elide their text; a window that
// sets fixed geometry calls ensure_caption_fits so a caption is never cut.
#pragma once

#include <QString>
#include <initializer_list>
#include <string_view>

class QWidget;

namespace vorlash {

// A caption in the program's notation as a Qt text with one mnemonic: the
// first single "&" is kept, every later single "&" dropped; "&&" stays a
// literal ampersand.
QString mnemonic_caption(std::string_view caption);

// A text shown as it is on a widget that reads "&" as a mnemonic (a caption
// such as "ソルマー時刻表&ホテル情報" on a button or a frame): every "&"
// doubled.
QString literal_caption(std::string_view text);

// Widens the widget's minimum width to its size hint, so its caption shows
// whole even under a fixed layout.
void ensure_caption_fits(QWidget* widget);

// Names a control for screen readers after the texts shown around it (its
// group, its label, its unit), joined by blanks, so that controls sharing a
// label or a group are told apart ("補正日時 年"). Access-key ampersands are
// left out.
void set_spoken_name(QWidget* control, std::initializer_list<std::string_view> parts);

}  // namespace vorlash
