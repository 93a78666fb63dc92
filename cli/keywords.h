// The media type and copy style names that the command line accepts, and
// their conversion to the values SetupCopyOEMInfW expects.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/platform.h"

struct Keyword {
  uint32_t Value;
  const WideChar* Name;
};

extern const Keyword MediaTypeNames[3];
extern const Keyword CopyStyleNames[4];

// Each returns 1 and stores the value when `text` is exactly one of the
// table's names; otherwise prints the parse error, returns 0 and leaves
// `value` as it was.
int ParseMediaType(const WideChar* text, uint32_t& value);
int ParseCopyStyle(const WideChar* text, uint32_t& value);

// Prints "Parse error for: " with `text`, a line feed and an empty line.
void PrintParseError(const WideChar* text);
