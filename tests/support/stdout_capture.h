// Captures the bytes that reach standard output, as the stream writes them
// (on Windows after the C runtime's text-mode translation).
#pragma once

#include <string>

class StdoutCapture {
 public:
  StdoutCapture();
  ~StdoutCapture();
  StdoutCapture(const StdoutCapture&) = delete;
  StdoutCapture& operator=(const StdoutCapture&) = delete;

  // Ends the capture and returns every byte written since it began.
  std::string Finish();

 private:
  int savedDescriptor_;
  bool finished_;
};
