#include "platform/utf8.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::u16string Decoded(const std::string& bytes) {
  std::u16string units(bytes.size() + 1, u'#');
  const size_t count = DecodeUtf8(bytes.c_str(), units.data());
  EXPECT_EQ(units[count], u'\0');
  units.resize(count);
  return units;
}

TEST(DecodeUtf8, DecodesSequencesAndReplacesEachStrayByte) {
  // clang-format off
  const struct {
    const char* Description;
    std::string Bytes;
    std::u16string Expected;
  } cases[] = {
      {"empty", "", u""},
      {"ascii", "a.inf", u"a.inf"},
      {"two bytes", "caf\xc3\xa9", u"caf\xe9"},
      {"three bytes", "\xe4\xb8\xad", u"\u4e2d"},
      {"four bytes become a pair", "\xf0\x9f\x98\x80", u"\U0001F600"},
      {"largest code point", "\xf4\x8f\xbf\xbf", u"\U0010FFFF"},
      {"encoded lone high surrogate", "\xed\xa0\x80", u"\xd800"},
      {"encoded lone low surrogate", "x\xed\xbf\xbfy", u"x\xdfffy"},
      {"stray continuation byte", "a\x80z", u"a\xfffdz"},
      {"latin-1 byte", "caf\xe9", u"caf\xfffd"},
      {"truncated sequence at the end", "a\xe4\xb8", u"a\xfffd\xfffd"},
      {"truncated sequence before ascii", "\xe4\xb8z", u"\xfffd\xfffdz"},
      {"overlong slash", "\xc0\xaf", u"\xfffd\xfffd"},
      {"overlong three bytes", "\xe0\x80\xaf", u"\xfffd\xfffd\xfffd"},
      {"beyond U+10FFFF", "\xf4\x90\x80\x80", u"\xfffd\xfffd\xfffd\xfffd"},
      {"invalid lead bytes", "\xf8\xff", u"\xfffd\xfffd"},
  };
  // clang-format on
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.Description);
    EXPECT_EQ(Decoded(entry.Bytes), entry.Expected);
  }
}

}  // namespace
