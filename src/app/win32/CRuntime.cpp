// The C library functions and the ordered containers' balancing that the
// 32-bit program links, under the names the compiler and the standard
// headers call: the program carries no C runtime of its own
// (Windows 95 has none to lend it) and none of the compiler's runtime
// libraries (built for the Pentium Pro). Built without builtins, so that
// the compiler does not turn these loops back into calls of themselves.
#include <windows.h>

#include <cstddef>

#include "app/runtime/CLibrary.h"
#include "app/runtime/RbTree.h"

namespace rt = app::runtime;

extern "C" {

void* memcpy(void* to, const void* from, size_t n) { return rt::CopyBytes(to, from, n); }
void* memmove(void* to, const void* from, size_t n) { return rt::MoveBytes(to, from, n); }
void* memset(void* to, int value, size_t n) { return rt::FillBytes(to, value, n); }
int memcmp(const void* a, const void* b, size_t n) { return rt::CompareBytes(a, b, n); }
void* memchr(const void* s, int value, size_t n) { return const_cast<void*>(rt::FindByte(s, value, n)); }
size_t strlen(const char* s) { return rt::TextLength(s); }
long strtol(const char* s, char** end, int base) { return rt::ParseLong(s, end, base); }

double floor(double x) { return rt::Floor(x); }
double trunc(double x) { return rt::Trunc(x); }
double nearbyint(double x) { return rt::NearbyInt(x); }
long double nearbyintl(long double x) { return rt::NearbyIntLong(x); }
double sin(double x) { return rt::Sine(x); }
double cos(double x) { return rt::Cosine(x); }
void sincos(double x, double* sine, double* cosine) { rt::SineAndCosine(x, sine, cosine); }
double hypot(double x, double y) { return rt::Hypot(x, y); }
double ldexp(double x, int e) { return rt::ScaleByPowerOfTwo(x, e); }
double frexp(double x, int* e) { return rt::SplitExponent(x, e); }
double fmin(double x, double y) { return rt::Min(x, y); }
double fmax(double x, double y) { return rt::Max(x, y); }

// What the standard headers call when a check fails without exceptions.
[[noreturn]] void abort() {
  FatalAppExitA(0, "The program met an error it cannot go on from.");
  ExitProcess(3);
}

}  // extern "C"

namespace std {

_Rb_tree_node_base* _Rb_tree_increment(_Rb_tree_node_base* x) throw() { return rt::TreeIncrement(x); }
const _Rb_tree_node_base* _Rb_tree_increment(const _Rb_tree_node_base* x) throw() {
  return rt::TreeIncrement(const_cast<_Rb_tree_node_base*>(x));
}
_Rb_tree_node_base* _Rb_tree_decrement(_Rb_tree_node_base* x) throw() { return rt::TreeDecrement(x); }
const _Rb_tree_node_base* _Rb_tree_decrement(const _Rb_tree_node_base* x) throw() {
  return rt::TreeDecrement(const_cast<_Rb_tree_node_base*>(x));
}
void _Rb_tree_insert_and_rebalance(const bool insertLeft, _Rb_tree_node_base* x, _Rb_tree_node_base* p,
                                   _Rb_tree_node_base& header) throw() {
  rt::TreeInsertAndRebalance(insertLeft, x, p, header);
}
_Rb_tree_node_base* _Rb_tree_rebalance_for_erase(_Rb_tree_node_base* const z, _Rb_tree_node_base& header) throw() {
  return rt::TreeRebalanceForErase(z, header);
}

}  // namespace std
