#include "tests/support/stdout_capture.h"

#include <fcntl.h>

#include <cstdio>

#ifdef _WIN32
#include <io.h>
// Text mode, as the program's standard output has it.
constexpr int CaptureOpenFlags = _O_WRONLY | _O_CREAT | _O_TRUNC | _O_TEXT;
#else
#include <unistd.h>
constexpr int CaptureOpenFlags = O_WRONLY | O_CREAT | O_TRUNC;
#endif

namespace {

constexpr char CaptureFileName[] = "stdout_capture.tmp";
constexpr int StdoutDescriptor = 1;

}  // namespace

StdoutCapture::StdoutCapture() : savedDescriptor_(-1), finished_(false) {
  (void)fflush(stdout);
  savedDescriptor_ = dup(StdoutDescriptor);
  const int capture = open(CaptureFileName, CaptureOpenFlags, 0600);
  dup2(capture, StdoutDescriptor);
  close(capture);
}

StdoutCapture::~StdoutCapture() { Finish(); }

std::string StdoutCapture::Finish() {
  if (finished_) return std::string();
  finished_ = true;
  (void)fflush(stdout);
  dup2(savedDescriptor_, StdoutDescriptor);
  close(savedDescriptor_);

  std::string bytes;
  FILE* file = fopen(CaptureFileName, "rb");
  if (file == nullptr) return bytes;
  char chunk[4096];
  size_t count = 0;
  while ((count = fread(chunk, 1, sizeof chunk, file)) > 0) {
    bytes.append(chunk, count);
  }
  (void)fclose(file);
  (void)remove(CaptureFileName);
  return bytes;
}
