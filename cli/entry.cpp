#include "cli/entry.h"

#include "cli/dll_search.h"
#include "cli/keywords.h"
#include "platform/console_output.h"
#include "platform/setupapi_symbols.h"
#include "setup/inf_copy.h"

namespace {

constexpr int FewestArguments = 2;  // the program name and the INF path
constexpr int MostArguments = 5;

// Fills the request from the arguments after the INF path, by form:
//   2: INF
//   3: INF, copy style
//   4: INF, media location, media type
//   5: INF, media location, media type, copy style
// Returns 0 when a keyword does not convert; its parser has then printed
// the parse error. The media type is read first, so a run prints at most
// one parse error.
int ReadKeywordArguments(int argc, WideChar** argv, InfCopyRequest& request) {
  switch (argc) {
    case 3:
      return ParseCopyStyle(argv[2], request.CopyStyle);
    case 4:
      request.OEMSourceMediaLocation = argv[2];
      return ParseMediaType(argv[3], request.OEMSourceMediaType);
    case 5:
      request.OEMSourceMediaLocation = argv[2];
      return ParseMediaType(argv[3], request.OEMSourceMediaType) &&
             ParseCopyStyle(argv[4], request.CopyStyle);
    default:
      return 1;
  }
}

}  // namespace

void PrintUsage(WideChar** argv) {
  const MessageArgument arguments[] = {TextArgument(argv[0])};
  // One source line for each line of the text.
  // clang-format off
  PrintMessage(
      WIDE("Usage:\n")
      WIDE("%s SourceInfFileName [OEMSourceMediaLocation OEMSourceMediaType] [CopyStyle]\n")
      WIDE("\n")
      WIDE("Refer to MSDN documentation:\n")
      WIDE("  https://msdn.microsoft.com/en-us/library/aa376990(v=vs.85).aspx\n")
      WIDE("\n")
      WIDE("If OEMSourceMedia* are omitted, SPOST_NONE is implied.\n")
      WIDE("If CopyStyle is omitted, SP_COPY_DELETESOURCE is implied.\n")
      WIDE("For OEMSourceMediaType and CopyStyle, use symbol name, not integer value.\n")
      WIDE("Program returns zero on success, one on error, two on usage error.\n")
      WIDE("Results are output to standard out in the following format:\n")
      WIDE("\tSetupCopyOEMInf: [return value (integer)]\n")
      WIDE("\tGetLastError: [return value (integer) if SetupCopyOEMInf failed or just zero]\n")
      WIDE("\tDestinationInfFileName: [parameter (string)]\n")
      WIDE("\tDestinationInfFileNameComponent: [parameter (string)]\n")
      WIDE("\n"),
      arguments);
  // clang-format on
}

extern "C" int wmain(int argc, WideChar** argv, WideChar** /*envp*/) {
  // Before anything can make SetupAPI load a DLL.
  RestrictDllSearch();
  InfCopyRequest request = {nullptr, nullptr, SPOST_NONE, SP_COPY_DELETESOURCE};
  if (argc < FewestArguments || argc > MostArguments) {
    PrintUsage(argv);
    return ExitUsageError;
  }
  request.SourceInfFileName = argv[1];
  if (!ReadKeywordArguments(argc, argv, request)) {
    PrintUsage(argv);
    return ExitUsageError;
  }
  InfCopyOutcome outcome;
  RunInfCopy(request, outcome);
  PrintReport(outcome);
  return outcome.Result != 0 ? ExitSuccess : ExitCallFailed;
}
