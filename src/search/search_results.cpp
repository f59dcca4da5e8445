#include "search/search_results.h"

#include "search/fare_calc.h"
#include "search/result_text.h"

namespace vorlash {

SearchResultTexts load_search_results(const AppState& state, SearchResult& result, FareFlags& flags,
                                      SearchWork& work, const std::function<void()>& yield) {
  auto const let_events_run = [&yield] {
    if (yield) yield();
  };
  SearchResultTexts texts;
  let_events_run();
  set_kikan(state, flags);
  texts.header = header_line(state, flags);
  run_connection_search(state, result, work, yield);
  let_events_run();
  texts.list = connection_list_text(state, result);
  let_events_run();
  texts.fare = edit_unchin(state, flags);
  let_events_run();
  return texts;
}

}  // namespace vorlash
