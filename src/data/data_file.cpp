#include "data/data_file.h"

#include <utility>

#include "data/data_file_texts.h"
#include "platform/safe_file.h"
#include "text/fill.h"
#include "text/sjis.h"

namespace vorlash {

DataFile::DataFile(std::string bytes, std::string name)
    : bytes_(std::make_shared<const std::string>(std::move(bytes))), name_(std::move(name)) {}

DataFile::DataFile(std::shared_ptr<const std::string> bytes, std::string name)
    : bytes_(std::move(bytes)), name_(std::move(name)) {}

DataFile DataFile::borrowing(const std::string& bytes, std::string name) {
  // A pointer that owns nothing: the caller keeps the bytes alive.
  return DataFile(std::shared_ptr<const std::string>(std::shared_ptr<const std::string>(), &bytes),
                  std::move(name));
}

Status DataFile::open(const std::string& path, DataFile& out) {
  std::string bytes;
  if (Status st = read_regular_file(path, kMaxDataFileSize, bytes); !st) return st;
  out = DataFile(std::move(bytes), path);
  return Status::success();
}

Status DataFile::fail(std::string_view section, std::string_view what) const {
  std::string message = name_;
  message += ": ";
  message += section;
  message += ": ";
  message += what;
  return Status::failure(std::move(message));
}

Status DataFile::block(long b, std::string_view section, std::string_view& out) const {
  using std::to_string;
  if (b < 0) return fail(section, fill(data_text::kNotABlock, {to_string(b)}));
  auto const start = static_cast<std::size_t>(b) * kBlockSize;
  if (start > size() || size() - start < kBlockSize)
    return fail(section, fill(data_text::kBlockPastEnd, {to_string(b), to_string(size())}));
  out = bytes().substr(start, kBlockSize);
  return Status::success();
}

Status DataFile::long_at(std::size_t offset, std::string_view section, std::int32_t& out) const {
  if (offset > size() || size() - offset < 4)
    return fail(section,
                fill(data_text::kLongPastEnd, {std::to_string(offset), std::to_string(size())}));
  out = static_cast<std::int32_t>(block_long(*bytes_, offset));
  return Status::success();
}

Status DataFile::value_record(std::size_t& pos, std::string_view section, std::string& text) const {
  if (pos > size() || size() - pos < 4)
    return fail(section,
                fill(data_text::kRecordPastEnd, {std::to_string(pos), std::to_string(size())}));
  int const type = block_u16(*bytes_, pos);
  std::size_t const length = static_cast<std::size_t>(block_u16(*bytes_, pos + 2));
  if (type != 8)
    return fail(section,
                fill(data_text::kRecordNotText, {std::to_string(pos), std::to_string(type)}));
  if (size() - pos - 4 < length)
    return fail(section,
                fill(data_text::kRecordPastEnd, {std::to_string(pos), std::to_string(size())}));
  std::string_view const raw = bytes().substr(pos + 4, length);
  if (Status st = sjis_to_utf8(raw, text); !st)
    return fail(section, fill(data_text::kRecordNotSjis, {std::to_string(pos)}));
  pos += 4 + length;
  return Status::success();
}

Status fixed_text(const DataFile& file, std::string_view section, std::string_view field,
                  std::string_view what, std::string& out) {
  if (Status st = sjis_to_utf8(field, out); !st)
    return file.fail(section, fill(data_text::kFieldNotSjis, {std::string(what)}));
  return Status::success();
}

}  // namespace vorlash
