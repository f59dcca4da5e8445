// encode-text IN OUT: turns a UTF-8 text with LF (or CR LF) line ends into
// the Shift-JIS, CR LF form of the program's text files. The build installs
// the sample SettingsFile and UserHotelFile with it.
#include <cstdio>
#include <string>
#include <string_view>

#include "cli/commands.h"
#include "data/file_io.h"
#include "text/fill.h"
#include "text/sjis.h"
#include "text/sjis_texts.h"

namespace vorlash::cli {

int cmd_encode_text(CliArgs& args) {
  if (args.args.size() != 2) {
    std::fputs("usage: vorlash-cli encode-text IN.utf8 OUT\n", stderr);
    return kExitRejected;
  }
  std::string const& in_path = args.args[0];
  std::string const& out_path = args.args[1];

  std::string input;
  if (Status const read = read_file_bytes(in_path, input); !read) {
    std::fprintf(stderr, "vorlash-cli: %s\n", read.error.c_str());
    return kExitBrokenFile;
  }
  std::string_view text = input;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte order mark

  // Converted line by line so that a character code page 932 cannot hold is
  // reported with its line.
  std::string output;
  int line_no = 0;
  while (!text.empty()) {
    ++line_no;
    std::size_t const lf = text.find('\n');
    bool const has_end = lf != std::string_view::npos;
    std::string_view line = text.substr(0, has_end ? lf : text.size());
    text.remove_prefix(has_end ? lf + 1 : text.size());
    if (has_end && line.ends_with('\r')) line.remove_suffix(1);
    std::string sjis;
    if (Status const converted = utf8_to_sjis(line, sjis); !converted) {
      std::fprintf(
          stderr, "vorlash-cli: %s\n",
          fill(sjis_text::kLineOf, {in_path, std::to_string(line_no), converted.error}).c_str());
      return kExitBrokenFile;
    }
    output += sjis;
    if (has_end) output += "\r\n";
  }

  if (Status const written = write_file_atomically(out_path, output); !written) {
    std::fprintf(stderr, "vorlash-cli: %s\n", written.error.c_str());
    return kExitBrokenFile;
  }
  return kExitOk;
}

}  // namespace vorlash::cli
