// The program's entry: the argument forms, the usage text and the exit code.
#pragma once

#include "platform/platform.h"

enum ExitCode : int {
  ExitSuccess = 0,     // the call succeeded
  ExitCallFailed = 1,  // the call failed
  ExitUsageError = 2,  // wrong argument count or an unknown keyword
};

// Prints the usage text, naming the program as argv[0] gives it.
void PrintUsage(WideChar** argv);

// Called by the platform's wide console start-up; the environment is
// ignored. Returns an ExitCode.
extern "C" int wmain(int argc, WideChar** argv, WideChar** envp);
