// The program's messages as the bytes that scripts read.
#pragma once

#include <string>

// The usage text for a program named `programName`.
std::string UsageText(const std::string& programName);

// The parse error message for `text`.
std::string ParseErrorText(const std::string& text);

// The four-line report.
std::string ReportText(const std::string& result, const std::string& lastError,
                       const std::string& destination,
                       const std::string& component);
