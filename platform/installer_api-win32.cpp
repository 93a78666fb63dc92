#include "platform/installer_api.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <setupapi.h>

namespace platform {

int32_t SetupCopyOEMInfW(const WideChar* SourceInfFileName,
                         const WideChar* OEMSourceMediaLocation,
                         uint32_t OEMSourceMediaType, uint32_t CopyStyle,
                         WideChar* DestinationInfFileName,
                         uint32_t DestinationInfFileNameSize,
                         uint32_t* RequiredSize,
                         WideChar** DestinationInfFileNameComponent) {
  // DWORD is an unsigned long here, so the size travels through one.
  DWORD required = *RequiredSize;
  const BOOL result = ::SetupCopyOEMInfW(
      SourceInfFileName, OEMSourceMediaLocation, OEMSourceMediaType, CopyStyle,
      DestinationInfFileName, DestinationInfFileNameSize, &required,
      DestinationInfFileNameComponent);
  *RequiredSize = required;
  return result;
}

uint32_t GetLastError() { return ::GetLastError(); }

}  // namespace platform
