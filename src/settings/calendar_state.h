// The month the calendar window shows and the day numbers of its 42 cells.
#pragma once

#include <array>

namespace vorlash {

struct CalendarState {
  int cal_year = 0, cal_month = 0;
  std::array<int, 43> cal_days{};
};

}  // namespace vorlash
