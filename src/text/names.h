// English names of the places the data name (stations, hotel regions and
// districts), from data/names_en.tsv compiled into the program. The data
// keep their Japanese names; a name is turned into English only where it is
// shown, so that files and comparisons stay as they are.
#pragma once

#include <string>
#include <string_view>

namespace vorlash {

// The English name of a Japanese place name; empty when the table has none.
std::string_view english_name(std::string_view japanese);

// The name as the current language shows it: the English name in English
// when the table has one, otherwise the name as written.
std::string_view shown_name(std::string_view japanese);

// A name the user typed, in Japanese or English, as the data spell it: the
// Japanese name whose English name matches (letters compared without case,
// blanks and hyphens ignored), or the input unchanged.
std::string data_name(std::string_view typed);

}  // namespace vorlash
