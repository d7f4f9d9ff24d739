// GoogleTest on Windows wants std::mutex and std::condition_variable for one
// helper of its own; the Win32 thread model of the i686 compilers (chosen so
// that the product imports nothing Windows 95 lacks) provides neither. The
// tests run on one thread, so a critical section and a polling wait suffice.
// Force-included into GoogleTest and the integration tests of that tree only.
#pragma once

#include <bits/c++config.h>

#if !defined(_GLIBCXX_HAS_GTHREADS) && defined(__cplusplus)
#include <windows.h>

#include <mutex>

namespace std {

class mutex {
 public:
  mutex() { InitializeCriticalSection(&section_); }
  ~mutex() { DeleteCriticalSection(&section_); }
  mutex(const mutex&) = delete;
  mutex& operator=(const mutex&) = delete;
  void lock() { EnterCriticalSection(&section_); }
  void unlock() { LeaveCriticalSection(&section_); }

 private:
  CRITICAL_SECTION section_;
};

class condition_variable {
 public:
  void notify_one() {}
  void notify_all() {}
  template <class Predicate>
  void wait(unique_lock<mutex>& lock, Predicate ready) {
    while (!ready()) {
      lock.unlock();
      Sleep(1);
      lock.lock();
    }
  }
};

}  // namespace std
#endif
