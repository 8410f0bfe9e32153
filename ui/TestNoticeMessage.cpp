#include "ui/TestNoticeMessage.h"

#include "framework/ResourceString.h"
#include "resources/ResourceIds.h"
#include "sstp/SstpTransport.h"

namespace {

constexpr char kParagraphBreak[] = "\r\n\r\n";

// What the status codes of the mascot programs in use mean for the user.
struct AnswerText {
  int statusCode;
  UINT textId;
};
constexpr AnswerText kAnswerTexts[] = {
    {200, IDS_TAKEN},       {204, IDS_TAKEN},
    {409, IDS_BUSY},        {512, IDS_HIDDEN},
    {420, IDS_REFUSED_BY_CHARACTER},
    {400, IDS_BAD_REQUEST}, {503, IDS_UNAVAILABLE},
    {404, IDS_NOT_RUNNING},
};

UINT TextIdOf(const SstpOutcome& outcome) {
  switch (outcome.result) {
    case SstpResult::kNoMascot: return IDS_NO_MASCOT;
    case SstpResult::kNoSockets: return IDS_NO_SOCKETS;
    case SstpResult::kUnresolved: return IDS_UNRESOLVED;
    case SstpResult::kRefused: return IDS_REFUSED;
    case SstpResult::kConnectFailed: return IDS_CONNECT_FAILED;
    case SstpResult::kConnectTimeout: return IDS_CONNECT_TIMEOUT;
    case SstpResult::kSendFailed: return IDS_SEND_FAILED;
    case SstpResult::kSent:
    case SstpResult::kNoAnswer: return IDS_NO_ANSWER;
    case SstpResult::kAnswered: break;
  }
  for (const AnswerText& answer : kAnswerTexts) {
    if (answer.statusCode == outcome.statusCode) return answer.textId;
  }
  return IDS_OTHER_ANSWER;
}

// The ports the notice went to: a configured 0 may try two.
std::string PortText(const SstpOutcome& outcome) {
  const std::string port = std::to_string(outcome.port);
  if (outcome.result != SstpResult::kRefused || !outcome.fellBack) return port;
  return std::to_string(kSstpDefaultPort) + ", " + port;
}

// The answer as the mascot sent it, with control bytes made visible.
std::string Printable(const std::string& line) {
  std::string text = line;
  for (char& byte : text) {
    if (static_cast<unsigned char>(byte) < 0x20) byte = '?';
  }
  return text;
}

std::string LoadText(UINT id) {
  std::string text;
  LoadResourceString(text, id);
  return text;
}

// `text` with %1 to %4 replaced by the given values; other bytes unchanged.
std::string FillPlaceholders(const std::string& text, const std::string (&values)[4]) {
  std::string filled;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (text[i] == '%' && next >= '1' && next <= '4') {
      filled += values[next - '1'];
      ++i;
    } else {
      filled += text[i];
    }
  }
  return filled;
}

}  // namespace

TestNoticeMessage DescribeTestNotice(const SstpOutcome& outcome, const std::string& server) {
  const UINT id = TextIdOf(outcome);
  const std::string values[4] = {server, PortText(outcome), Printable(outcome.statusLine),
                                 std::to_string(outcome.error)};
  const std::string what = FillPlaceholders(LoadText(id), values);
  const std::string advice = FillPlaceholders(LoadText(id + 1), values);
  const bool taken = id == IDS_TAKEN;
  return {advice.empty() ? what : what + kParagraphBreak + advice,
          static_cast<UINT>(taken ? MB_ICONINFORMATION : MB_ICONWARNING)};
}
