#pragma once

// The few system calls quarvel-cli makes, and how it starts.
//
// On x86-64 Linux the launcher is built freestanding (QUARVEL_FREESTANDING_LAUNCHER):
// no C library at all, its own entry point and raw system calls. It runs for
// every batch command before the real program replaces it, and a static C
// library alone touches some twenty more pages at start, each fault costing
// 10-26 us on the machines we measured: about a millisecond per command.
// Elsewhere, and under the sanitizers, the same calls go through the C library.

#include <cstddef>

namespace launcher {

#ifdef QUARVEL_FREESTANDING_LAUNCHER

inline long systemCall(long number, long a, long b, long c) {
    long result;
    asm volatile("syscall"
                 : "=a"(result)
                 : "a"(number), "D"(a), "S"(b), "d"(c)
                 : "rcx", "r11", "memory");
    return result;
}

// The calls return -errno on failure, as the kernel does.
inline long readLink(const char* path, char* buffer, std::size_t size) {
    return systemCall(89, long(path), long(buffer), long(size));
}
inline long execute(const char* path, char** argv, char** envp) {
    return systemCall(59, long(path), long(argv), long(envp));
}
inline void writeError(const char* text, std::size_t size) {
    systemCall(1, 2, long(text), long(size));
}
[[noreturn]] inline void exitProcess(int code) {
    for (;;)
        systemCall(231, code, 0, 0);
}

#else

long readLink(const char* path, char* buffer, std::size_t size);
long execute(const char* path, char** argv, char** envp);
void writeError(const char* text, std::size_t size);
[[noreturn]] void exitProcess(int code);

#endif

} // namespace launcher
