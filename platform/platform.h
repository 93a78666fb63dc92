// The few facts about the platform that the rest of the program builds on:
// the 16-bit character of the system's strings and the line end that the
// standard output stream expects.
#pragma once

#include <cstdint>

#ifdef _WIN32

// Windows strings are UTF-16 and wchar_t is their 16-bit code unit.
using WideChar = wchar_t;
#define WIDE(text) L##text

// The C runtime's text mode turns each "\n" into "\r\n" on its way out.
constexpr char LineEndBytes[] = "\n";

// The calling convention of the Windows API on 32-bit x86.
#define PLATFORM_API __stdcall

#else

// wchar_t is 32 bits here; char16_t holds the same UTF-16 code units.
using WideChar = char16_t;
#define WIDE(text) u##text

// No text mode here: the carriage return is written explicitly, so both
// builds put the same bytes on the stream.
constexpr char LineEndBytes[] = "\r\n";

#define PLATFORM_API

#endif

static_assert(sizeof(WideChar) == 2, "strings are UTF-16 code units");
