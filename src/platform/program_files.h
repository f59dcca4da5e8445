// The names of the files a program folder holds, for the code that finds
// them (the readers and writers know their formats).
#pragma once

#include <string_view>

namespace vorlash {

inline constexpr std::string_view kDataFileName = "vorlashj.dat";
inline constexpr std::string_view kUserHotelFileName = "hotelusr.csv";

}  // namespace vorlash
