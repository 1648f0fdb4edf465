// A counted reference to a text-engine object: adopts a reference the host handed over, retains
// on copy (throwing ATE::Exception when the host refuses), releases on destruction. Traits name the
// handle type and the suite's AddRef/Release.
#pragma once

#include <utility>

#include "textengine/exception.h"

namespace ATE {

template <typename Traits>
class Reference {
 public:
  using Handle = typename Traits::Handle;

  Reference() = default;
  // Takes over a reference the host already counted for the caller.
  explicit Reference(Handle handle) : handle_(handle) {}
  Reference(const Reference& other) : handle_(other.handle_) { Retain(); }
  Reference(Reference&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Reference& operator=(Reference other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  ~Reference() {
    if (handle_ != nullptr) {
      Traits::Release(handle_);
    }
  }

  Handle handle() const { return handle_; }

 protected:
  // For the constructors that ask the host for a new object.
  Handle* out() { return &handle_; }

 private:
  void Retain() {
    if (handle_ != nullptr) {
      Check(Traits::AddRef(handle_));
    }
  }

  Handle handle_ = nullptr;
};

}  // namespace ATE
