#include "data/output_folder.h"

#include <filesystem>
#include <vector>

#include "data/data_source.h"
#include "data/output_folder_texts.h"
#include "platform/file_texts.h"
#include "platform/native_path.h"
#include "platform/safe_file.h"
#include "platform/system_error.h"

namespace vorlash {

namespace fs = std::filesystem;

namespace {

// A file the command writes, or a temporary file of one that a run cut
// short left behind.
bool owns(const OutputFolder& out, const std::string& name) {
  if (out.owned.count(name)) return true;
  std::string_view const of = temporary_of(name);
  return !of.empty() && out.owned.count(std::string(of));
}

}  // namespace

OutputFolder data_source_output(const std::string& dir) {
  OutputFolder out{dir, {}, false};
  for (auto const& name : source_file_names()) out.owned.insert(name);
  return out;
}

Status check_output_folder(const OutputFolder& out) {
  std::error_code ec;
  fs::path const dir = native_path(out.dir);
  fs::file_status const st = fs::status(dir, ec);
  if (!fs::exists(st)) return Status::success();
  if (!fs::is_directory(st))
    return path_failure(out.dir, output_text::kNotWritten, file_text::kNotFolder);
  if (out.in_place) return Status::success();
  // The first foreign entry in name order, so that the message is the same
  // on every run.
  std::string first;
  fs::directory_iterator entries(dir, ec);
  if (ec) return read_failure(out.dir, filesystem_reason(ec, FileAccess::read));
  for (auto const& entry : entries) {
    std::string const name = utf8_path(entry.path().filename());
    if (owns(out, name)) continue;
    if (first.empty() || name < first) first = name;
  }
  if (first.empty()) return Status::success();
  Status refused = path_failure(
      out.dir, output_text::kNotWritten,
      std::string(output_text::kForeignHead) + first + std::string(output_text::kForeignTail));
  refused.error += std::string(file_text::kSentenceEnd) + std::string(output_text::kChooseOther);
  return refused;
}

Status write_output_folder(const OutputFolder& out,
                           const std::map<std::string, std::string>& files) {
  if (Status const checked = check_output_folder(out); !checked) return checked;
  std::error_code ec;
  fs::path const dir = native_path(out.dir);
  fs::create_directories(dir, ec);
  if (ec)
    return path_failure(out.dir, file_text::kCannotCreateFolder,
                        filesystem_reason(ec, FileAccess::write));
  // What an earlier run cut short left of the command's own files.
  remove_stale_temporaries(
      out.dir, [&](std::string_view of) { return out.owned.count(std::string(of)) > 0; });
  std::vector<StagedFile> staged(files.size());
  auto const discard_all = [&] {
    for (auto& file : staged) discard_staged(file);
  };
  std::size_t i = 0;
  for (auto const& [name, bytes] : files) {
    if (Status const st = stage_file(utf8_path(dir / native_path(name)), bytes, staged[i++]); !st) {
      discard_all();
      return st;
    }
  }
  for (auto& file : staged) {
    if (Status const st = commit_staged(file); !st) {
      discard_all();
      return st;
    }
  }
  return Status::success();
}

}  // namespace vorlash
