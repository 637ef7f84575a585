// Mutated install-info files for the robustness run. Each input starts
// from a sound file (the demo set's) and breaks it in one way chosen by
// the input's number; the random choices come from a seeded generator, so
// a seed and a number always give the same bytes.
#pragma once
#include <cstdint>
#include <string>

namespace Robust {

// A small deterministic generator (xorshift32 seeded through splitmix).
class Random {
public:
    explicit Random(uint32_t seed);
    uint32_t Next();
    // Uniform in [0, n); 0 when n is 0.
    uint32_t Below(uint32_t n);

private:
    uint32_t m_state;
};

struct Mutation {
    const char* kind = "";  // what was done, for the report
    std::string bytes;      // the file as written to disk
};

// Text as UTF-16LE bytes, without a byte-order mark.
std::string Utf16Bytes(const std::wstring& text);

// How many different kinds of damage there are; input i gets kind i % Kinds().
int Kinds();

// The bytes of input `index`: the sound file `base` (UTF-16LE text with its
// byte-order mark) broken in the way of kind index % Kinds().
Mutation Mutate(const std::string& base, uint32_t seed, int index);

} // namespace Robust
