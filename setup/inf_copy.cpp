#include "setup/inf_copy.h"

#include "platform/console_output.h"
#include "platform/installer_api.h"

namespace {

// Before the call the buffer holds the empty string and every other element
// is a terminator too, so a call that leaves it alone, or fills it without
// terminating it, still leaves a string the report can print.
void PrepareOutcome(InfCopyOutcome& outcome) {
  outcome.Result = 0;
  outcome.LastError = 0;
  for (WideChar& element : outcome.DestinationInfFileName) element = 0;
  outcome.DestinationInfFileNameComponent = outcome.DestinationInfFileName;
}

}  // namespace

void RunInfCopy(const InfCopyRequest& request, InfCopyOutcome& outcome) {
  PrepareOutcome(outcome);
  uint32_t requiredSize = 0;  // asked for by the call, never reported
  outcome.Result = platform::SetupCopyOEMInfW(
      request.SourceInfFileName, request.OEMSourceMediaLocation,
      request.OEMSourceMediaType, request.CopyStyle,
      outcome.DestinationInfFileName, DestinationNameCapacity, &requiredSize,
      &outcome.DestinationInfFileNameComponent);
  // Read at once: anything in between could overwrite the code.
  if (outcome.Result == 0) outcome.LastError = platform::GetLastError();
}

void PrintReport(const InfCopyOutcome& outcome) {
  const MessageArgument arguments[] = {
      NumberArgument(outcome.Result),
      NumberArgument(static_cast<int32_t>(outcome.LastError)),
      TextArgument(outcome.DestinationInfFileName),
      TextArgument(outcome.DestinationInfFileNameComponent),
  };
  // clang-format off
  PrintMessage(WIDE("SetupCopyOEMInf: %i\n")
               WIDE("GetLastError: %i\n")
               WIDE("DestinationInfFileName: %s\n")
               WIDE("DestinationInfFileNameComponent: %s\n\n"),
               arguments);
  // clang-format on
}
