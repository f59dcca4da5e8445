// The computer's clock: reading the date and time, and setting them (the date
// and time correction window). Tests use FakeClock; nothing but the real
// program ever uses SystemClock::set.
#pragma once

#include <ctime>
#include <string>

#include "base/status.h"
#include "platform/file_texts.h"

namespace vorlash {

struct ClockReading {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual ClockReading now() const = 0;
  // Sets the computer's date and time. Fails (with a reason) when the
  // platform refuses, for instance for lack of rights.
  virtual Status set(const ClockReading& when) = 0;
};

// The local date and time of t (thread-safe on every platform).
std::tm local_time(std::time_t t);

// Why the system refused to set the clock (errno), in Japanese.
std::string clock_reason(int code);

// The computer's local clock.
class SystemClock final : public Clock {
 public:
  ClockReading now() const override;
  Status set(const ClockReading& when) override;
};

// A clock for tests: shows what it was told; set() records the request and
// succeeds unless refuse_set is true.
class FakeClock final : public Clock {
 public:
  explicit FakeClock(ClockReading start = {}) : reading(start) {}
  ClockReading now() const override { return reading; }
  Status set(const ClockReading& when) override {
    ++set_calls;
    if (refuse_set) return Status::failure(std::string(file_text::kClockNotPermitted));
    reading = when;
    return Status::success();
  }

  ClockReading reading;
  bool refuse_set = false;
  int set_calls = 0;
};

}  // namespace vorlash
