// The outcome of an operation that can fail: empty error = success. A
// dropped Status is a failure nobody hears of, so the compiler refuses it.
// Errors from files name the file and the place ("vorlashj.dat: Keiyo time
// section: block 41 lies past the end of the file").
#pragma once

#include <string>
#include <utility>

namespace vorlash {

struct [[nodiscard]] Status {
  std::string error;

  bool ok() const { return error.empty(); }
  explicit operator bool() const { return ok(); }
  static Status success() { return {}; }
  static Status failure(std::string message) { return Status{std::move(message)}; }
};

}  // namespace vorlash
