// Feeds arbitrary bytes to the SettingsFile reader. Whatever the bytes, the
// reader must return a status without crashing and never count more than
// twenty holidays; what it read must render, read back and render the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "data/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view const bytes(reinterpret_cast<const char*>(data), size);
  auto state = std::make_unique<vorlash::AppState>();
  vorlash::Status const status = vorlash::parse_ini_bytes(bytes, "vorlash2.ini", *state);
  if (state->holiday_count < 0 || state->holiday_count > vorlash::kMaxHolidays) std::abort();
  if (!status) return 0;

  // A file that reads without error is written again; when the writer accepts
  // the values, its output must read back without error too.
  std::string rendered;
  if (!vorlash::render_ini_bytes(*state, rendered)) return 0;
  // The rendered file sets every value, so one reused state serves here.
  static auto* const again = new vorlash::AppState();
  if (!vorlash::parse_ini_bytes(rendered, "vorlash2.ini", *again)) std::abort();

  // Everything before the holiday list comes back as it was written. (The
  // holiday entries after the terminator are written but not read.)
  std::string again_rendered;
  if (!vorlash::render_ini_bytes(*again, again_rendered)) std::abort();
  std::string_view const holiday = "[Holiday]";
  std::string_view const first(rendered);
  std::string_view const second(again_rendered);
  if (first.substr(0, first.find(holiday)) != second.substr(0, second.find(holiday))) std::abort();
  return 0;
}
