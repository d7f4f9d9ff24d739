// The program's share of the C++ runtime, in both Windows builds. The
// library's heap operators and its answers to its own misuse (an index past
// the end, a length beyond any memory) raise exceptions, which the program is
// built without, and bring in the exception runtime, a name demangler and the
// error classes with a second, reference-counted string implementation. The
// program never asks for what would raise them; should it, or should memory
// run out (which code without exceptions cannot be told), it ends at once
// with the message rather than going on with a broken container.
#include <windows.h>

#include <cstddef>
#include <new>

namespace {

[[noreturn]] void Fail(const char* message) {
  FatalAppExitA(0, message);
  ExitProcess(3);  // not reached: the system ends the program
}

void* Allocate(size_t n) {
  if (void* p = HeapAlloc(GetProcessHeap(), 0, n ? n : 1)) return p;
  Fail("Out of memory");
}

void Free(void* p) {
  if (p) HeapFree(GetProcessHeap(), 0, p);
}

}  // namespace

// The process's own heap.
void* operator new(size_t n) { return Allocate(n); }
void* operator new[](size_t n) { return Allocate(n); }
void operator delete(void* p) noexcept { Free(p); }
void operator delete[](void* p) noexcept { Free(p); }
void operator delete(void* p, size_t) noexcept { Free(p); }
void operator delete[](void* p, size_t) noexcept { Free(p); }
// Asked for by code that does without when there is no memory (a stable
// sort's scratch buffer): nullptr then.
const std::nothrow_t std::nothrow{};
void* operator new(size_t n, const std::nothrow_t&) noexcept { return HeapAlloc(GetProcessHeap(), 0, n ? n : 1); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Free(p); }

namespace __gnu_cxx {
// Should anything still reach the terminate handler, the library's would
// bring its name demangler (46 KB) to print on a console the program lacks.
void __verbose_terminate_handler() { Fail("terminate called"); }
}  // namespace __gnu_cxx

namespace std {
void __throw_bad_exception() { Fail("bad exception"); }
void __throw_bad_alloc() { Fail("Out of memory"); }
void __throw_bad_array_new_length() { Fail("bad array new length"); }
void __throw_bad_cast() { Fail("bad cast"); }
void __throw_bad_typeid() { Fail("bad typeid"); }
void __throw_bad_function_call() { Fail("bad function call"); }
void __throw_logic_error(const char* s) { Fail(s); }
void __throw_domain_error(const char* s) { Fail(s); }
void __throw_invalid_argument(const char* s) { Fail(s); }
void __throw_length_error(const char* s) { Fail(s); }
void __throw_out_of_range(const char* s) { Fail(s); }
void __throw_out_of_range_fmt(const char* s, ...) { Fail(s); }
void __throw_runtime_error(const char* s) { Fail(s); }
void __throw_range_error(const char* s) { Fail(s); }
void __throw_overflow_error(const char* s) { Fail(s); }
void __throw_underflow_error(const char* s) { Fail(s); }
}  // namespace std

extern "C" {
// A pure virtual function called (through a half-made or half-destroyed object).
void __cxa_pure_virtual() { Fail("pure virtual function call"); }
void __cxa_deleted_virtual() { Fail("deleted virtual function call"); }
}
