// The shell services the tool uses: its message box and the browser.
#pragma once

#include <string_view>

namespace yz {

inline constexpr std::string_view kMessageCaption = "信息：";

// A message box with one OK button; returns when the user has closed it.
void ShowMessage(std::string_view text, std::string_view caption = kMessageCaption);

// Opens the address in the default browser; false when the shell refused.
bool OpenUrl(std::string_view url);

}  // namespace yz
