#include "setup/inf_copy.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/expected_output.h"
#include "tests/support/platform_double.h"
#include "tests/support/stdout_capture.h"
#include "tests/support/wide_text.h"

namespace {

using platform_double::ComponentAction;

const WideString Source = Wide(u"Z:\\stage\\driver.inf");
const WideString Location = Wide(u"Z:\\stage");

const InfCopyRequest Request = {Source.c_str(), Location.c_str(), 1, 0x8};

// An outcome full of leftovers, to show that RunInfCopy prepares every field.
void FillWithLeftovers(InfCopyOutcome& outcome) {
  std::memset(&outcome, 0x41, sizeof outcome);
}

class InfCopy : public testing::Test {
 protected:
  void SetUp() override {
    platform_double::Reset();
    FillWithLeftovers(outcome_);
  }

  std::string RunAndReport() {
    RunInfCopy(Request, outcome_);
    StdoutCapture capture;
    PrintReport(outcome_);
    return capture.Finish();
  }

  InfCopyOutcome outcome_;
};

TEST_F(InfCopy, HandsTheRequestAndPreparedOutputsToTheCall) {
  RunInfCopy(Request, outcome_);

  const platform_double::RecordedCall& call = platform_double::LastCall();
  EXPECT_EQ(call.SourceInfFileName, Source.c_str());
  EXPECT_EQ(call.OEMSourceMediaLocation, Location.c_str());
  EXPECT_EQ(call.OEMSourceMediaType, 1u);
  EXPECT_EQ(call.CopyStyle, 0x8u);
  EXPECT_EQ(call.DestinationInfFileName, outcome_.DestinationInfFileName);
  EXPECT_EQ(call.DestinationInfFileNameSize, 259u);
  ASSERT_NE(call.RequiredSize, nullptr);
  EXPECT_EQ(call.RequiredSizeOnEntry, 0u);
  EXPECT_EQ(call.DestinationInfFileNameComponent,
            &outcome_.DestinationInfFileNameComponent);
  EXPECT_EQ(call.ComponentOnEntry, outcome_.DestinationInfFileName);
  EXPECT_EQ(call.DestinationOnEntry, u"");
  EXPECT_EQ(call.LastElementOnEntry, 0);
}

TEST_F(InfCopy, LastErrorIsReadOnlyAfterAFailedCall) {
  // clang-format off
  const struct {
    const char* Description;
    int32_t Result;
    uint32_t ThreadLastError;
    uint32_t ExpectedLastError;
    std::vector<std::string> ExpectedEvents;
  } cases[] = {
      {"success with a stale last error", 1, 183, 0, {"SetupCopyOEMInfW"}},
      {"failure", 0, 80, 80, {"SetupCopyOEMInfW", "GetLastError"}},
      {"failure with top bit set", 0, 0xFFFFFFFF, 0xFFFFFFFF,
       {"SetupCopyOEMInfW", "GetLastError"}},
  };
  // clang-format on
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.Description);
    platform_double::Reset();
    platform_double::CurrentScript().Result = entry.Result;
    platform_double::CurrentScript().LastError = entry.ThreadLastError;
    FillWithLeftovers(outcome_);
    RunInfCopy(Request, outcome_);
    EXPECT_EQ(outcome_.Result, entry.Result);
    EXPECT_EQ(outcome_.LastError, entry.ExpectedLastError);
    EXPECT_EQ(platform_double::Events(), entry.ExpectedEvents);
  }
}

struct ReportCase {
  const char* Description;
  platform_double::Script Script;
  std::string ExpectedReport;
};

const char16_t StagedName[] = u"C:\\windows\\inf\\oem3.inf";
constexpr size_t StagedComponentOffset = 15;

const std::u16string LongName(300, u'n');
const std::u16string WideName = u"C:\\windows\\inf\\\u4e2d\U0001F600\xe9.inf";

// clang-format off
const ReportCase ReportCases[] = {
    {"success",
     {1, 0, StagedName, ComponentAction::PointIntoName, StagedComponentOffset},
     ReportText("1", "0", "C:\\windows\\inf\\oem3.inf", "oem3.inf")},
    {"success while the thread's last error is set",
     {1, 183, StagedName, ComponentAction::PointIntoName, StagedComponentOffset},
     ReportText("1", "0", "C:\\windows\\inf\\oem3.inf", "oem3.inf")},
    {"another nonzero result is printed as returned",
     {42, 0, nullptr, ComponentAction::Leave, 0},
     ReportText("42", "0", "", "")},
    {"existing copy reported with file exists",
     {0, 80, StagedName, ComponentAction::PointIntoName, StagedComponentOffset},
     ReportText("0", "80", "C:\\windows\\inf\\oem3.inf", "oem3.inf")},
    {"failure leaving the outputs untouched",
     {0, 2, nullptr, ComponentAction::Leave, 0},
     ReportText("0", "2", "", "")},
    {"last error with the top bit set is negative",
     {0, 0xFFFFFFFF, nullptr, ComponentAction::Leave, 0},
     ReportText("0", "-1", "", "")},
    {"SetupAPI error code",
     {0, 0xE000022F, nullptr, ComponentAction::Leave, 0},
     ReportText("0", "-536870353", "", "")},
    {"null component pointer",
     {1, 0, StagedName, ComponentAction::SetNull, 0},
     ReportText("1", "0", "C:\\windows\\inf\\oem3.inf", "(null)")},
    {"a name that fills the whole size without a terminator",
     {0, 122, LongName.c_str(), ComponentAction::PointIntoName, 0},
     ReportText("0", "122", std::string(259, 'n'), std::string(259, 'n'))},
    {"characters beyond latin-1, one ? per code unit",
     {1, 0, WideName.c_str(), ComponentAction::PointIntoName, 15},
     ReportText("1", "0", "C:\\windows\\inf\\???\xe9.inf", "???\xe9.inf")},
};
// clang-format on

TEST_F(InfCopy, ReportPrintsWhatTheCallLeft) {
  for (const ReportCase& entry : ReportCases) {
    SCOPED_TRACE(entry.Description);
    platform_double::Reset();
    platform_double::CurrentScript() = entry.Script;
    FillWithLeftovers(outcome_);
    EXPECT_EQ(RunAndReport(), entry.ExpectedReport);
  }
}

}  // namespace
