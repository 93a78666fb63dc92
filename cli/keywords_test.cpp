#include "cli/keywords.h"

#include <gtest/gtest.h>

#include "tests/support/stdout_capture.h"
#include "tests/support/wide_text.h"

namespace {

// The numbers are SetupAPI's; they are pinned here so that neither table can
// drift from them.
TEST(KeywordTables, HoldSetupApiValuesInOrder) {
  const struct {
    std::u16string Name;
    uint32_t Value;
  } mediaTypes[] = {{u"SPOST_NONE", 0}, {u"SPOST_PATH", 1}, {u"SPOST_URL", 2}};
  const struct {
    std::u16string Name;
    uint32_t Value;
  } copyStyles[] = {{u"SP_COPY_DELETESOURCE", 0x1},
                    {u"SP_COPY_REPLACEONLY", 0x2},
                    {u"SP_COPY_NOOVERWRITE", 0x8},
                    {u"SP_COPY_OEMINF_CATALOG_ONLY", 0x40000}};

  ASSERT_EQ(std::size(MediaTypeNames), std::size(mediaTypes));
  for (size_t index = 0; index < std::size(mediaTypes); ++index) {
    EXPECT_EQ(MediaTypeNames[index].Name, Wide(mediaTypes[index].Name));
    EXPECT_EQ(MediaTypeNames[index].Value, mediaTypes[index].Value);
  }
  ASSERT_EQ(std::size(CopyStyleNames), std::size(copyStyles));
  for (size_t index = 0; index < std::size(copyStyles); ++index) {
    EXPECT_EQ(CopyStyleNames[index].Name, Wide(copyStyles[index].Name));
    EXPECT_EQ(CopyStyleNames[index].Value, copyStyles[index].Value);
  }
}

using Parser = int (*)(const WideChar*, uint32_t&);

struct ParseCase {
  const char* Description;
  Parser Parse;
  std::u16string Text;
  int ExpectedResult;
  uint32_t ExpectedValue;  // the target's value afterwards
};

constexpr uint32_t Untouched = 0xA5A5A5A5;

// clang-format off
const ParseCase ParseCases[] = {
    {"media type none", ParseMediaType, u"SPOST_NONE", 1, 0},
    {"media type path", ParseMediaType, u"SPOST_PATH", 1, 1},
    {"media type url", ParseMediaType, u"SPOST_URL", 1, 2},
    {"copy style delete source", ParseCopyStyle, u"SP_COPY_DELETESOURCE", 1, 0x1},
    {"copy style replace only", ParseCopyStyle, u"SP_COPY_REPLACEONLY", 1, 0x2},
    {"copy style no overwrite", ParseCopyStyle, u"SP_COPY_NOOVERWRITE", 1, 0x8},
    {"copy style catalog only", ParseCopyStyle, u"SP_COPY_OEMINF_CATALOG_ONLY", 1, 0x40000},
    {"lower case", ParseCopyStyle, u"sp_copy_nooverwrite", 0, Untouched},
    {"mixed case", ParseMediaType, u"Spost_Path", 0, Untouched},
    {"leading space", ParseMediaType, u" SPOST_PATH", 0, Untouched},
    {"trailing space", ParseCopyStyle, u"SP_COPY_NOOVERWRITE ", 0, Untouched},
    {"prefix of a name", ParseCopyStyle, u"SP_COPY_NOOVER", 0, Untouched},
    {"name with a suffix", ParseMediaType, u"SPOST_URLX", 0, Untouched},
    {"number", ParseCopyStyle, u"8", 0, Untouched},
    {"hexadecimal number", ParseCopyStyle, u"0x8", 0, Untouched},
    {"flags joined by a bar", ParseCopyStyle, u"SP_COPY_DELETESOURCE|SP_COPY_NOOVERWRITE", 0, Untouched},
    {"flags joined by a plus", ParseCopyStyle, u"SP_COPY_DELETESOURCE+SP_COPY_NOOVERWRITE", 0, Untouched},
    {"media type as copy style", ParseCopyStyle, u"SPOST_PATH", 0, Untouched},
    {"copy style as media type", ParseMediaType, u"SP_COPY_NOOVERWRITE", 0, Untouched},
    {"empty media type", ParseMediaType, u"", 0, Untouched},
    {"empty copy style", ParseCopyStyle, u"", 0, Untouched},
    {"name beyond latin-1", ParseMediaType, u"SPOST_PATH\u2013", 0, Untouched},
};
// clang-format on

TEST(ParseKeyword, ConvertsExactNamesOnlyAndLeavesTargetOnFailure) {
  for (const ParseCase& entry : ParseCases) {
    SCOPED_TRACE(entry.Description);
    const WideString text = Wide(entry.Text);
    uint32_t value = Untouched;
    StdoutCapture capture;
    const int result = entry.Parse(text.c_str(), value);
    const std::string output = capture.Finish();

    EXPECT_EQ(result, entry.ExpectedResult);
    EXPECT_EQ(value, entry.ExpectedValue);
    if (result == 1) {
      EXPECT_EQ(output, "");
    }
  }
}

TEST(ParseKeyword, FailurePrintsParseErrorWithTheTextAndAnEmptyLine) {
  // clang-format off
  const struct {
    std::u16string Text;
    std::string ExpectedOutput;
  } cases[] = {
      {u"8", "Parse error for: 8\r\n\r\n"},
      {u"", "Parse error for: \r\n\r\n"},
      {u"sp_copy_nooverwrite", "Parse error for: sp_copy_nooverwrite\r\n\r\n"},
      {u"SPOST_PATH\u2013", "Parse error for: SPOST_PATH?\r\n\r\n"},
  };
  // clang-format on
  for (const auto& entry : cases) {
    const WideString text = Wide(entry.Text);
    uint32_t value = 0;
    StdoutCapture capture;
    ParseCopyStyle(text.c_str(), value);
    EXPECT_EQ(capture.Finish(), entry.ExpectedOutput);
  }
}

TEST(PrintParseError, PrintsAnArgumentNearTheCommandLineLimitWhole) {
  const WideString text(32000, WIDE('x'));
  StdoutCapture capture;
  PrintParseError(text.c_str());
  EXPECT_EQ(capture.Finish(),
            "Parse error for: " + std::string(32000, 'x') + "\r\n\r\n");
}

}  // namespace
