#include "tests/support/expected_output.h"

std::string UsageText(const std::string& programName) {
  return "Usage:\r\n" + programName +
         " SourceInfFileName [OEMSourceMediaLocation OEMSourceMediaType] "
         "[CopyStyle]\r\n"
         "\r\n"
         "Refer to MSDN documentation:\r\n"
         "  https://msdn.microsoft.com/en-us/library/aa376990(v=vs.85).aspx\r\n"
         "\r\n"
         "If OEMSourceMedia* are omitted, SPOST_NONE is implied.\r\n"
         "If CopyStyle is omitted, SP_COPY_DELETESOURCE is implied.\r\n"
         "For OEMSourceMediaType and CopyStyle, use symbol name, not integer "
         "value.\r\n"
         "Program returns zero on success, one on error, two on usage "
         "error.\r\n"
         "Results are output to standard out in the following format:\r\n"
         "\tSetupCopyOEMInf: [return value (integer)]\r\n"
         "\tGetLastError: [return value (integer) if SetupCopyOEMInf failed "
         "or just zero]\r\n"
         "\tDestinationInfFileName: [parameter (string)]\r\n"
         "\tDestinationInfFileNameComponent: [parameter (string)]\r\n"
         "\r\n";
}

std::string ParseErrorText(const std::string& text) {
  return "Parse error for: " + text + "\r\n\r\n";
}

std::string ReportText(const std::string& result, const std::string& lastError,
                       const std::string& destination,
                       const std::string& component) {
  return "SetupCopyOEMInf: " + result + "\r\nGetLastError: " + lastError +
         "\r\nDestinationInfFileName: " + destination +
         "\r\nDestinationInfFileNameComponent: " + component + "\r\n\r\n";
}
