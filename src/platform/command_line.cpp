#include "platform/command_line.h"

#if defined(_WIN32)
#include <windows.h>
// windows.h before shellapi.h
#include <shellapi.h>
#endif

namespace vorlash {

#if defined(_WIN32)

std::vector<std::string> utf8_arguments(int argc, char** argv) {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return {argv, argv + argc};
  std::vector<std::string> out;
  for (int i = 0; i < count; ++i) {
    int const n = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
    std::string arg(n > 0 ? static_cast<std::size_t>(n) : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), n, nullptr, nullptr);
    arg.resize(arg.size() - 1);  // the terminating NUL
    out.push_back(std::move(arg));
  }
  LocalFree(wide);
  return out;
}

void use_utf8_console() {
  SetConsoleOutputCP(CP_UTF8);
}

#else

std::vector<std::string> utf8_arguments(int argc, char** argv) {
  return {argv, argv + argc};
}

void use_utf8_console() {}

#endif

}  // namespace vorlash
