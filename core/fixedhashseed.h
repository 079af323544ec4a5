#pragma once

#include <QHashFunctions>

// Qt's PDF writer keeps its fonts in hashes and writes them in hash order;
// with a fixed seed every run writes the same bytes. The seed is put back
// afterwards unless it was already fixed.
class FixedHashSeed {
public:
    FixedHashSeed()
        : m_wasFixed(size_t(QHashSeed::globalSeed()) == 0) {
        QHashSeed::setDeterministicGlobalSeed();
    }
    ~FixedHashSeed() {
        if (!m_wasFixed) QHashSeed::resetRandomGlobalSeed();
    }
    FixedHashSeed(const FixedHashSeed&) = delete;
    FixedHashSeed& operator=(const FixedHashSeed&) = delete;

private:
    bool m_wasFixed;
};
