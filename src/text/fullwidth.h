// Conversion of ASCII text to full-width characters, as the departure board and
// the fare texts show times and amounts (1234 -> １２３４, ":" -> "：").
#pragma once

#include <string>
#include <string_view>

namespace vorlash {

// Every printable ASCII character becomes its full-width form (blank -> "　");
// other characters are left as they are.
std::string to_fullwidth(std::string_view text);

}  // namespace vorlash
