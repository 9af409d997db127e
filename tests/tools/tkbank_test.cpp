// tkbank on real files: the committed sample, generated text and bad input.
#include "tkbank/tkbank.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "bank/bank_file.h"
#include "bank/question_bank.h"
#include "bank/search.h"
#include "toolkit/codepage.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"

namespace yz {
namespace {

struct Outcome {
  int code;
  std::string out, err;
};

Outcome Tkbank(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int code = RunTkbank(args, out, err);
  return {code, out.str(), err.str()};
}

// Paths as tkbank takes them: UTF-8, and GBK for the file facilities.
std::string Utf8Path(const std::string& name) { return GbkToUtf8(RunDirectory() + "/" + name); }
std::string GbkPath(const std::string& name) { return RunDirectory() + "/" + name; }

const std::string kSampleBank = "sample/库/tk.txt";
const std::string kSamplePlain = "sample/bank.txt";

TEST(TkbankTest, TheCommittedSampleBankHoldsTheSampleText) {
  const Outcome unpacked = Tkbank({"unpack", Utf8Path(kSampleBank)});
  ASSERT_EQ(unpacked.code, 0) << unpacked.err;
  EXPECT_EQ(unpacked.out, ReadWholeFile(GbkPath(kSamplePlain)));
  const Outcome info = Tkbank({"info", Utf8Path(kSampleBank)});
  EXPECT_NE(info.out.find("entries: 60\n"), std::string::npos) << info.out;
}

TEST(TkbankTest, PackThenUnpackGivesTheInputBack) {
  std::mt19937 random(7);
  std::string generated;
  const char* pieces[] = {"#", "\r\n", "abc", "１２", "？"};
  for (int i = 0; i < 5000; ++i) {
    if (random() % 4 == 0) {
      generated += GbkToUtf8(pieces[random() % 5]);
    } else {  // any GB2312 ideograph
      generated += GbkToUtf8(std::string{char(0xB0 + random() % 0x27), char(0xA1 + random() % 94)});
    }
  }
  ASSERT_TRUE(WriteWholeFile(GbkPath("generated.txt"), generated));
  for (const std::string& plain : {std::string("sample/bank.txt"), std::string("generated.txt")}) {
    const Outcome pack = Tkbank({"pack", Utf8Path(plain), "--version", "2026.1", "-o", Utf8Path("packed.txt")});
    ASSERT_EQ(pack.code, 0) << pack.err;
    EXPECT_EQ(Tkbank({"unpack", Utf8Path("packed.txt")}).out, ReadWholeFile(GbkPath(plain))) << plain;
    EXPECT_EQ(Tkbank({"unpack", Utf8Path("packed.txt"), "--gbk"}).out,
              Utf8ToGbk(ReadWholeFile(GbkPath(plain))));
    EXPECT_EQ(BankFileVersion(ReadWholeFile(GbkPath("packed.txt"))), "2026.1");
  }
}

TEST(TkbankTest, SearchAndKeyAgreeWithTheToolsSearch) {
  // Each tkbank run loads the bank afresh, so none of its entries has been
  // turned half width by an earlier search.
  auto fresh = [] { return BankSnapshot::FromPlainText(DecodeBankFile(ReadWholeFile(GbkPath(kSampleBank)))); };
  for (const std::string query : {"长江", "cj", "H2O", "zh", "答案", "a", "不在库中"}) {
    const auto expected = SearchBank(*fresh(), query);
    EXPECT_EQ(Tkbank({"search", Utf8Path(kSampleBank), GbkToUtf8(query)}).out, GbkToUtf8(expected->text) + "\n")
        << GbkToUtf8(query);
    const auto all = SearchBank(*fresh(), query, {.limit = SIZE_MAX});
    EXPECT_EQ(Tkbank({"search", Utf8Path(kSampleBank), GbkToUtf8(query), "--all"}).out, GbkToUtf8(all->text) + "\n");
  }
  EXPECT_EQ(Tkbank({"key", GbkToUtf8("第３题：行长乐")}).out, "d3t:xcl\n");
}

TEST(TkbankTest, BadInputGivesAMessageAndExitCode2) {
  ASSERT_TRUE(WriteWholeFile(GbkPath("emoji.txt"), "ok\n#x" + std::string(reinterpret_cast<const char*>(u8"😀"))));
  ASSERT_TRUE(WriteWholeFile(GbkPath("badutf8.txt"), "ok\xFF"));
  ASSERT_TRUE(WriteWholeFile(GbkPath("zero.txt"), std::string("a\0b", 3)));
  struct Case {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{}, "usage:"},
      {{"frobnicate"}, "unknown command"},
      {{"unpack"}, "wrong number of arguments"},
      {{"unpack", Utf8Path("missing.txt")}, "cannot read"},
      {{"unpack", Utf8Path(kSamplePlain)}, "field"},  // a plain text has no "tk：" field
      {{"search", Utf8Path(kSampleBank), "x", "--gbk"}, "unknown option --gbk"},
      {{"pack", Utf8Path(kSamplePlain), "-o"}, "-o needs a value"},
      {{"pack", Utf8Path(kSamplePlain), "-o", Utf8Path("x.txt")}, "--version"},
      {{"pack", Utf8Path(kSamplePlain), "--version", "1#2", "-o", Utf8Path("x.txt")}, "cannot hold"},
      {{"pack", Utf8Path("emoji.txt"), "--version", "1", "-o", Utf8Path("x.txt")}, "line 2 column 3"},
      {{"pack", Utf8Path("badutf8.txt"), "--version", "1", "-o", Utf8Path("x.txt")}, "line 1 column 3: invalid UTF-8"},
      {{"pack", Utf8Path("zero.txt"), "--version", "1", "-o", Utf8Path("x.txt")}, "zero byte"},
      {{"key", "\xC3"}, "invalid UTF-8"},
  };
  for (const auto& c : cases) {
    const Outcome run = Tkbank(c.args);
    const std::string what = c.args.empty() ? "(none)" : c.args[0] + " " + (c.args.size() > 1 ? c.args[1] : "");
    EXPECT_EQ(run.code, 2) << what;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << what << ": " << run.err;
    EXPECT_EQ(run.out, "") << what;
  }
  EXPECT_EQ(ReadWholeFile(GbkPath("x.txt")), "");  // nothing was written
}

}  // namespace
}  // namespace yz
