// The search: the entries of the bank, in bank order and each once, that
// contain the query literally or whose pinyin-initials key contains it.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bank/question_bank.h"

namespace yz {

// The result box holds at most this many GBK bytes.
inline constexpr size_t kResultLimit = 300;

// Every change of either search box starts a search with a new generation;
// a search whose generation is no longer the newest stops, and its output is
// dropped, so the result box only ever shows the newest query's results.
class SearchGenerations {
 public:
  std::uint64_t Next() { return newest_.fetch_add(1, std::memory_order_acq_rel) + 1; }
  bool IsNewest(std::uint64_t generation) const {
    return newest_.load(std::memory_order_acquire) == generation;
  }

 private:
  std::atomic<std::uint64_t> newest_ = 0;
};

struct SearchResult {
  std::vector<size_t> entries;  // indices into the snapshot, ascending
  std::string text;             // the entries as shown, one after another, cut at the limit
  bool truncated = false;       // whether the limit cut anything off
};

struct SearchOptions {
  size_t limit = kResultLimit;
  // When set, the search stops as soon as generation is no longer the newest.
  const SearchGenerations* generations = nullptr;
  std::uint64_t generation = 0;
};

// Nothing when superseded; an empty result for an empty query or bank.
// Entries that reach the key step are converted to their half-width form
// for this and every later search on the snapshot.
std::optional<SearchResult> SearchBank(const BankSnapshot& bank, std::string_view query,
                                       const SearchOptions& options = {});

}  // namespace yz
