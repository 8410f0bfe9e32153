// The message box text that tells the user what became of a test notice, in
// Japanese from the library's string resources: what happened, then what to
// do about it.
#pragma once

#include <windows.h>

#include <string>

#include "sstp/SstpOutcome.h"

struct TestNoticeMessage {
  std::string text;
  UINT icon;  // MB_ICONINFORMATION when the mascot took the notice
};

// `server` is the server the notice was sent to, as the page holds it.
TestNoticeMessage DescribeTestNotice(const SstpOutcome& outcome, const std::string& server);
