#include "tests/support/installer_double.h"

#include "platform/installer_api.h"

namespace installer_double {
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

}  // namespace installer_double

namespace platform {

using namespace installer_double;

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

}  // namespace platform
