#include "platform/clock.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <string>

#if !defined(_WIN32)
#include <sys/time.h>
#endif

namespace vorlash {

ClockReading SystemClock::now() const {
  std::time_t const t = std::time(nullptr);
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &t);
#else
  localtime_r(&t, &local);
#endif
  return ClockReading{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                      local.tm_hour,        local.tm_min,     local.tm_sec};
}

Status SystemClock::set(const ClockReading& when) {
  std::tm local{};
  local.tm_year = when.year - 1900;
  local.tm_mon = when.month - 1;
  local.tm_mday = when.day;
  local.tm_hour = when.hour;
  local.tm_min = when.minute;
  local.tm_sec = when.second;
  local.tm_isdst = -1;
  std::time_t const t = std::mktime(&local);
  if (t == static_cast<std::time_t>(-1)) return Status::failure("the date cannot be represented");
#if defined(_WIN32)
  return Status::failure("setting the clock is not supported on this platform");
#else
  timespec ts{};
  ts.tv_sec = t;
  if (::clock_settime(CLOCK_REALTIME, &ts) != 0)
    return Status::failure(std::string("the system refused to set the clock: ") +
                           std::strerror(errno));
  return Status::success();
#endif
}

}  // namespace vorlash
