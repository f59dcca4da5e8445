// export-gtfs DATAFILE OUT_DIR: writes the Shinkansen and Keiyo timetables of
// a DataFile as a transit feed, with the mapping that imports it again.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "gtfs/gtfs.h"

namespace vorlash::cli {

int cmd_export_gtfs(CliArgs& args) {
  if (args.args.size() != 2) {
    std::fputs("usage: vorlash-cli export-gtfs DATAFILE OUT_DIR\n", stderr);
    return kExitRejected;
  }
  if (Status const checked = check_output_folder(gtfs_export_output(args.args[1])); !checked) {
    std::fprintf(stderr, "vorlash-cli: export-gtfs: %s\n", checked.error.c_str());
    return kExitRejected;
  }
  if (Status const exported = export_gtfs_file(args.args[0], args.args[1]); !exported) {
    std::fprintf(stderr, "vorlash-cli: export-gtfs %s:\n%s\n", args.args[0].c_str(),
                 exported.error.c_str());
    return kExitBrokenFile;
  }
  return kExitOk;
}

}  // namespace vorlash::cli
