// The native build's console start-up: what the Windows C runtime does
// before wmain, done for a UTF-8 command line.
#include <cstring>
#include <vector>

#include "cli/entry.h"
#include "platform/utf8.h"

int main(int argc, char** argv) {
  // Like the Windows start-up, this builds the wide argument vector on the
  // heap; the program itself allocates nothing.
  size_t totalBytes = 0;
  for (int index = 0; index < argc; ++index) {
    totalBytes += strlen(argv[index]) + 1;
  }
  std::vector<char16_t> units(totalBytes);
  std::vector<char16_t*> arguments(static_cast<size_t>(argc) + 1, nullptr);
  char16_t* next = units.data();
  for (int index = 0; index < argc; ++index) {
    arguments[static_cast<size_t>(index)] = next;
    next += DecodeUtf8(argv[index], next) + 1;
  }
  char16_t* noEnvironment[] = {nullptr};
  return wmain(argc, arguments.data(), noEnvironment);
}
