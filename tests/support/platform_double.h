// A scripted double of the platform seams (SetupAPI, the last error and the
// DLL search functions): it records what the program handed to the platform
// and does what the test tells it to.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace platform_double {

enum class ComponentAction {
  Leave,          // the component pointer is not touched
  PointIntoName,  // it points ComponentOffset units into the buffer
  SetNull,        // it is set to null
};

struct Script {
  int32_t Result = 1;
  uint32_t LastError = 0;  // the thread's last error after the call
  // Written into the buffer, at most as many units as the size allows and
  // terminated only where room is left; null leaves the buffer alone.
  const char16_t* DestinationName = nullptr;
  ComponentAction Component = ComponentAction::Leave;
  size_t ComponentOffset = 0;

  // Which DLL search functions this Windows has, and what the first returns.
  bool HasSetDefaultDllDirectories = true;
  int32_t SetDefaultDllDirectoriesResult = 1;
  bool HasSetDllDirectoryW = true;
};

struct RecordedCall {
  const WideChar* SourceInfFileName = nullptr;
  const WideChar* OEMSourceMediaLocation = nullptr;
  uint32_t OEMSourceMediaType = 0;
  uint32_t CopyStyle = 0;
  WideChar* DestinationInfFileName = nullptr;
  uint32_t DestinationInfFileNameSize = 0;
  uint32_t* RequiredSize = nullptr;
  uint32_t RequiredSizeOnEntry = 0;
  WideChar** DestinationInfFileNameComponent = nullptr;
  WideChar* ComponentOnEntry = nullptr;
  std::u16string DestinationOnEntry;  // the buffer's string as handed over
  WideChar LastElementOnEntry = 1;    // element 259 of the buffer
};

// Clears the script, the record and the event log.
void Reset();

Script& CurrentScript();
const RecordedCall& LastCall();

// The platform functions called so far, in order, by name; the DLL search
// functions with their argument, as in "SetDllDirectoryW(\"\")".
const std::vector<std::string>& Events();

}  // namespace platform_double
