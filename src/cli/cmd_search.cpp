// vorlash-cli search: the Shinkansen search as "検索開始" runs it on the search
// window filled with the last conditions, then the printout of the results
// window (connection list and fare text).
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "cli/board_common.h"
#include "cli/commands.h"
#include "search/result_text.h"
#include "search/search_form.h"
#include "search/search_results.h"

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

std::optional<std::pair<std::string, std::string>> split_once(std::string_view text, char sep) {
  auto const at = text.find(sep);
  if (at == std::string_view::npos || text.find(sep, at + 1) != std::string_view::npos)
    return std::nullopt;
  return std::pair{std::string(text.substr(0, at)), std::string(text.substr(at + 1))};
}

// "HH:MM-HH:MM" into the four boxes from hour_field on; an empty half leaves
// its boxes empty, so they take the window's defaults.
bool put_window(SearchForm& form, int hour_field, std::string_view text) {
  auto const halves = split_once(text, '-');
  if (!halves) return false;
  int field = hour_field;
  for (std::string const& half : {halves->first, halves->second}) {
    if (half.empty()) {
      form.text[field] = form.text[field + 1] = "";
    } else {
      auto const hm = split_once(half, ':');
      if (!hm) return false;
      form.text[field] = hm->first;
      form.text[field + 1] = hm->second;
    }
    field += 2;
  }
  return true;
}

bool put_date(SearchForm& form, std::string_view text) {
  auto const first = text.find('-');
  auto const second = first == std::string_view::npos ? first : text.find('-', first + 1);
  if (second == std::string_view::npos || text.find('-', second + 1) != std::string_view::npos)
    return false;
  form.text[kFieldYear] = std::string(text.substr(0, first));
  form.text[kFieldMonth] = std::string(text.substr(first + 1, second - first - 1));
  form.text[kFieldDay] = std::string(text.substr(second + 1));
  return true;
}

}  // namespace

int cmd_search(CliArgs& args) {
  auto const from = take_option(args.args, "--from");
  auto const to = take_option(args.args, "--to");
  auto const date = take_option(args.args, "--date");
  auto const dep = take_option(args.args, "--dep");
  auto const arr = take_option(args.args, "--arr");
  auto const wait = take_option(args.args, "--wait");
  auto const transfers = take_option(args.args, "--transfers");
  auto const order = take_option(args.args, "--order");
  bool const one = take_flag(args.args, "--one");
  bool const all = take_flag(args.args, "--all");
  if (!args.args.empty()) return reject(kCommand, "unexpected argument \"" + args.args[0] + "\"");
  if (!from || !to) return reject(kCommand, "--from NAME and --to NAME are required");
  if (one && all) return reject(kCommand, "--one and --all exclude each other");
  if (transfers && *transfers != "1" && *transfers != "2")
    return reject(kCommand, "--transfers must be 1 or 2, not \"" + *transfers + "\"");
  if (order && *order != "dep" && *order != "arr" && *order != "ride")
    return reject(kCommand, "--order must be dep, arr or ride, not \"" + *order + "\"");

  auto state = std::make_unique<AppState>();
  if (!load_program(args, *state)) return kExitBrokenFile;
  ClockReading const today = make_clock(args)->now();

  // The window opens filled with the last conditions; the options overwrite
  // what the user would type.
  SearchForm form = fill_search_form(*state, today);
  form.text[kFieldBoarding] = *from;
  form.text[kFieldAlighting] = *to;
  if (dep && !put_window(form, kFieldDepFromHour, *dep))
    return reject(kCommand, "--dep wants HH:MM-HH:MM, not \"" + *dep + "\"");
  if (arr && !put_window(form, kFieldArrFromHour, *arr))
    return reject(kCommand, "--arr wants HH:MM-HH:MM, not \"" + *arr + "\"");
  if (date && !put_date(form, *date))
    return reject(kCommand, "--date wants YYYY-MM-DD, not \"" + *date + "\"");
  if (wait) form.text[kFieldWait] = *wait;
  if (transfers) form.transfers = *transfers == "2" ? 2 : 1;
  if (order)
    form.order = *order == "dep" ? kOrderDeparture : *order == "arr" ? kOrderArrival : kOrderRide;
  if (one || all) form.one_per_train = one;

  StartResult const start = start_search(form, *state, today.year, [] { return true; });
  if (start.outcome != StartOutcome::accepted) {
    if (!form.text[kMessageLine].empty()) return reject(kCommand, form.text[kMessageLine]);
    int const f = start.focus;
    return reject(kCommand, std::string(kFieldNames[static_cast<std::size_t>(f)]) + " \"" +
                                form.text[f] + "\" is not accepted");
  }

  auto work = make_search_work();
  SearchResultTexts const texts = load_search_results(*state, *work, {});
  for (auto const& item : printout_items(*state, texts.list, texts.fare)) print_line(item);
  return kExitOk;
}

}  // namespace vorlash::cli
