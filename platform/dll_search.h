// The KERNEL32 functions that restrict where DLLs are searched for. Neither
// is in every Windows the program runs on, so they are looked up while it
// runs instead of imported: a static import of a missing function would stop
// the program from loading at all. Each lookup returns null where the
// function does not exist.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace platform {

// From Windows 8, and Windows 7 and Vista with update KB2533623.
using SetDefaultDllDirectoriesFunction = int32_t(PLATFORM_API*)(uint32_t);
// From Windows XP SP1.
using SetDllDirectoryWFunction = int32_t(PLATFORM_API*)(const WideChar*);

// LOAD_LIBRARY_SEARCH_SYSTEM32: only the system directory.
constexpr uint32_t LoadLibrarySearchSystem32 = 0x800;

SetDefaultDllDirectoriesFunction FindSetDefaultDllDirectories();
SetDllDirectoryWFunction FindSetDllDirectoryW();

}  // namespace platform
