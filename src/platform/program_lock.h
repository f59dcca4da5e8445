// One running copy of the desktop program per program folder. The lock is
// an advisory lock on the file kLockFileName in that folder; the system drops
// it when the process ends in any way, so a crash never leaves it stale and a
// lock file left on disk is simply taken over.
#pragma once

#include <string>

#include "data/status.h"

namespace vorlash {

inline constexpr char kLockFileName[] = "vorlash.lock";

enum class LockResult { taken, busy, failed };

class ProgramLock {
 public:
  ProgramLock() = default;
  ProgramLock(const ProgramLock&) = delete;
  ProgramLock& operator=(const ProgramLock&) = delete;
  ~ProgramLock() { release(); }

  // Takes the lock of folder. busy: another running copy holds it; failed:
  // the lock file cannot be made (error names it and tells why).
  LockResult acquire(const std::string& folder, Status& error);
  void release();
  bool held() const { return handle_ >= 0; }

 private:
  long handle_ = -1;  // file descriptor or handle of the lock file
};

}  // namespace vorlash
