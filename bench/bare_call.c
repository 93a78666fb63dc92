/* The reference for the wall-time figure: the same SetupCopyOEMInfW call
 * as the program makes for "INF SP_COPY_NOOVERWRITE", printing nothing. */
#include <windows.h>
#include <setupapi.h>

int wmain(int argc, wchar_t** argv) {
  wchar_t destination[260] = {0};
  wchar_t* component = destination;
  DWORD required = 0;
  if (argc < 2) return 2;
  return SetupCopyOEMInfW(argv[1], NULL, SPOST_NONE, SP_COPY_NOOVERWRITE,
                          destination, 259, &required, &component)
             ? 0
             : 1;
}
