#include "data/file_io.h"

#include "data/data_file.h"
#include "platform/native_path.h"
#include "platform/safe_file.h"

namespace vorlash {

Status read_file_bytes(const std::string& path, std::string& bytes) {
  return read_regular_file(path, kMaxDataFileSize, bytes);
}

Status write_file_atomically(const std::string& path, std::string_view bytes) {
  return replace_file(path, bytes);
}

}  // namespace vorlash
