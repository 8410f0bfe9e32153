// The plug-in's settings: which host checks lead to a notice, where the
// mascot listens and which script texts are sent, plus the paths of the INI
// file and the report. One process-wide record, filled at start-up.
#pragma once

#include <string>

struct Settings {
  std::string iniPath;
  std::string reportPath;
  std::string server;
  std::string header;
  std::string footer;
  std::string noUpdate;
  std::string ifGhost;  // characters the notice names; empty: none
  int sstpPort = 0;
  int checkType = 0;  // bit mask of check kinds
  int autoCheck = 0;  // 1: only automatic checks notify
};

extern Settings settings;
