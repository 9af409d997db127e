// The question bank at 100,000 and 400,000 entries: load, search and memory.
// Each search benchmark also times a bare memmem pass over the same bytes the
// search scans (every entry and every key) and prints the ratio.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "bank/bank_file.h"
#include "bank/question_bank.h"
#include "bank/search.h"
#include "bankgen/bank_generator.h"
#include "toolkit/runtime.h"

namespace yz {
namespace {

using Clock = std::chrono::steady_clock;

struct LoadedBank {
  std::shared_ptr<const BankSnapshot> snapshot;
  std::string entryBytes, keyBytes;  // what the bare pass scans
};

const LoadedBank& Bank(size_t entries) {
  static std::map<size_t, LoadedBank> banks;
  LoadedBank& bank = banks[entries];
  if (!bank.snapshot) {
    bank.entryBytes = DecodeBankFile(ReadWholeFile(GeneratedBankFile(entries)));
    bank.snapshot = BankSnapshot::FromPlainText(bank.entryBytes);
    for (size_t i = 0; i < bank.snapshot->size(); ++i) bank.keyBytes.append(bank.snapshot->Key(i)).push_back('\0');
    // Searches convert entries with full-width forms once; the tool's first
    // search does that, every later one finds them converted.
    SearchBank(*bank.snapshot, "vq");
  }
  return bank;
}

void BM_Load(benchmark::State& state) {
  const size_t entries = static_cast<size_t>(state.range(0));
  const std::string path = GeneratedBankFile(entries);
  const size_t fileBytes = ReadWholeFile(path).size();
  QuestionBank bank;
  for (auto _ : state) LoadQuestionBank(bank, path);
  const auto snapshot = bank.Snapshot();
  const size_t textBytes = DecodeBankFile(ReadWholeFile(path)).size();
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fileBytes));
  state.counters["entries"] = static_cast<double>(snapshot->size());
  state.counters["file_MB"] = fileBytes / 1e6;
  state.counters["bytes_per_entry"] = static_cast<double>(snapshot->MemoryBytes()) / snapshot->size();
  state.counters["memory_x_text"] = static_cast<double>(snapshot->MemoryBytes()) / textBytes;
}
BENCHMARK(BM_Load)->Arg(100000)->Arg(400000)->Unit(benchmark::kMillisecond);

// Milliseconds of one memmem pass over the entries and the keys (best of 20).
double BarePassMs(const LoadedBank& bank, const std::string& query) {
  double best = 1e9;
  for (int round = 0; round < 20; ++round) {
    const auto start = Clock::now();
    for (const std::string* bytes : {&bank.entryBytes, &bank.keyBytes}) {
      const void* hit = memmem(bytes->data(), bytes->size(), query.data(), query.size());
      benchmark::DoNotOptimize(hit);
    }
    best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  return best;
}

void Search(benchmark::State& state, const LoadedBank& bank, const std::string& query) {
  size_t found = 0;
  const auto start = Clock::now();
  for (auto _ : state) found = SearchBank(*bank.snapshot, query)->entries.size();
  const double searchMs =
      std::chrono::duration<double, std::milli>(Clock::now() - start).count() / state.iterations();
  const double bareMs = BarePassMs(bank, query);
  state.counters["found"] = static_cast<double>(found);
  state.counters["bare_memmem_ms"] = bareMs;
  state.counters["x_bare"] = searchMs / bareMs;
}

const LoadedBank& BankOf(const benchmark::State& state) { return Bank(static_cast<size_t>(state.range(0))); }

// No entry and no key holds a v: the whole bank and all its keys are scanned.
void BM_SearchMissWorstCase(benchmark::State& state) { Search(state, BankOf(state), "vqvq"); }
void BM_SearchMissTwoLetters(benchmark::State& state) { Search(state, BankOf(state), "vq"); }
// Typical queries, taken from an entry in the middle of the bank: three
// pinyin initials, or its first two characters.
void BM_SearchPinyin(benchmark::State& state) {
  const LoadedBank& bank = BankOf(state);
  Search(state, bank, std::string(bank.snapshot->Key(bank.snapshot->size() / 2).substr(0, 3)));
}
void BM_SearchChinese(benchmark::State& state) {
  const LoadedBank& bank = BankOf(state);
  Search(state, bank, std::string(bank.snapshot->Entry(bank.snapshot->size() / 2).substr(0, 4)));
}
// The first search after a load also compares every entry with full-width
// forms as loaded, and converts those that miss.
void BM_FirstSearchAfterLoad(benchmark::State& state) {
  const LoadedBank& bank = BankOf(state);
  for (auto _ : state) {
    state.PauseTiming();
    auto fresh = BankSnapshot::FromPlainText(bank.entryBytes);
    state.ResumeTiming();
    benchmark::DoNotOptimize(SearchBank(*fresh, "vqvq"));
    state.PauseTiming();
    fresh.reset();  // released outside the timing
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FirstSearchAfterLoad)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(10);

BENCHMARK(BM_SearchMissWorstCase)->Arg(100000)->Arg(400000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchMissTwoLetters)->Arg(100000)->Arg(400000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchPinyin)->Arg(100000)->Arg(400000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchChinese)->Arg(100000)->Arg(400000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace yz

BENCHMARK_MAIN();
