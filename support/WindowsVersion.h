// The one operating-system version test the library makes: whether it runs on
// the first release of the Windows 9x platform (4.0), which needs the
// registered wheel message. The answer is cached after a successful query.
#pragma once

int IsWindows95();
