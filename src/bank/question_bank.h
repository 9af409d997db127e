// The loaded question bank. Each load builds an immutable BankSnapshot and
// publishes it as a whole; a search keeps the snapshot it started with, so a
// reload never pulls entries from under it.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace yz {

// The pinyin-initials key of a text: single-byte characters unchanged, the
// first letter of the first reading for each Chinese character, nothing for
// other double-byte characters.
std::string PinyinInitials(std::string_view text);

class BankSnapshot {
 public:
  // Entries are the pieces of the plain text between "#" separators.
  static std::shared_ptr<const BankSnapshot> FromPlainText(std::string_view plain);
  static std::shared_ptr<const BankSnapshot> Empty();

  size_t size() const { return textStart_.size() - 1; }
  // The entry as it now stands: its half-width form once a search has
  // converted it, as loaded before.
  std::string_view Entry(size_t i) const;
  // The key of the half-width form.
  std::string_view Key(size_t i) const;
  // Bytes held, for the benchmarks.
  size_t MemoryBytes() const;

 private:
  friend class BankSearch;
  BankSnapshot() = default;

  std::string_view Original(size_t i) const { return Piece(text_, textStart_, i); }
  std::string_view HalfForm(size_t ordinal) const { return Piece(half_, halfStart_, ordinal); }
  // Index into differing_ of entry i, or -1 when its half-width form is itself.
  long DifferingOrdinal(size_t i) const;
  static std::string_view Piece(const std::string& arena, const std::vector<std::uint32_t>& starts, size_t i) {
    return std::string_view(arena).substr(starts[i], starts[i + 1] - starts[i] - 1);
  }

  // Every arena holds its pieces one after another, each ended by a zero byte,
  // so that one pass finds matches in all of them and none spans two.
  std::string text_;                     // entries as loaded
  std::vector<std::uint32_t> textStart_;  // size() + 1 offsets
  std::string keys_;
  std::vector<std::uint32_t> keyStart_;
  // Only entries whose half-width form differs have one of their own.
  std::vector<std::uint32_t> differing_;  // entry indices, ascending
  std::string half_;
  std::vector<std::uint32_t> halfStart_;
  // Set once by the first search that reaches the entry's key: from then on
  // the entry is compared and shown in its half-width form.
  std::unique_ptr<std::atomic<bool>[]> converted_;
};

class QuestionBank {
 public:
  QuestionBank() : current_(BankSnapshot::Empty()) {}

  // The bank as now published; never null.
  std::shared_ptr<const BankSnapshot> Snapshot() const;

  // A load takes a ticket when it starts and publishes with it; a load that
  // started before the published one is dropped, so an old file read slowly
  // cannot replace a newer bank.
  std::uint64_t BeginLoad() { return ++loadsBegun_; }
  bool Publish(std::uint64_t ticket, std::shared_ptr<const BankSnapshot> snapshot);

 private:
  mutable std::mutex mutex_;  // held only to copy or swap the pointer
  std::shared_ptr<const BankSnapshot> current_;
  std::uint64_t publishedTicket_ = 0;
  std::atomic<std::uint64_t> loadsBegun_ = 0;
};

// Reads and decodes the bank file at path and publishes it; a missing or
// unreadable file publishes an empty bank.
void LoadQuestionBank(QuestionBank& bank, std::string_view path);

}  // namespace yz
