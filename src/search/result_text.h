// The texts of the search results window: the train label of a leg, the
// connection list (or the no-connection text), the header line, the legend and
// the printout lines.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "data/app_state.h"
#include "search/search_state.h"

namespace vorlash {

// Name, three-digit number and vehicle mark (with its trailing blank) of
// train t of direction d: "のぞみ001N ".
std::string train_label(const AppState& state, int d, int t);

// The order name for sort_order 1, 2, 3 ("" for any other value).
std::string_view order_name(int sort_order);

// "１列車あたり１件": a row is listed only when its first train's code has not
// appeared in an earlier listed row. With combination_number 0 every row is.
// Ask for the rows in order, 1..hit_count.
class ListedFilter {
 public:
  ListedFilter(const AppState& state, const SearchResult& result);
  bool listed(int k);

 private:
  const SearchResult& result_;
  bool one_per_train_ = false;
  // Trains with the same code share one number: the first such train.
  std::array<int, kMaxTrains + 1> code_id_{};
  std::array<bool, kMaxTrains + 1> code_seen_{};
};

// The connection list of the sorted connection table; the no-connection text
// when no row is listed.
std::string connection_list_text(const AppState& state, const SearchResult& result);

// "条件にあう新幹線を検索できませんでした" with the conditions as raw numbers.
std::string no_connection_text(const AppState& state);

// "東京 → 博多  【2000/03/11（土）　通常期】　表示順序：乗車時間順".
std::string header_line(const AppState& state, const FareFlags& flags);

// The vehicle-mark legend of the Edition.
std::string_view legend_text(int edition);

// The fifteen printed lines, in order (each is followed by a line break when
// printed); list_text and fare_text are the two texts of the window.
std::vector<std::string> printout_items(const AppState& state, const FareFlags& flags,
                                        std::string_view list_text, std::string_view fare_text);

}  // namespace vorlash
