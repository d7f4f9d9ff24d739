// A callable handler, as std::function but cheaper in code: a handler whose
// captures are a few pointers or numbers (nearly every one in the program) is
// kept inside the callback and copied as bytes, so each handler costs only its
// call function, not also a manager per type. Others are kept on the heap and
// shared between copies; they are called as const, as the program's are.
// An empty callback called does nothing and answers R().
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace ui {

template <class Signature>
class Callback;

template <class R, class... A>
class Callback<R(A...)> {
 public:
  Callback() = default;
  Callback(std::nullptr_t) {}  // NOLINT: as std::function
  template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, Callback> &&
                                              std::is_invocable_r_v<R, const std::decay_t<F>&, A...>>>
  Callback(F&& f) {  // NOLINT: converts from any callable, as std::function
    using T = std::decay_t<F>;
    if constexpr (sizeof(T) <= sizeof(store_) && alignof(T) <= alignof(void*) &&
                  std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>) {
      ::new (static_cast<void*>(store_)) T(std::forward<F>(f));
      call_ = [](const Callback& c, A... a) -> R {
        return (*std::launder(reinterpret_cast<const T*>(c.store_)))(std::forward<A>(a)...);
      };
    } else {
      boxed_ = std::make_shared<const T>(std::forward<F>(f));
      call_ = [](const Callback& c, A... a) -> R {
        return (*static_cast<const T*>(c.boxed_.get()))(std::forward<A>(a)...);
      };
    }
  }

  explicit operator bool() const { return call_ != nullptr; }
  R operator()(A... a) const {
    if (!call_) return R();
    return call_(*this, std::forward<A>(a)...);
  }

 private:
  alignas(void*) unsigned char store_[3 * sizeof(void*)] = {};
  R (*call_)(const Callback&, A...) = nullptr;
  std::shared_ptr<const void> boxed_;
};

}  // namespace ui
