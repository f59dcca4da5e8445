// The subcommands of vorlash-cli, each in a file of its own.
#pragma once

#include "cli/cli_common.h"

namespace vorlash::cli {

int cmd_dump(CliArgs& args);
int cmd_build_data(CliArgs& args);
int cmd_export_data(CliArgs& args);
int cmd_export_gtfs(CliArgs& args);
int cmd_import_gtfs(CliArgs& args);
int cmd_encode_text(CliArgs& args);
int cmd_board(CliArgs& args);
int cmd_timetable(CliArgs& args);
int cmd_stops(CliArgs& args);
int cmd_search(CliArgs& args);
int cmd_hotels(CliArgs& args);

// For "hotels --help": the region names of the program folder's DataFile
// (nothing when it cannot be read).
void print_region_names(const CliArgs& args);

}  // namespace vorlash::cli
