// gluSphere with the same pixels in every run, for the tests that compare whole frames. The binary
// is linked with -Wl,--wrap=gluSphere, so the renderer's calls come here first.
//
// Debian 12's GLU 9.0 reads part of its sphere's normal cache uninitialised when the stacks (30)
// exceed the slices (20): the normals at each sphere's camera-facing pole, and so the pixels
// there, take whatever an earlier call left on the stack, which changes with the address layout
// from run to run. The real gluSphere keeps its caches in a stack frame of about 11.5 KiB just
// below ours; zeroing that region first makes the stale values zeros every time.
#include <GL/glu.h>

#include <cstddef>
#include <cstdint>

namespace {

// Comfortably more than the real gluSphere's frame (0x2da8 bytes plus saved registers).
constexpr std::size_t clearedWords = 32 * 1024 / sizeof(std::uint64_t);

// Not instrumented by AddressSanitizer: an instrumented frame would keep its array on the
// sanitizer's separate fake stack (detect_stack_use_after_return) instead of the real one.
// noinline keeps the array in a frame of its own, directly below the wrapper's. The stores are
// volatile so that they are not dropped as dead, and plain so that no sanitizer interceptor
// checks them against the shadow memory of frames long gone.
[[gnu::noinline, gnu::no_sanitize_address]] void clearStackBelowCaller()
{
    std::uint64_t region[clearedWords];
    volatile std::uint64_t* word = region;
    for (std::size_t i = 0; i < clearedWords; ++i)
        word[i] = 0;
}

} // namespace

extern "C" {

void __real_gluSphere(GLUquadric* quadric, GLdouble radius, GLint slices, GLint stacks);

void __wrap_gluSphere(GLUquadric* quadric, GLdouble radius, GLint slices, GLint stacks)
{
    clearStackBelowCaller();
    __real_gluSphere(quadric, radius, slices, stacks);
}

} // extern "C"
