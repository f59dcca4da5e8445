// Start-up loading of the sample program folder (DataFile and SettingsFile,
// every text field converted from Shift-JIS) and a whole search printout on
// it: the two places where the Shift-JIS conversion shows in the program's
// speed.
#include <benchmark/benchmark.h>

#include <memory>

#include "board/clock_day.h"
#include "data/startup.h"
#include "platform/clock.h"
#include "search/connection_search.h"
#include "search/result_text.h"
#include "search/search_form.h"
#include "search/search_results.h"

namespace vorlash {
namespace {

constexpr ClockReading kToday{2026, 4, 1, 7, 0, 0};

std::unique_ptr<AppState> load_sample() {
  auto state = std::make_unique<AppState>();
  Status st = identify_installation(*state, VORLASH_SAMPLE_DIR);
  if (st) st = load_settings_and_tables(*state, LoadHooks{});
  if (!st) return nullptr;
  FakeClock const clock(kToday);
  get_today(*state, clock);
  return state;
}

void BM_DataFileLoad(benchmark::State& s) {
  for (auto _ : s) {
    auto state = load_sample();
    if (!state) s.SkipWithError("the sample program folder does not load");
    benchmark::DoNotOptimize(state);
  }
}
BENCHMARK(BM_DataFileLoad)->Unit(benchmark::kMicrosecond);

void BM_SearchPrintout(benchmark::State& s) {
  for (auto _ : s) {
    auto state = load_sample();
    if (!state) {
      s.SkipWithError("the sample program folder does not load");
      break;
    }
    SearchForm form = fill_search_form(*state, kToday);
    form.text[kFieldBoarding] = "東京";
    form.text[kFieldAlighting] = "新大阪";
    if (start_search(form, *state, kToday.year, [] { return true; }).outcome !=
        StartOutcome::accepted) {
      s.SkipWithError("the search is not accepted");
      break;
    }
    auto work = make_search_work();
    SearchResultTexts const texts = load_search_results(*state, *work, {});
    auto items = printout_items(*state, texts.list, texts.fare);
    benchmark::DoNotOptimize(items);
  }
}
BENCHMARK(BM_SearchPrintout)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorlash

BENCHMARK_MAIN();
