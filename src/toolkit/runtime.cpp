#include <ctime>
#include <system_error>
#include <thread>

#include "toolkit/runtime.h"

namespace yz {

bool StartWorker(std::function<void()> task) {
  try {
    std::thread([task = std::move(task)] {
      try {
        task();
      } catch (...) {
        // A failing worker reports through its own result, never by unwinding.
      }
    }).detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

std::int64_t NowSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

}  // namespace yz
