#include "cli/entry.h"

#include <gtest/gtest.h>

#include "tests/support/expected_output.h"
#include "tests/support/platform_double.h"
#include "tests/support/stdout_capture.h"
#include "tests/support/wide_text.h"

namespace {

struct ProgramRun {
  int ExitCode;
  std::string Output;
};

ProgramRun RunProgram(ArgumentVector& arguments) {
  StdoutCapture capture;
  WideChar* noEnvironment[] = {nullptr};
  const int exitCode =
      wmain(arguments.Count(), arguments.Data(), noEnvironment);
  return {exitCode, capture.Finish()};
}

class Entry : public testing::Test {
 protected:
  void SetUp() override { platform_double::Reset(); }
};

constexpr int NoLocation = -1;  // the call must get a null media location

struct FormCase {
  const char* Description;
  std::vector<std::u16string> Arguments;
  int LocationArgument;  // index into Arguments, or NoLocation
  uint32_t MediaType;
  uint32_t CopyStyle;
};

// clang-format off
const FormCase FormCases[] = {
    {"INF path alone", {u"prog", u"C:\\drv\\a.inf"}, NoLocation, 0, 0x1},
    {"copy style", {u"prog", u"a.inf", u"SP_COPY_NOOVERWRITE"}, NoLocation, 0, 0x8},
    {"catalog only", {u"prog", u"a.inf", u"SP_COPY_OEMINF_CATALOG_ONLY"}, NoLocation, 0, 0x40000},
    {"media location", {u"prog", u"a.inf", u"D:\\media", u"SPOST_PATH"}, 2, 1, 0x1},
    {"url media", {u"prog", u"a.inf", u"http://x/y", u"SPOST_URL"}, 2, 2, 0x1},
    {"location with SPOST_NONE", {u"prog", u"a.inf", u"D:\\media", u"SPOST_NONE"}, 2, 0, 0x1},
    {"all four", {u"prog", u"a.inf", u"D:\\m", u"SPOST_PATH", u"SP_COPY_REPLACEONLY"}, 2, 1, 0x2},
    {"help switch is an INF path", {u"prog", u"/?"}, NoLocation, 0, 0x1},
    {"empty INF path", {u"prog", u""}, NoLocation, 0, 0x1},
    {"empty location", {u"prog", u"a.inf", u"", u"SPOST_NONE"}, 2, 0, 0x1},
    {"extended-length path", {u"prog", u"\\\\?\\C:\\d\\a.inf"}, NoLocation, 0, 0x1},
    {"UNC paths", {u"prog", u"\\\\srv\\s\\a.inf", u"\\\\srv\\s", u"SPOST_PATH"}, 2, 1, 0x1},
};
// clang-format on

TEST_F(Entry, EachFormMakesTheCallWithItsArgumentsInPlace) {
  for (const FormCase& entry : FormCases) {
    SCOPED_TRACE(entry.Description);
    platform_double::Reset();
    ArgumentVector arguments(entry.Arguments);
    const ProgramRun run = RunProgram(arguments);

    const platform_double::RecordedCall& call = platform_double::LastCall();
    ASSERT_EQ(platform_double::Events(),
              (std::vector<std::string>{"SetDefaultDllDirectories(0x800)",
                                        "SetupCopyOEMInfW"}));
    // The arguments themselves, not copies.
    EXPECT_EQ(call.SourceInfFileName, arguments.At(1));
    if (entry.LocationArgument == NoLocation) {
      EXPECT_EQ(call.OEMSourceMediaLocation, nullptr);
    } else {
      EXPECT_EQ(call.OEMSourceMediaLocation,
                arguments.At(static_cast<size_t>(entry.LocationArgument)));
    }
    EXPECT_EQ(call.OEMSourceMediaType, entry.MediaType);
    EXPECT_EQ(call.CopyStyle, entry.CopyStyle);
    EXPECT_EQ(run.ExitCode, ExitSuccess);
    EXPECT_EQ(run.Output, ReportText("1", "0", "", ""));
  }
}

TEST_F(Entry, ExitCodeFollowsTheCallResult) {
  const struct {
    int32_t Result;
    int ExitCode;
  } cases[] = {{1, ExitSuccess}, {0, ExitCallFailed}, {-7, ExitSuccess}};
  for (const auto& entry : cases) {
    platform_double::Reset();
    platform_double::CurrentScript().Result = entry.Result;
    platform_double::CurrentScript().LastError = 2;
    ArgumentVector arguments({u"prog", u"a.inf"});
    EXPECT_EQ(RunProgram(arguments).ExitCode, entry.ExitCode);
  }
}

struct UsageCase {
  const char* Description;
  std::vector<std::u16string> Arguments;
  std::string ExpectedOutput;
};

const std::string ProgramUsage = UsageText("Z:\\tools\\prog.exe");

// clang-format off
const UsageCase UsageCases[] = {
    {"no user argument", {u"Z:\\tools\\prog.exe"}, ProgramUsage},
    {"five user arguments, all valid",
     {u"Z:\\tools\\prog.exe", u"a.inf", u"D:\\m", u"SPOST_PATH",
      u"SP_COPY_NOOVERWRITE", u"SP_COPY_NOOVERWRITE"},
     ProgramUsage},
    {"media type name as the only keyword",
     {u"Z:\\tools\\prog.exe", u"a.inf", u"SPOST_PATH"},
     ParseErrorText("SPOST_PATH") + ProgramUsage},
    {"copy style as a number",
     {u"Z:\\tools\\prog.exe", u"a.inf", u"8"},
     ParseErrorText("8") + ProgramUsage},
    {"copy style in lower case",
     {u"Z:\\tools\\prog.exe", u"a.inf", u"sp_copy_nooverwrite"},
     ParseErrorText("sp_copy_nooverwrite") + ProgramUsage},
    {"empty copy style",
     {u"Z:\\tools\\prog.exe", u"a.inf", u""},
     ParseErrorText("") + ProgramUsage},
    {"empty media type",
     {u"Z:\\tools\\prog.exe", u"a.inf", u"D:\\m", u""},
     ParseErrorText("") + ProgramUsage},
    {"bad media type with a good copy style",
     {u"Z:\\tools\\prog.exe", u"a.inf", u"D:\\m", u"PATH", u"SP_COPY_NOOVERWRITE"},
     ParseErrorText("PATH") + ProgramUsage},
    {"bad media type and bad copy style: one parse error",
     {u"Z:\\tools\\prog.exe", u"a.inf", u"D:\\m", u"PATH", u"8"},
     ParseErrorText("PATH") + ProgramUsage},
    {"good media type, bad copy style",
     {u"Z:\\tools\\prog.exe", u"a.inf", u"D:\\m", u"SPOST_URL", u"nooverwrite"},
     ParseErrorText("nooverwrite") + ProgramUsage},
    {"program name beyond latin-1",
     {u"C:\\\u00e9t\u00e9\\\u4e2d.exe"},
     UsageText("C:\\\xe9t\xe9\\?.exe")},
};
// clang-format on

TEST_F(Entry, CommandLineErrorsPrintUsageAndMakeNoCall) {
  for (const UsageCase& entry : UsageCases) {
    SCOPED_TRACE(entry.Description);
    platform_double::Reset();
    ArgumentVector arguments(entry.Arguments);
    const ProgramRun run = RunProgram(arguments);
    EXPECT_EQ(run.ExitCode, ExitUsageError);
    EXPECT_EQ(run.Output, entry.ExpectedOutput);
    EXPECT_EQ(platform_double::Events(),
              std::vector<std::string>{"SetDefaultDllDirectories(0x800)"});
  }
}

TEST_F(Entry, NoArgumentVectorAtAllStillPrintsUsage) {
  WideChar* onlyTerminator[] = {nullptr};
  StdoutCapture capture;
  const int exitCode = wmain(0, onlyTerminator, onlyTerminator);
  EXPECT_EQ(exitCode, ExitUsageError);
  EXPECT_EQ(capture.Finish(), UsageText("(null)"));
}

}  // namespace
