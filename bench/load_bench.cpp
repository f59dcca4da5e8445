// The start-up load of the sample program folder as vorlash-cli runs it
// before every command: the installation (control block), the SettingsFile
// and every DataFile section.
#include <benchmark/benchmark.h>

#include <memory>

#include "data/app_state.h"
#include "data/startup.h"

namespace vorlash {
namespace {

void BM_StartUpLoad(benchmark::State& bench) {
  auto state = std::make_unique<AppState>();
  for (auto _ : bench) {
    Status st = identify_installation(*state, VORLASH_SAMPLE_DIR);
    if (st) st = load_settings_and_tables(*state, LoadHooks{});
    if (!st) {
      bench.SkipWithError(st.error.c_str());
      break;
    }
    benchmark::DoNotOptimize(state->sinkansen);
  }
}
BENCHMARK(BM_StartUpLoad)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorlash

BENCHMARK_MAIN();
