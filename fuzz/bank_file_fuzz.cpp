// Decoding any bytes as a bank file, then searching it: no crash, and every
// result is an entry of the bank, listed once, in order, within the limit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "bank/bank_file.h"
#include "bank/question_bank.h"
#include "bank/search.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

// Input: the query's length in the first byte, the query, then the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t queryLength = std::min<size_t>(data[0] % 8, size - 1);
  const std::string_view query = input.substr(1, queryLength);
  const std::string_view file = input.substr(1 + queryLength);

  const std::string plain = yz::DecodeBankFile(file);
  Check(plain.find('\0') == std::string::npos);
  yz::BankFileVersion(file);
  const auto bank = yz::BankSnapshot::FromPlainText(plain);
  for (int round = 0; round < 2; ++round) {  // the second sees the conversions of the first
    const auto result = yz::SearchBank(*bank, query);
    Check(result.has_value());
    Check(result->text.size() <= yz::kResultLimit);
    for (size_t i = 0; i < result->entries.size(); ++i) {
      Check(result->entries[i] < bank->size());
      Check(i == 0 || result->entries[i - 1] < result->entries[i]);
    }
  }
  // A bank packed from the plain text gives it back.
  Check(yz::DecodeBankFile(yz::EncodeBankFile(plain, "v")) == plain);
  return 0;
}
