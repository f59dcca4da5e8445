// The font of the windows' Japanese texts. Linux takes its fonts from the
// desktop's configuration; a Windows outside Japan uses a Latin message font
// whose fallbacks need not hold Japanese, so there the program names the
// Japanese UI fonts itself (under Wine: the IPA fonts).
#pragma once

namespace vorlash {

// Called once after the QApplication exists.
void use_japanese_ui_font();

}  // namespace vorlash
