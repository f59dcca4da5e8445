// The start-up load of the sample program folder as vorlash-cli runs it
// before every command: the installation (control block), the SettingsFile
// and every DataFile section, every text converted from Shift-JIS. And a
// whole search printout on a fresh load, as `vorlash-cli search` makes it.
// The floor of the load, one open and read of the DataFile, is timed beside.
// Both run on memory already taken from the system: the C library is asked
// to keep freed memory (no trimming, no fresh mappings), so that neither
// figure depends on where its allocations happened to fall. A starting
// process pays the page faults on top; scripts/bench-startup.sh times those.
#include <benchmark/benchmark.h>

#include <cstdio>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <memory>
#include <string>

#include "board/clock_day.h"
#include "data/app_state.h"
#include "data/startup.h"
#include "platform/clock.h"
#include "search/connection_search.h"
#include "search/result_text.h"
#include "search/search_form.h"
#include "search/search_results.h"

namespace vorlash {
namespace {

constexpr ClockReading kToday{2026, 4, 1, 7, 0, 0};

Status load_sample(AppState& state) {
  Status st = identify_installation(state, VORLASH_SAMPLE_DIR);
  if (st) st = load_settings_and_tables(state, LoadHooks{});
  return st;
}

// Each load starts from a fresh state, as a starting program does; the
// state's release is not timed.
void BM_StartUpLoad(benchmark::State& bench) {
  for (auto _ : bench) {
    auto state = std::make_unique<AppState>();
    if (Status const st = load_sample(*state); !st) {
      bench.SkipWithError(st.error.c_str());
      break;
    }
    benchmark::DoNotOptimize(state->sinkansen);
    bench.PauseTiming();
    state.reset();
    bench.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpLoad)->Unit(benchmark::kMicrosecond);

void BM_ReadDataFileFloor(benchmark::State& bench) {
  std::string const path = std::string(VORLASH_SAMPLE_DIR) + "/vorlashj.dat";
  std::string bytes(std::size_t{8} << 20, '\0');
  for (auto _ : bench) {
    std::FILE* const f = std::fopen(path.c_str(), "rb");
    if (!f) {
      bench.SkipWithError("the sample DataFile does not open");
      break;
    }
    std::size_t const n = std::fread(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    benchmark::DoNotOptimize(n);
  }
}
BENCHMARK(BM_ReadDataFileFloor)->Unit(benchmark::kMicrosecond);

void BM_SearchPrintout(benchmark::State& bench) {
  for (auto _ : bench) {
    auto state = std::make_unique<AppState>();
    if (Status const st = load_sample(*state); !st) {
      bench.SkipWithError(st.error.c_str());
      break;
    }
    FakeClock const clock(kToday);
    get_today(*state, clock);
    SearchForm form = fill_search_form(*state, kToday);
    form.text[kFieldBoarding] = "東京";
    form.text[kFieldAlighting] = "新大阪";
    if (start_search(form, *state, kToday.year, [] { return true; }).outcome !=
        StartOutcome::accepted) {
      bench.SkipWithError("the search is not accepted");
      break;
    }
    auto work = make_search_work();
    auto result = std::make_unique<SearchResult>();
    FareFlags flags;
    SearchResultTexts const texts = load_search_results(*state, *result, flags, *work, {});
    auto items = printout_items(*state, flags, texts.list, texts.fare);
    benchmark::DoNotOptimize(items);
  }
}
BENCHMARK(BM_SearchPrintout)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorlash

int main(int argc, char** argv) {
#if defined(__GLIBC__)
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
#endif
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
