// What a second copy sends to the running one, and what that answers once
// its window shows: one line each, the same on every platform.
#pragma once

namespace vorlash {

inline constexpr char kShowRequest[] = "show\n";
inline constexpr char kShown[] = "shown\n";

}  // namespace vorlash
