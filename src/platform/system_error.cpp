#include "platform/system_error.h"

#include <cerrno>

#include "platform/file_texts.h"

namespace vorlash {

std::string system_reason(int code, FileAccess access) {
  using namespace file_text;
  switch (code) {
    case ENOENT:  // on a save only the folder can be missing
      return std::string(access == FileAccess::read ? kMissing : kFolderMissing);
    case ENOTDIR:
      return std::string(kPathThroughFile);
    case ENXIO:  // a socket, or a FIFO with no reader
      return std::string(kNotRegular);
    case EACCES:
    case EPERM:
      return std::string(access == FileAccess::read ? kReadDenied : kWriteDenied);
    case EISDIR:
      return std::string(kIsFolder);
    case ENOSPC:
#if defined(EDQUOT)
    case EDQUOT:
#endif
      return std::string(kDiskFull);
    case EROFS:
      return std::string(kReadOnlyPlace);
    case EIO:
      return std::string(kDeviceError);
    case ENAMETOOLONG:
      return std::string(kNameTooLong);
#if defined(ELOOP)
    case ELOOP:
      return std::string(kLinkLoop);
#endif
    case EMFILE:
    case ENFILE:
      return std::string(kTooManyOpen);
    case EBUSY:
#if defined(ETXTBSY)
    case ETXTBSY:
#endif
      return std::string(kInUse);
    case ENOMEM:
      return std::string(kNoMemory);
    case EFBIG:
      return std::string(kTooLarge);
    default:
      return std::string(kOtherHead) + std::to_string(code) + std::string(kOtherTail);
  }
}

std::string too_large_reason(std::size_t max_size) {
  return file_text::kTooLarge + file_text::kReasonOpen + std::to_string(max_size) +
         std::string(file_text::kSizeLimitTail) + std::string(file_text::kReasonClose);
}

Status path_failure(const std::string& path, std::string_view what, std::string_view reason) {
  return Status::failure(path + ": " + std::string(what) + file_text::kReasonOpen +
                         std::string(reason) + std::string(file_text::kReasonClose));
}

std::string filesystem_reason(const std::error_code& ec, FileAccess access) {
  // The generic condition carries the errno value on every platform.
  return system_reason(ec.default_error_condition().value(), access);
}

Status read_failure(const std::string& path, std::string_view reason) {
  return path_failure(path, file_text::kCannotRead, reason);
}

Status save_failure(const std::string& path, std::string_view reason, bool had_old) {
  Status st = path_failure(path, file_text::kCannotSave, reason);
  if (had_old)
    st.error += std::string(file_text::kSentenceEnd) + std::string(file_text::kOldFileKept);
  return st;
}

}  // namespace vorlash
