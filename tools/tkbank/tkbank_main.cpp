// tkbank's entry point: UTF-8 arguments and output on every platform.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "tkbank/tkbank.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "toolkit/codepage.h"

int wmain(int argc, wchar_t** argv) {
  // The console shows UTF-8; stdout stays binary so --gbk bytes pass unchanged.
  SetConsoleOutputCP(CP_UTF8);
  _setmode(_fileno(stdout), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    args.push_back(yz::FromUtf16(std::u16string(arg.begin(), arg.end()), yz::CodePage::kUtf8));
  }
  return yz::RunTkbank(args, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
  return yz::RunTkbank(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
#endif
