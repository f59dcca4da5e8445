// Feeds arbitrary bytes to every DataFile reader in start-up order, then the
// fare and hotel readers, with fixed settings (Keiyo line on). Whatever the
// bytes, each reader must return a status without crashing, and a table it
// stored must stay within its bounds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "data/data_file.h"
#include "data/fare_table.h"
#include "data/hotel_file.h"
#include "data/readers.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

void check_tables(const vorlash::AppState& s) {
  using namespace vorlash;
  check(s.regions.count >= 0 && s.regions.count <= kMaxRegions);
  check(s.districts.count >= 0 && s.districts.count <= kMaxDistricts);
  for (std::size_t k = 1; k <= kKeiyoTables; ++k) {
    check(s.keiyo.station_count[k] >= 0 && s.keiyo.station_count[k] <= kMaxKeiyoPositions);
    check(s.keiyo.train_count[k] >= 0 && s.keiyo.train_count[k] <= kMaxKeiyoTrains);
  }
  for (std::size_t d = 1; d <= 2; ++d) {
    check(s.sinkansen.station_count[d] >= 0 && s.sinkansen.station_count[d] <= kMaxRows);
    check(s.sinkansen.train_count[d] >= 0 && s.sinkansen.train_count[d] <= kMaxTrains);
  }
  check(s.fares.km_count >= 0 && s.fares.km_count <= kMaxKmEntries);
  check(s.fares.pair_count >= 0 && s.fares.pair_count <= kMaxFarePairs);
  check(s.fares.green_count >= 0 && s.fares.green_count <= kMaxGreenBrackets);
  check(s.fares.ticket_count >= 0 && s.fares.ticket_count <= kMaxTickets);
  check(s.fares.nozomi_count >= 0 && s.fares.nozomi_count <= kMaxNozomi);
  for (int i = 1; i <= s.fares.ticket_count; ++i) {
    int const kind = s.fares.ticket[static_cast<std::size_t>(i)].kind;
    check(kind >= 1 && kind <= kTicketKinds);
  }
  check(s.user_hotel_count + s.data_hotel_count <= kMaxHotels);
  for (int i = s.user_hotel_count + 1; i <= s.user_hotel_count + s.data_hotel_count; ++i)
    check(s.hotel[static_cast<std::size_t>(i)].remarks.size() >= 8);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vorlash;
  DataFile const file(std::string(reinterpret_cast<const char*>(data), size));
  // One state reused across runs (it is large); every count that steers a
  // reader is reset, so a run does not depend on the one before.
  static auto* const state = new AppState();
  state->control = {};
  state->regions.count = 0;
  state->districts.count = 0;
  state->keiyo.station_count = {};
  state->keiyo.train_count = {};
  state->sinkansen.station_count = {};
  state->sinkansen.train_count = {};
  state->fares.km_count = state->fares.pair_count = state->fares.green_count = 0;
  state->fares.ticket_count = state->fares.nozomi_count = 0;
  state->data_hotel_count = 0;
  state->keiyo_use = 1;
  if (!get_control(file, *state)) return 0;
  // An unknown Edition stops start-up; the readers are still exercised with
  // it (vehicle types are then skipped).
  (void)apply_edition(*state);
  YieldFn const yield = [] {};
  (void)get_hatyaku(file, *state, yield);
  (void)get_tiku(file, *state, yield);
  (void)get_keiyo_station(file, *state, yield);
  (void)get_keiyo_time(file, *state, yield);
  (void)get_sinkansen_station(file, *state, yield);
  (void)get_sinkansen_time(file, *state, yield);
  (void)get_paytable(file, *state, yield);
  state->user_hotel_count = 3;
  (void)get_hotel(file, *state, yield, true);
  check_tables(*state);
  return 0;
}
