#include "gtfs/gtfs_zip.h"

#include "gtfs/gtfs_texts.h"
#include "text/fill.h"

#include <zlib.h>

#include <cstdint>

namespace vorlash {

namespace {

constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::uint32_t kCentralSignature = 0x02014b50;
constexpr std::uint32_t kLocalSignature = 0x04034b50;
constexpr std::size_t kEndSize = 22;
constexpr std::size_t kCentralSize = 46;
constexpr std::size_t kLocalSize = 30;

std::uint32_t u16(std::string_view b, std::size_t at) {
  return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8;
}

std::uint32_t u32(std::string_view b, std::size_t at) {
  return u16(b, at) | u16(b, at + 2) << 16;
}

// True when [at, at + size) lies within b.
bool within(std::string_view b, std::uint64_t at, std::uint64_t size) {
  return at <= b.size() && size <= b.size() - at;
}

Status inflate_raw(std::string_view in, std::size_t size, std::string& out) {
  out.assign(size, '\0');
  z_stream z{};
  if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return Status::failure(std::string(gtfs_text::kZipCannotInflate));
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
  z.avail_in = static_cast<uInt>(in.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(size);
  int const result = inflate(&z, Z_FINISH);
  bool const whole = result == Z_STREAM_END && z.total_out == size;
  inflateEnd(&z);
  if (!whole) return Status::failure(std::string(gtfs_text::kZipBadDeflate));
  return Status::success();
}

}  // namespace

Status read_zip_files(std::string_view archive, const std::string& name,
                      std::map<std::string, std::string>& files) {
  auto fail = [&](std::string_view message) {
    return Status::failure(name + ": " + std::string(message));
  };
  auto fail_in = [&](const std::string& entry, std::string_view message) {
    return Status::failure(name + ": " + entry + ": " + std::string(message));
  };
  if (archive.size() < kEndSize) return fail(gtfs_text::kZipTooShort);
  // The end record sits in the last 22 + 65535 bytes (after it only a comment).
  std::size_t end = std::string_view::npos;
  std::size_t const lowest =
      archive.size() > kEndSize + 0xFFFF ? archive.size() - kEndSize - 0xFFFF : 0;
  for (std::size_t at = archive.size() - kEndSize + 1; at-- > lowest;) {
    if (u32(archive, at) == kEndSignature) {
      end = at;
      break;
    }
  }
  if (end == std::string_view::npos) return fail(gtfs_text::kZipNoEnd);
  std::uint32_t const count = u16(archive, end + 10);
  std::uint64_t const dir_size = u32(archive, end + 12);
  std::uint64_t const dir_at = u32(archive, end + 16);
  if (!within(archive, dir_at, dir_size) || dir_at + dir_size > end)
    return fail(gtfs_text::kZipDirectoryOutside);

  std::size_t at = dir_at;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::string const entry = fill(gtfs_text::kZipEntry, {std::to_string(i + 1)});
    if (!within(archive, at, kCentralSize) || at + kCentralSize > dir_at + dir_size ||
        u32(archive, at) != kCentralSignature)
      return fail_in(entry, gtfs_text::kZipBrokenDirectory);
    std::uint32_t const flags = u16(archive, at + 8);
    std::uint32_t const method = u16(archive, at + 10);
    std::uint32_t const crc = u32(archive, at + 16);
    std::uint64_t const packed = u32(archive, at + 20);
    std::uint64_t const size = u32(archive, at + 24);
    std::size_t const name_len = u16(archive, at + 28);
    std::size_t const extra_len = u16(archive, at + 30);
    std::size_t const comment_len = u16(archive, at + 32);
    std::uint64_t const local = u32(archive, at + 42);
    if (!within(archive, at + kCentralSize, name_len + extra_len + comment_len))
      return fail_in(entry, gtfs_text::kZipBrokenDirectory);
    std::string const file(archive.substr(at + kCentralSize, name_len));
    at += kCentralSize + name_len + extra_len + comment_len;

    if (file.empty() || file.find('/') != std::string::npos || file.find('\\') != std::string::npos)
      continue;  // folders and files in folders
    if (flags & 1u) return fail_in(file, gtfs_text::kZipEncrypted);
    if (method != 0 && method != 8)
      return fail_in(file, fill(gtfs_text::kZipMethod, {std::to_string(method)}));
    if (size > kMaxZipEntryBytes || packed == 0xFFFFFFFFu)
      return fail_in(file, gtfs_text::kZipTooLarge);
    if (!within(archive, local, kLocalSize) || u32(archive, local) != kLocalSignature)
      return fail_in(file, gtfs_text::kZipLocalHeader);
    std::uint64_t const data_at =
        local + kLocalSize + u16(archive, local + 26) + u16(archive, local + 28);
    if (!within(archive, data_at, packed))
      return fail_in(file, gtfs_text::kZipDataOutside);
    std::string_view const data = archive.substr(data_at, packed);

    std::string bytes;
    if (method == 0) {
      if (packed != size) return fail_in(file, gtfs_text::kZipTwoSizes);
      bytes.assign(data);
    } else if (Status const inflated = inflate_raw(data, size, bytes); !inflated) {
      return fail_in(file, inflated.error);
    }
    uLong const actual =
        crc32(0L, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size()));
    if (actual != crc) return fail_in(file, gtfs_text::kZipBadCrc);
    if (files.count(file)) return fail_in(file, gtfs_text::kZipFileTwice);
    files[file] = std::move(bytes);
  }
  return Status::success();
}

}  // namespace vorlash
