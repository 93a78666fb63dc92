#include "tests/support/platform_double.h"

#include <cstdio>

#include "platform/dll_search.h"
#include "platform/installer_api.h"

namespace platform_double {
namespace {

Script TheScript;
RecordedCall TheCall;
std::vector<std::string> TheEvents;

std::u16string StringAt(const WideChar* text) {
  std::u16string copy;
  for (; *text != 0; ++text) copy.push_back(static_cast<char16_t>(*text));
  return copy;
}

void WriteName(WideChar* buffer, uint32_t size, const char16_t* name) {
  uint32_t index = 0;
  for (; index < size && name[index] != 0; ++index) {
    buffer[index] = static_cast<WideChar>(name[index]);
  }
  if (index < size) buffer[index] = 0;
}

}  // namespace

void Reset() {
  TheScript = Script();
  TheCall = RecordedCall();
  TheEvents.clear();
}

Script& CurrentScript() { return TheScript; }
const RecordedCall& LastCall() { return TheCall; }
const std::vector<std::string>& Events() { return TheEvents; }

}  // namespace platform_double

namespace platform {

using namespace platform_double;

int32_t SetupCopyOEMInfW(const WideChar* SourceInfFileName,
                         const WideChar* OEMSourceMediaLocation,
                         uint32_t OEMSourceMediaType, uint32_t CopyStyle,
                         WideChar* DestinationInfFileName,
                         uint32_t DestinationInfFileNameSize,
                         uint32_t* RequiredSize,
                         WideChar** DestinationInfFileNameComponent) {
  TheEvents.push_back("SetupCopyOEMInfW");
  TheCall.SourceInfFileName = SourceInfFileName;
  TheCall.OEMSourceMediaLocation = OEMSourceMediaLocation;
  TheCall.OEMSourceMediaType = OEMSourceMediaType;
  TheCall.CopyStyle = CopyStyle;
  TheCall.DestinationInfFileName = DestinationInfFileName;
  TheCall.DestinationInfFileNameSize = DestinationInfFileNameSize;
  TheCall.RequiredSize = RequiredSize;
  TheCall.RequiredSizeOnEntry = *RequiredSize;
  TheCall.DestinationInfFileNameComponent = DestinationInfFileNameComponent;
  TheCall.ComponentOnEntry = *DestinationInfFileNameComponent;
  TheCall.DestinationOnEntry = StringAt(DestinationInfFileName);
  TheCall.LastElementOnEntry = DestinationInfFileName[259];

  if (TheScript.DestinationName != nullptr) {
    WriteName(DestinationInfFileName, DestinationInfFileNameSize,
              TheScript.DestinationName);
  }
  switch (TheScript.Component) {
    case ComponentAction::Leave:
      break;
    case ComponentAction::PointIntoName:
      *DestinationInfFileNameComponent =
          DestinationInfFileName + TheScript.ComponentOffset;
      break;
    case ComponentAction::SetNull:
      *DestinationInfFileNameComponent = nullptr;
      break;
  }
  return TheScript.Result;
}

uint32_t GetLastError() {
  TheEvents.push_back("GetLastError");
  return TheScript.LastError;
}

namespace {

int32_t PLATFORM_API RecordSetDefaultDllDirectories(uint32_t directoryFlags) {
  char event[64];
  (void)snprintf(event, sizeof event, "SetDefaultDllDirectories(0x%x)",
                 static_cast<unsigned>(directoryFlags));
  TheEvents.push_back(event);
  return TheScript.SetDefaultDllDirectoriesResult;
}

int32_t PLATFORM_API RecordSetDllDirectoryW(const WideChar* path) {
  std::string event = "SetDllDirectoryW(";
  if (path == nullptr) {
    event += "null";
  } else {
    event += "\"";
    for (; *path != 0; ++path) event.push_back(static_cast<char>(*path));
    event += "\"";
  }
  TheEvents.push_back(event + ")");
  return 1;
}

}  // namespace

SetDefaultDllDirectoriesFunction FindSetDefaultDllDirectories() {
  return TheScript.HasSetDefaultDllDirectories ? RecordSetDefaultDllDirectories
                                               : nullptr;
}

SetDllDirectoryWFunction FindSetDllDirectoryW() {
  return TheScript.HasSetDllDirectoryW ? RecordSetDllDirectoryW : nullptr;
}

}  // namespace platform
