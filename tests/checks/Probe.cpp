// A tiny image for the instruction check's own test: 386 code, the two
// probes as the program names them, and, when BAD is defined, a Pentium Pro
// instruction in one function and CPUID outside the probes in another.
namespace platform {
namespace {
struct X86Instructions {
  __attribute__((noinline)) static unsigned Cpuid(unsigned level) {
    unsigned a = level, b, c = 0, d;
    __asm__ volatile("cpuid" : "+a"(a), "=b"(b), "+c"(c), "=d"(d));
    return a ^ b ^ c ^ d;
  }
  __attribute__((noinline)) static unsigned long long ReadTimeStampCounter() {
    unsigned long long t;
    __asm__ volatile("rdtsc" : "=A"(t));
    return t;
  }
};
}  // namespace
}  // namespace platform

volatile long long wide = 1234567890123ll;
volatile double real = 2.5;

#ifdef BAD
__attribute__((noinline)) int Larger(int a, int b) {
  int r;
  __asm__("cmpl %2, %1\n\tmovl %1, %0\n\tcmovl %2, %0" : "=&r"(r) : "r"(a), "r"(b) : "cc");
  return r;
}
__attribute__((noinline)) unsigned Unguarded() {
  unsigned a = 0, b, c = 0, d;
  __asm__ volatile("cpuid" : "+a"(a), "=b"(b), "+c"(c), "=d"(d));
  return b;
}
#endif

extern "C" int Start() {
  int r = static_cast<int>(wide / 7 % 1000) + static_cast<int>(real * 3);
  r += static_cast<int>(platform::X86Instructions::Cpuid(0) + platform::X86Instructions::ReadTimeStampCounter());
#ifdef BAD
  r += Larger(r, 3) + static_cast<int>(Unguarded());
#endif
  return r;
}
