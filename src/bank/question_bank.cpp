#include "bank/question_bank.h"

#include <algorithm>
#include <utility>

#include "bank/bank_file.h"
#include "toolkit/pinyin.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"

namespace yz {
namespace {

void AppendPiece(std::string& arena, std::vector<std::uint32_t>& starts, std::string_view piece) {
  arena.append(piece);
  arena.push_back('\0');
  starts.push_back(static_cast<std::uint32_t>(arena.size()));
}

void AppendInitials(std::string& key, std::string_view text) {
  for (size_t k = 0; k < text.size();) {
    const auto lead = static_cast<unsigned char>(text[k]);
    if (lead < 0x80) {
      key.push_back(static_cast<char>(lead));
      ++k;
      continue;
    }
    if (k + 1 < text.size() && IsLeadByte(text[k + 1])) {
      if (char initial = PinyinInitial(lead, static_cast<unsigned char>(text[k + 1]))) key.push_back(initial);
    }
    k += 2;
  }
}

}  // namespace

std::string PinyinInitials(std::string_view text) {
  std::string key;
  AppendInitials(key, text);
  return key;
}

std::shared_ptr<const BankSnapshot> BankSnapshot::FromPlainText(std::string_view plain) {
  std::shared_ptr<BankSnapshot> bank(new BankSnapshot);
  // Sizes are known up to the half-width forms and the keys: a key takes at
  // most a byte for each byte of its entry.
  bank->text_.reserve(plain.size() + 1);
  bank->half_.reserve(plain.size() + 1);
  bank->keys_.reserve(plain.size() + 1);
  bank->textStart_.push_back(0);
  bank->keyStart_.push_back(0);
  bank->halfStart_.push_back(0);
  std::uint32_t index = 0;
  ForEachPiece(plain, kEntrySeparator, [&](std::string_view entry) {
    AppendPiece(bank->text_, bank->textStart_, entry);
    const size_t mark = bank->half_.size();
    AppendHalfWidth(bank->half_, entry);
    std::string_view half(bank->half_.data() + mark, bank->half_.size() - mark);
    if (half == entry) {
      bank->half_.resize(mark);
      half = entry;
    } else {
      bank->half_.push_back('\0');
      bank->halfStart_.push_back(static_cast<std::uint32_t>(bank->half_.size()));
      bank->differing_.push_back(index);
    }
    AppendInitials(bank->keys_, half);
    bank->keys_.push_back('\0');
    bank->keyStart_.push_back(static_cast<std::uint32_t>(bank->keys_.size()));
    ++index;
  });
  // A bank lives long and is never added to: hold only what it uses.
  for (std::string* arena : {&bank->text_, &bank->half_, &bank->keys_}) arena->shrink_to_fit();
  for (auto* starts : {&bank->textStart_, &bank->keyStart_, &bank->halfStart_, &bank->differing_}) {
    starts->shrink_to_fit();
  }
  bank->converted_ = std::make_unique<std::atomic<bool>[]>(bank->differing_.size());
  return bank;
}

std::shared_ptr<const BankSnapshot> BankSnapshot::Empty() {
  static const std::shared_ptr<const BankSnapshot> empty = FromPlainText({});
  return empty;
}

long BankSnapshot::DifferingOrdinal(size_t i) const {
  const auto at = std::lower_bound(differing_.begin(), differing_.end(), i);
  return (at != differing_.end() && *at == i) ? at - differing_.begin() : -1;
}

std::string_view BankSnapshot::Entry(size_t i) const {
  const long d = DifferingOrdinal(i);
  return (d >= 0 && converted_[d].load(std::memory_order_acquire)) ? HalfForm(d) : Original(i);
}

std::string_view BankSnapshot::Key(size_t i) const { return Piece(keys_, keyStart_, i); }

size_t BankSnapshot::MemoryBytes() const {
  return sizeof(*this) + text_.capacity() + keys_.capacity() + half_.capacity() +
         (textStart_.capacity() + keyStart_.capacity() + halfStart_.capacity() + differing_.capacity()) *
             sizeof(std::uint32_t) +
         differing_.size() * sizeof(std::atomic<bool>);
}

std::shared_ptr<const BankSnapshot> QuestionBank::Snapshot() const {
  std::lock_guard lock(mutex_);
  return current_;
}

bool QuestionBank::Publish(std::uint64_t ticket, std::shared_ptr<const BankSnapshot> snapshot) {
  std::shared_ptr<const BankSnapshot> old;  // released outside the lock
  std::lock_guard lock(mutex_);
  if (ticket < publishedTicket_) return false;
  publishedTicket_ = ticket;
  old = std::exchange(current_, snapshot ? std::move(snapshot) : BankSnapshot::Empty());
  return true;
}

void LoadQuestionBank(QuestionBank& bank, std::string_view path) {
  const std::uint64_t ticket = bank.BeginLoad();
  bank.Publish(ticket, BankSnapshot::FromPlainText(DecodeBankFile(ReadWholeFile(path))));
}

}  // namespace yz
