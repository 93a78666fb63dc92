// Runs the whole program path, wmain to report, on argument vectors made
// from the fuzzer's bytes, with the scripted double in place of Windows.
// Checks the exit code and that the output is exactly one of the shapes the
// program may print: the usage text; one parse error and the usage text; the
// report. AddressSanitizer and UBSan catch what the checks cannot see.
//
// Input layout:
//   byte 0        argument count, modulo 8 (0 to 7)
//   byte 1        what the double does: bit 0 success, bit 1 writes a name,
//                 bit 2 the name fills the whole size, bits 3-4 the component
//   byte 2        the component's offset into the name
//   the rest      16-bit little-endian code units; a 0 unit ends an argument
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/entry.h"
#include "tests/support/expected_output.h"
#include "tests/support/platform_double.h"

namespace {

using Units = std::u16string;

std::string Encoded(const char16_t* text) {
  if (text == nullptr) return "(null)";
  std::string bytes;
  for (; *text != 0; ++text) {
    if (*text == u'\n') {
      bytes += "\r\n";
    } else if (*text <= 0xFF) {
      bytes.push_back(static_cast<char>(*text));
    } else {
      bytes.push_back('?');
    }
  }
  return bytes;
}

[[noreturn]] void Fail(const char* what, const std::string& output) {
  (void)fprintf(stderr, "%s\noutput was:\n%s\n", what, output.c_str());
  abort();
}

// The keyword argument whose parse error may precede the usage text, by
// count: the copy style alone, or the media type first.
std::vector<size_t> KeywordPositions(int argc) {
  switch (argc) {
    case 3:
      return {2};
    case 4:
      return {3};
    case 5:
      return {3, 4};
    default:
      return {};
  }
}

std::string ExpectedReport(const platform_double::Script& script) {
  Units name;
  if (script.DestinationName != nullptr) {
    name = Units(script.DestinationName).substr(0, 259);
  }
  std::string component;
  switch (script.Component) {
    case platform_double::ComponentAction::Leave:
      component = Encoded(name.c_str());
      break;
    case platform_double::ComponentAction::PointIntoName:
      component = script.ComponentOffset < name.size()
                      ? Encoded(name.c_str() + script.ComponentOffset)
                      : "";
      break;
    case platform_double::ComponentAction::SetNull:
      component = "(null)";
      break;
  }
  return ReportText(std::to_string(script.Result),
                    script.Result != 0 ? "0" : "-1", Encoded(name.c_str()),
                    component);
}

const Units ShortName = u"C:\\Windows\\INF\\oem1.inf";
const Units LongName(300, u'\u4e2d');

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const int argc = data[0] % 8;
  const uint8_t behaviour = data[1];

  platform_double::Reset();
  platform_double::Script& script = platform_double::CurrentScript();
  script.Result = (behaviour & 1) ? 1 : 0;
  script.LastError = 0xFFFFFFFF;
  if (behaviour & 2) {
    script.DestinationName =
        (behaviour & 4) ? LongName.c_str() : ShortName.c_str();
  }
  script.Component =
      static_cast<platform_double::ComponentAction>((behaviour >> 3) % 3);
  script.ComponentOffset = data[2] % 260;

  std::vector<Units> arguments(static_cast<size_t>(argc));
  size_t current = 0;
  for (size_t at = 3; at + 1 < size && current < arguments.size(); at += 2) {
    const char16_t unit = static_cast<char16_t>(data[at] | (data[at + 1] << 8));
    if (unit == 0) {
      ++current;
    } else {
      arguments[current].push_back(unit);
    }
  }
  std::vector<char16_t*> argv;
  argv.reserve(arguments.size() + 1);
  for (Units& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  char* buffer = nullptr;
  size_t length = 0;
  FILE* const savedStdout = stdout;
  stdout = open_memstream(&buffer, &length);
  if (stdout == nullptr) abort();
  const int exitCode = wmain(argc, argv.data(), argv.data() + argc);
  if (fclose(stdout) != 0) abort();
  stdout = savedStdout;
  const std::string output(buffer, length);
  free(buffer);

  const bool countIsValid = argc >= 2 && argc <= 5;
  const std::vector<std::string>& events = platform_double::Events();
  const bool callWasMade = std::find(events.begin(), events.end(),
                                     "SetupCopyOEMInfW") != events.end();
  if (exitCode == ExitUsageError) {
    if (callWasMade) Fail("exit code 2 after the call", output);
    const std::string usage = UsageText(Encoded(argv[0]));
    if (!countIsValid && output == usage) return 0;
    for (size_t position : KeywordPositions(argc)) {
      if (output == ParseErrorText(Encoded(argv[position])) + usage) return 0;
    }
    Fail("exit code 2 without exactly the usage text", output);
  }
  if (exitCode != ExitSuccess && exitCode != ExitCallFailed) {
    Fail("exit code outside 0 to 2", output);
  }
  if (!countIsValid || !callWasMade) Fail("a report without a call", output);
  if (exitCode != (script.Result != 0 ? ExitSuccess : ExitCallFailed)) {
    Fail("exit code does not follow the result", output);
  }
  if (output != ExpectedReport(script)) Fail("report differs", output);
  return 0;
}
