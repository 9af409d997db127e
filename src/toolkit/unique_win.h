// Owners of Windows resources: one move-only template, a typedef a resource.
#pragma once

#include <windows.h>

#include <utility>

namespace yz {

template <typename T, auto Invalid, auto Close>
class Unique {
 public:
  Unique() = default;
  explicit Unique(T value) : value_(value) {}
  Unique(Unique&& other) noexcept : value_(other.release()) {}
  Unique& operator=(Unique&& other) noexcept {
    reset(other.release());
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  ~Unique() { reset(); }

  T get() const { return value_; }
  explicit operator bool() const { return value_ != InvalidValue(); }
  T release() { return std::exchange(value_, InvalidValue()); }
  void reset(T value = InvalidValue()) {
    if (*this) Close(value_);
    value_ = value;
  }

 private:
  static T InvalidValue() {
    if constexpr (std::is_same_v<decltype(Invalid), std::nullptr_t>) {
      return nullptr;
    } else {
      return reinterpret_cast<T>(Invalid);
    }
  }
  T value_ = InvalidValue();
};

using UniqueHandle = Unique<HANDLE, nullptr, &CloseHandle>;
// CreateFile reports failure as INVALID_HANDLE_VALUE, not as a null handle.
using UniqueFile = Unique<HANDLE, -1, &CloseHandle>;

}  // namespace yz
