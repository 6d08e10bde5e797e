#pragma once

// The memory this process holds, from /proc (Linux) or the sanitizer's allocator.
namespace processmemory {

// A size line of /proc/self/status ("VmRSS", "RssAnon", "RssFile", ...) in KiB, or -1 when it
// cannot be read.
long statusKilobytes(const char* key);

// Resident set size (VmRSS) in KiB, or -1 when /proc/self/status cannot be read.
inline long residentKilobytes() { return statusKilobytes("VmRSS"); }

// What a leak makes grow, in KiB: the resident size, or in a build with AddressSanitizer, whose
// quarantine keeps freed blocks resident for a while on purpose, the heap still allocated.
struct Reading {
    long kilobytes = -1;
    const char* measure = "";       // "resident size" or "allocated heap"
    bool sanitizerHeap = false;     // the allocated heap of AddressSanitizer's allocator
};
Reading leakMeasure();

} // namespace processmemory
