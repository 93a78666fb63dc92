#include "platform/console_output.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/support/stdout_capture.h"
#include "tests/support/wide_text.h"

namespace {

std::string Printed(const std::u16string& format,
                    const std::vector<MessageArgument>& arguments) {
  const WideString wideFormat = Wide(format);
  StdoutCapture capture;
  PrintMessage(wideFormat.c_str(), arguments.data(), arguments.size());
  return capture.Finish();
}

TEST(PrintMessage, EachCodeUnitBecomesOneByteAndEachLineFeedCrLf) {
  // clang-format off
  const struct {
    const char* Description;
    std::u16string Format;
    std::string Expected;
  } cases[] = {
      {"ascii", u"abc", "abc"},
      {"line feed", u"a\nb\n", "a\r\nb\r\n"},
      {"carriage return stays one byte", u"a\rb", "a\rb"},
      {"carriage return before line feed", u"a\r\n", "a\r\r\n"},
      {"control characters", u"\x01\t\x1b\x1a\x7f", "\x01\t\x1b\x1a\x7f"},
      {"latin-1 upper half", u"\x80\xa0\xe9\xff", "\x80\xa0\xe9\xff"},
      {"first unit beyond latin-1", u"\u0100", "?"},
      {"the message goes on after a ?", u"a\u20acb", "a?b"},
      {"pair beyond the BMP is two units", u"\U0001F600", "??"},
      {"unpaired high surrogate", u"x\xd800y", "x?y"},
      {"unpaired low surrogate", u"\xdc00", "?"},
      {"BOM and noncharacter", u"\xfeff\xffff", "??"},
      {"percent not a placeholder", u"100% %d %", "100% %d %"},
      {"placeholder without an argument", u"%s %i", "%s %i"},
  };
  // clang-format on
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.Description);
    EXPECT_EQ(Printed(entry.Format, {}), entry.Expected);
  }
}

TEST(PrintMessage, FillsPlaceholdersInOrder) {
  const WideString text = Wide(u"caf\xe9\n\u4e2d");
  // clang-format off
  const struct {
    const char* Description;
    std::u16string Format;
    std::vector<MessageArgument> Arguments;
    std::string Expected;
  } cases[] = {
      {"text", u"[%s]", {TextArgument(text.c_str())}, "[caf\xe9\r\n?]"},
      {"null text", u"[%s]", {TextArgument(nullptr)}, "[(null)]"},
      {"empty text", u"[%s]", {TextArgument(WIDE(""))}, "[]"},
      {"zero", u"%i", {NumberArgument(0)}, "0"},
      {"negative", u"%i", {NumberArgument(-1)}, "-1"},
      {"largest", u"%i", {NumberArgument(INT32_MAX)}, "2147483647"},
      {"smallest", u"%i", {NumberArgument(INT32_MIN)}, "-2147483648"},
      {"mixed, in order", u"%i:%s:%i",
       {NumberArgument(7), TextArgument(WIDE("x")), NumberArgument(-8)},
       "7:x:-8"},
      {"a placeholder never reads its argument's text again", u"%s%s",
       {TextArgument(WIDE("a")), TextArgument(WIDE("%s"))}, "a%s"},
  };
  // clang-format on
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.Description);
    EXPECT_EQ(Printed(entry.Format, entry.Arguments), entry.Expected);
  }
}

TEST(PrintMessage, LongArgumentsArriveWhole) {
  // Line feeds double in size on the way out, so this crosses the output
  // buffer's edge many times and at both halves of a CR LF.
  std::u16string argument;
  std::string expected = "<";
  for (int index = 0; index < 40000; ++index) {
    argument += (index % 3 == 0) ? u'\n' : u'a';
    expected += (index % 3 == 0) ? "\r\n" : "a";
  }
  expected += ">\r\n";
  const WideString wideArgument = Wide(argument);
  EXPECT_EQ(Printed(u"<%s>\n", {TextArgument(wideArgument.c_str())}), expected);
}

}  // namespace
