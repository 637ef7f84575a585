#include "RobustMutator.h"

namespace Robust {

Random::Random(uint32_t seed)
{
    // splitmix32 step, so that neighbouring seeds start far apart; never 0.
    uint32_t z = seed + 0x9E3779B9u;
    z = (z ^ (z >> 16)) * 0x85EBCA6Bu;
    z = (z ^ (z >> 13)) * 0xC2B2AE35u;
    z ^= z >> 16;
    m_state = z ? z : 0x6D2B79F5u;
}

uint32_t Random::Next()
{
    uint32_t x = m_state;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    m_state = x;
    return x;
}

uint32_t Random::Below(uint32_t n) { return n ? Next() % n : 0; }

} // namespace Robust
