#include "tests/support/wide_text.h"

WideString Wide(const std::u16string& units) {
  WideString text;
  for (char16_t unit : units) text.push_back(static_cast<WideChar>(unit));
  return text;
}

ArgumentVector::ArgumentVector(const std::vector<std::u16string>& arguments) {
  for (const std::u16string& argument : arguments) {
    storage_.push_back(Wide(argument));
  }
  for (WideString& argument : storage_) pointers_.push_back(argument.data());
  pointers_.push_back(nullptr);
}
