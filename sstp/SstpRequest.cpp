#include "sstp/SstpRequest.h"

#include <cstring>

#include "sstp/SstpTransport.h"

namespace {

constexpr char kRequestLine[] = "SEND SSTP/";
constexpr char kSstpVersion[] = "1.1";
constexpr char kSenderField[] = "Sender: ";
constexpr char kIfGhostField[] = "IfGhost: ";
constexpr char kScriptField[] = "Script: ";
constexpr char kCharsetLine[] = "Charset: SJIS";
constexpr char kLineEnd[] = "\r\n";
// Room for the request's fixed lines.
constexpr std::size_t kFixedRequestSize = 64;

// Neither CR nor LF can be a Shift-JIS trail byte, so dropping them byte by
// byte never splits a double-byte character.
void AppendHeaderValue(std::string& request, const char* value) {
  if (value == nullptr) return;
  while (*value != '\0') {
    const std::size_t run = std::strcspn(value, "\r\n");
    request.append(value, run);
    value += run;
    if (*value != '\0') ++value;
  }
}

void AppendField(std::string& request, const char* field, const char* value) {
  request += field;
  AppendHeaderValue(request, value);
  request += kLineEnd;
}

}  // namespace

std::string BuildSstpRequest(const char* sender, const char* script, const char* ifGhost) {
  const bool namesCharacters = ifGhost != nullptr && *ifGhost != '\0';
  const std::size_t scriptSize = script != nullptr ? std::strlen(script) : 0;
  std::string request;
  request.reserve(kFixedRequestSize + (sender != nullptr ? std::strlen(sender) : 0) +
                  (namesCharacters ? std::strlen(ifGhost) + kFixedRequestSize + 2 * scriptSize
                                   : scriptSize));
  request += kRequestLine;
  request += kSstpVersion;
  request += kLineEnd;
  AppendField(request, kSenderField, sender);
  if (namesCharacters) {
    AppendField(request, kIfGhostField, ifGhost);
    AppendField(request, kScriptField, script);
  }
  AppendField(request, kScriptField, script);
  request += kCharsetLine;
  request += kLineEnd;
  request += kLineEnd;
  return request;
}

SstpOutcome SendSstp(const char* host, int port, const char* sender, const char* script,
                     const char* ifGhost, const ExchangeLimits& limits) {
  const std::string request = BuildSstpRequest(sender, script, ifGhost);
  return SstpExchange(host, port, request.data(), request.size(), limits);
}
