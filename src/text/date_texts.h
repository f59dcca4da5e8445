// Texts of shown dates: weekday names and the pieces around them
// ("2000/03/14（火）" in Japanese, "2000-03-14 (Tue)" in English).
#pragma once

#include "text/language.h"

namespace vorlash::date_text {

// Sunday first.
inline constexpr Text kWeekdays[7] = {{"日", "Sun"}, {"月", "Mon"}, {"火", "Tue"}, {"水", "Wed"},
                                      {"木", "Thu"}, {"金", "Fri"}, {"土", "Sat"}};
inline constexpr Text kDateSeparator{"/", "-"};
inline constexpr Text kWeekdayOpen{"（", " ("};
inline constexpr Text kWeekdayClose{"）", ")"};

}  // namespace vorlash::date_text
