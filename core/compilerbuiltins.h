#pragma once

// The compiler-specific piece the core uses, behind a small inline function
// with a portable fallback. GCC and Clang take an empty asm statement; any
// other compiler the fallback.

#if defined(__GNUC__) || defined(__clang__)
#define QUARVEL_GNU_BUILTINS 1
#else
#define QUARVEL_GNU_BUILTINS 0
#endif

// The compiler knows nothing of the floating-point status flags and may move
// an operation past the test of its flags: passing the result through here
// makes sure it is really computed first.
template <class T> inline void keepComputed(T& value) {
#if QUARVEL_GNU_BUILTINS
    asm volatile("" : "+m"(value)::"memory");
#else
    // A volatile store and load cannot be moved or left out.
    volatile T copy = value;
    value = copy;
#endif
}
