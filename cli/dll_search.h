// Keeps DLLs that SetupAPI loads while it works from being taken from the
// program's own folder or the current directory, where anybody who could
// write there would have their code run with administrator rights.
#pragma once

// Where Windows offers it, limits the search to the system directory;
// otherwise takes the current directory out of it; otherwise does nothing.
// Prints nothing and never fails the run.
void RestrictDllSearch();
