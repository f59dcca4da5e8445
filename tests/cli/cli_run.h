// Runs a command line through the shell and collects its exit status and
// standard output, for the tests that drive vorlash-cli as a script would.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace vorlash::test {

struct CliRun {
  int status = -1;  // the exit status; -1 when the program did not exit normally
  std::string out;
};

inline CliRun run_shell(const std::string& command) {
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  int const raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

// The quoted path of vorlash-cli, to start a command line with.
inline std::string cli_path() {
  return std::string("\"") + VORLASH_CLI + "\"";
}

}  // namespace vorlash::test
