#include "data/ini_file.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "data/file_io.h"
#include "data/ini_file_texts.h"
#include "platform/file_locations.h"
#include "platform/safe_file.h"
#include "platform/system_error.h"
#include "text/fill.h"
#include "text/numeric.h"
#include "text/sjis.h"
#include "text/utf8.h"

namespace vorlash {

namespace {

enum class Section {
  none,
  form,
  control,
  departure,
  arrival,
  keiyo,
  sinkansen,
  retrieval,
  holiday
};

constexpr std::array<std::pair<std::string_view, Section>, 8> kHeaders = {{
    {"[Form]", Section::form},
    {"[Control]", Section::control},
    {"[Departure ground]", Section::departure},
    {"[Arrival ground]", Section::arrival},
    {"[Keiyo_line]", Section::keiyo},
    {"[Sinkansen_line]", Section::sinkansen},
    {"[Retrieval condition]", Section::retrieval},
    {"[Holiday]", Section::holiday},
}};

std::string_view header_of(Section s) {
  for (auto const& [text, section] : kHeaders) {
    if (section == s) return text;
  }
  return settings_text::kBeforeFirstHeader;
}

// Reads the file one field at a time with the rules of delimited text input:
// leading blanks are skipped, a field that opens with a double quote runs to
// the closing quote (the quotes are dropped, anything after the closing quote
// up to the next comma is dropped too), any other field runs to the next comma
// or the end of the line, and a blank line is an empty field. A field after a
// comma starts where the comma left off on the same line.
//
// Lines end in CR LF; LF or CR alone also end a line. CR, LF, comma, double
// quote and blank never occur inside a Shift-JIS or UTF-8 multi-byte
// character, so the same splitting works before and after conversion.
class FieldReader {
 public:
  // The whole file is converted at once when it can be; otherwise each line
  // is converted when it is reached, so that a bad byte is reported with its
  // line, and bytes after the part that is read do not matter.
  explicit FieldReader(std::string_view sjis_bytes) : bytes_(sjis_bytes) {
    if (sjis_to_utf8(sjis_bytes, whole_utf8_).ok()) {
      bytes_ = whole_utf8_;
      converted_ = true;
    }
  }

  // The next field into `field`. Returns false at the end of the file, or
  // when the line cannot be converted (then `error` is set).
  bool next(std::string& field, std::string& error) {
    if (!in_line_ && !load_line(error)) return false;
    field_line_ = line_number_;
    std::string_view const line = line_;
    std::size_t col = col_;
    while (col < line.size() && line[col] == ' ') ++col;
    if (col < line.size() && line[col] == '"') {
      std::size_t const close = line.find('"', col + 1);
      if (close == std::string_view::npos) {
        field.assign(line.substr(col + 1));
        in_line_ = false;
        return true;
      }
      field.assign(line.substr(col + 1, close - col - 1));
      col = close + 1;
    } else {
      std::size_t const comma = line.find(',', col);
      std::size_t const end = comma == std::string_view::npos ? line.size() : comma;
      field.assign(line.substr(col, end - col));
      col = end;
    }
    std::size_t const comma = line.find(',', col);
    in_line_ = comma != std::string_view::npos;
    col_ = in_line_ ? comma + 1 : line.size();
    return true;
  }

  // The 1-based line where the last field began.
  int field_line() const { return field_line_; }
  // The number of lines reached so far (at least 1, for messages).
  int last_line() const { return line_number_ > 0 ? line_number_ : 1; }

 private:
  bool load_line(std::string& error) {
    if (pos_ >= bytes_.size()) return false;
    std::size_t end = pos_;
    while (end < bytes_.size() && bytes_[end] != '\r' && bytes_[end] != '\n') ++end;
    std::string_view const raw = bytes_.substr(pos_, end - pos_);
    pos_ = end;
    if (pos_ < bytes_.size() && bytes_[pos_] == '\r') ++pos_;
    if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
    ++line_number_;
    if (converted_) {
      line_.assign(raw);
    } else if (Status const converted = sjis_to_utf8(raw, line_); !converted) {
      field_line_ = line_number_;
      error = settings_text::kUnreadableCharacter;
      return false;
    }
    col_ = 0;
    in_line_ = true;
    return true;
  }

  std::string whole_utf8_;
  bool converted_ = false;
  std::string_view bytes_;
  std::size_t pos_ = 0;
  std::string line_;
  std::size_t col_ = 0;
  bool in_line_ = false;
  int line_number_ = 0;
  int field_line_ = 0;
};

// The number at the start of a value, made whole (half to even); nullopt when
// it does not fit in 16 bits.
std::optional<int> to_int16(std::string_view text) {
  double const v = leading_number(text);
  if (!(v > -65536.0 && v < 65536.0)) return std::nullopt;
  long long const whole = round_half_even(v);
  if (!fits_int16(whole)) return std::nullopt;
  return static_cast<int>(whole);
}

std::string form_key(int window, std::string_view edge) {
  return "timetable" + std::to_string(window) + "_" + std::string(edge);
}

// The "[Form]" keys in file order: top, then left, for each window.
std::array<std::string, 2 * kFormWindows.size()> const& form_keys() {
  static auto const keys = [] {
    std::array<std::string, 2 * kFormWindows.size()> k;
    for (std::size_t i = 0; i < kFormWindows.size(); ++i) {
      k[2 * i] = form_key(kFormWindows[i], "top");
      k[2 * i + 1] = form_key(kFormWindows[i], "left");
    }
    return k;
  }();
  return keys;
}

int* form_value(AppState& state, std::string_view key) {
  auto const& keys = form_keys();
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (key == keys[i]) {
      WindowPosition& p = state.form[kFormWindows[i / 2]];
      return i % 2 == 0 ? &p.top : &p.left;
    }
  }
  return nullptr;
}

int* control_value(AppState& state, std::string_view key) {
  if (key == "control1_flg") return &state.control1_flg;
  if (key == "control2_flg") return &state.control2_flg;
  if (key == "control3_flg") return &state.control3_flg;
  if (key == "control9_flg") return &state.control9_flg;
  return nullptr;
}

// The number and text keys of a board section ("keiyo" or "sinkansen").
int* line_number_value(LineSettings& line, int* use, std::string_view prefix,
                       std::string_view key) {
  if (!key.starts_with(prefix) || key.size() <= prefix.size() + 1 || key[prefix.size()] != '_')
    return nullptr;
  std::string_view const name = key.substr(prefix.size() + 1);
  if (name == "flg") return &line.flg;
  if (name == "hun1") return &line.hun1;
  if (name == "hun2") return &line.hun2;
  if (name == "hyouji") return &line.hyouji;
  if (name == "use") return use;
  return nullptr;
}

int* retrieval_value(SearchConditions& c, std::string_view key) {
  if (key == "st_time1") return &c.st_time1;
  if (key == "st_time2") return &c.st_time2;
  if (key == "ed_time1") return &c.ed_time1;
  if (key == "ed_time2") return &c.ed_time2;
  if (key == "wait_time") return &c.wait_time;
  if (key == "wait_count") return &c.wait_count;
  if (key == "combination_number") return &c.combination_number;
  return nullptr;
}

class IniParser {
 public:
  IniParser(std::string_view bytes, std::string_view file_name, AppState& state)
      : reader_(bytes), file_name_(file_name), state_(state) {}

  Status run() {
    Section section = Section::none;
    std::string field;
    while (true) {
      if (!next(field)) {
        if (!read_error_.empty()) return read_error_status();
        return fail(reader_.last_line(), section == Section::holiday
                                             ? settings_text::kEndsBeforeHolidayLines
                                             : settings_text::kEndsBeforeHoliday);
      }
      if (!field.empty() && field.front() == '[') {
        std::string const header = trim(field);
        for (auto const& [text, s] : kHeaders) {
          if (header == text) section = s;
        }
        continue;
      }
      Status status;
      switch (section) {
        case Section::departure:
          status = read_recent(field, state_.departure_ground);
          break;
        case Section::arrival:
          status = read_recent(field, state_.arrival_ground);
          break;
        case Section::holiday:
          return read_holidays(field);
        default:
          status = read_key_line(section, field);
          break;
      }
      if (!status) return status;
    }
  }

 private:
  bool next(std::string& field) { return reader_.next(field, read_error_); }

  Status fail(int line, std::string_view what) const {
    return Status::failure(fill(settings_text::kLineOf, {std::string(file_name_),
                                                         std::to_string(line), std::string(what)}));
  }

  Status read_error_status() const { return fail(reader_.field_line(), read_error_); }

  Status end_or_read_error(std::string_view what) const {
    if (!read_error_.empty()) return read_error_status();
    return fail(reader_.last_line(), what);
  }

  // Five positional lines: this one and the next four, trimmed. Whatever
  // they hold (a header included) is taken as an entry.
  Status read_recent(std::string const& first,
                     std::array<std::string, kRecentEntries + 1>& entries) {
    entries[1] = trim(first);
    std::string field;
    for (int i = 2; i <= kRecentEntries; ++i) {
      if (!next(field)) return end_or_read_error(settings_text::kEndsInRecentList);
      entries[i] = trim(field);
    }
    return Status::success();
  }

  Status read_key_line(Section section, std::string const& line) {
    int const line_no = reader_.field_line();
    std::size_t const eq = line.find('=');
    if (eq == std::string::npos)
      return fail(line_no,
                  fill(settings_text::kLineWithoutEquals, {std::string(header_of(section))}));
    std::string_view const key = std::string_view(line).substr(0, eq);
    std::string_view const value = std::string_view(line).substr(eq + 1);

    if (section == Section::control) {
      // Only the last character of the line counts: each flag is one digit.
      if (int* target = control_value(state_, key)) {
        char const last = line.back();
        *target = last >= '0' && last <= '9' ? last - '0' : 0;
      }
      return Status::success();
    }

    int* target = nullptr;
    switch (section) {
      case Section::none:
      case Section::form:
        target = form_value(state_, key);
        break;
      case Section::keiyo:
        if (key == "keiyo_station") {
          state_.keiyo_line.station.assign(value);
          return Status::success();
        }
        target = line_number_value(state_.keiyo_line, &state_.keiyo_use, "keiyo", key);
        break;
      case Section::sinkansen:
        if (key == "sinkansen_station") {
          state_.sinkansen_line.station.assign(value);
          return Status::success();
        }
        target = line_number_value(state_.sinkansen_line, nullptr, "sinkansen", key);
        break;
      case Section::retrieval:
        if (key == "st_station") {
          state_.cond.st_station.assign(value);
          return Status::success();
        }
        if (key == "ed_station") {
          state_.cond.ed_station.assign(value);
          return Status::success();
        }
        target = retrieval_value(state_.cond, key);
        break;
      default:
        break;
    }
    if (!target) return Status::success();
    auto const number = to_int16(value);
    if (!number) return fail(line_no, fill(settings_text::kValueNot16Bits, {std::string(key)}));
    *target = *number;
    return Status::success();
  }

  // Holiday entries are month * 100 + day. The terminator 9999 may stand on
  // lines 2 to 20; without it all twenty lines are holidays. The file must
  // hold the list up to its terminator (or its twentieth line).
  Status read_holidays(std::string const& first) {
    int count = kMaxHolidays;
    std::string field = first;
    for (int i = 1; i <= kMaxHolidays; ++i) {
      if (i > 1 && !next(field)) return end_or_read_error(settings_text::kEndsInHolidayList);
      double const v = leading_number(field);
      if (!(v > -65536.0 && v < 65536.0) || !fits_int16(round_half_even(v)))
        return fail(reader_.field_line(), settings_text::kHolidayNot16Bits);
      // The month is the whole part of v / 100; the day is v modulo 100, taken
      // on the rounded value as integer modulo works.
      state_.holiday_month[i] = static_cast<int>(std::trunc(v / 100.0));
      state_.holiday_day[i] = static_cast<int>(round_half_even(v) % 100);
      if (i > 1 && v == 9999.0) {
        count = i - 1;
        break;
      }
    }
    state_.holiday_count = count;
    return Status::success();
  }

  FieldReader reader_;
  std::string_view file_name_;
  AppState& state_;
  std::string read_error_;
};

// Collects the lines of the file and converts them to Shift-JIS at the end;
// when a text cannot be converted, the failure names the value it came from.
class IniWriter {
 public:
  void line(std::string_view name, std::string_view utf8) {
    out_ += utf8;
    out_ += "\r\n";
    names_.emplace_back(name);
  }

  void header(Section s) { line(header_of(s), header_of(s)); }

  void number(std::string_view key, int value) {
    line(key, std::string(key) + "=" + std::to_string(value));
  }

  // A key text is written trimmed after "=". A comma would end the field and
  // a line break would split the line, so either is refused rather than
  // written into a file that no longer reads back.
  void text(std::string_view key, std::string_view value) {
    std::string const v = trim(value);
    if (v.find_first_of(",\r\n") != std::string::npos) {
      refuse(key, settings_text::kHasCommaOrBreak);
      return;
    }
    line(key, std::string(key) + "=" + v);
  }

  // An entry of a recent-choice list, written trimmed in double quotes. The
  // first line of a section that starts with "[" would read as a header.
  void quoted(std::string_view name, std::string_view value, bool first_of_section) {
    std::string const v = trim(value);
    if (v.find_first_of("\"\r\n") != std::string::npos) {
      refuse(name, settings_text::kHasQuoteOrBreak);
      return;
    }
    if (first_of_section && v.starts_with('[')) {
      refuse(name, settings_text::kStartsWithBracket);
      return;
    }
    line(name, "\"" + v + "\"");
  }

  Status finish(std::string& bytes) {
    if (!status_) return status_;
    std::string sjis;
    if (utf8_to_sjis(out_, sjis).ok()) {
      bytes = std::move(sjis);
      return status_;
    }
    std::string_view rest = out_;
    for (std::string const& name : names_) {
      std::size_t const end = rest.find("\r\n");
      if (Status const converted = utf8_to_sjis(rest.substr(0, end), sjis); !converted)
        return Status::failure(
            fill(settings_text::kCannotWrite, {name, std::string(settings_text::kNotInShiftJis)}));
      rest.remove_prefix(end + 2);
    }
    return Status::failure(std::string(settings_text::kNotInShiftJis));
  }

 private:
  void refuse(std::string_view name, std::string_view why) {
    if (status_)
      status_ =
          Status::failure(fill(settings_text::kCannotWrite, {std::string(name), std::string(why)}));
  }

  std::string out_;
  std::vector<std::string> names_;  // what each line of out_ holds
  Status status_;
};

void write_recent(IniWriter& w, std::string_view list,
                  std::array<std::string, kRecentEntries + 1> const& entries) {
  for (int i = 1; i <= kRecentEntries; ++i)
    w.quoted(std::string(list) + " entry " + std::to_string(i), entries[i], i == 1);
}

void write_line_settings(IniWriter& w, std::string const& prefix, LineSettings const& s) {
  w.number(prefix + "_flg", s.flg);
  w.text(prefix + "_station", s.station);
  w.number(prefix + "_hun1", s.hun1);
  w.number(prefix + "_hun2", s.hun2);
  w.number(prefix + "_hyouji", s.hyouji);
}

}  // namespace

Status parse_ini_bytes(std::string_view sjis_bytes, std::string_view file_name, AppState& state) {
  return IniParser(sjis_bytes, file_name, state).run();
}

Status get_ini_file(AppState& state) {
  std::string const path = settings_file_path(state);
  std::string bytes;
  if (Status const read = read_regular_file(path, kMaxTextFileSize, bytes); !read) return read;
  return parse_ini_bytes(bytes, path, state);
}

Status render_ini_bytes(const AppState& state, std::string& sjis_bytes) {
  IniWriter w;
  w.header(Section::form);
  for (int const n : kFormWindows) {
    w.number(form_key(n, "top"), state.form[n].top);
    w.number(form_key(n, "left"), state.form[n].left);
  }
  w.header(Section::control);
  w.number("control1_flg", state.control1_flg);
  w.number("control2_flg", state.control2_flg);
  w.number("control3_flg", state.control3_flg);
  w.number("control9_flg", state.control9_flg);
  w.header(Section::departure);
  write_recent(w, "departure place", state.departure_ground);
  w.header(Section::arrival);
  write_recent(w, "hotel region", state.arrival_ground);
  w.header(Section::keiyo);
  write_line_settings(w, "keiyo", state.keiyo_line);
  w.number("keiyo_use", state.keiyo_use);
  w.header(Section::sinkansen);
  write_line_settings(w, "sinkansen", state.sinkansen_line);
  w.header(Section::retrieval);
  w.text("st_station", state.cond.st_station);
  w.text("ed_station", state.cond.ed_station);
  w.number("st_time1", state.cond.st_time1);
  w.number("st_time2", state.cond.st_time2);
  w.number("ed_time1", state.cond.ed_time1);
  w.number("ed_time2", state.cond.ed_time2);
  w.number("wait_time", state.cond.wait_time);
  w.number("wait_count", state.cond.wait_count);
  w.number("combination_number", state.cond.combination_number);
  w.header(Section::holiday);
  for (int i = 1; i <= kMaxHolidays; ++i) {
    // Month * 100 + day in the format "####": zero is an empty line.
    int const v = state.holiday_month[i] * 100 + state.holiday_day[i];
    w.line("holiday entry " + std::to_string(i), v == 0 ? std::string() : std::to_string(v));
  }
  return w.finish(sjis_bytes);
}

Status put_ini_file(const AppState& state) {
  std::string const path = settings_file_path(state);
  std::string bytes;
  if (Status const rendered = render_ini_bytes(state, bytes); !rendered)
    return save_failure(path, rendered.error);
  return replace_file(path, bytes);
}

}  // namespace vorlash
