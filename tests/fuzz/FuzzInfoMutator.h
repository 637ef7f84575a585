// Inputs for the readers of outside data: hostile texts, names and
// registry paths, and install-info files mutated from the seeds (the demo
// set, the author guide's examples, the author tool's clean sample) both
// by structure (sections, keys, macros, numbered keys) and byte by byte.
#pragma once
#include <string>
#include <vector>
#include "FuzzRun.h"
#include "FuzzText.h"

namespace Fuzz {

// A file name as an author might write one, or one meant to escape the
// install folder ("..", drives, streams, leading separators, wildcards).
std::wstring HostileFileName(Random& r);

// A registry path string: the six roots in any case, short forms, "%NULL%",
// empty parts, trailing backslashes, macros, very deep keys.
std::wstring HostileRegPath(Random& r);

// A number as text: signs, spaces, overflow, hexadecimal, trailing letters.
std::wstring HostileNumber(Random& r);

// The seed install-info texts (line ends as written).
const std::vector<std::wstring>& InfoSeeds();

// An install-info text mutated from a seed by structure.
std::wstring MutateInfoText(Random& r);

// The text as file bytes: mostly UTF-16LE with its mark, sometimes without
// a mark, big-endian, UTF-8 or ANSI.
std::string EncodeInfo(const std::wstring& text, Random& r);

// Byte-wise damage: flipped and random bytes, zero units, odd lengths,
// cut, repeated and dropped pieces.
std::string MutateBytes(std::string bytes, Random& r);

// A complete install-info file: structure mutation, encoding and, for
// about a third of the inputs, byte-wise damage; one in 64 gets a kind of
// damage of the robustness run instead.
std::string MakeInfoFile(Random& r);

} // namespace Fuzz
