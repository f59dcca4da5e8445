#include "platform/clock.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/time.h>
#endif

namespace vorlash {

namespace {

// One message for a refusal on every platform; the reason is the system's.
Status refused(const char* reason) {
  return Status::failure(std::string("the system refused to set the clock: ") + reason);
}

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
  bool ok = LookupPrivilegeValueW(nullptr, L"SeSystemtimePrivilege", &tp.Privileges[0].Luid) &&
            AdjustTokenPrivileges(token, FALSE, &tp, 0, nullptr, nullptr) &&
            GetLastError() == ERROR_SUCCESS;  // ERROR_NOT_ALL_ASSIGNED: not held
  CloseHandle(token);
  return ok;
}

#endif

}  // namespace

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
  // Without the privilege Windows refuses as Linux does without CAP_SYS_TIME:
  // the user sees the same "not permitted".
  if (!enable_system_time_privilege()) return refused(std::strerror(EPERM));
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(when.year);
  st.wMonth = static_cast<WORD>(when.month);
  st.wDay = static_cast<WORD>(when.day);
  st.wHour = static_cast<WORD>(when.hour);
  st.wMinute = static_cast<WORD>(when.minute);
  st.wSecond = static_cast<WORD>(when.second);
  if (!SetLocalTime(&st)) {
    DWORD const code = GetLastError();
    if (code == ERROR_PRIVILEGE_NOT_HELD || code == ERROR_ACCESS_DENIED)
      return refused(std::strerror(EPERM));
    return refused(("Windows error " + std::to_string(code)).c_str());
  }
  return Status::success();
#else
  timespec ts{};
  ts.tv_sec = t;
  if (::clock_settime(CLOCK_REALTIME, &ts) != 0) return refused(std::strerror(errno));
  return Status::success();
#endif
}

}  // namespace vorlash
