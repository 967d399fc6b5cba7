#pragma once

#include <malloc.h>
#include <unistd.h>

#include <cstdio>

namespace velmor::testing {

// Resident memory of this process in bytes, after handing the allocator's free pages back.
inline long residentBytes() {
    malloc_trim(0);
    long pages = 0;
    long resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * ::sysconf(_SC_PAGESIZE);
}

// AddressSanitizer's quarantine holds freed memory: resident memory then tells nothing.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool underAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool underAddressSanitizer = true;
#else
inline constexpr bool underAddressSanitizer = false;
#endif
#else
inline constexpr bool underAddressSanitizer = false;
#endif

} // namespace velmor::testing
