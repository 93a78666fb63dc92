// Messages on standard output, byte for byte the same on every build.
//
// A message is a format of wide characters with "%s" (a wide string; a null
// pointer prints "(null)") and "%i" (a 32-bit signed decimal) placeholders.
// Each code unit from U+0001 to U+00FF becomes the byte of the same value,
// any other code unit becomes "?", and each line feed becomes CR LF.
// The whole message reaches the stream, however long its arguments are,
// and the stream is flushed before the function returns.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/platform.h"

struct MessageArgument {
  const WideChar* Text;  // consumed by "%s"
  int32_t Number;        // consumed by "%i"
};

MessageArgument TextArgument(const WideChar* text);
MessageArgument NumberArgument(int32_t number);

void PrintMessage(const WideChar* format, const MessageArgument* arguments,
                  size_t argumentCount);

template <size_t ArgumentCount>
void PrintMessage(const WideChar* format,
                  const MessageArgument (&arguments)[ArgumentCount]) {
  PrintMessage(format, arguments, ArgumentCount);
}
