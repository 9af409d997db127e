#include "bank/search.h"

#include <algorithm>

#include "bank/byte_search.h"
#include "toolkit/text.h"

namespace yz {

// Walks the arenas of a snapshot. Kept as a friend class so that the
// snapshot's layout stays private to the bank.
class BankSearch {
 public:
  BankSearch(const BankSnapshot& bank, std::string_view query, const SearchOptions& options)
      : bank_(bank), pattern_(query), options_(options), form_(bank.differing_.size(), kOriginal) {}

  std::optional<SearchResult> Run();

 private:
  // How an entry whose half-width form differs takes part in this search.
  enum Form : std::uint8_t { kOriginal, kHalfBefore, kConvertedNow };

  bool Superseded() const {
    return options_.generations && !options_.generations->IsNewest(options_.generation);
  }
  void ConvertEntriesThatMissLiterally();
  // The arenas a search scans: the entries as loaded, the half-width forms
  // of those that differ, and the keys.
  enum Arena { kEntries, kHalfForms, kKeys };

  // Entries with a match in an arena, ascending; stops once they fill the limit.
  std::vector<size_t> Hits(Arena which);
  // Whether a match in that arena counts for the entry in this search.
  bool HitCounts(size_t entry, Arena which) const;
  std::string_view Shown(size_t entry) const;
  SearchResult Assemble(std::vector<size_t> entries) const;

  const BankSnapshot& bank_;
  BytePattern pattern_;
  SearchOptions options_;
  std::vector<Form> form_;  // per differing entry
};

namespace {

// Whether a match at byte offset within text starts on a character.
bool OnCharacterBoundary(std::string_view text, size_t offset) {
  size_t k = 0;
  while (k < offset) k += IsLeadByte(text[k]) ? 2 : 1;
  return k == offset;
}

// Literal find of the pattern in one entry, starting only on characters.
bool ContainsLiterally(std::string_view entry, const BytePattern& pattern) {
  for (size_t from = 0;;) {
    const size_t at = pattern.FindIn(entry, from);
    if (at == std::string_view::npos) return false;
    if (OnCharacterBoundary(entry, at)) return true;
    from = at + 1;
  }
}

}  // namespace

void BankSearch::ConvertEntriesThatMissLiterally() {
  // An entry that does not contain the query as it stands reaches the key
  // step, which converts it to half width; only entries whose half-width form
  // differs can tell. The first search after a load compares most of them
  // (any full-width punctuation makes an entry differ); later searches find
  // them converted and only read their flags.
  for (size_t d = 0; d < bank_.differing_.size(); ++d) {
    std::atomic<bool>& converted = bank_.converted_[d];
    if (converted.load(std::memory_order_acquire)) {
      form_[d] = kHalfBefore;
    } else if (!ContainsLiterally(bank_.Original(bank_.differing_[d]), pattern_)) {
      converted.store(true, std::memory_order_release);
      form_[d] = kConvertedNow;
    }
  }
}

bool BankSearch::HitCounts(size_t entry, Arena which) const {
  if (which == kKeys) return true;
  const long d = bank_.DifferingOrdinal(entry);
  if (d < 0) return which == kEntries;
  // The form the entry was compared in: as loaded unless converted before
  // this search; an entry converted now was compared (and missed) as loaded.
  return which == kHalfForms ? form_[d] == kHalfBefore : form_[d] == kOriginal;
}

std::string_view BankSearch::Shown(size_t entry) const {
  const long d = bank_.DifferingOrdinal(entry);
  return (d >= 0 && form_[d] != kOriginal) ? bank_.HalfForm(d) : bank_.Original(entry);
}

std::vector<size_t> BankSearch::Hits(Arena which) {
  std::vector<size_t> hits;
  const std::string& arena = which == kKeys ? bank_.keys_ : which == kHalfForms ? bank_.half_ : bank_.text_;
  const std::vector<std::uint32_t>& starts =
      which == kKeys ? bank_.keyStart_ : which == kHalfForms ? bank_.halfStart_ : bank_.textStart_;
  size_t shown = 0;
  for (size_t from = 0; shown < options_.limit;) {
    const size_t at = pattern_.FindIn(arena, from);
    if (at == std::string_view::npos) break;
    // The piece holding the match; the zero bytes between pieces are never
    // part of a query, so no match spans two.
    const size_t piece = std::upper_bound(starts.begin(), starts.end(), at) - starts.begin() - 1;
    const std::string_view text = std::string_view(arena).substr(starts[piece], starts[piece + 1] - starts[piece] - 1);
    const size_t entry = which == kHalfForms ? bank_.differing_[piece] : piece;
    if (OnCharacterBoundary(text, at - starts[piece])) {
      if (HitCounts(entry, which)) {
        hits.push_back(entry);
        shown += Shown(entry).size();
      }
      from = starts[piece + 1];  // one hit per entry is enough
    } else {
      from = at + 1;
    }
    if ((hits.size() & 255) == 0 && Superseded()) break;
  }
  return hits;
}

SearchResult BankSearch::Assemble(std::vector<size_t> entries) const {
  std::sort(entries.begin(), entries.end());
  entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
  SearchResult result;
  for (size_t entry : entries) {
    const std::string_view shown = Shown(entry);
    if (shown.empty()) continue;
    const size_t room = options_.limit - result.text.size();
    result.entries.push_back(entry);
    if (shown.size() <= room) {
      result.text.append(shown);
      if (result.text.size() < options_.limit) continue;
    } else {
      result.text.append(CutOnCharacter(shown, room));
      result.truncated = true;
    }
    result.truncated = result.truncated || entry != entries.back();
    break;
  }
  return result;
}

std::optional<SearchResult> BankSearch::Run() {
  if (pattern_.pattern().empty()) return SearchResult{};
  ConvertEntriesThatMissLiterally();
  if (Superseded()) return std::nullopt;
  std::vector<size_t> entries = Hits(kEntries);
  if (Superseded()) return std::nullopt;
  if (!bank_.differing_.empty()) {
    std::vector<size_t> half = Hits(kHalfForms);
    entries.insert(entries.end(), half.begin(), half.end());
  }
  // Keys hold single bytes only: a query with a double-byte character never
  // matches one.
  const std::string_view query = pattern_.pattern();
  std::vector<size_t> keys;
  if (std::none_of(query.begin(), query.end(), IsLeadByte)) keys = Hits(kKeys);
  if (Superseded()) return std::nullopt;
  entries.insert(entries.end(), keys.begin(), keys.end());
  return Assemble(std::move(entries));
}

std::optional<SearchResult> SearchBank(const BankSnapshot& bank, std::string_view query,
                                       const SearchOptions& options) {
  // A text ends at its first zero byte; the arenas use zero bytes to keep
  // matches inside one entry, so none may reach the search.
  return BankSearch(bank, query.substr(0, query.find('\0')), options).Run();
}

}  // namespace yz
