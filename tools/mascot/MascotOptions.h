// The mascot emulator's command line: what to listen on, which named mutex to
// hold, when to stop and where to save the received requests.
#pragma once

#include <string>
#include <vector>

#include "Answer.h"

struct MascotOptions {
  std::string bindAddress = "127.0.0.1";
  int port = 9801;
  std::string mutexName = "sakura";  // empty: hold none
  long count = 0;                    // 0: serve until ended
  std::string saveFile;              // empty: save nothing
  int timeoutSeconds = 5;            // per request, for a client that stalls
  std::vector<Answer> answers{Answer()};  // one per request; the last repeats
  int delayMs = 0;                   // before each answer
  bool elevated = false;             // mutex as an elevated mascot's looks
  bool showHelp = false;
};

// False with `error` set when the command line is not understood.
bool ParseMascotOptions(int argc, char** argv, MascotOptions& options, std::string& error);

extern const char kMascotUsage[];
