// Run-time facilities that are not windows: files, the run directory, worker
// threads and the clock. Paths are GBK texts, like every text of the tool.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace yz {

// The directory of the executable, without a trailing separator.
std::string RunDirectory();

// The whole file as bytes; empty when it is missing or unreadable.
std::string ReadWholeFile(std::string_view path);

// Replaces the file with the bytes. The new contents are written to a
// temporary file beside it, opened exclusively, and moved over the old one,
// so a failed write leaves the old file as it was. False on failure.
bool WriteWholeFile(std::string_view path, std::string_view bytes);

// Runs the task on a new detached thread; false when no thread could be
// started. An exception thrown by the task ends there, not the process.
bool StartWorker(std::function<void()> task);

// Current time in whole seconds since 1970.
std::int64_t NowSeconds();

}  // namespace yz
