#include "Answer.h"

#include <windows.h>

#include <cstdlib>

namespace {

constexpr char kVersion[] = "SSTP/1.4 ";
constexpr int kTrickleIntervalMs = 1000;
constexpr int kShutdownBoth = 2;

struct Reason {
  int code;
  const char* text;
};
constexpr Reason kReasons[] = {
    {200, "OK"},           {204, "No Content"},          {210, "Break"},
    {400, "Bad Request"},  {404, "Not Found"},           {408, "Request Timeout"},
    {409, "Conflict"},     {420, "Refuse"},              {501, "Not Implemented"},
    {503, "Service Unavailable"}, {512, "Invisible"},
};

const char* ReasonOf(int code) {
  for (const Reason& reason : kReasons) {
    if (reason.code == code) return reason.text;
  }
  return nullptr;
}

// Waits until the client closes its side (or sends more), at most `holdMs`.
void WaitForClose(SOCKET client, int holdMs) {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(client, &readable);
  timeval timeout = {holdMs / 1000, (holdMs % 1000) * 1000};
  select(0, &readable, nullptr, nullptr, &timeout);
}

}  // namespace

bool ParseAnswer(const std::string& word, Answer& answer) {
  if (word == "close") answer.kind = Answer::kClose;
  else if (word == "silent") answer.kind = Answer::kSilent;
  else if (word == "trickle") answer.kind = Answer::kTrickle;
  else {
    char* end = nullptr;
    const long code = std::strtol(word.c_str(), &end, 10);
    if (end == word.c_str() || *end != '\0' || ReasonOf(static_cast<int>(code)) == nullptr) {
      return false;
    }
    answer.kind = Answer::kStatus;
    answer.statusCode = static_cast<int>(code);
  }
  return true;
}

std::string StatusLine(int statusCode) {
  const char* reason = ReasonOf(statusCode);
  return kVersion + std::to_string(statusCode) + " " + (reason != nullptr ? reason : "");
}

std::string GiveAnswer(SOCKET client, const Answer& answer, int delayMs, int holdMs) {
  if (delayMs > 0) Sleep(delayMs);
  switch (answer.kind) {
    case Answer::kClose:
      shutdown(client, kShutdownBoth);
      return "closed without an answer";
    case Answer::kSilent:
      WaitForClose(client, holdMs);
      return "held the connection without an answer";
    case Answer::kTrickle: {
      const std::string bytes = StatusLine(200) + "\r\n\r\n";
      for (char byte : bytes) {
        if (send(client, &byte, 1, 0) != 1) return "trickled until the client left";
        Sleep(kTrickleIntervalMs);
      }
      shutdown(client, kShutdownBoth);
      return "trickled " + StatusLine(200);
    }
    case Answer::kStatus: break;
  }
  const std::string line = StatusLine(answer.statusCode);
  const std::string bytes = line + "\r\n\r\n";
  send(client, bytes.data(), static_cast<int>(bytes.size()), 0);
  shutdown(client, kShutdownBoth);
  return "answered " + line;
}
