#include "platform/clock.h"

#include <cerrno>
#include <ctime>
#include <string>

#include "platform/file_texts.h"
#include "platform/system_error.h"

#if !defined(_WIN32)
#include <sys/time.h>
#endif

namespace vorlash {

std::string clock_reason(int code) {
  if (code == EPERM || code == EACCES) return std::string(file_text::kClockNotPermitted);
  if (code == EINVAL) return std::string(file_text::kClockBadDate);
  return system_reason(code, FileAccess::write);
}

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
  if (t == static_cast<std::time_t>(-1))
    return Status::failure(std::string(file_text::kClockBadDate));
#if defined(_WIN32)
  return Status::failure(std::string(file_text::kClockUnsupported));
#else
  timespec ts{};
  ts.tv_sec = t;
  if (::clock_settime(CLOCK_REALTIME, &ts) != 0) return Status::failure(clock_reason(errno));
  return Status::success();
#endif
}

}  // namespace vorlash
