// Question banks for the benchmarks: deterministic mixed GB2312 question and
// answer text, about 60 bytes an entry, packed as real bank files.
#pragma once

#include <cstddef>
#include <string>

namespace yz {

// Plain bank text of the given number of "#"-separated entries.
std::string GenerateBankText(size_t entries, unsigned seed = 1);

// The path of a packed bank file of that many entries in the build tree,
// written on first use.
std::string GeneratedBankFile(size_t entries);

}  // namespace yz
