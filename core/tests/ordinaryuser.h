#pragma once

#include <functional>
#include <unistd.h>

// Runs f as an ordinary user (nobody) when the test runs as root; false when
// that is not possible here. Root may write where users may not, so the
// access tests need this.
inline bool asOrdinaryUser(const std::function<void()>& f) {
    const bool asRoot = geteuid() == 0;
    if (asRoot && (setresgid(65534, 65534, 0) != 0 || setresuid(65534, 65534, 0) != 0)) {
        [[maybe_unused]] const int restored = setresgid(0, 0, 0);
        return false;
    }
    f();
    if (asRoot) {
        if (setresuid(0, 0, 0) != 0 || setresgid(0, 0, 0) != 0) return false;
    }
    return true;
}
