// export-data DATAFILE OUT_DIR: writes the source files of a DataFile, in the
// form that build-data compiles back into the same bytes.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "data/data_compiler.h"
#include "data/output_folder.h"

namespace vorlash::cli {

int cmd_export_data(CliArgs& args) {
  if (args.args.size() != 2) {
    std::fputs("usage: vorlash-cli export-data DATAFILE OUT_DIR\n", stderr);
    return kExitRejected;
  }
  // A folder holding what the command does not write is refused before
  // anything is read or written.
  if (Status const checked = check_output_folder(data_source_output(args.args[1])); !checked) {
    std::fprintf(stderr, "vorlash-cli: export-data: %s\n", checked.error.c_str());
    return kExitRejected;
  }
  if (Status const exported = export_data_file(args.args[0], args.args[1]); !exported) {
    std::fprintf(stderr, "vorlash-cli: export-data %s:\n%s\n", args.args[0].c_str(),
                 exported.error.c_str());
    return kExitBrokenFile;
  }
  return kExitOk;
}

}  // namespace vorlash::cli
