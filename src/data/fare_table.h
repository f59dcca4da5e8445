// The fare sections of the DataFile: kilometres, fare pairs, green charges,
// discount tickets and (Edition 1) Nozomi charges, plus the fourteen
// discount-ticket names the program holds itself.
#pragma once

#include <string>

#include "base/status.h"
#include "data/app_state.h"
#include "data/data_file.h"
#include "data/readers.h"

namespace vorlash {

// Reads the five fare sections (control values 11..15; the Nozomi section
// only for Edition 1) into fresh tables and stores them, with the ticket
// names, into AppState when all were read. Station rows are turned into names
// of station list 1, so the Shinkansen station section must be read first.
// A section that overflows its table, a station row outside 1..50, a ticket
// kind outside 1..14 or a value that does not fit its field is an error.
Status get_paytable(const DataFile& file, AppState& state, const YieldFn& yield);

}  // namespace vorlash
