#include <windows.h>

#include <string>

#include "toolkit/codepage.h"
#include "toolkit/runtime.h"
#include "toolkit/unique_win.h"

namespace yz {
namespace {

std::wstring WidePath(std::string_view gbkPath) {
  const std::u16string wide = ToUtf16(gbkPath, CodePage::kGbk);
  return std::wstring(wide.begin(), wide.end());
}

}  // namespace

std::string RunDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  path.resize(path.find_last_of(L"\\/") == std::wstring::npos ? 0 : path.find_last_of(L"\\/"));
  return FromUtf16(std::u16string(path.begin(), path.end()), CodePage::kGbk);
}

std::string ReadWholeFile(std::string_view path) {
  const std::wstring wide = WidePath(path);
  if (wide.empty()) return {};
  UniqueFile file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return {};
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD n = 0;
    if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &n, nullptr)) return {};
    if (n == 0) break;
    done += n;
  }
  bytes.resize(done);
  return bytes;
}

bool WriteWholeFile(std::string_view path, std::string_view bytes) {
  const std::wstring wide = WidePath(path);
  if (wide.empty()) return false;
  const std::wstring temp = wide + L".part";
  {
    // No sharing: nobody reads a half-written file, and a second writer fails.
    UniqueFile file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    bool ok = true;
    for (size_t done = 0; ok && done < bytes.size();) {
      DWORD n = 0;
      const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
      ok = WriteFile(file.get(), bytes.data() + done, chunk, &n, nullptr) && n > 0;
      done += n;
    }
    if (!ok || !FlushFileBuffers(file.get())) {
      file.reset();
      DeleteFileW(temp.c_str());
      return false;
    }
  }
  if (!MoveFileExW(temp.c_str(), wide.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace yz
