#pragma once

// The memory this process holds, from /proc (Linux) and the allocator.
namespace processmemory {

// A size line of /proc/self/status ("VmRSS", "RssAnon", "RssFile", ...) in KiB, or -1 when it
// cannot be read.
long statusKilobytes(const char* key);

// Resident set size (VmRSS) in KiB, or -1 when /proc/self/status cannot be read.
inline long residentKilobytes()
{
    return statusKilobytes("VmRSS");
}

// The heap allocated and not yet freed, in KiB: glibc's count (mallinfo2, all arenas), or in a
// build with AddressSanitizer its allocator's. Unlike the resident size it falls when memory is
// freed and rises when freed memory is reused, so it shows growth the resident size hides.
long allocatedHeapKilobytes();

// Whether this build runs under AddressSanitizer, whose quarantine keeps freed blocks resident on
// purpose (the resident size then says little about leaks).
bool underAddressSanitizer();

} // namespace processmemory
