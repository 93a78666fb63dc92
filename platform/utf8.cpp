#include "platform/utf8.h"

#include <cstdint>

namespace {

constexpr char16_t ReplacementCharacter = 0xFFFD;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed sequence that starts at `bytes`, or 0.
// The second byte's range depends on the first, which rules out overlong
// forms and code points above U+10FFFF.
size_t SequenceLength(const unsigned char* bytes) {
  const unsigned char lead = bytes[0];
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  size_t length = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (bytes[1] < low || bytes[1] > high) return 0;
  for (size_t index = 2; index < length; ++index) {
    if (!IsContinuation(bytes[index])) return 0;
  }
  return length;
}

uint32_t CodePoint(const unsigned char* bytes, size_t length) {
  if (length == 1) return bytes[0];
  const unsigned char leadMask = length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07;
  uint32_t point = bytes[0] & leadMask;
  for (size_t index = 1; index < length; ++index) {
    point = (point << 6) | (bytes[index] & 0x3F);
  }
  return point;
}

}  // namespace

size_t DecodeUtf8(const char* text, char16_t* units) {
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
  size_t count = 0;
  while (*bytes != 0) {
    const size_t length = SequenceLength(bytes);
    if (length == 0) {
      units[count++] = ReplacementCharacter;
      ++bytes;
      continue;
    }
    const uint32_t point = CodePoint(bytes, length);
    bytes += length;
    if (point < 0x10000) {
      units[count++] = static_cast<char16_t>(point);
    } else {
      units[count++] =
          static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10));
      units[count++] =
          static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
    }
  }
  units[count] = 0;
  return count;
}
