// How the emulator answers a well-formed request, so that the tests and a
// curious user can play every kind of mascot: a status line of the mascot
// programs in use (200 taken, 409 busy, 512 hidden, ...), no answer at all, a
// connection held open without one, or an answer that trickles in one byte a
// second.
#pragma once

#include <winsock.h>

#include <string>
#include <vector>

struct Answer {
  enum Kind { kStatus, kClose, kSilent, kTrickle } kind = kStatus;
  int statusCode = 200;
};

// One answer from "200", "409", ..., "close", "silent" or "trickle"; false
// for a word or a status code it does not know.
bool ParseAnswer(const std::string& word, Answer& answer);

// "SSTP/1.4 409 Conflict" and so on, with the reason of the mascot programs.
std::string StatusLine(int statusCode);

// Gives `answer` to a client whose request was read. `delayMs` passes first;
// a silent answer waits for the client to close, at most `holdMs`. Returns
// what it did, for the emulator's log.
std::string GiveAnswer(SOCKET client, const Answer& answer, int delayMs, int holdMs);
