// The platform functions that the installer binding calls.
//
// This is the program's one seam to the platform: the Windows build forwards
// to SETUPAPI and KERNEL32, the native build links a stand-in that always
// fails, and the unit tests link a scripted double in their place.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace platform {

// SetupCopyOEMInfW with its eight arguments, in SetupAPI's order.
int32_t SetupCopyOEMInfW(const WideChar* SourceInfFileName,
                         const WideChar* OEMSourceMediaLocation,
                         uint32_t OEMSourceMediaType, uint32_t CopyStyle,
                         WideChar* DestinationInfFileName,
                         uint32_t DestinationInfFileNameSize,
                         uint32_t* RequiredSize,
                         WideChar** DestinationInfFileNameComponent);

// The calling thread's last-error code.
uint32_t GetLastError();

}  // namespace platform
