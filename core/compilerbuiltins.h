#pragma once

#include <cstdint>

// The few compiler-specific pieces the core uses, each behind a small inline
// function with a portable fallback that gives the same results. GCC and
// Clang take the builtins; any other compiler the fallback.

#if defined(__GNUC__) || defined(__clang__)
#define QUARVEL_GNU_BUILTINS 1
#else
#define QUARVEL_GNU_BUILTINS 0
#endif

// The fallbacks, always compiled so that the tests hold them to the builtins.
namespace portable {

inline bool addOverflows(std::int32_t a, std::int32_t b, std::int32_t& result) {
    const std::int64_t sum = std::int64_t(a) + b;
    result = std::int32_t(std::uint32_t(sum)); // the wrapped value, as the builtin leaves it
    return sum != result;
}

inline bool subtractOverflows(std::int32_t a, std::int32_t b, std::int32_t& result) {
    const std::int64_t difference = std::int64_t(a) - b;
    result = std::int32_t(std::uint32_t(difference));
    return difference != result;
}

} // namespace portable

// a + b into result; true when the true sum does not fit in 32 bits (result
// then holds the wrapped value).
inline bool addOverflows(std::int32_t a, std::int32_t b, std::int32_t& result) {
#if QUARVEL_GNU_BUILTINS
    return __builtin_add_overflow(a, b, &result);
#else
    return portable::addOverflows(a, b, result);
#endif
}

// a - b into result; true when the true difference does not fit in 32 bits.
inline bool subtractOverflows(std::int32_t a, std::int32_t b, std::int32_t& result) {
#if QUARVEL_GNU_BUILTINS
    return __builtin_sub_overflow(a, b, &result);
#else
    return portable::subtractOverflows(a, b, result);
#endif
}

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
