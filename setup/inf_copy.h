// The installer binding: one SetupCopyOEMInfW call and the report of what
// it gave back.
#pragma once

#include <cstdint>

#include "platform/platform.h"

// The inputs of the call. The strings are the command-line arguments
// themselves, never copies.
struct InfCopyRequest {
  const WideChar* SourceInfFileName;
  const WideChar* OEMSourceMediaLocation;  // null when none was given
  uint32_t OEMSourceMediaType;             // a value of MediaTypeNames
  uint32_t CopyStyle;                      // a value of CopyStyleNames
};

constexpr uint32_t DestinationNameBufferLength = 260;

// The size told to the call leaves the buffer's last element out of its
// reach, so the buffer always ends in a terminator.
constexpr uint32_t DestinationNameCapacity = DestinationNameBufferLength - 1;

// What the call gave back.
struct InfCopyOutcome {
  int32_t Result;      // the call's boolean result, nonzero for success
  uint32_t LastError;  // GetLastError after a failed call, otherwise 0
  WideChar DestinationInfFileName[DestinationNameBufferLength];
  WideChar* DestinationInfFileNameComponent;  // into the buffer, or null
};

// Makes the call for `request` and fills `outcome` with what it returned.
void RunInfCopy(const InfCopyRequest& request, InfCopyOutcome& outcome);

// Prints the four-line report of `outcome` on standard output.
void PrintReport(const InfCopyOutcome& outcome);
