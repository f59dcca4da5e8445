// The program's command-line arguments as UTF-8, and a console that shows the
// UTF-8 the program prints.
#pragma once

#include <string>
#include <vector>

namespace vorlash {

// On Windows main()'s argv is in the ANSI code page, which may not hold the
// Japanese names given; the arguments are taken from the wide command line
// instead. On POSIX argv is returned as it is.
std::vector<std::string> utf8_arguments(int argc, char** argv);

// Makes a Windows console show UTF-8 output; nothing elsewhere.
void use_utf8_console();

}  // namespace vorlash
