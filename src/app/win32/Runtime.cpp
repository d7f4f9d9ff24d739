// What the standard library calls on its own misuse (an index past the end,
// a length beyond any memory): the library's versions raise exceptions,
// which the program is built without, and bring in the error classes with a
// second, reference-counted string implementation. The program never asks
// for such a thing; should it, it ends at once with the library's message
// rather than going on with a broken container.
#include <windows.h>

namespace {

[[noreturn]] void Fail(const char* message) {
  FatalAppExitA(0, message);
  ExitProcess(3);  // not reached: the system ends the program
}

}  // namespace

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
