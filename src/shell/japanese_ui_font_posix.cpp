// The desktop's configured fonts already cover Japanese (fontconfig).
#if !defined(_WIN32)
#include "shell/japanese_ui_font.h"

namespace vorlash {

void use_japanese_ui_font() {}

}  // namespace vorlash
#endif  // !_WIN32
