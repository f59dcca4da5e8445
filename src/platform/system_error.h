// The system's error codes in the user's words, in one place for every file
// and clock error the program reports.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

#include "base/status.h"

namespace vorlash {

enum class FileAccess { read, write };

// The Japanese reason for a system error code (errno on POSIX). A denied
// access reads differently for reading and for writing.
std::string system_reason(int code, FileAccess access);

// "大きすぎます（<max_size>バイトまで）"
std::string too_large_reason(std::size_t max_size);

// "<path>: <what>（<reason>）", the shape of every file failure.
Status path_failure(const std::string& path, std::string_view what, std::string_view reason);
// The Japanese reason for an error code from std::filesystem, whose codes are
// the system's own (Windows error numbers on Windows), not errno values.
std::string filesystem_reason(const std::error_code& ec, FileAccess access);

// "<path>: 読み込めません（<reason>）"
Status read_failure(const std::string& path, std::string_view reason);
// "<path>: 保存できません（<reason>）。元のファイルはそのままです", the last
// sentence only when there was an old file to keep.
Status save_failure(const std::string& path, std::string_view reason, bool had_old = true);

}  // namespace vorlash
