// Hostile texts and their display in report lines, shared by the fuzz
// run's program and its library of NelWnd targets (FuzzLibrary.cpp).
#pragma once
#include <cstdint>
#include <string>
#include "RobustMutator.h"

namespace Fuzz {

using Robust::Random;

// A random count in [lo, hi], smaller values far more likely than larger
// ones (hostile sizes are rare but present).
uint32_t Skewed(Random& r, uint32_t lo, uint32_t hi);

// A text of hostile shape: control characters, line breaks, "%" macros,
// brackets, path separators, Japanese, half-width kana, lone surrogates;
// sometimes long, sometimes only line breaks or one character repeated.
std::wstring HostileText(Random& r, uint32_t maxLength = 400);

// A text for a report line: quoted, escaped, cut after about 160 bytes.
std::string Show(const std::wstring& text);
std::string Show(const std::string& bytes);

} // namespace Fuzz
