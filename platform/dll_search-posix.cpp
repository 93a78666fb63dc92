// There is no DLL search order to restrict here.
#include "platform/dll_search.h"

namespace platform {

SetDefaultDllDirectoriesFunction FindSetDefaultDllDirectories() {
  return nullptr;
}

SetDllDirectoryWFunction FindSetDllDirectoryW() { return nullptr; }

}  // namespace platform
