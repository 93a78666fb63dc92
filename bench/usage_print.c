/* The reference for the native usage-path figures: a C program that prints
 * the same usage text with one printf. */
#include <stdio.h>

int main(int argc, char** argv) {
  (void)argc;
  printf(
      "Usage:\r\n%s SourceInfFileName [OEMSourceMediaLocation OEMSourceMediaType] [CopyStyle]\r\n"
      "\r\n"
      "Refer to MSDN documentation:\r\n"
      "  https://msdn.microsoft.com/en-us/library/aa376990(v=vs.85).aspx\r\n"
      "\r\n"
      "If OEMSourceMedia* are omitted, SPOST_NONE is implied.\r\n"
      "If CopyStyle is omitted, SP_COPY_DELETESOURCE is implied.\r\n"
      "For OEMSourceMediaType and CopyStyle, use symbol name, not integer value.\r\n"
      "Program returns zero on success, one on error, two on usage error.\r\n"
      "Results are output to standard out in the following format:\r\n"
      "\tSetupCopyOEMInf: [return value (integer)]\r\n"
      "\tGetLastError: [return value (integer) if SetupCopyOEMInf failed or just zero]\r\n"
      "\tDestinationInfFileName: [parameter (string)]\r\n"
      "\tDestinationInfFileNameComponent: [parameter (string)]\r\n"
      "\r\n",
      argv[0]);
  fflush(stdout);
  return 2;
}
