// Wide strings for the tests, built from code units, and argument vectors
// made of them.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

using WideString = std::basic_string<WideChar>;

// The program's strings, widened unit by unit from the given UTF-16.
WideString Wide(const std::u16string& units);

// A mutable, null-terminated vector of wide strings, as a start-up hands
// them to wmain.
class ArgumentVector {
 public:
  explicit ArgumentVector(const std::vector<std::u16string>& arguments);
  int Count() const { return static_cast<int>(storage_.size()); }
  WideChar** Data() { return pointers_.data(); }
  WideChar* At(size_t index) { return pointers_[index]; }

 private:
  std::vector<WideString> storage_;
  std::vector<WideChar*> pointers_;
};
