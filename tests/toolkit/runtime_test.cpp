// Files, the run directory and workers, on the real file system.
#include "toolkit/runtime.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "toolkit/codepage.h"

namespace yz {
namespace {

namespace fs = std::filesystem;

fs::path NativePath(const std::string& gbk) {
  std::u16string wide = ToUtf16(gbk, CodePage::kGbk);
#ifndef _WIN32
  for (char16_t& c : wide) {
    if (c == u'\\') c = u'/';
  }
#endif
  return fs::path(wide);
}

class RuntimeTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = RunDirectory() + "\\运行测试_" +
           testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(NativePath(dir_));
    fs::create_directories(NativePath(dir_));
  }
  void TearDown() override { fs::remove_all(NativePath(dir_)); }

  std::string dir_;
};

TEST_F(RuntimeTest, RunDirectoryHoldsTheExecutableAndNoTrailingSeparator) {
  const std::string run = RunDirectory();
  ASSERT_FALSE(run.empty());
  EXPECT_NE(run.back(), '\\');
  EXPECT_NE(run.back(), '/');
  EXPECT_TRUE(fs::is_directory(NativePath(run)));
}

TEST_F(RuntimeTest, WriteThenReadGivesTheSameBytes) {
  const std::string path = dir_ + "\\题库 tk.txt";
  std::string bytes("版本：1#\0\xFF\x80 tail\r\n", 17);
  for (int i = 0; i < 200000; ++i) bytes += static_cast<char>(i * 7);
  ASSERT_TRUE(WriteWholeFile(path, bytes));
  EXPECT_EQ(ReadWholeFile(path), bytes);

  // A shorter write replaces the whole file and leaves nothing beside it.
  ASSERT_TRUE(WriteWholeFile(path, "short"));
  EXPECT_EQ(ReadWholeFile(path), "short");
  ASSERT_TRUE(WriteWholeFile(path, ""));
  EXPECT_EQ(ReadWholeFile(path), "");
  int files = 0;
  for (const auto& entry : fs::directory_iterator(NativePath(dir_))) {
    EXPECT_EQ(entry.path(), NativePath(path));
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST_F(RuntimeTest, MissingFilesAndFolders) {
  EXPECT_EQ(ReadWholeFile(dir_ + "\\没有.txt"), "");
  EXPECT_EQ(ReadWholeFile(dir_), "");  // a folder is no file
  EXPECT_EQ(ReadWholeFile(""), "");
  EXPECT_FALSE(WriteWholeFile(dir_ + "\\没有\\tk.txt", "x"));
  EXPECT_FALSE(fs::exists(NativePath(dir_ + "\\没有")));
}

TEST(WorkerTest, RunsOnAnotherThreadAndSurvivesAThrowingTask) {
  std::atomic<bool> done = false;
  std::thread::id worker;
  ASSERT_TRUE(StartWorker([&] { throw 1; }));
  ASSERT_TRUE(StartWorker([&] {
    worker = std::this_thread::get_id();
    done = true;
  }));
  for (int i = 0; i < 500 && !done; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_TRUE(done);
  EXPECT_NE(worker, std::this_thread::get_id());
}

}  // namespace
}  // namespace yz
