// The few C library functions the 32-bit program needs, for a program that
// links no C runtime (a retail Windows 95 has none to offer, and the
// compiler's own are built for later processors). Each does what the C
// library's function of the name in the comment does; the program's
// start-up (app/win32) gives them those names. x87 and string instructions
// only: every one of them runs on a 386 with a 387, or with the system's
// emulation of the 387 where there is none.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace app::runtime {

// memcpy
inline void* CopyBytes(void* to, const void* from, size_t n) {
  void* d = to;
  __asm__ volatile("rep movsb" : "+D"(d), "+S"(from), "+c"(n) : : "memory");
  return to;
}

// memmove: downwards when the target lies above an overlapping source.
inline void* MoveBytes(void* to, const void* from, size_t n) {
  auto* d = static_cast<unsigned char*>(to);
  const auto* s = static_cast<const unsigned char*>(from);
  if (d <= s || d >= s + n) return CopyBytes(to, from, n);
  d += n - 1;
  s += n - 1;
  // The direction flag is clear again before anything else runs, as the
  // system's calling convention wants it.
  __asm__ volatile("std\n\trep movsb\n\tcld" : "+D"(d), "+S"(s), "+c"(n) : : "memory", "cc");
  return to;
}

// memset
inline void* FillBytes(void* to, int value, size_t n) {
  void* d = to;
  __asm__ volatile("rep stosb" : "+D"(d), "+c"(n) : "a"(value) : "memory");
  return to;
}

// memcmp
inline int CompareBytes(const void* a, const void* b, size_t n) {
  const auto* p = static_cast<const unsigned char*>(a);
  const auto* q = static_cast<const unsigned char*>(b);
  for (; n; --n, ++p, ++q)
    if (*p != *q) return *p < *q ? -1 : 1;
  return 0;
}

// memchr
inline const void* FindByte(const void* s, int value, size_t n) {
  const auto* p = static_cast<const unsigned char*>(s);
  for (; n; --n, ++p)
    if (*p == static_cast<unsigned char>(value)) return p;
  return nullptr;
}

// strlen
inline size_t TextLength(const char* s) {
  size_t n = 0;
  while (s[n]) ++n;
  return n;
}

// toupper and tolower of the "C" locale.
inline int UpperCase(int c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }
inline int LowerCase(int c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

// strtol: blanks, a sign, an optional "0x" for base 16 (base 0 also takes a
// leading 0 as octal), the digits; beyond the range of long, LONG_MAX or
// LONG_MIN. end points past the last digit, or at s when there is none.
inline long ParseLong(const char* s, char** end, int base) {
  const char* p = s;
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  const bool hexPrefix = p[0] == '0' && (p[1] == 'x' || p[1] == 'X');
  auto digit = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
  };
  if ((base == 0 || base == 16) && hexPrefix && digit(p[2]) < 16) {
    p += 2;
    base = 16;
  } else if (base == 0) {
    base = p[0] == '0' ? 8 : 10;
  }
  const char* first = p;
  const unsigned long limit = negative ? 0ul - static_cast<unsigned long>(LONG_MIN) : LONG_MAX;
  unsigned long value = 0;
  bool over = false;
  if (base >= 2 && base <= 36)
    for (; digit(*p) < base; ++p) {
      const unsigned long d = static_cast<unsigned long>(digit(*p));
      if (value > (limit - d) / static_cast<unsigned long>(base)) over = true;
      else value = value * static_cast<unsigned long>(base) + d;
    }
  if (end) *end = const_cast<char*>(p == first ? s : p);
  if (over) return negative ? LONG_MIN : LONG_MAX;
  return negative ? static_cast<long>(0ul - value) : static_cast<long>(value);
}

// Floating point, on the 387's own instructions.
namespace x87 {

// The control word's rounding field: nearest (even), down, up, toward zero.
enum Rounding : uint16_t { kNearest = 0x000, kDown = 0x400, kUp = 0x800, kChop = 0xC00 };

inline long double RoundWith(long double x, uint16_t rounding) {
  uint16_t saved, changed;
  __asm__ volatile("fnstcw %0" : "=m"(saved));
  changed = static_cast<uint16_t>((saved & ~0xC00) | rounding);
  __asm__ volatile("fldcw %1\n\tfrndint\n\tfldcw %2" : "+t"(x) : "m"(changed), "m"(saved));
  return x;
}

// The remainder of x by 2 pi, so that fsin and fcos take any finite angle.
inline long double ReduceAngle(long double x) {
  const long double twoPi = 6.283185307179586476925286766559L;
  uint16_t sw;
  do {
    __asm__ volatile("fprem1\n\tfnstsw %1" : "+t"(x), "=a"(sw) : "u"(twoPi));
  } while (sw & 0x400);  // C2: only partly reduced
  return x;
}

}  // namespace x87

// floor, trunc, nearbyint and nearbyintl (the current rounding: nearest,
// ties to even).
inline double Floor(double x) { return static_cast<double>(x87::RoundWith(x, x87::kDown)); }
inline double Trunc(double x) { return static_cast<double>(x87::RoundWith(x, x87::kChop)); }
inline long double NearbyIntLong(long double x) {
  __asm__ volatile("frndint" : "+t"(x));
  return x;
}
inline double NearbyInt(double x) { return static_cast<double>(NearbyIntLong(x)); }

inline bool IsFiniteDouble(double x) { return __builtin_isfinite(x); }

// sin and cos; the 387 takes angles below 2^63 directly.
inline double Sine(double x) {
  if (!IsFiniteDouble(x)) return x - x;  // NaN
  long double r = x;
  if (__builtin_fabs(x) >= 9.2e18) r = x87::ReduceAngle(r);
  __asm__ volatile("fsin" : "+t"(r));
  return static_cast<double>(r);
}

inline double Cosine(double x) {
  if (!IsFiniteDouble(x)) return x - x;
  long double r = x;
  if (__builtin_fabs(x) >= 9.2e18) r = x87::ReduceAngle(r);
  __asm__ volatile("fcos" : "+t"(r));
  return static_cast<double>(r);
}

// sincos, which the compiler makes of a sine and a cosine of one angle.
inline void SineAndCosine(double x, double* sine, double* cosine) {
  if (!IsFiniteDouble(x)) {
    *sine = *cosine = x - x;
    return;
  }
  long double r = x;
  if (__builtin_fabs(x) >= 9.2e18) r = x87::ReduceAngle(r);
  long double c;
  __asm__ volatile("fsincos" : "=t"(c), "=u"(r) : "0"(r));
  *sine = static_cast<double>(r);
  *cosine = static_cast<double>(c);
}

// hypot: formed in extended precision, where no square of a double overflows.
inline double Hypot(double x, double y) {
  if (__builtin_isinf(x) || __builtin_isinf(y)) return __builtin_inf();
  if (__builtin_isnan(x) || __builtin_isnan(y)) return x + y;
  long double r = static_cast<long double>(x) * x + static_cast<long double>(y) * y;
  __asm__ volatile("fsqrt" : "+t"(r));
  return static_cast<double>(r);
}

// ldexp: x times 2 to the power e, rounded once into a double.
inline double ScaleByPowerOfTwo(double x, int e) {
  if (e > 100000) e = 100000;  // far past any double's range either way
  if (e < -100000) e = -100000;
  long double r = x;
  const long double power = e;
  __asm__ volatile("fscale" : "+t"(r) : "u"(power));
  return static_cast<double>(r);
}

// frexp: x = m * 2^e with 0.5 <= |m| < 1; 0, infinities and NaN as they are, e = 0.
inline double SplitExponent(double x, int* e) {
  *e = 0;
  if (x == 0 || !IsFiniteDouble(x)) return x;
  uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  int biased = static_cast<int>((bits >> 52) & 0x7FF);
  if (biased == 0) {  // subnormal: made normal first
    x *= 18014398509481984.0;  // 2^54
    std::memcpy(&bits, &x, sizeof bits);
    biased = static_cast<int>((bits >> 52) & 0x7FF) - 54;
  }
  *e = biased - 1022;
  bits = (bits & ~(uint64_t{0x7FF} << 52)) | (uint64_t{1022} << 52);
  std::memcpy(&x, &bits, sizeof x);
  return x;
}

// fmin and fmax: a NaN gives way to the other operand.
inline double Min(double x, double y) {
  if (__builtin_isnan(x)) return y;
  if (__builtin_isnan(y)) return x;
  return y < x ? y : x;
}
inline double Max(double x, double y) {
  if (__builtin_isnan(x)) return y;
  if (__builtin_isnan(y)) return x;
  return y > x ? y : x;
}

}  // namespace app::runtime
