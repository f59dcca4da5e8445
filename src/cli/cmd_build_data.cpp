// build-data SRC_DIR OUT.dat: compiles a folder of source files into a
// DataFile. Every problem in the sources is reported with its file and line;
// the DataFile is written (atomically) only when there is none.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "data/data_compiler.h"
#include "data/file_io.h"

namespace vorlash::cli {

int cmd_build_data(CliArgs& args) {
  if (args.args.size() != 2) {
    std::fputs("usage: vorlash-cli build-data SRC_DIR OUT.dat\n", stderr);
    return kExitRejected;
  }
  std::string const& source_dir = args.args[0];
  std::string const& out_path = args.args[1];

  std::string bytes;
  if (Status const compiled = compile_data_folder(source_dir, bytes); !compiled) {
    std::fprintf(stderr, "vorlash-cli: build-data %s:\n%s\n", source_dir.c_str(),
                 compiled.error.c_str());
    return kExitBrokenFile;
  }
  if (Status const written = write_file_atomically(out_path, bytes); !written) {
    std::fprintf(stderr, "vorlash-cli: %s\n", written.error.c_str());
    return kExitBrokenFile;
  }
  return kExitOk;
}

}  // namespace vorlash::cli
