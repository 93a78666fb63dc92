#include "cli/keywords.h"

#include "platform/console_output.h"
#include "platform/setupapi_symbols.h"

const Keyword MediaTypeNames[3] = {
    {SPOST_NONE, WIDE("SPOST_NONE")},
    {SPOST_PATH, WIDE("SPOST_PATH")},
    {SPOST_URL, WIDE("SPOST_URL")},
};

const Keyword CopyStyleNames[4] = {
    {SP_COPY_DELETESOURCE, WIDE("SP_COPY_DELETESOURCE")},
    {SP_COPY_REPLACEONLY, WIDE("SP_COPY_REPLACEONLY")},
    {SP_COPY_NOOVERWRITE, WIDE("SP_COPY_NOOVERWRITE")},
    {SP_COPY_OEMINF_CATALOG_ONLY, WIDE("SP_COPY_OEMINF_CATALOG_ONLY")},
};

namespace {

// Exact comparison of code units: no case folding, trimming or prefixes.
bool IsSameText(const WideChar* left, const WideChar* right) {
  for (; *left != 0 && *left == *right; ++left, ++right) {
  }
  return *left == *right;
}

template <size_t EntryCount>
int ParseKeyword(const Keyword (&table)[EntryCount], const WideChar* text,
                 uint32_t& value) {
  for (const Keyword& entry : table) {
    if (IsSameText(text, entry.Name)) {
      value = entry.Value;
      return 1;
    }
  }
  PrintParseError(text);
  return 0;
}

}  // namespace

int ParseMediaType(const WideChar* text, uint32_t& value) {
  return ParseKeyword(MediaTypeNames, text, value);
}

int ParseCopyStyle(const WideChar* text, uint32_t& value) {
  return ParseKeyword(CopyStyleNames, text, value);
}

void PrintParseError(const WideChar* text) {
  const MessageArgument arguments[] = {TextArgument(text)};
  PrintMessage(WIDE("Parse error for: %s\n\n"), arguments);
}
