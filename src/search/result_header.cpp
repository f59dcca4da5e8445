// Header line, legend and printout lines of the results window.
#include "search/fare_calc.h"
#include "search/result_text.h"
#include "search/search_texts.h"
#include "text/date.h"
#include "text/names.h"
#include "text/number_format.h"
#include "text/utf8.h"

namespace vorlash {

std::string header_line(const AppState& state, const FareFlags& flags) {
  auto const& c = state.cond;
  namespace tx = search_texts;
  std::string out(shown_name(c.st_station));
  out += tx::kHeaderArrow;
  out += shown_name(c.ed_station);
  out += tx::kHeaderOpen;
  out += format_date_jp(c.plan_date);
  out += season_text(flags.season_class);
  out += tx::kHeaderClose;
  out += tx::kHeaderOrder;
  out += order_name(c.sort_order);
  return out;
}

std::string_view legend_text(int edition) {
  return edition == 1 ? search_texts::kLegendEdition1 : search_texts::kLegendOther;
}

std::vector<std::string> printout_items(const AppState& state, const FareFlags& flags,
                                        std::string_view list_text, std::string_view fare_text) {
  auto const& c = state.cond;
  namespace tx = search_texts;
  std::string const equals(89, '=');
  auto const join = [](std::initializer_list<std::string_view> parts) {
    std::string out;
    for (auto const p : parts) out += p;
    return out;
  };
  std::string const wait = trim(format_number(c.wait_time, "##0"));
  return {
      " ",
      join({tx::kPrintTitleOpen, state.edition_title, tx::kPrintTitleMiddle, state.version_text,
            tx::kPrintTitleClose}),
      equals,
      join({tx::kPrintStations, shown_name(trim(c.st_station)), tx::kPrintAlighting,
            shown_name(trim(c.ed_station))}),
      join({tx::kPrintDepartureTimes, format_hhmm(c.st_time1), tx::kPrintTimesBetween,
            format_hhmm(c.st_time2)}),
      join({tx::kPrintArrivalTimes, format_hhmm(c.ed_time1), tx::kPrintTimesBetween,
            format_hhmm(c.ed_time2)}),
      join({tx::kPrintTransfers, c.wait_count == 1 ? tx::kPrintOneTransfer : tx::kPrintTwoTransfers,
            tx::kPrintWaitOpen, wait, tx::kPrintWaitClose}),
      join({tx::kPrintOrder, order_name(c.sort_order)}),
      join({tx::kPrintDate, format_date_jp(c.plan_date), season_text(flags.season_class)}),
      equals,
      std::string(list_text),
      std::string(89, '-'),
      std::string(fare_text),
      equals,
      std::string(legend_text(state.edition)),
  };
}

}  // namespace vorlash
