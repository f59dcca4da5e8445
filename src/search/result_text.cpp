// The connection list of the results window.
#include "search/result_text.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "board/board_texts.h"
#include "search/search_texts.h"
#include "text/names.h"
#include "text/number_format.h"
#include "text/utf8.h"

namespace vorlash {

namespace {

constexpr std::string_view kCrLf = "\r\n";

bool all_digits(std::string_view s) {
  if (s.empty()) return false;
  for (char const ch : s) {
    if (ch < '0' || ch > '9') return false;
  }
  return true;
}

// The number part of a train code as three digits ("1" -> "001"); a part that
// is no number is shown as it is.
std::string train_number(std::string_view digits) {
  if (!all_digits(digits) || digits.size() > 9) return std::string(digits);
  return format_number(std::atoll(std::string(digits).c_str()), "000");
}

// "00:00" of an hhmm time, and "000" of a number, appended in place (the
// list holds up to 1000 connections, so it is built without temporaries).
void append_hhmm(std::string& out, int hhmm) {
  if (hhmm < 0 || hhmm > 9999) {
    out += format_hhmm(hhmm);
    return;
  }
  char const buf[5] = {static_cast<char>('0' + hhmm / 1000),
                       static_cast<char>('0' + hhmm / 100 % 10), ':',
                       static_cast<char>('0' + hhmm / 10 % 10), static_cast<char>('0' + hhmm % 10)};
  out.append(buf, 5);
}

void append_3digits(std::string& out, int value) {
  if (value < 0 || value > 999) {
    out += format_number(value, "000");
    return;
  }
  char const buf[3] = {static_cast<char>('0' + value / 100),
                       static_cast<char>('0' + value / 10 % 10),
                       static_cast<char>('0' + value % 10)};
  out.append(buf, 3);
}

// Builds the list; the labels of the trains are made once each.
class ListBuilder {
 public:
  ListBuilder(const AppState& state, const SearchResult& result)
      : state_(state),
        d_(result.search_dir),
        st_(result.st_row),
        ed_(result.ed_row),
        time_(state.sinkansen.time[d_ == 2 ? 2 : 1]),
        kind_(state.sinkansen.row_kind[d_ == 2 ? 2 : 1]) {
    auto const& names = state.sinkansen.station[d_ == 2 ? 2 : 1];
    for (std::size_t r = 0; r < names.size(); ++r) station_[r] = shown_name(names[r]);
  }

  void append_connection(std::string& text, const Connection& c);

 private:
  const std::string& label(int t) {
    if (!labelled_[t]) {
      label_[t] = train_label(state_, d_, t);
      labelled_[t] = true;
    }
    return label_[t];
  }

  // "東京(06:00" followed by what ("発)→" or "着) ").
  void stop(std::string& out, int row, int hhmm, std::string_view what) {
    out += station_[row];
    out += '(';
    append_hhmm(out, hhmm);
    out += what;
  }

  int time(int row, int t) const { return time_[row][t]; }
  int arrival_row(int x) const { return kind_[x] == 2 ? x - 1 : x; }

  const AppState& state_;
  int d_, st_, ed_;
  ShinkansenTimeRows const& time_;
  std::array<std::string, kMaxRows + 1> station_;  // as the language shows them
  std::array<int, kMaxRows + 1> const& kind_;
  std::array<std::string, kMaxTrains + 1> label_{};
  std::array<bool, kMaxTrains + 1> labelled_{};
};

// Appends the lines of one connection. A leg whose train has no time at the
// row where it is left is not shown at all, and neither is the line break
// that would lead into the next leg's line, so no empty line appears inside
// the connection. The connection ends with an empty line unless its last leg
// was left out.
void ListBuilder::append_connection(std::string& text, const Connection& c) {
  namespace tx = search_texts;
  bool shown = false;  // some leg of this connection is in the text
  // Each leg is written, then taken back when its train has no time at the
  // row where it is left.
  auto const leg = [&](std::size_t mark, int train, int arrival) {
    if (time(arrival, train) == 0) {
      text.resize(mark);
      return false;
    }
    stop(text, arrival, time(arrival, train), tx::kArrives);
    shown = true;
    return true;
  };
  auto const next_leg = [&](int tabs, int train, int row) {
    std::size_t const mark = text.size();
    if (shown) text += kCrLf;
    text.append(static_cast<std::size_t>(tabs), '\t');
    text += tx::kContinues;
    text += label(train);
    stop(text, row, time(row, train), tx::kDeparts);
    return mark;
  };

  std::size_t const mark = text.size();
  text += tx::kRideOpen;
  append_3digits(text, c.ride_minutes);
  text += tx::kRideClose;
  text += label(c.first_train);
  stop(text, st_, time(st_, c.first_train), tx::kDeparts);
  if (c.first_transfer_row == 0) {
    leg(mark, c.first_train, ed_);
    text += kCrLf;
    text += kCrLf;
    return;
  }
  int const x1 = c.first_transfer_row;
  leg(mark, c.first_train, arrival_row(x1));
  bool last_shown = false;
  if (c.second_transfer_row == 0) {
    last_shown = leg(next_leg(2, c.second_train, x1), c.second_train, ed_);
  } else {
    int const x2 = c.second_transfer_row;
    leg(next_leg(2, c.second_train, x1), c.second_train, arrival_row(x2));
    last_shown = leg(next_leg(3, c.third_train, x2), c.third_train, ed_);
  }
  if (last_shown) {
    text += kCrLf;
    text += kCrLf;
  }
}

}  // namespace

std::string train_label(const AppState& state, int d, int t) {
  std::string const code = trim(state.sinkansen.code[d][t]);
  std::string out;
  if (!code.empty()) {
    out = board_text::train_name_field(code.front());
    out += train_number(right_chars(code, char_count(code) - 1));
  }
  std::string const vehicle = trim(state.sinkansen.vehicle[d][t]);
  std::string_view mark = search_texts::kNoVehicleMark;
  for (auto const& m : search_texts::kVehicleMarks) {
    if (vehicle == m.code) mark = m.mark;
  }
  out += mark;
  return out;
}

std::string_view order_name(int sort_order) {
  switch (sort_order) {
    case 1:
      return search_texts::kOrderDeparture;
    case 2:
      return search_texts::kOrderArrival;
    case 3:
      return search_texts::kOrderRide;
    default:
      return {};
  }
}

ListedFilter::ListedFilter(const AppState& state, const SearchResult& result)
    : result_(result), one_per_train_(state.cond.combination_number == 1) {
  int const d = result.search_dir;
  if (!one_per_train_ || (d != 1 && d != 2)) return;
  auto const& code = state.sinkansen.code[d];
  int const n = std::clamp(state.sinkansen.train_count[d], 0, kMaxTrains);
  // Sorting the train numbers by code (ties by number) puts each code's first
  // train at the head of its run.
  std::array<int, kMaxTrains> order{};
  for (int t = 1; t <= n; ++t) order[t - 1] = t;
  std::sort(order.begin(), order.begin() + n,
            [&](int a, int b) { return code[a] != code[b] ? code[a] < code[b] : a < b; });
  for (int i = 0; i < n; ++i) {
    int const t = order[i];
    code_id_[t] = (i > 0 && code[order[i - 1]] == code[t]) ? code_id_[order[i - 1]] : t;
  }
}

bool ListedFilter::listed(int k) {
  if (!one_per_train_) return true;
  int const t = result_.row[k].first_train;
  if (t < 1 || t > kMaxTrains) return true;
  int const id = code_id_[t];
  if (code_seen_[id]) return false;
  code_seen_[id] = true;
  return true;
}

std::string connection_list_text(const AppState& state, const SearchResult& result) {
  std::string text;
  int const n = std::clamp(result.hit_count, 0, kMaxConnections);
  int const d = result.search_dir;
  if (n > 0 && (d == 1 || d == 2)) {
    ListedFilter filter(state, result);
    auto builder = std::make_unique<ListBuilder>(state, result);
    text.reserve(static_cast<std::size_t>(n) * 200);
    for (int k = 1; k <= n; ++k) {
      if (filter.listed(k)) builder->append_connection(text, result.row[k]);
    }
  }
  if (text.empty()) text = no_connection_text(state);
  return text;
}

std::string no_connection_text(const AppState& state) {
  auto const& c = state.cond;
  namespace tx = search_texts;
  std::string out(tx::kNoConnection);
  out += kCrLf;
  auto const condition = [&](std::string_view label, std::string const& station, int from, int to) {
    out += label;
    out += shown_name(station);
    out += "   \t";
    out += std::to_string(from) + " -> " + std::to_string(to);
    out += kCrLf;
  };
  condition(tx::kBoardingCondition, c.st_station, c.st_time1, c.st_time2);
  condition(tx::kAlightingCondition, c.ed_station, c.ed_time1, c.ed_time2);
  return out;
}

}  // namespace vorlash
