// Nothing is thrown across the interface table: every entry runs its body through Guarded.
#pragma once

namespace zrt {

// Runs body; answers its result, or fallback when it throws.
template <typename Result, typename Body>
Result Guarded(Result fallback, Body body) noexcept {
  try {
    return body();
  } catch (...) {
    return fallback;
  }
}

// Runs body; anything it throws is swallowed.
template <typename Body>
void Guarded(Body body) noexcept {
  try {
    body();
  } catch (...) {
  }
}

}  // namespace zrt
