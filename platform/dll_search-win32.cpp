#include "platform/dll_search.h"

#include <windows.h>

namespace platform {
namespace {

// GetProcAddress gives a generic function pointer; converting it through
// void (*)() is how the compiler is told the cast is meant.
template <typename Function>
Function FindKernel32Function(const char* name) {
  const HMODULE kernel32 = GetModuleHandleW(L"KERNEL32.dll");
  if (kernel32 == nullptr) return nullptr;
  const FARPROC address = GetProcAddress(kernel32, name);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

}  // namespace

SetDefaultDllDirectoriesFunction FindSetDefaultDllDirectories() {
  return FindKernel32Function<SetDefaultDllDirectoriesFunction>(
      "SetDefaultDllDirectories");
}

SetDllDirectoryWFunction FindSetDllDirectoryW() {
  return FindKernel32Function<SetDllDirectoryWFunction>("SetDllDirectoryW");
}

}  // namespace platform
