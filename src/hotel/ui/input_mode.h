// The input mode a text box asks of the input method when it gets the focus.
//
// Boxes for Japanese text (regions, districts, names) want hiragana input;
// boxes for telephone numbers, room counts and charges want it off. On this
// platform the input method (IBus, Fcitx) keeps the mode the user chose and
// Qt offers no hint that selects hiragana, so the Japanese boxes only leave
// the input method free (no Latin-only hint) and the others prefer Latin
// input. Neither restricts what may be typed.
#pragma once

#include <QLineEdit>

namespace vorlash {

inline void prefer_hiragana_input(QLineEdit* box) {
  box->setAttribute(Qt::WA_InputMethodEnabled, true);
  box->setInputMethodHints(Qt::ImhNone);
}

inline void prefer_latin_input(QLineEdit* box) {
  box->setInputMethodHints(Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
}

}  // namespace vorlash
