#include "process_memory.h"

#include <malloc.h>

#include <cstddef>
#include <fstream>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#define DOSECALC_WITH_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define DOSECALC_WITH_ASAN 1
#endif
#endif

#ifdef DOSECALC_WITH_ASAN
// The sanitizer runtime's allocator statistics (sanitizer/allocator_interface.h, which gcc does
// not ship).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace processmemory {

long statusKilobytes(const char* key)
{
    const std::string wanted = std::string(key) + ':';
    std::ifstream status("/proc/self/status");
    std::string name;
    while (status >> name) {
        if (name == wanted) {
            long kilobytes = -1;
            status >> kilobytes;
            return kilobytes;
        }
        status.ignore(256, '\n');
    }
    return -1;
}

long allocatedHeapKilobytes()
{
#ifdef DOSECALC_WITH_ASAN
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>((info.uordblks + info.hblkhd) / 1024);
#endif
}

bool underAddressSanitizer()
{
#ifdef DOSECALC_WITH_ASAN
    return true;
#else
    return false;
#endif
}

} // namespace processmemory
