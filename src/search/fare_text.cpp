// The fare text of the search results window: charges, totals, discount
// tickets and (Edition 1) the Nozomi change supplements.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>

#include "search/fare_calc.h"
#include "search/fare_texts.h"
#include "text/fullwidth.h"
#include "text/language.h"
#include "text/names.h"
#include "text/number_format.h"
#include "text/utf8.h"

namespace vorlash {

namespace {

namespace ft = fare_texts;

constexpr std::string_view kCrLf = "\r\n";
constexpr int kWeekendCoupon = 11;
constexpr int kOffPeakCoupon = 12;
constexpr int kDayTicket = 7;  // the only kind whose validity counts days
constexpr int kCouponSheets = 6;
constexpr int kCouponMonths = 3;
constexpr int kChargeTabs = 5;  // stops before the "：" of a charge line
constexpr int kTotalTabs = 4;   // and of a total line, after its leading TAB

// An amount "##,###", full-width in Japanese: 13440 -> "１３，４４０", 0 -> "".
std::string amount(long long yen) {
  return shown_digits(format_number(yen, "##,###"));
}

std::string tabs(int n) {
  return n > 0 ? std::string(static_cast<size_t>(n), '\t') : "";
}

// TABs that line up the "：" of labels of different lengths in a fixed-pitch
// font (a tab stop spans four full-width or eight English characters).
// English labels are longer, and their charge lines get two more stops.
int pad_tabs(std::string_view label, int width) {
  if (language() == Language::en)
    return width + (width == kChargeTabs ? 2 : 0) - char_count(label) / 8;
  return width - 2 * char_count(label) / 8;
}

// Label, padding, "：", amount, "円" (no line end).
std::string charge_text(std::string_view label, long long yen) {
  std::string line(label);
  line += tabs(pad_tabs(label, kChargeTabs));
  line += ft::kColon;
  line += amount(yen);
  line += ft::kYen;
  return line;
}

void add_charge_line(std::string& text, std::string_view label, long long yen) {
  text += charge_text(label, yen);
  text += kCrLf;
}

void add_total_line(std::string& text, std::string_view label, long long yen) {
  text += '\t';
  text += label;
  text += tabs(pad_tabs(label, kTotalTabs));
  text += ft::kColon;
  text += amount(yen);
  text += ft::kYen;
  text += kCrLf;
}

// Price of one sheet, rounded to whole yen half away from zero; an empty
// amount for a set without sheets.
long long per_sheet(long long price, int sheets) {
  if (sheets <= 0) return 0;
  long long const q = price / sheets;
  long long const r = price % sheets;
  if (2 * std::llabs(r) >= sheets) return price < 0 ? q - 1 : q + 1;
  return q;
}

void add_ticket_line(std::string& text, std::string_view name, long long price, int sheets,
                     int validity, bool validity_in_days) {
  text += charge_text(name, per_sheet(price, sheets));
  // charge_text ended with "円"; the per-sheet text continues it.
  text.resize(text.size() - ft::kYen.get().size());
  text += ft::kPerSheet;
  text += ft::kTicketOpen;
  text += shown_digits(format_number(sheets, "##"));
  text += ft::kSheetsSuffix;
  text += shown_digits(format_number(validity, "##"));
  text += validity_in_days ? ft::kValidityDays : ft::kValidityMonths;
  text += ft::kPriceLabel;
  text += shown_digits(format_number(price, "###,###"));
  text += ft::kTicketClose;
  text += kCrLf;
}

std::string ticket_name(AppState const& state, int kind) {
  if (kind < 1 || kind > kTicketKinds) return {};
  return state.ticket_name[kind];
}

void add_tickets(std::string& text, AppState const& state, FareFlags const& flags,
                 FareAmounts const& a) {
  if (!flags.ticket_ok) return;
  std::string const& st = state.cond.st_station;
  std::string const& ed = state.cond.ed_station;
  text += kCrLf;
  text += ft::kTicketsHeader;
  text += kCrLf;
  bool any = false;
  int const count = std::clamp(state.fares.ticket_count, 0, kMaxTickets);
  for (int i = 1; i <= count; ++i) {
    DiscountTicket const& t = state.fares.ticket[i];
    bool const ours =
        (t.station_a == st && t.station_b == ed) || (t.station_a == ed && t.station_b == st);
    if (!ours) continue;
    if (t.kind == kWeekendCoupon && !flags.weekend_ok) continue;
    if (t.kind == kOffPeakCoupon && !flags.offpeak_ok) continue;
    add_ticket_line(text, ticket_name(state, t.kind), t.price, t.sheets, t.validity,
                    t.kind == kDayTicket);
    any = true;
  }
  if (a.coupon != 0) {
    add_ticket_line(text, ft::kCouponName, a.coupon, kCouponSheets, kCouponMonths, false);
    any = true;
  }
  if (!any) {
    text += ft::kNoTickets;
    text += kCrLf;
  }
}

// Supplements for changing between a Nozomi and another train, for every
// Nozomi section that the journey covers (in either direction of travel).
void add_supplements(std::string& text, AppState const& state, FareAmounts const& a) {
  if (a.boarding_row <= 0 || a.alighting_row <= 0) return;
  int const lo = std::min(a.boarding_row, a.alighting_row);
  int const hi = std::max(a.boarding_row, a.alighting_row);
  bool header = false;
  int const count = std::clamp(state.fares.nozomi_count, 0, kMaxNozomi);
  for (int i = 1; i <= count; ++i) {
    NozomiCharge const& n = state.fares.nozomi[i];
    int const ra = fare_station_row(state, n.station_a);
    int const rb = fare_station_row(state, n.station_b);
    if (ra <= 0 || rb <= 0) continue;
    if (lo > std::min(ra, rb) || hi < std::max(ra, rb)) continue;
    if (!header) {
      text += kCrLf;
      text += ft::kSupplementHeader;
      text += kCrLf;
      header = true;
    }
    std::string label(shown_name(n.station_a));
    label += ft::kSectionJoin;
    label += shown_name(n.station_b);
    label += ft::kSectionSuffix;
    add_total_line(text, label, n.supplement);
  }
}

}  // namespace

std::string edit_unchin(const AppState& state, FareFlags& flags) {
  chk_yukoh(state, flags);
  FareAmounts const a = compute_fare_amounts(state, flags);
  bool const nozomi_parts = state.edition == 1;
  std::string text;

  text += charge_text(ft::kLabelFare, a.fare);
  text += ft::kValidityOpen;
  text += shown_digits(format_number(a.validity_days, "##"));
  text += ft::kValidityClose;
  text += kCrLf;
  add_charge_line(text, ft::kLabelOrdinaryExpress, a.ordinary_express);
  add_charge_line(text, ft::kLabelGreen, a.green);
  add_charge_line(text, ft::kLabelRoom12, a.room_1_2);
  add_charge_line(text, ft::kLabelRoom34, a.room_3_4);
  text += '\t';
  text += ft::kGreenExpressNote;
  text += amount(a.green_express);
  text += ft::kGreenExpressNoteEnd;
  text += kCrLf;
  if (nozomi_parts) add_charge_line(text, ft::kLabelNozomiExpress, a.nozomi_express);
  add_charge_line(text, ft::kLabelFreeSeatExpress, a.free_seat_express);
  text += kCrLf;

  // Totals only make sense with a fare; without a fare-pair record they are
  // left empty instead of adding up charges without the fare.
  auto total = [&](long long yen) { return a.has_pair ? yen : 0; };
  text += ft::kTotalsHeader;
  text += kCrLf;
  add_total_line(text, ft::kTotalOrdinary, total(a.fare + a.ordinary_express));
  add_total_line(text, ft::kTotalGreen, total(a.fare + a.green + a.green_express));
  if (a.nozomi_express != 0) {
    add_total_line(text, ft::kTotalNozomi, total(a.fare + a.nozomi_express));
    add_total_line(text, ft::kTotalNozomiGreen, total(a.fare + a.nozomi_express + a.green - 510));
  }
  add_total_line(text, ft::kTotalFreeSeat, total(a.fare + a.free_seat_express));

  add_tickets(text, state, flags, a);
  if (nozomi_parts) add_supplements(text, state, a);
  return text;
}

}  // namespace vorlash
