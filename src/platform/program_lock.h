// One running copy of the desktop program per program folder. The lock is
// an advisory lock on the file kLockFileName in that folder; the system drops
// it when the process ends in any way, so a crash never leaves it stale and a
// lock file left on disk is simply taken over. The lock file is the
// program's own: a symlink, a hard-linked file or anything but a regular
// file under its name is refused, never opened for writing.
#pragma once

#include <string>

#include "base/status.h"

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
  // Releases the lock and removes the lock file when this acquire created
  // it: a start-up that fails leaves the folder as it found it.
  void discard();
  bool held() const { return handle_ >= 0; }

 private:
  long handle_ = -1;     // file descriptor or handle of the lock file
  std::string created_;  // the lock file's path when acquire created it
};

}  // namespace vorlash
