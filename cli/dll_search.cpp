#include "cli/dll_search.h"

#include "platform/dll_search.h"

void RestrictDllSearch() {
  const platform::SetDefaultDllDirectoriesFunction setDefaultDllDirectories =
      platform::FindSetDefaultDllDirectories();
  if (setDefaultDllDirectories != nullptr &&
      setDefaultDllDirectories(platform::LoadLibrarySearchSystem32) != 0) {
    return;
  }
  // Windows 5.1 to 6.1 without the update: the program's folder stays in
  // the search, but the current directory at least goes.
  const platform::SetDllDirectoryWFunction setDllDirectory =
      platform::FindSetDllDirectoryW();
  if (setDllDirectory != nullptr) setDllDirectory(WIDE(""));
}
