// The text primitives on a megabyte of mixed GBK text.
#include <benchmark/benchmark.h>

#include <string>

#include "toolkit/pinyin.h"
#include "toolkit/text.h"

namespace {

std::string MixedText(size_t bytes) {
  const std::string piece = "第３题：长江流经哪些省份？答案：青海、四川、湖北等 abc123#";
  std::string text;
  while (text.size() < bytes) text += piece;
  return text;
}

void BM_FindMissing(benchmark::State& state) {
  const std::string text = MixedText(1 << 20);
  for (auto _ : state) benchmark::DoNotOptimize(yz::Find(text, "不在其中"));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_FindMissing);

void BM_HalfWidth(benchmark::State& state) {
  const std::string text = MixedText(1 << 20);
  for (auto _ : state) benchmark::DoNotOptimize(yz::HalfWidth(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_HalfWidth);

void BM_Split(benchmark::State& state) {
  const std::string text = MixedText(1 << 20);
  for (auto _ : state) benchmark::DoNotOptimize(yz::Split(text, "#"));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Split);

}  // namespace

BENCHMARK_MAIN();
