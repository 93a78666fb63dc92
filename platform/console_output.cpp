#include "platform/console_output.h"

#include <cstdio>

namespace {

// Large enough that every ordinary message leaves in a single fwrite; a
// longer one (an argument near the command-line limit) leaves in pieces,
// all of them before the flush.
constexpr size_t OutputBufferSize = 4096;

struct OutputBuffer {
  char Bytes[OutputBufferSize];
  size_t Used;
};

// A failed write changes nothing the program does, so no result is read.
void WriteOut(OutputBuffer& buffer) {
  (void)fwrite(buffer.Bytes, 1, buffer.Used, stdout);
  buffer.Used = 0;
}

void PutByte(OutputBuffer& buffer, char byte) {
  if (buffer.Used == OutputBufferSize) WriteOut(buffer);
  buffer.Bytes[buffer.Used++] = byte;
}

void PutBytes(OutputBuffer& buffer, const char* bytes) {
  for (; *bytes != '\0'; ++bytes) PutByte(buffer, *bytes);
}

void PutCodeUnit(OutputBuffer& buffer, WideChar unit) {
  if (unit == WIDE('\n')) {
    PutBytes(buffer, LineEndBytes);
  } else if (unit <= 0xFF) {
    PutByte(buffer, static_cast<char>(unit));
  } else {
    PutByte(buffer, '?');
  }
}

void PutText(OutputBuffer& buffer, const WideChar* text) {
  if (text == nullptr) {
    PutBytes(buffer, "(null)");
    return;
  }
  for (; *text != 0; ++text) PutCodeUnit(buffer, *text);
}

void PutNumber(OutputBuffer& buffer, int32_t number) {
  // Work in the unsigned magnitude so that INT32_MIN needs no special case.
  uint32_t magnitude = static_cast<uint32_t>(number);
  if (number < 0) {
    PutByte(buffer, '-');
    magnitude = 0u - magnitude;
  }
  char digits[10];
  size_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  while (count > 0) PutByte(buffer, digits[--count]);
}

}  // namespace

MessageArgument TextArgument(const WideChar* text) { return {text, 0}; }

MessageArgument NumberArgument(int32_t number) { return {nullptr, number}; }

void PrintMessage(const WideChar* format, const MessageArgument* arguments,
                  size_t argumentCount) {
  OutputBuffer buffer;
  buffer.Used = 0;
  size_t nextArgument = 0;
  for (const WideChar* at = format; *at != 0; ++at) {
    const bool isPlaceholder = at[0] == WIDE('%') &&
                               (at[1] == WIDE('s') || at[1] == WIDE('i')) &&
                               nextArgument < argumentCount;
    if (!isPlaceholder) {
      PutCodeUnit(buffer, *at);
      continue;
    }
    const MessageArgument& argument = arguments[nextArgument++];
    ++at;
    if (*at == WIDE('s')) {
      PutText(buffer, argument.Text);
    } else {
      PutNumber(buffer, argument.Number);
    }
  }
  WriteOut(buffer);
  (void)fflush(stdout);
}
