#include "data/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "cli/cli_run.h"
#include "data/file_io.h"
#include "text/sjis.h"

namespace vorlash {
namespace {

namespace fs = std::filesystem;

// UTF-8 text with LF line ends -> the Shift-JIS, CR LF bytes of the file.
std::string sjis_file(std::string_view utf8_lf) {
  std::string crlf;
  for (char const c : utf8_lf) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  std::string sjis;
  EXPECT_TRUE(utf8_to_sjis(crlf, sjis).ok());
  return sjis;
}

std::string utf8_of(std::string_view sjis) {
  std::string utf8;
  EXPECT_TRUE(sjis_to_utf8(sjis, utf8).ok());
  return utf8;
}

std::unique_ptr<AppState> parse(std::string_view utf8_lf, Status* status = nullptr) {
  auto state = std::make_unique<AppState>();
  Status const s = parse_ini_bytes(sjis_file(utf8_lf), "vorlash2.ini", *state);
  if (status) {
    *status = s;
  } else {
    EXPECT_TRUE(s.ok()) << s.error;
  }
  return state;
}

constexpr std::string_view kHolidayTail = "[Holiday]\n101\n9999\n";

class TempFolder {
 public:
  TempFolder() {
    static int counter = 0;
    path_ = fs::temp_directory_path() /
            ("vorlash_ini_test_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
    fs::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
  }
  std::string str() const { return path_.string(); }
  std::string file(std::string_view name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

std::string read_all(const std::string& path) {
  std::string bytes;
  EXPECT_TRUE(read_file_bytes(path, bytes).ok()) << path;
  return bytes;
}

void fill_every_value(AppState& s) {
  int v = 1;
  for (int const n : kFormWindows) {
    s.form[n].top = v * 37 - 600;  // some negative
    s.form[n].left = v * 91;
    ++v;
  }
  s.form[26].left = 32767;
  s.form[25].top = -32768;
  s.control1_flg = 3;
  s.control2_flg = 1;
  s.control3_flg = 2;
  s.control9_flg = 9;
  for (int i = 1; i <= kRecentEntries; ++i) {
    s.departure_ground[i] = "出発" + std::to_string(i);
    s.arrival_ground[i] = i == 3 ? "" : "到着,地域" + std::to_string(i);  // commas are quoted
  }
  s.keiyo_line = {2, "海浜幕張", 15, 5, 4};
  s.keiyo_use = 1;
  s.sinkansen_line = {1, "新横浜", 20, 10, 0};
  s.cond.st_station = "東京";
  s.cond.ed_station = "博多";
  s.cond.st_time1 = 600;
  s.cond.st_time2 = 930;
  s.cond.ed_time1 = 1200;
  s.cond.ed_time2 = 2359;
  s.cond.wait_time = 45;
  s.cond.wait_count = 2;
  s.cond.combination_number = 1;
  int const dates[] = {101, 110, 211, 1103};
  for (int i = 1; i <= 4; ++i) {
    s.holiday_month[i] = dates[i - 1] / 100;
    s.holiday_day[i] = dates[i - 1] % 100;
  }
  s.holiday_month[5] = 99;
  s.holiday_day[5] = 99;
  s.holiday_month[7] = 12;  // after the terminator: written, never read
  s.holiday_day[7] = 24;
  s.holiday_count = 4;
}

void expect_same_settings(AppState const& a, AppState const& b) {
  for (int const n : kFormWindows) {
    EXPECT_EQ(a.form[n].top, b.form[n].top) << n;
    EXPECT_EQ(a.form[n].left, b.form[n].left) << n;
  }
  EXPECT_EQ(a.control1_flg, b.control1_flg);
  EXPECT_EQ(a.control2_flg, b.control2_flg);
  EXPECT_EQ(a.control3_flg, b.control3_flg);
  EXPECT_EQ(a.control9_flg, b.control9_flg);
  EXPECT_EQ(a.departure_ground, b.departure_ground);
  EXPECT_EQ(a.arrival_ground, b.arrival_ground);
  for (auto [x, y] :
       {std::pair{&a.keiyo_line, &b.keiyo_line}, std::pair{&a.sinkansen_line, &b.sinkansen_line}}) {
    EXPECT_EQ(x->flg, y->flg);
    EXPECT_EQ(x->station, y->station);
    EXPECT_EQ(x->hun1, y->hun1);
    EXPECT_EQ(x->hun2, y->hun2);
    EXPECT_EQ(x->hyouji, y->hyouji);
  }
  EXPECT_EQ(a.keiyo_use, b.keiyo_use);
  EXPECT_EQ(a.cond.st_station, b.cond.st_station);
  EXPECT_EQ(a.cond.ed_station, b.cond.ed_station);
  EXPECT_EQ(a.cond.st_time1, b.cond.st_time1);
  EXPECT_EQ(a.cond.st_time2, b.cond.st_time2);
  EXPECT_EQ(a.cond.ed_time1, b.cond.ed_time1);
  EXPECT_EQ(a.cond.ed_time2, b.cond.ed_time2);
  EXPECT_EQ(a.cond.wait_time, b.cond.wait_time);
  EXPECT_EQ(a.cond.wait_count, b.cond.wait_count);
  EXPECT_EQ(a.cond.combination_number, b.cond.combination_number);
  EXPECT_EQ(a.holiday_count, b.holiday_count);
  for (int i = 1; i <= a.holiday_count + 1; ++i) {
    EXPECT_EQ(a.holiday_month[i], b.holiday_month[i]) << i;
    EXPECT_EQ(a.holiday_day[i], b.holiday_day[i]) << i;
  }
}

TEST(IniFile, WriteThenReadGivesTheSameValues) {
  auto written = std::make_unique<AppState>();
  fill_every_value(*written);
  TempFolder folder;
  written->program_folder = folder.str();
  written->settings_file_name = "vorlash2.ini";
  ASSERT_TRUE(put_ini_file(*written).ok());

  auto read = std::make_unique<AppState>();
  read->program_folder = folder.str();
  read->settings_file_name = "vorlash2.ini";
  Status const s = get_ini_file(*read);
  ASSERT_TRUE(s.ok()) << s.error;
  expect_same_settings(*written, *read);
  EXPECT_EQ(read->holiday_month[7], 0);  // entries after the terminator are not read
}

TEST(IniFile, SampleFileReadsAndIsWrittenBackByteForByte) {
  std::string utf8;
  ASSERT_TRUE(
      read_file_bytes(std::string(VORLASH_SOURCE_DIR) + "/data/edition1/vorlash2.ini", utf8).ok());
  std::string const bytes = sjis_file(utf8);
  auto state = std::make_unique<AppState>();
  Status const s = parse_ini_bytes(bytes, "vorlash2.ini", *state);
  ASSERT_TRUE(s.ok()) << s.error;
  EXPECT_EQ(state->holiday_count, 15);
  EXPECT_EQ(state->holiday_month[2], 1);
  EXPECT_EQ(state->holiday_day[2], 10);
  EXPECT_EQ(state->keiyo_line.station, "海浜幕張");
  EXPECT_EQ(state->keiyo_use, 1);
  EXPECT_EQ(state->control2_flg, 1);
  EXPECT_EQ(state->arrival_ground[1], "東京／羽田");
  // On a 1024 x 768 screen (15 twips a pixel) every window starts in sight.
  for (int const n : kFormWindows) {
    EXPECT_GT(state->form[n].top, 0) << n;
    EXPECT_LT(state->form[n].top, 768 * 15 / 2) << n;
    EXPECT_LT(state->form[n].left, 1024 * 15 / 2) << n;
  }
  std::string rendered;
  ASSERT_TRUE(render_ini_bytes(*state, rendered).ok());
  EXPECT_EQ(utf8_of(rendered), utf8_of(bytes));
}

TEST(IniFile, WriterFormat) {
  auto state = std::make_unique<AppState>();
  state->form[1] = {-15, 0};
  state->keiyo_line.station = "  蘇我 ";
  state->cond.ed_station = " 新大阪";
  state->departure_ground[2] = " 京都 ";
  state->holiday_month[1] = 11;
  state->holiday_day[1] = 3;
  state->holiday_month[2] = 99;
  state->holiday_day[2] = 99;
  std::string bytes;
  ASSERT_TRUE(render_ini_bytes(*state, bytes).ok());
  std::string const text = utf8_of(bytes);
  EXPECT_TRUE(
      text.starts_with("[Form]\r\ntimetable1_top=-15\r\ntimetable1_left=0\r\n"
                       "timetable4_top=0\r\n"));
  EXPECT_NE(text.find("\r\n[Control]\r\ncontrol1_flg=0\r\ncontrol2_flg=0\r\ncontrol3_flg=0\r\n"
                      "control9_flg=0\r\n[Departure ground]\r\n\"\"\r\n\"京都\"\r\n\"\"\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\r\nkeiyo_station=蘇我\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nkeiyo_use=0\r\n[Sinkansen_line]\r\nsinkansen_flg=0\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\r\ned_station=新大阪\r\n"), std::string::npos);
  std::string empty_lines;
  for (int i = 3; i <= 20; ++i) empty_lines += "\r\n";
  EXPECT_TRUE(
      text.ends_with("combination_number=0\r\n[Holiday]\r\n1103\r\n9999\r\n" + empty_lines));
}

TEST(IniFile, ReadingRules) {
  std::string const text =
      "timetable1_top=120\n"  // before any header: a "[Form]" line
      "[Form]\n"
      "timetable4_left=2.5\n"   // half to even
      "timetable5_left=3.5\n"   // half to even
      "timetable6_left= -7x\n"  // leading blanks, trailing text
      "timetable7_left=abc\n"   // no number: 0
      "timetable99_top=5\n"     // unknown key: skipped
      "[Control]\n"
      "control3_flg=12\n"  // only the last character counts
      "control9_flg=7 \n"  // a blank at the end reads as 0
      "[Unknown]\n"        // leaves "[Control]" current
      "control1_flg=4\n"
      "[Departure ground]\n"
      "\"  東京 \"\n"
      "  名古屋  \n"
      "\"京都\" junk\n"
      "\"\"\n"
      "\n"
      "[Keiyo_line]\n"
      "keiyo_hun1 = 9\n"  // blanks around "=": not the key
      "keiyo_station=  海浜幕張 \n"
      "sinkansen_flg=1\n"  // a key of another section: skipped
      "keiyo_use=1\n"
      "[Sinkansen_line]\n"
      "sinkansen_station=新横浜=x\n"
      "sinkansen_hun2=0010\n"
      "[Retrieval condition]\n"
      "st_station=東京\n"
      "wait_count=2\n" +
      std::string(kHolidayTail);
  auto s = std::make_unique<AppState>();
  s->keiyo_line.hun1 = 33;  // missing keys keep what AppState holds
  s->cond.ed_station = "博多";
  s->cond.wait_time = 45;
  Status const st = parse_ini_bytes(sjis_file(text), "vorlash2.ini", *s);
  ASSERT_TRUE(st.ok()) << st.error;
  EXPECT_EQ(s->form[1].top, 120);
  EXPECT_EQ(s->form[4].left, 2);
  EXPECT_EQ(s->form[5].left, 4);
  EXPECT_EQ(s->form[6].left, -7);
  EXPECT_EQ(s->form[7].left, 0);
  EXPECT_EQ(s->control3_flg, 2);
  EXPECT_EQ(s->control9_flg, 0);
  EXPECT_EQ(s->control1_flg, 4);
  EXPECT_EQ(s->departure_ground[1], "東京");
  EXPECT_EQ(s->departure_ground[2], "名古屋");
  EXPECT_EQ(s->departure_ground[3], "京都");
  EXPECT_EQ(s->departure_ground[4], "");
  EXPECT_EQ(s->departure_ground[5], "");
  EXPECT_EQ(s->keiyo_line.hun1, 33);
  EXPECT_EQ(s->keiyo_line.station, "  海浜幕張 ");
  EXPECT_EQ(s->sinkansen_line.flg, 0);
  EXPECT_EQ(s->keiyo_use, 1);
  EXPECT_EQ(s->sinkansen_line.station, "新横浜=x");
  EXPECT_EQ(s->sinkansen_line.hun2, 10);
  EXPECT_EQ(s->cond.st_station, "東京");
  EXPECT_EQ(s->cond.ed_station, "博多");
  EXPECT_EQ(s->cond.wait_time, 45);
  EXPECT_EQ(s->cond.wait_count, 2);
}

TEST(IniFile, LfLineEndsAndFieldsSplitAtCommas) {
  // Written with LF only; a comma ends a field and the rest of the line is the
  // next field.
  std::string sjis;
  ASSERT_TRUE(utf8_to_sjis("[Keiyo_line]\nkeiyo_station=新木場,keiyo_hun2=4\n"
                           "[Holiday]\n101,9999",
                           sjis)
                  .ok());
  auto s = std::make_unique<AppState>();
  Status const st = parse_ini_bytes(sjis, "vorlash2.ini", *s);
  ASSERT_TRUE(st.ok()) << st.error;
  EXPECT_EQ(s->keiyo_line.station, "新木場");
  EXPECT_EQ(s->keiyo_line.hun2, 4);
  EXPECT_EQ(s->holiday_count, 1);
}

TEST(IniFile, RecentListsAreTakenByPosition) {
  // Only three lines: the next header and its first line become entries 4
  // and 5, and "[Arrival ground]" is not recognised.
  auto s = parse(
      "[Departure ground]\n\"a\"\n\"b\"\n\"c\"\n[Arrival ground]\n\"x\"\n"
      "[Keiyo_line]\nkeiyo_hun1=3\n" +
      std::string(kHolidayTail));
  EXPECT_EQ(s->departure_ground[3], "c");
  EXPECT_EQ(s->departure_ground[4], "[Arrival ground]");
  EXPECT_EQ(s->departure_ground[5], "x");
  EXPECT_EQ(s->arrival_ground[1], "");
  EXPECT_EQ(s->keiyo_line.hun1, 3);

  // A sixth line starts another list of five.
  s = parse("[Arrival ground]\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n" + std::string(kHolidayTail));
  EXPECT_EQ(s->arrival_ground[1], "6");
  EXPECT_EQ(s->arrival_ground[5], "10");
}

TEST(IniFile, HolidayList) {
  auto s = parse("[Holiday]\n101\n211\n9999\n[Form]\ngarbage\n");
  EXPECT_EQ(s->holiday_count, 2);
  EXPECT_EQ(s->holiday_month[1], 1);
  EXPECT_EQ(s->holiday_day[1], 1);
  EXPECT_EQ(s->holiday_month[2], 2);
  EXPECT_EQ(s->holiday_day[2], 11);
  EXPECT_EQ(s->holiday_month[3], 99);
  EXPECT_EQ(s->holiday_day[3], 99);

  // An empty list: entry 1 is never the terminator.
  s = parse("[Holiday]\n9999\n9999\n");
  EXPECT_EQ(s->holiday_count, 1);
  EXPECT_EQ(s->holiday_month[1], 99);
  EXPECT_EQ(s->holiday_day[1], 99);

  // No terminator among lines 2 to 20: all twenty are holidays.
  std::string twenty = "[Holiday]\n";
  for (int i = 1; i <= 20; ++i) twenty += std::to_string(100 + i) + "\n";
  s = parse(twenty + "9999\n");
  EXPECT_EQ(s->holiday_count, 20);
  EXPECT_EQ(s->holiday_day[20], 20);
}

struct BrokenCase {
  const char* name;
  std::string text;
  int line;
};

TEST(IniFile, BrokenFilesNameTheFileAndTheLine) {
  std::string const tail(kHolidayTail);
  BrokenCase const cases[] = {
      {"key line without =", "[Form]\ntimetable1_top=1\ntimetable1_left\n" + tail, 3},
      {"blank line in a key section", "[Control]\ncontrol1_flg=0\n\n" + tail, 3},
      {"blank line before any header", "\n" + tail, 1},
      {"number above 16 bits", "[Form]\ntimetable1_top=32768\n" + tail, 2},
      {"number below 16 bits", "[Retrieval condition]\nwait_time=-32769\n" + tail, 2},
      {"rounds out of 16 bits", "[Form]\ntimetable1_top=32767.5\n" + tail, 2},
      {"huge number", "[Keiyo_line]\nkeiyo_hun1=" + std::string(400, '9') + "\n" + tail, 2},
      {"empty file", "", 1},
      {"no holiday section", "[Form]\ntimetable1_top=1\n", 2},
      {"holiday header at the end", "[Control]\ncontrol1_flg=0\n[Holiday]\n", 3},
      {"holiday list without its terminator", "[Holiday]\n101\n211\n", 3},
      {"end inside a recent list", "[Arrival ground]\n\"a\"\n\"b\"\n", 3},
      {"holiday entry out of 16 bits", "[Holiday]\n101\n40000\n9999\n", 3},
      {"bytes that are not Shift-JIS", "[Form]\ntimetable1_top=1\n", 2},
  };
  for (auto const& c : cases) {
    std::string bytes = sjis_file(c.text);
    if (std::string_view(c.name).starts_with("bytes")) bytes += "\x81\x20zz\r\n";
    auto s = std::make_unique<AppState>();
    Status const st = parse_ini_bytes(bytes, "C:/prog/vorlash2.ini", *s);
    ASSERT_FALSE(st.ok()) << c.name;
    if (std::string_view(c.name).starts_with("bytes")) {
      EXPECT_NE(st.error.find("3 行目"), std::string::npos) << c.name << ": " << st.error;
      continue;
    }
    EXPECT_TRUE(st.error.starts_with("C:/prog/vorlash2.ini: " + std::to_string(c.line) + " 行目:"))
        << c.name << ": " << st.error;
  }
}

TEST(IniFile, ValuesReadBeforeABreakStay) {
  Status st;
  auto s = parse("[Form]\ntimetable1_top=42\nbroken\n" + std::string(kHolidayTail), &st);
  EXPECT_FALSE(st.ok());
  EXPECT_EQ(s->form[1].top, 42);
  EXPECT_EQ(s->holiday_count, 0);
}

TEST(IniFile, MissingFileIsAnError) {
  TempFolder folder;
  auto s = std::make_unique<AppState>();
  s->program_folder = folder.str();
  s->settings_file_name = "vorlash3.ini";
  Status const st = get_ini_file(*s);
  ASSERT_FALSE(st.ok());
  EXPECT_NE(st.error.find("vorlash3.ini"), std::string::npos) << st.error;
}

class IniWriteFailure : public ::testing::Test {
 protected:
  void SetUp() override {
    state_ = std::make_unique<AppState>();
    fill_every_value(*state_);
    state_->program_folder = folder_.str();
    state_->settings_file_name = "vorlash2.ini";
    old_ = "old content\r\n";
    ASSERT_TRUE(write_file_atomically(folder_.file("vorlash2.ini"), old_).ok());
  }
  void expect_old_file_only() {
    EXPECT_EQ(read_all(folder_.file("vorlash2.ini")), old_);
    int files = 0;
    for (auto const& e : fs::directory_iterator(folder_.str())) {
      (void)e;
      ++files;
    }
    EXPECT_EQ(files, 1);  // no temporary file left behind
  }
  TempFolder folder_;
  std::unique_ptr<AppState> state_;
  std::string old_;
};

TEST_F(IniWriteFailure, TextsOutsideCodePage932AreRefused) {
  for (std::string const bad : {"蘇我\xF0\x9F\x9A\x84", "\xF0\xA0\xAE\xB7野家"}) {
    state_->keiyo_line.station = bad;
    Status const st = put_ini_file(*state_);
    ASSERT_FALSE(st.ok());
    EXPECT_NE(st.error.find("keiyo_station"), std::string::npos) << st.error;
    EXPECT_NE(st.error.find("vorlash2.ini"), std::string::npos) << st.error;
    expect_old_file_only();
  }
}

TEST_F(IniWriteFailure, TextsThatWouldNotReadBackAreRefused) {
  state_->cond.st_station = "東京,品川";
  EXPECT_FALSE(put_ini_file(*state_).ok());
  state_->cond.st_station = "東京";
  state_->arrival_ground[2] = "a\"b";
  EXPECT_FALSE(put_ini_file(*state_).ok());
  state_->arrival_ground[2] = "[x]";   // fine after the first line
  state_->arrival_ground[1] = " [x]";  // the first line would read as a header
  EXPECT_FALSE(put_ini_file(*state_).ok());
  state_->arrival_ground[1] = "";
  state_->sinkansen_line.station = "a\nb";
  EXPECT_FALSE(put_ini_file(*state_).ok());
  expect_old_file_only();

  state_->sinkansen_line.station = "東京";
  ASSERT_TRUE(put_ini_file(*state_).ok());
  auto back = std::make_unique<AppState>();
  back->program_folder = state_->program_folder;
  back->settings_file_name = "vorlash2.ini";
  ASSERT_TRUE(get_ini_file(*back).ok());
  EXPECT_EQ(back->arrival_ground[2], "[x]");
}

TEST_F(IniWriteFailure, ReadOnlyFolderKeepsTheOldFile) {
#if defined(_WIN32)
  VORLASH_SKIP_ON_WINDOWS("folder permissions and users are POSIX ones");
#else
  fs::permissions(folder_.str(), fs::perms::owner_read | fs::perms::owner_exec |
                                     fs::perms::others_read | fs::perms::others_exec);
  if (::access(folder_.str().c_str(), W_OK) != 0) {
    EXPECT_FALSE(put_ini_file(*state_).ok());
  } else {
    // Root writes anywhere: try the write as an unprivileged user instead.
    pid_t const child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
      ::_exit(put_ini_file(*state_).ok() ? 1 : 0);
    }
    int rc = 0;
    ASSERT_EQ(::waitpid(child, &rc, 0), child);
    ASSERT_TRUE(WIFEXITED(rc));
    EXPECT_EQ(WEXITSTATUS(rc), 0) << "1: the write succeeded, 3: no unprivileged user";
  }
  fs::permissions(folder_.str(), fs::perms::owner_all);
  expect_old_file_only();
#endif
}

TEST(IniFile, WriteIntoAMissingFolderFails) {
  TempFolder folder;
  auto s = std::make_unique<AppState>();
  s->program_folder = folder.file("no such folder");
  s->settings_file_name = "vorlash2.ini";
  Status const st = put_ini_file(*s);
  EXPECT_FALSE(st.ok());
  EXPECT_FALSE(fs::exists(folder.file("no such folder")));
}

int run_cli(std::string const& args, std::string const& err_file) {
  std::string const cmd =
      std::string("'") + VORLASH_CLI + "' encode-text " + args + " 2>'" + err_file + "'";
  int const rc = std::system(cmd.c_str());
  return vorlash::test::exit_status(rc);
}

TEST(EncodeText, ConvertsToShiftJisWithCrLf) {
  VORLASH_SKIP_CLI_ON_WINDOWS();
  TempFolder folder;
  std::string const in = folder.file("in.txt");
  std::string const out = folder.file("out.txt");
  std::string const err = folder.file("err.txt");
  ASSERT_TRUE(write_file_atomically(in, "[Holiday]\n東京\r\n\"Ａ\",1\nlast").ok());
  ASSERT_EQ(run_cli("'" + in + "' '" + out + "'", err), 0);
  std::string expected;
  ASSERT_TRUE(utf8_to_sjis("[Holiday]\r\n東京\r\n\"Ａ\",1\r\nlast", expected).ok());
  EXPECT_EQ(read_all(out), expected);

  // A character code page 932 cannot hold: exit 1, the file and line named,
  // the earlier output left alone.
  ASSERT_TRUE(write_file_atomically(in, "ok\nok\n\xF0\x9F\x98\x80\n").ok());
  EXPECT_EQ(run_cli("'" + in + "' '" + out + "'", err), 1);
  std::string const message = read_all(err);
  EXPECT_NE(message.find("in.txt: 3 行目: 文字「😀」は Shift-JIS で書けません"), std::string::npos)
      << message;
  EXPECT_EQ(read_all(out), expected);

  EXPECT_EQ(run_cli("'" + in + "'", err), 2);
}

}  // namespace
}  // namespace vorlash
