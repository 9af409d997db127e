// tkbank pack's input: any bytes as UTF-8 bank text. Either the first place it
// cannot be packed is named, or packing and unpacking give it back exactly.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "bank/bank_file.h"
#include "tkbank/tkbank.h"
#include "toolkit/codepage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view utf8(reinterpret_cast<const char*>(data), size);
  const std::string problem = yz::FirstUnpackableCharacter(utf8);
  if (!problem.empty()) {
    if (problem.rfind("line ", 0) != 0) std::abort();
    return 0;
  }
  const std::string gbk = yz::Utf8ToGbk(utf8);
  if (!utf8.empty() && gbk.empty()) std::abort();
  if (yz::GbkToUtf8(yz::DecodeBankFile(yz::EncodeBankFile(gbk, "1"))) != utf8) std::abort();
  return 0;
}
