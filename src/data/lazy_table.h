// A fixed-size table, used like std::array, whose storage is taken from the
// heap on first use. Tables a run may never touch (the hotels before the
// hotel window opens, the Keiyo line of an Edition without it) then cost
// neither memory nor the page faults of clearing it at start-up.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace vorlash {

template <typename T, std::size_t N>
class LazyTable {
 public:
  using value_type = T;
  using iterator = T*;
  using const_iterator = const T*;

  LazyTable() = default;
  LazyTable(const LazyTable& other) {
    if (!other.data_) return;
    allocate();
    if constexpr (kZeroPages) {
      std::copy_n(other.data_, N, data_);
    } else {
      for (; built_ < other.built_; ++built_) new (data_ + built_) T(other.data_[built_]);
    }
  }
  LazyTable(LazyTable&& other) noexcept
      : data_(std::exchange(other.data_, nullptr)), built_(std::exchange(other.built_, 0)) {}
  LazyTable& operator=(LazyTable other) noexcept {
    std::swap(data_, other.data_);
    std::swap(built_, other.built_);
    return *this;
  }
  ~LazyTable() { release(); }

  T& operator[](std::size_t i) { return ensure(i + 1)[i]; }
  const T& operator[](std::size_t i) const { return ensure(i + 1)[i]; }

  static constexpr std::size_t size() { return N; }
  iterator begin() { return ensure(N); }
  iterator end() { return ensure(N) + N; }
  const_iterator begin() const { return ensure(N); }
  const_iterator end() const { return ensure(N) + N; }
  void fill(const T& value) { std::fill_n(ensure(N), N, value); }

  // Whether anything has used the table yet.
  bool allocated() const { return data_ != nullptr; }

  friend bool operator==(const LazyTable& a, const LazyTable& b) {
    return std::equal(a.begin(), a.end(), b.begin());
  }

 private:
  // Plain elements come from calloc: fresh pages are zero already, so only
  // the rows actually written are ever touched. Others are constructed in
  // place up to the highest one used, in room taken once (they never move).
  static constexpr bool kZeroPages = std::is_trivial_v<T>;

  void allocate() const {
    void* bytes = kZeroPages ? std::calloc(N, sizeof(T)) : std::malloc(N * sizeof(T));
    if (!bytes) throw std::bad_alloc();
    data_ = static_cast<T*>(bytes);
  }
  T* ensure(std::size_t count) const {
    if (!data_) allocate();
    if constexpr (!kZeroPages) {
      for (; built_ < count; ++built_) new (data_ + built_) T();
    }
    return data_;
  }
  void release() {
    if (!data_) return;
    if constexpr (!kZeroPages) std::destroy_n(data_, built_);
    std::free(data_);
    data_ = nullptr;
    built_ = 0;
  }

  static_assert(alignof(T) <= alignof(std::max_align_t));
  mutable T* data_ = nullptr;
  mutable std::size_t built_ = 0;
};

}  // namespace vorlash
