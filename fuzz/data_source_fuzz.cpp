// Feeds arbitrary source folders to the DataFile compiler. The input holds
// the files one after another, each after a line "=== NAME". Whatever the
// bytes, the compiler either refuses them with a message, or writes a
// DataFile that the program's readers read whole; exported and compiled
// again, it gives the same bytes (unless the export refuses a text that a
// source file cannot carry).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "data/data_compiler.h"
#include "data/data_file.h"
#include "data/readers.h"

namespace {

using namespace vorlash;

void check(bool ok) {
  if (!ok) std::abort();
}

SourceTexts split_sources(std::string_view input) {
  constexpr std::string_view kMarker = "=== ";
  SourceTexts texts;
  std::string* current = nullptr;
  while (!input.empty()) {
    std::size_t const end = input.find('\n');
    std::size_t const take = end == std::string_view::npos ? input.size() : end + 1;
    std::string_view const line = input.substr(0, take);
    input.remove_prefix(take);
    if (line.starts_with(kMarker)) {
      std::string_view name = line.substr(kMarker.size());
      if (name.ends_with('\n')) name.remove_suffix(1);
      current = &texts[std::string(name)];
    } else if (current != nullptr) {
      current->append(line);
    }
  }
  return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SourceTexts const texts =
      split_sources(std::string_view(reinterpret_cast<const char*>(data), size));
  auto source = std::make_unique<DataSource>();
  if (!parse_data_source(texts, *source)) return 0;
  std::string bytes;
  if (!write_data_file(*source, bytes)) return 0;

  auto state = std::make_unique<AppState>();
  check(static_cast<bool>(read_whole_data_file(DataFile(bytes), *state, [] {})));
  auto exported = std::make_unique<DataSource>();
  check(static_cast<bool>(data_source_from_state(*state, *exported)));
  SourceTexts again_texts;
  if (!format_data_source(*exported, again_texts)) return 0;

  auto again = std::make_unique<DataSource>();
  check(static_cast<bool>(parse_data_source(again_texts, *again)));
  std::string again_bytes;
  check(static_cast<bool>(write_data_file(*again, again_bytes)));
  check(again_bytes == bytes);
  return 0;
}
