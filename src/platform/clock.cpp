#include "platform/clock.h"

#include <cerrno>
#include <ctime>
#include <string>

#include "platform/file_texts.h"
#include "platform/system_error.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/time.h>
#endif

namespace vorlash {

namespace {

#if defined(_WIN32)

// Setting the clock needs SeSystemtimePrivilege, which an administrator holds
// but must switch on for the process first.
bool enable_system_time_privilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
    return false;
  TOKEN_PRIVILEGES tp{};
  tp.PrivilegeCount = 1;
  tp.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  bool const ok =
      LookupPrivilegeValueW(nullptr, L"SeSystemtimePrivilege", &tp.Privileges[0].Luid) &&
      AdjustTokenPrivileges(token, FALSE, &tp, 0, nullptr, nullptr) &&
      GetLastError() == ERROR_SUCCESS;  // ERROR_NOT_ALL_ASSIGNED: not held
  CloseHandle(token);
  return ok;
}

// The errno value of a SetLocalTime failure, so that clock_reason words it as
// on Linux: no privilege is EPERM, as clock_settime without CAP_SYS_TIME.
int errno_of(DWORD code) {
  if (code == ERROR_PRIVILEGE_NOT_HELD || code == ERROR_ACCESS_DENIED) return EPERM;
  if (code == ERROR_INVALID_PARAMETER) return EINVAL;
  return EIO;
}

#endif

}  // namespace

std::string clock_reason(int code) {
  if (code == EPERM || code == EACCES) return std::string(file_text::kClockNotPermitted);
  if (code == EINVAL) return std::string(file_text::kClockBadDate);
  return system_reason(code, FileAccess::write);
}

std::tm local_time(std::time_t t) {
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &t);
#else
  localtime_r(&t, &local);
#endif
  return local;
}

ClockReading SystemClock::now() const {
  std::tm const local = local_time(std::time(nullptr));
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
  if (!enable_system_time_privilege()) return Status::failure(clock_reason(EPERM));
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(when.year);
  st.wMonth = static_cast<WORD>(when.month);
  st.wDay = static_cast<WORD>(when.day);
  st.wHour = static_cast<WORD>(when.hour);
  st.wMinute = static_cast<WORD>(when.minute);
  st.wSecond = static_cast<WORD>(when.second);
  if (!SetLocalTime(&st)) return Status::failure(clock_reason(errno_of(GetLastError())));
  return Status::success();
#else
  timespec ts{};
  ts.tv_sec = t;
  if (::clock_settime(CLOCK_REALTIME, &ts) != 0) return Status::failure(clock_reason(errno));
  return Status::success();
#endif
}

}  // namespace vorlash
