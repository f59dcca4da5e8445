// The DataFile held whole in memory, with bounds-checked access to its
// blocks, longs and value records. Every failed access is an error that names
// the file and the section being read, so that a truncated or inconsistent
// file is refused instead of filling tables with garbage.
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "base/status.h"
#include "text/short_text.h"
#include "text/sjis.h"

namespace vorlash {

inline constexpr std::size_t kBlockSize = 1024;

// The largest DataFile the readers can use: its sections start at blocks
// 0..32767 (the control values are 16-bit); the largest section, the hotels,
// holds at most 1000 hotels of three value records of up to 64 KiB each
// besides their index, telephone and charge blocks; the control block ends it.
inline constexpr std::size_t kMaxDataFileSize =
    32768 * kBlockSize + 1000 * (3 * (4 + 65535) + 3 * kBlockSize) + kBlockSize;

class DataFile {
 public:
  DataFile() = default;
  // A DataFile made of the given bytes; name is used in error messages.
  explicit DataFile(std::string bytes, std::string name = "vorlashj.dat");
  // A DataFile over bytes held elsewhere, which must outlive it: read once
  // at start-up, they are not copied for every section read from them.
  static DataFile borrowing(const std::string& bytes, std::string name);

  // Reads the whole file at path (a regular file of at most
  // kMaxDataFileSize bytes); errors name the path.
  static Status open(const std::string& path, DataFile& out);

  const std::string& name() const { return name_; }
  std::size_t size() const { return bytes_->size(); }
  std::string_view bytes() const { return *bytes_; }

  // The 1024 bytes of block b. A block that does not lie wholly inside the
  // file is an error.
  Status block(long b, std::string_view section, std::string_view& out) const;

  // The little-endian signed 32-bit value at a byte offset of the file.
  Status long_at(std::size_t offset, std::string_view section, std::int32_t& out) const;

  // The value record at pos: type (2 bytes, must be 8 = text), length L
  // (2 bytes), L Shift-JIS bytes converted to UTF-8. pos moves past it.
  Status value_record(std::size_t& pos, std::string_view section, std::string& text) const;

  // Reads count value records from pos on into texts[1..count].
  template <typename Table>
  Status value_records(std::size_t& pos, int count, std::string_view section, Table& texts) const {
    for (int i = 1; i <= count; ++i) {
      if (Status st = value_record(pos, section, texts[static_cast<std::size_t>(i)]); !st)
        return st;
    }
    return Status::success();
  }

  // "<file>: <section>: <what>"
  Status fail(std::string_view section, std::string_view what) const;

 private:
  DataFile(std::shared_ptr<const std::string> bytes, std::string name);

  std::shared_ptr<const std::string> bytes_ = std::make_shared<const std::string>();
  std::string name_ = "vorlashj.dat";
};

// Helpers on one block's bytes (the caller has the block from DataFile::block),
// inline: the readers call them once per value of every time stream.
inline std::int32_t block_long(std::string_view block, std::size_t offset) {
  auto const b = [p = block.data() + offset](int i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(p[i]));
  };
  return static_cast<std::int32_t>(b(0) | (b(1) << 8) | (b(2) << 16) | (b(3) << 24));
}
inline int block_u16(std::string_view block, std::size_t offset) {
  return static_cast<unsigned char>(block[offset]) |
         (static_cast<unsigned char>(block[offset + 1]) << 8);
}

// Converts a fixed-width Shift-JIS field to UTF-8; the error names the file,
// the section and the field.
Status fixed_text(const DataFile& file, std::string_view section, std::string_view field,
                  std::string_view what, std::string& out);

// The same for fields read by the thousand: `what` is a callable that gives
// the field's name, worded only when the field is refused.
template <std::invocable What>
Status fixed_text(const DataFile& file, std::string_view section, std::string_view field,
                  What&& what, std::string& out) {
  if (Status st = fixed_text(file, section, field, std::string_view(), out); st) return st;
  return fixed_text(file, section, field, what(), out);
}

// The same into a train code held in place. A plain ASCII field, as codes
// nearly always are, is copied as it is.
template <std::invocable What>
Status fixed_text(const DataFile& file, std::string_view section, std::string_view field,
                  What&& what, TrainCode& out) {
  if (is_ascii(field)) {
    out = field;
    return Status::success();
  }
  std::string text;
  if (Status st = fixed_text(file, section, field, what, text); !st) return st;
  out = text;
  return Status::success();
}

}  // namespace vorlash
