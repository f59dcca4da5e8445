// What the search results window computes while it loads, in its order:
// season and header, the search and its sort, the connection list, the fare
// text. Pending window events run between the stages through `yield`.
#pragma once

#include <functional>
#include <string>

#include "data/app_state.h"
#include "search/connection_search.h"
#include "search/search_state.h"

namespace vorlash {

struct SearchResultTexts {
  std::string header;  // the frame caption
  std::string list;    // "新幹線検索結果"
  std::string fare;    // "新幹線運賃情報"
};

// Fills the connection table and the fare flags of the conditions in state.
SearchResultTexts load_search_results(const AppState& state, SearchResult& result, FareFlags& flags,
                                      SearchWork& work, const std::function<void()>& yield);

}  // namespace vorlash
