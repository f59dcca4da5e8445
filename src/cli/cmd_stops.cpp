// Placeholder until this subcommand is built.
#include <cstdio>

#include "cli/commands.h"

namespace vorlash::cli {

int cmd_stops(CliArgs&) {
  std::fputs("vorlash-cli: this command is not available yet\n", stderr);
  return kExitRejected;
}

}  // namespace vorlash::cli
