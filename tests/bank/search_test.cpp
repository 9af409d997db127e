#include "bank/search.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "bank/bank_file.h"

namespace yz {
namespace {

using Entries = std::vector<size_t>;

std::string Shown(const BankSnapshot& bank, std::string_view query) {
  return SearchBank(bank, query)->text;
}
Entries Found(const BankSnapshot& bank, std::string_view query) {
  return SearchBank(bank, query)->entries;
}

TEST(PinyinInitialsTest, Keys) {
  struct Case {
    std::string text, key;
  } cases[] = {
      {"中国", "zg"},
      {"第3题", "d3t"},
      {"阿Q正传", "aQzc"},
      {"行长乐", "xcl"},
      {"你好，世界！", "nhsj"},    // full-width punctuation has no reading
      {"\x81\x40" "a", "a"},      // a GBK character beyond GB2312 adds nothing
      {"\xB0\x41", ""},           // a lead byte with an ASCII trail: nothing, both bytes skipped
      {"a\xB0", "a"},             // a lead byte at the very end
      {"多行\r\n答案", "dx\r\nda"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PinyinInitials(c.text), c.key) << "text: " << c.text;
  }
}

TEST(SearchBankTest, LiteralAndPinyinMatches) {
  const auto bank = BankSnapshot::FromPlainText(
      "中国的首都？北京#第3题：长江#行不行#快乐#阿里山#\xD6\xD0\xB9\xFA#多行\r\n答案");
  struct Case {
    std::string query;
    Entries entries;
  } cases[] = {
      {"zg", {0, 5}},       // by key; 中国 also as bytes in entry 5
      {"ZG", {}},           // keys are lower case and the query case-sensitive
      {"北京", {0}},
      {"d3", {1}},          // digits stay among the initials
      {"3题", {1}},
      {"cj", {1}},          // 长 counts as chang
      {"xbx", {2}},         // 行 as xing
      {"kl", {3}},          // 乐 as le
      {"a", {4, 6}},        // 阿, and the "da" of 答案
      {"中国", {0, 5}},
      {"中华", {}},         // no literal match, and a Chinese query never matches a key
      {"\xD0\xB9", {}},     // bytes that straddle two characters are no match
      {"\r\n", {6}},
      {"dx\r\nda", {6}},
      {"", {}},
      {std::string("\0", 1), {}},             // a text ends at its first zero byte
      {std::string("cj\0zz", 5), {1}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Found(*bank, c.query), c.entries) << "query: " << c.query;
  }
  // Entries found through their key are shown half width.
  EXPECT_EQ(Shown(*bank, "d3"), "第3题:长江");
  EXPECT_EQ(Shown(*bank, "zg"), "中国的首都?北京中国");  // appended with nothing between
}

TEST(SearchBankTest, EmptyEntriesAreNeverListed) {
  const auto bank = BankSnapshot::FromPlainText("#a##a#");
  EXPECT_EQ(bank->size(), 4u);  // "", a, "", a: the trailing "#" adds none
  EXPECT_EQ(Found(*bank, "a"), (Entries{1, 3}));
}

TEST(SearchBankTest, FullWidthEntriesTurnHalfWidthOnceTheyReachTheKey) {
  const auto bank = BankSnapshot::FromPlainText("ＡＢ选项#ＡＢ#ＣＤ");
  // A literal match leaves the entry as it is.
  EXPECT_EQ(Found(*bank, "ＡＢ"), (Entries{0, 1}));
  EXPECT_EQ(bank->Entry(0), "ＡＢ选项");
  EXPECT_EQ(bank->Entry(2), "CD");  // missed literally: converted
  EXPECT_EQ(Found(*bank, "ＣＤ"), Entries{});

  // AB is found through the key, shown half width, and stays so.
  EXPECT_EQ(Shown(*bank, "AB"), "AB选项AB");
  EXPECT_EQ(bank->Entry(0), "AB选项");
  EXPECT_EQ(Found(*bank, "ＡＢ"), Entries{});
  EXPECT_EQ(Found(*bank, "B选"), Entries{0});  // now a literal match of the half-width form
}

TEST(SearchBankTest, AHalfWidthMatchCountsOnlyAfterTheConversion) {
  // In the first search the entry is compared as loaded and its key holds no
  // Chinese, so "B选" misses; the search converts it, and the next one finds it.
  const auto bank = BankSnapshot::FromPlainText("ＡＢ选项");
  EXPECT_EQ(Found(*bank, "B选"), Entries{});
  EXPECT_EQ(Found(*bank, "B选"), Entries{0});
}

TEST(SearchBankTest, ResultsStopAtTheLimitOnACharacter) {
  std::string longEntry = "a";
  for (int i = 0; i < 200; ++i) longEntry += "题";
  const auto bank = BankSnapshot::FromPlainText("x1#" + longEntry + "#x2");
  const auto result = SearchBank(*bank, "a");
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, longEntry.substr(0, 299));  // 300 would split a character
  EXPECT_TRUE(result->truncated);

  std::string plain;
  for (int i = 0; i < 100; ++i) plain += "题目" + std::to_string(i) + "#";
  const auto many = BankSnapshot::FromPlainText(plain);
  const auto capped = SearchBank(*many, "tm");
  EXPECT_EQ(capped->text.size(), kResultLimit);
  EXPECT_TRUE(capped->truncated);
  const auto all = SearchBank(*many, "tm", {.limit = SIZE_MAX});
  EXPECT_EQ(all->entries.size(), 100u);
  EXPECT_FALSE(all->truncated);
  EXPECT_EQ(all->text.substr(0, kResultLimit), capped->text);
}

TEST(SearchBankTest, ASupersededSearchGivesNothing) {
  const auto bank = BankSnapshot::FromPlainText("中国#美国");
  SearchGenerations generations;
  const std::uint64_t first = generations.Next();
  const std::uint64_t second = generations.Next();
  EXPECT_FALSE(SearchBank(*bank, "g", {.generations = &generations, .generation = first}));
  const auto newest = SearchBank(*bank, "g", {.generations = &generations, .generation = second});
  ASSERT_TRUE(newest);
  EXPECT_EQ(newest->entries, (Entries{0, 1}));
}

// Searches started in quick succession, each on its own thread, hand their
// results to a result box that keeps only the newest generation's: whatever
// the threads' order, the box ends with the last query's results, once.
TEST(SearchBankTest, OnlyTheNewestQueryReachesTheResultBox) {
  std::string plain;
  for (int i = 0; i < 3000; ++i) plain += (i % 3 ? "长江第" : "黄河第") + std::to_string(i) + "题#";
  QuestionBank bank;
  bank.Publish(bank.BeginLoad(), BankSnapshot::FromPlainText(plain));
  SearchGenerations generations;
  std::mutex boxMutex;
  std::uint64_t boxGeneration = 0;
  std::string box;
  std::vector<std::thread> searches;
  for (const char* query : {"c", "cj", "cjd"}) {
    const std::uint64_t generation = generations.Next();
    searches.emplace_back([&, query, generation] {
      const auto result = SearchBank(*bank.Snapshot(), query,
                                     {.generations = &generations, .generation = generation});
      std::lock_guard lock(boxMutex);  // the UI thread's side: drop what is stale
      if (result && generations.IsNewest(generation) && generation > boxGeneration) {
        boxGeneration = generation;
        box = result->text;
      }
    });
  }
  for (auto& t : searches) t.join();
  EXPECT_EQ(box, SearchBank(*bank.Snapshot(), "cjd")->text);
  EXPECT_EQ(box.find("黄河"), std::string::npos);
  EXPECT_EQ(box.substr(0, 18), "长江第1题长江第2题");
}

// Loads, searches and the half-width conversion all at once on one bank; run
// under ThreadSanitizer this shows that no search reads a released or
// half-written entry.
TEST(QuestionBankTest, LoadsAndSearchesRaceSafely) {
  QuestionBank bank;
  std::atomic<bool> stop = false;
  std::vector<std::thread> threads;
  for (int loader = 0; loader < 2; ++loader) {
    threads.emplace_back([&, loader] {
      for (int round = 0; round < 30; ++round) {
        std::string plain;
        for (int i = 0; i < 200 + round * 10 * loader; ++i) plain += "ＡＢ第" + std::to_string(i) + "题　长江#";
        bank.Publish(bank.BeginLoad(), BankSnapshot::FromPlainText(plain));
      }
      stop = true;
    });
  }
  std::atomic<int> searches = 0;
  for (int searcher = 0; searcher < 3; ++searcher) {
    threads.emplace_back([&] {
      const char* queries[] = {"AB", "ＡＢ", "d1", "长江", "B第1"};
      for (int i = 0; !stop || i < 10; ++i) {
        const auto snapshot = bank.Snapshot();
        const auto result = SearchBank(*snapshot, queries[i % 5]);
        ASSERT_TRUE(result);
        for (size_t entry : result->entries) ASSERT_LT(entry, snapshot->size());
        if (snapshot->size()) {
          ASSERT_FALSE(snapshot->Entry(snapshot->size() - 1).empty());
        }
        ++searches;
      }
    });
  }
  for (auto& t : threads) t.join();
  EXPECT_GT(searches, 0);
  const auto last = bank.Snapshot();
  EXPECT_EQ(Shown(*last, "AB").substr(0, 8), "AB第0题 ");
}

TEST(QuestionBankTest, AnOlderLoadDoesNotReplaceANewerBank) {
  QuestionBank bank;
  const std::uint64_t slow = bank.BeginLoad();
  const std::uint64_t fast = bank.BeginLoad();
  EXPECT_TRUE(bank.Publish(fast, BankSnapshot::FromPlainText("新#题")));
  EXPECT_FALSE(bank.Publish(slow, BankSnapshot::FromPlainText("旧")));
  EXPECT_EQ(bank.Snapshot()->size(), 2u);
}

}  // namespace
}  // namespace yz
