// A callable handler, as std::function but cheaper in code: a handler whose
// captures are a few pointers or numbers (nearly every one in the program) is
// kept inside the callback and copied as bytes, so each handler costs only its
// call function, not also a manager per type. Others (a handler that chains
// an earlier one, say) are kept on the heap, each copy its own.
// An empty callback called does nothing and answers R().
// A callback that answers a Status (an event handler that can fail) also
// takes a callable that answers nothing: it always succeeds.
#pragma once

#include <cstddef>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

#include "text/Error.h"

namespace ui {

namespace detail {
// F called with A... answers R, or answers nothing where R is a Status.
template <class R, class F, class... A>
constexpr bool CallableAs() {
  if constexpr (!std::is_invocable_v<const F&, A...>) return false;
  else if constexpr (std::is_same_v<R, text::Status> && std::is_void_v<std::invoke_result_t<const F&, A...>>)
    return true;
  else return std::is_invocable_r_v<R, const F&, A...>;
}
}  // namespace detail

template <class Signature>
class Callback;

template <class R, class... A>
class Callback<R(A...)> {
 public:
  Callback() = default;
  Callback(std::nullptr_t) {}  // NOLINT: as std::function
  template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, Callback> &&
                                              detail::CallableAs<R, std::decay_t<F>, A...>()>>
  Callback(F&& f) {  // NOLINT: converts from any callable, as std::function
    using T = std::decay_t<F>;
    if constexpr (sizeof(T) <= sizeof(store_) && alignof(T) <= alignof(void*) &&
                  std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>) {
      ::new (static_cast<void*>(store_)) T(std::forward<F>(f));
    } else {
      static constexpr Boxing kBoxing{[](const void* held) -> void* { return new T(*static_cast<const T*>(held)); },
                                      [](void* held) { delete static_cast<T*>(held); }};
      Boxed() = new T(std::forward<F>(f));
      boxing_ = &kBoxing;
    }
    call_ = [](const void* held, A... a) -> R {
      const T& f = *static_cast<const T*>(held);
      if constexpr (std::is_void_v<std::invoke_result_t<const T&, A...>> && !std::is_void_v<R>) {
        f(std::forward<A>(a)...);
        return R();
      } else {
        return f(std::forward<A>(a)...);
      }
    };
  }
  Callback(const Callback& other) : call_(other.call_), boxing_(other.boxing_) {
    if (boxing_)
      Boxed() = boxing_->copy(other.Held());
    else
      std::memcpy(store_, other.store_, sizeof store_);
  }
  Callback(Callback&& other) noexcept { Swap(other); }
  Callback& operator=(Callback other) noexcept {
    Swap(other);
    return *this;
  }
  ~Callback() {
    if (boxing_) boxing_->destroy(Boxed());
  }

  explicit operator bool() const { return call_ != nullptr; }
  R operator()(A... a) const {
    if (!call_) return R();
    return call_(Held(), std::forward<A>(a)...);
  }

 private:
  struct Boxing {
    void* (*copy)(const void*);
    void (*destroy)(void*);
  };
  void*& Boxed() { return *reinterpret_cast<void**>(store_); }
  const void* Held() const { return boxing_ ? *reinterpret_cast<void* const*>(store_) : store_; }
  void Swap(Callback& other) noexcept {
    unsigned char store[sizeof store_];
    std::memcpy(store, store_, sizeof store_);
    std::memcpy(store_, other.store_, sizeof store_);
    std::memcpy(other.store_, store, sizeof store_);
    std::swap(call_, other.call_);
    std::swap(boxing_, other.boxing_);
  }

  alignas(void*) unsigned char store_[4 * sizeof(void*)] = {};
  R (*call_)(const void*, A...) = nullptr;
  const Boxing* boxing_ = nullptr;  // set when the callable lives on the heap
};

}  // namespace ui
