// Starting vorlash-cli from the core tests through the shell, on POSIX. On
// Windows those tests skip: the shell there is cmd.exe, and
// scripts/test-windows.sh compares the Windows vorlash-cli's output with the
// Linux build's instead.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>

#if defined(_WIN32)
#define VORLASH_SKIP_ON_WINDOWS(why) GTEST_SKIP() << "not on Windows: " << why
#define VORLASH_SKIP_CLI_ON_WINDOWS() VORLASH_SKIP_ON_WINDOWS("starts vorlash-cli by a POSIX shell")
#else
#include <sys/wait.h>
#define VORLASH_SKIP_ON_WINDOWS(why) static_cast<void>(0)
#define VORLASH_SKIP_CLI_ON_WINDOWS() static_cast<void>(0)
#endif

namespace vorlash::test {

inline std::FILE* open_pipe(const char* command) {
#if defined(_WIN32)
  return ::_popen(command, "rb");
#else
  return ::popen(command, "r");
#endif
}

// The command's exit status; -1 when it did not end by itself.
inline int exit_status(int raw) {
#if defined(_WIN32)
  return raw;
#else
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
}

inline int close_pipe(std::FILE* pipe) {
#if defined(_WIN32)
  return exit_status(::_pclose(pipe));
#else
  return exit_status(::pclose(pipe));
#endif
}

}  // namespace vorlash::test
