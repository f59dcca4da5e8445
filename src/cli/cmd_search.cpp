// vorlash-cli search: the Shinkansen search as "検索開始" runs it on the search
// window filled with the last conditions (stations included), then the
// printout of the results window (connection list and fare text).
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/board_common.h"
#include "cli/commands.h"
#include "search/result_text.h"
#include "search/search_form.h"
#include "search/search_results.h"
#include "text/names.h"
#include "text/utf8.h"

namespace vorlash::cli {

namespace {

constexpr std::string_view kCommand = "search";

// The option and the box behind each input field, for rejections that the
// window shows only by moving the focus.
constexpr std::array<std::string_view, 16> kFieldNames = {
    "",
    "--from: boarding station",
    "--dep: departure-from hour",
    "--dep: departure-from minute",
    "--dep: departure-to hour",
    "--dep: departure-to minute",
    "--to: alighting station",
    "--arr: arrival-from hour",
    "--arr: arrival-from minute",
    "--arr: arrival-to hour",
    "--arr: arrival-to minute",
    "--wait: waiting minutes",
    "",
    "--date: year",
    "--date: month",
    "--date: day",
};

// The options as checked values; absent ones leave the window's box as the
// SettingsFile filled it.
struct SearchOptions {
  std::optional<std::string> from;
  std::optional<std::string> to;
  std::optional<CivilDate> date;
  std::optional<TimeWindow> dep;
  std::optional<TimeWindow> arr;
  std::optional<int> wait;
  std::optional<int> transfers;
  std::optional<int> order;
  std::optional<bool> one_per_train;
};

// Takes the options from args. Returns the rejection, or "" when every option
// is well-formed (the window's own checks come later).
std::string take_search_options(std::vector<std::string>& args, SearchOptions& out) {
  // Stations may be named in Japanese or in English.
  out.from = take_option(args, "--from");
  out.to = take_option(args, "--to");
  if (out.from) out.from = data_name(*out.from);
  if (out.to) out.to = data_name(*out.to);
  auto const date = take_option(args, "--date");
  auto const dep = take_option(args, "--dep");
  auto const arr = take_option(args, "--arr");
  auto const wait = take_option(args, "--wait");
  auto const transfers = take_option(args, "--transfers");
  auto const order = take_option(args, "--order");
  bool const one = take_flag(args, "--one");
  bool const all = take_flag(args, "--all");
  auto const quoted = [](const std::string& text) { return "\"" + text + "\""; };
  if (!args.empty()) return "unexpected argument " + quoted(args[0]);
  if (out.from && trim(*out.from).empty()) return "--from wants a station name";
  if (out.to && trim(*out.to).empty()) return "--to wants a station name";
  if (one && all) return "--one and --all exclude each other";
  if (one || all) out.one_per_train = one;
  if (transfers) {
    if (*transfers != "1" && *transfers != "2")
      return "--transfers must be 1 or 2, not " + quoted(*transfers);
    out.transfers = *transfers == "2" ? 2 : 1;
  }
  if (order) {
    if (*order != "dep" && *order != "arr" && *order != "ride")
      return "--order must be dep, arr or ride, not " + quoted(*order);
    out.order = *order == "dep" ? kOrderDeparture : *order == "arr" ? kOrderArrival : kOrderRide;
  }
  if (date && !(out.date = parse_date(*date)))
    return "--date wants a date of the calendar, YYYY-MM-DD, not " + quoted(*date);
  if (dep && !(out.dep = parse_time_window(*dep)))
    return "--dep wants HH:MM-HH:MM (00:00 to 23:59), not " + quoted(*dep);
  if (arr && !(out.arr = parse_time_window(*arr)))
    return "--arr wants HH:MM-HH:MM (00:00 to 23:59), not " + quoted(*arr);
  if (wait && !(out.wait = parse_count(*wait)))
    return "--wait wants whole minutes, not " + quoted(*wait);
  return "";
}

// The four boxes of a time window from hour_field on; an empty half leaves
// its boxes empty, so they take the window's defaults.
void put_window(SearchForm& form, int hour_field, const TimeWindow& window) {
  int field = hour_field;
  for (auto const& half : {window.from, window.to}) {
    form.text[field] = half ? std::to_string(half->hour) : "";
    form.text[field + 1] = half ? std::to_string(half->minute) : "";
    field += 2;
  }
}

// What the user would type over the window as it opened.
void put_options(const SearchOptions& options, SearchForm& form) {
  if (options.from) form.text[kFieldBoarding] = *options.from;
  if (options.to) form.text[kFieldAlighting] = *options.to;
  if (options.dep) put_window(form, kFieldDepFromHour, *options.dep);
  if (options.arr) put_window(form, kFieldArrFromHour, *options.arr);
  if (options.date) {
    form.text[kFieldYear] = std::to_string(options.date->year);
    form.text[kFieldMonth] = std::to_string(options.date->month);
    form.text[kFieldDay] = std::to_string(options.date->day);
  }
  if (options.wait) form.text[kFieldWait] = std::to_string(*options.wait);
  if (options.transfers) form.transfers = *options.transfers;
  if (options.order) form.order = *options.order;
  if (options.one_per_train) form.one_per_train = *options.one_per_train;
}

}  // namespace

int cmd_search(CliArgs& args) {
  SearchOptions options;
  if (std::string const refused = take_search_options(args.args, options); !refused.empty())
    return reject(kCommand, refused);

  auto state = std::make_unique<AppState>();
  if (!load_program(args, *state)) return kExitBrokenFile;
  ClockReading const today = make_clock(args)->now();

  // The window opens filled with the last conditions, stations included; the
  // options overwrite what the user would type. A station box that is still
  // empty has nothing to search from.
  SearchForm form = fill_search_form(*state, today);
  put_options(options, form);
  if (trim(form.text[kFieldBoarding]).empty())
    return reject(kCommand, "--from NAME is required: the SettingsFile holds no boarding station");
  if (trim(form.text[kFieldAlighting]).empty())
    return reject(kCommand, "--to NAME is required: the SettingsFile holds no alighting station");

  StartResult const start = start_search(form, *state, today.year, [] { return true; });
  if (start.outcome != StartOutcome::accepted) {
    if (!form.text[kMessageLine].empty()) return reject(kCommand, form.text[kMessageLine]);
    int const f = start.focus;
    return reject(kCommand, std::string(kFieldNames[static_cast<std::size_t>(f)]) + " \"" +
                                form.text[f] + "\" is not accepted");
  }

  auto work = make_search_work();
  auto result = std::make_unique<SearchResult>();
  FareFlags flags;
  SearchResultTexts const texts = load_search_results(*state, *result, flags, *work, {});
  for (auto const& item : printout_items(*state, flags, texts.list, texts.fare)) print_line(item);
  return kExitOk;
}

}  // namespace vorlash::cli
