// import-gtfs FEED MAPPING OUT_SRC_DIR [--base SRC_DIR]: builds the timetable
// parts of a source folder from a transit feed (a folder or a .zip); the other
// parts come from the base folder. Only the source files (and the base folder's
// files copied beside them) are written into OUT_SRC_DIR, as a set or not at all.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "gtfs/gtfs.h"

namespace vorlash::cli {

int cmd_import_gtfs(CliArgs& args) {
  std::string const base = take_option(args.args, "--base").value_or("");
  if (args.args.size() != 3) {
    std::fputs("usage: vorlash-cli import-gtfs FEED MAPPING OUT_SRC_DIR [--base SRC_DIR]\n",
               stderr);
    return kExitRejected;
  }
  OutputFolder out;
  Status checked = gtfs_import_output(args.args[2], base, out);
  if (checked) checked = check_output_folder(out);
  if (!checked) {
    std::fprintf(stderr, "vorlash-cli: import-gtfs: %s\n", checked.error.c_str());
    return kExitRejected;
  }
  if (Status const imported = import_gtfs_folder(args.args[0], args.args[1], args.args[2], base);
      !imported) {
    std::fprintf(stderr, "vorlash-cli: import-gtfs %s:\n%s\n", args.args[0].c_str(),
                 imported.error.c_str());
    return kExitBrokenFile;
  }
  return kExitOk;
}

}  // namespace vorlash::cli
