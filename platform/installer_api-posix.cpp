// Stand-in for SetupAPI where there is none. It never pretends to have
// copied anything: every call fails, leaves its outputs as they were and
// leaves the code that Windows uses for a function that is not available.
#include "platform/installer_api.h"

namespace platform {
namespace {

constexpr uint32_t ErrorCallNotImplemented = 120;

// Mirrors the per-thread last-error value that Windows keeps.
thread_local uint32_t LastError = 0;

}  // namespace

int32_t SetupCopyOEMInfW(const WideChar*, const WideChar*, uint32_t, uint32_t,
                         WideChar*, uint32_t, uint32_t*, WideChar**) {
  LastError = ErrorCallNotImplemented;
  return 0;
}

uint32_t GetLastError() { return LastError; }

}  // namespace platform
