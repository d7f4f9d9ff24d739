// A broken invariant in a fuzz target: abort, so libFuzzer keeps the input.
#pragma once

#include <cstdlib>

namespace fuzz {

inline void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace fuzz
