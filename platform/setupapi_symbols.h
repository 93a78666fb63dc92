// The SetupAPI symbols that the command line accepts by name.
#pragma once

#ifdef _WIN32

#include <windows.h>
// After windows.h, whose types it uses.
#include <setupapi.h>

#else

#include <cstdint>

// SetupAPI's own values for these symbols, for the build that has no
// SetupAPI headers.
constexpr uint32_t SPOST_NONE = 0;
constexpr uint32_t SPOST_PATH = 1;
constexpr uint32_t SPOST_URL = 2;

constexpr uint32_t SP_COPY_DELETESOURCE = 0x1;
constexpr uint32_t SP_COPY_REPLACEONLY = 0x2;
constexpr uint32_t SP_COPY_NOOVERWRITE = 0x8;
constexpr uint32_t SP_COPY_OEMINF_CATALOG_ONLY = 0x40000;

#endif
