// The shipped program's share of the C++ runtime, trimmed. The library's own
// versions of these pull in a name demangler (46 KB) and the error classes'
// reference-counted string with its whole implementation (over 80 KB); the
// program uses neither, and catches what it catches as std::exception.
#include <cstdlib>
#include <exception>
#include <new>
#include <typeinfo>

namespace {

// What the standard containers and strings raise on misuse: the message only.
class LibraryError : public std::exception {
 public:
  explicit LibraryError(const char* message) : message_(message) {}
  const char* what() const noexcept override { return message_; }

 private:
  const char* message_;
};

}  // namespace

namespace __gnu_cxx {
// An error that nothing caught ends the program, as the library's handler
// does, without printing its type's name to a console the program lacks.
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace std {
void __throw_bad_exception() { throw bad_exception(); }
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_logic_error(const char* s) { throw LibraryError(s); }
void __throw_domain_error(const char* s) { throw LibraryError(s); }
void __throw_invalid_argument(const char* s) { throw LibraryError(s); }
void __throw_length_error(const char* s) { throw LibraryError(s); }
void __throw_out_of_range(const char* s) { throw LibraryError(s); }
void __throw_out_of_range_fmt(const char* s, ...) { throw LibraryError(s); }
void __throw_runtime_error(const char* s) { throw LibraryError(s); }
void __throw_range_error(const char* s) { throw LibraryError(s); }
void __throw_overflow_error(const char* s) { throw LibraryError(s); }
void __throw_underflow_error(const char* s) { throw LibraryError(s); }
}  // namespace std
