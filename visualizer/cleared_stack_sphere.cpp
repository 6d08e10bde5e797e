#include "cleared_stack_sphere.h"

#include <cstddef>
#include <cstdint>

namespace {

// Comfortably more than GLU 9.0's sphere frame (0x2da8 bytes plus saved registers).
constexpr std::size_t clearedWords = 32 * 1024 / sizeof(std::uint64_t);

// noinline: the array gets a frame of its own, starting where gluSphere's will start, directly
// below the caller's. Not instrumented by AddressSanitizer, which would otherwise keep the array on
// its separate fake stack (detect_stack_use_after_return) instead of the real one. The stores are
// volatile so that they are not dropped as dead, and plain so that no sanitizer interceptor checks
// them against the shadow memory of frames long gone.
[[gnu::noinline, gnu::no_sanitize_address]] void clearStackBelowCaller()
{
    std::uint64_t region[clearedWords];
    volatile std::uint64_t* word = region;
    for (std::size_t i = 0; i < clearedWords; ++i)
        word[i] = 0;
}

} // namespace

void gluSphereOverClearedStack(GLUquadric* quadric, GLdouble radius, GLint slices, GLint stacks)
{
    clearStackBelowCaller();
    gluSphere(quadric, radius, slices, stacks);
}
