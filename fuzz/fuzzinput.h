#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// Reads fixed-size values from the front of a fuzz input; once the bytes run
// out every value reads as zero, so any input length is usable.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size) {}

    template <typename T> T take() {
        T value{};
        const size_t n = m_size < sizeof(T) ? m_size : sizeof(T);
        if (n > 0) std::memcpy(&value, m_data, n);
        m_data += n;
        m_size -= n;
        return value;
    }

    // The bytes not taken yet.
    const char* rest() const { return reinterpret_cast<const char*>(m_data); }
    size_t restSize() const { return m_size; }

private:
    const uint8_t* m_data;
    size_t m_size;
};

// A property of the code under test does not hold: report and abort, which
// libFuzzer records as a crash with the input that caused it.
[[noreturn]] inline void fuzzFailure(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) fuzzFailure(#condition);                                                 \
    } while (false)
