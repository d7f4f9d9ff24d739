#include "gauges/SensorText.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace gauges {

namespace {

// "%.2f" of the C locale, done here rather than by the C library's printf,
// whose floating-point machinery is about 28 KB of the 32-bit image. Exact,
// and halves round to even as the library's do: gauge figures are often
// exact binary halves (x.125 MB is 128 KB).

// The decimal digits of a non-negative integral double.
std::string WholeDigits(double whole) {
  int exp = 0;
  const uint64_t m = static_cast<uint64_t>(std::ldexp(std::frexp(whole, &exp), 53));
  exp -= 53;
  if (exp <= 0) return std::to_string(exp < -63 ? 0 : m >> -exp);
  constexpr uint32_t kBase = 1000000000;  // limbs of nine digits, lowest first
  std::vector<uint32_t> limbs{static_cast<uint32_t>(m % kBase), static_cast<uint32_t>(m / kBase % kBase),
                              static_cast<uint32_t>(m / kBase / kBase)};
  for (; exp > 0; --exp) {  // at most 971 doublings of at most 35 limbs
    uint32_t carry = 0;
    for (uint32_t& limb : limbs) {
      const uint32_t d = limb * 2 + carry;
      carry = d >= kBase;
      limb = carry ? d - kBase : d;
    }
    if (carry) limbs.push_back(1);
  }
  while (limbs.size() > 1 && limbs.back() == 0) limbs.pop_back();
  std::string s = std::to_string(limbs.back());
  for (size_t i = limbs.size() - 1; i-- > 0;) {
    const std::string part = std::to_string(limbs[i]);
    s.append(9 - part.size(), '0').append(part);
  }
  return s;
}

// The fraction 0 <= frac < 1 in hundredths (0 to 100). From 2^-10 up, frac is
// f / 2^62 for an integer f (a double has 53 significant bits), and f * 25
// fits in 96 bits: the comparison with the half is exact.
unsigned Hundredths(double frac) {
  if (frac < 0x1p-10) return 0;
  const uint64_t f = static_cast<uint64_t>(std::ldexp(frac, 62));
  const uint64_t low = (f & 0xFFFFFFFF) * 25;
  const uint64_t high = (f >> 32) * 25 + (low >> 32);  // f * 25 = high * 2^32 + (low & 0xFFFFFFFF)
  unsigned n = static_cast<unsigned>(high >> 28);      // f * 100 / 2^62
  const uint64_t rest = ((high & 0xFFFFFFF) << 32) | (low & 0xFFFFFFFF);
  constexpr uint64_t kHalf = uint64_t{1} << 59;
  if (rest > kHalf || (rest == kHalf && (n & 1))) ++n;
  return n;
}

}  // namespace

std::string SensorValueText(double value, const std::string& suffix,
                            const std::string& decimalSeparator) {
  if (std::isnan(value)) return "NAN" + suffix;
  if (std::isinf(value)) return (value < 0 ? "-INF" : "INF") + suffix;
  const double magnitude = std::fabs(value);
  double whole = std::floor(magnitude);
  unsigned hundredths = Hundredths(magnitude - whole);
  if (hundredths == 100) whole += 1, hundredths = 0;
  std::string out = std::signbit(value) ? "-" : "";
  out += WholeDigits(whole);
  out += decimalSeparator;
  out += static_cast<char>('0' + hundredths / 10);
  out += static_cast<char>('0' + hundredths % 10);
  return out + suffix;
}

}  // namespace gauges
