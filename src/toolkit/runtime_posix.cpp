// The file facilities for the portable tools and tests: GBK paths are turned
// into the UTF-8 names the file system uses.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "toolkit/codepage.h"
#include "toolkit/runtime.h"

namespace yz {
namespace {

std::string NativePath(std::string_view gbkPath) {
  std::string path = GbkToUtf8(gbkPath);
  if (path.empty() && !gbkPath.empty()) return {};
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

std::string RunDirectory() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return Utf8ToGbk(exe.parent_path().string());
}

std::string ReadWholeFile(std::string_view path) {
  const std::string native = NativePath(path);
  std::FILE* f = native.empty() ? nullptr : std::fopen(native.c_str(), "rb");
  if (!f) return {};
  std::string bytes;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
  const bool failed = std::ferror(f);
  std::fclose(f);
  return failed ? std::string() : bytes;
}

bool WriteWholeFile(std::string_view path, std::string_view bytes) {
  const std::string native = NativePath(path);
  if (native.empty()) return false;
  std::string temp = native + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  ::fchmod(fd, 0644);
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || std::rename(temp.c_str(), native.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace yz
