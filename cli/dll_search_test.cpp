#include "cli/dll_search.h"

#include <gtest/gtest.h>

#include "cli/entry.h"
#include "tests/support/expected_output.h"
#include "tests/support/platform_double.h"
#include "tests/support/stdout_capture.h"
#include "tests/support/wide_text.h"

namespace {

TEST(RestrictDllSearch, UsesTheBestFunctionThisWindowsHas) {
  // clang-format off
  const struct {
    const char* Description;
    bool HasSetDefaultDllDirectories;
    int32_t SetDefaultDllDirectoriesResult;
    bool HasSetDllDirectoryW;
    std::vector<std::string> ExpectedEvents;
  } cases[] = {
      {"current Windows", true, 1, true, {"SetDefaultDllDirectories(0x800)"}},
      {"Windows 5.1 or 6.x without the update", false, 1, true,
       {"SetDllDirectoryW(\"\")"}},
      {"the first one refuses", true, 0, true,
       {"SetDefaultDllDirectories(0x800)", "SetDllDirectoryW(\"\")"}},
      {"neither exists", false, 1, false, {}},
  };
  // clang-format on
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.Description);
    platform_double::Reset();
    platform_double::Script& script = platform_double::CurrentScript();
    script.HasSetDefaultDllDirectories = entry.HasSetDefaultDllDirectories;
    script.SetDefaultDllDirectoriesResult =
        entry.SetDefaultDllDirectoriesResult;
    script.HasSetDllDirectoryW = entry.HasSetDllDirectoryW;
    RestrictDllSearch();
    EXPECT_EQ(platform_double::Events(), entry.ExpectedEvents);
  }
}

TEST(RestrictDllSearch, HappensBeforeTheCallAndChangesNothingPrinted) {
  for (const bool hasAny : {true, false}) {
    SCOPED_TRACE(hasAny ? "functions present" : "functions missing");
    platform_double::Reset();
    platform_double::Script& script = platform_double::CurrentScript();
    script.HasSetDefaultDllDirectories = hasAny;
    script.HasSetDllDirectoryW = hasAny;
    script.Result = 0;
    script.LastError = 2;
    ArgumentVector arguments({u"prog", u"a.inf"});
    StdoutCapture capture;
    const int exitCode = wmain(arguments.Count(), arguments.Data(), nullptr);
    const std::string output = capture.Finish();

    std::vector<std::string> expected = {"SetupCopyOEMInfW", "GetLastError"};
    if (hasAny)
      expected.insert(expected.begin(), "SetDefaultDllDirectories(0x800)");
    EXPECT_EQ(platform_double::Events(), expected);
    EXPECT_EQ(exitCode, ExitCallFailed);
    EXPECT_EQ(output, ReportText("0", "2", "", ""));
  }
}

}  // namespace
