// UTF-8 to UTF-16, for the native start-up's command-line arguments.
#pragma once

#include <cstddef>

// Decodes the null-terminated `text` into `units` and terminates it there.
// `units` must hold strlen(text) + 1 elements: no sequence yields more code
// units than it has bytes.
//
// Encoded surrogates (ED A0 80 to ED BF BF) decode to the lone code unit
// they encode, so every UTF-16 string can be given on the command line.
// Each byte that does not belong to a well-formed sequence decodes to
// U+FFFD. Returns the number of code units before the terminator.
size_t DecodeUtf8(const char* text, char16_t* units);
