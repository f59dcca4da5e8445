// The number formats the texts use, with the meaning of a picture format:
// '0' is a digit that is always written, '#' a digit written only when
// significant, ',' a thousands separator, ':' a literal. A value of zero under
// a picture without any '0' gives an empty text ("##,###" of 0 is "").
// Supported pictures: "00:00", "000", "00", "0000", "#0", "##", "##0", "###0",
// "####", "#####", "##,###", "###,###". Digits beyond the picture are kept
// ("000" of 1005 is "1005"). Negative values get a leading "-".
#pragma once

#include <string>
#include <string_view>

namespace vorlash {

std::string format_number(long long value, std::string_view picture);

// "00:00" applied to an hhmm integer: 605 -> "06:05", 0 -> "00:00".
std::string format_hhmm(int hhmm);

}  // namespace vorlash
