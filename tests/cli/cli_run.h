// Runs a command line through the shell and collects its exit status and
// standard output, for the tests that drive vorlash-cli as a script would.
// Those command lines are POSIX shell ones, so on Windows (where the shell is
// cmd.exe) the tests skip; scripts/test-windows.sh compares the Windows
// vorlash-cli's output with the Linux build's instead.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#if defined(_WIN32)
#define VORLASH_SKIP_ON_WINDOWS(why) GTEST_SKIP() << "not on Windows: " << why
#else
#include <sys/wait.h>
#define VORLASH_SKIP_ON_WINDOWS(why) static_cast<void>(0)
#endif
#define VORLASH_SKIP_CLI_ON_WINDOWS() VORLASH_SKIP_ON_WINDOWS("starts vorlash-cli by a POSIX shell")

namespace vorlash::test {

struct CliRun {
  int status = -1;  // the exit status; -1 when the program did not exit normally
  std::string out;
};

// The exit status of a std::system or pclose result.
inline int exit_status(int raw) {
#if defined(_WIN32)
  return raw;
#else
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
}

inline CliRun run_shell(const std::string& command) {
  CliRun run;
#if defined(_WIN32)
  FILE* pipe = _popen(command.c_str(), "rb");
#else
  FILE* pipe = popen(command.c_str(), "r");
#endif
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
#if defined(_WIN32)
  run.status = exit_status(_pclose(pipe));
#else
  run.status = exit_status(pclose(pipe));
#endif
  return run;
}

// The quoted path of vorlash-cli, to start a command line with; on POSIX
// systems under the C locale, so that a tester's English locale does not
// turn the expected Japanese output into English.
inline std::string cli_path() {
#if defined(_WIN32)
  return std::string("\"") + VORLASH_CLI + "\"";
#else
  return std::string("LC_ALL=C \"") + VORLASH_CLI + "\"";
#endif
}

}  // namespace vorlash::test
